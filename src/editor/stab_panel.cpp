#include "editor/stab_panel.h"

#include <QLineEdit>

#include "document/plane.h"
#include "editor/editor.h"
#include "editor/field_table.h"
#include "editor/main_controls.h"

namespace ferlo {

StabPanel::StabPanel(Editor& main) {
    boxes = addSurfaceBoxes(main.controls().pages[static_cast<int>(ParameterTab::Stab)], QStringLiteral("Stab"), true);
    SymWingSections& stab = main.plane().stab;
    const auto part = [&stab]() -> SymWingSections& { return stab; };
    const SurfaceBoxes& b = boxes;
    const Field span = overallSpanField(
        b, [&stab] { return stab.span; }, [&stab] { return stab.shift; }, [&stab](double v) { stab.span = v; });
    fields_ = std::make_unique<FieldTable>(
        main, std::vector<Field>{
                  memberField(b.LengthB, part, &SymWingSections::length1),
                  memberField(b.PosB, part, &SymWingSections::pos1),
                  memberField(b.ElevationB, part, &SymWingSections::elevation1),
                  memberField(b.ThicknessB, part, &SymWingSections::thickness1, FieldForm::Plain),
                  memberField(b.LengthE, part, &SymWingSections::length2),
                  memberField(b.PosE, part, &SymWingSections::pos2),
                  memberField(b.ElevationE, part, &SymWingSections::elevation2),
                  memberField(b.ThicknessE, part, &SymWingSections::thickness2, FieldForm::Plain),
                  span,
                  memberField(b.Shift, part, &SymWingSections::shift),
              });
}

StabPanel::~StabPanel() = default;

void StabPanel::fill() { fields_->fill(); }

}  // namespace ferlo

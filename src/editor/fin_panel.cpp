#include "editor/fin_panel.h"

#include <QLineEdit>

#include "document/plane.h"
#include "editor/editor.h"
#include "editor/field_table.h"
#include "editor/main_controls.h"
#include "editor/panel_widgets.h"

namespace ferlo {

FinPanel::FinPanel(Editor& main) {
    QWidget* page = main.controls().pages[static_cast<int>(ParameterTab::Fin)];
    boxes = addSurfaceBoxes(page, QStringLiteral("Rudder"), false);
    Offset1 = addBoxRow(page, QStringLiteral("Offset1RudderText"), QStringLiteral("Offset 1"), boxes.bottom);
    Offset2 = addBoxRow(page, QStringLiteral("Offset2RudderText"), QStringLiteral("Offset 2"),
                        boxes.bottom + kRowHeight);

    VertWingSection& fin = main.plane().fin;
    const auto part = [&fin]() -> VertWingSection& { return fin; };
    const SurfaceBoxes& b = boxes;
    fields_ = std::make_unique<FieldTable>(
        main, std::vector<Field>{
                  memberField(b.LengthB, part, &VertWingSection::length1),
                  memberField(b.PosB, part, &VertWingSection::pos1),
                  memberField(b.ThicknessB, part, &VertWingSection::thickness1, FieldForm::Plain),
                  memberField(b.LengthE, part, &VertWingSection::length2),
                  memberField(b.PosE, part, &VertWingSection::pos2),
                  memberField(b.ThicknessE, part, &VertWingSection::thickness2, FieldForm::Plain),
                  memberField(b.Span, part, &VertWingSection::span),
                  memberField(b.Shift, part, &VertWingSection::shift),
                  memberField(Offset1, part, &VertWingSection::offset1),
                  memberField(Offset2, part, &VertWingSection::offset2),
              });
}

FinPanel::~FinPanel() = default;

void FinPanel::fill() { fields_->fill(); }

}  // namespace ferlo

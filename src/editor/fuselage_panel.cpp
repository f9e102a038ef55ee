#include "editor/fuselage_panel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>

#include "document/plane.h"
#include "editor/canvas_widget.h"
#include "editor/drawing_area.h"
#include "editor/editor.h"
#include "editor/failure_rule.h"
#include "editor/field_table.h"
#include "editor/main_controls.h"
#include "editor/user_dialogs.h"
#include "editor/view_setup.h"

namespace ferlo {

namespace {

// A shape value (exponent or bias) as a slider position, in hundredths,
// rounded half to even and held within the slider's range: a value beyond
// the range (from a project file) is shown at its end.
int sliderPosition(double value, const QSlider& slider) {
    const double hundredths = value * 100;
    if (!std::isfinite(hundredths)) return slider.value();
    return static_cast<int>(std::nearbyint(std::clamp(hundredths, double(slider.minimum()), double(slider.maximum()))));
}

void setBlocked(QSlider* slider, int position) {
    const QSignalBlocker blocker(slider);
    slider->setValue(position);
}

void setBlocked(QCheckBox* check, bool checked) {
    const QSignalBlocker blocker(check);
    check->setChecked(checked);
}

// The section scroll bar from 1 to the section count: a fuselage without
// sections leaves it at 1, so it never offers section 0.
void showSection(QScrollBar* scroll, int sections, int selected) {
    const QSignalBlocker blocker(scroll);
    scroll->setRange(1, std::max(1, sections));
    scroll->setValue(selected);
}

// The section number as the label shows it, after a blank (" 3").
QString sectionLabel(int section) { return QStringLiteral(" ") + QString::number(section); }

}  // namespace

FuselagePanel::FuselagePanel(Editor& main, ViewSetup& views) : main_(main), views_(views) {
    buildControls();
    buildFields();
    connectControls();
}

FuselagePanel::~FuselagePanel() = default;

void FuselagePanel::buildFields() {
    FuselageList& fuselages = main_.plane().fuselages;
    const auto current = [&fuselages]() -> MeshSections& { return fuselages.current(); };
    using Getter = double (MeshSections::*)() const;
    using Setter = void (MeshSections::*)(double);
    const auto sectionField = [&](QLineEdit* box, Getter get, Setter set) {
        return Field{box, [current, get] { return (current().*get)(); },
                     [current, set](double v) { (current().*set)(v); }, FieldForm::Length,
                     Effects::FitSectionBox | Effects::DrawSectionBox};
    };
    // Only a whole number of points from 0 to 100 is taken; the arrays follow
    // the count, and the tab shows the fuselage with it.
    const Field points{NbCrossFuselageText,
                       [current] { return double(current().nb_cross); },
                       [current](double v) {
                           MeshSections& f = current();
                           f.nb_cross = static_cast<std::int16_t>(std::nearbyint(v));
                           f.initArrays();
                       },
                       FieldForm::Plain,
                       Effects::RefillFuselageTab,
                       [](double v) {
                           return v < 0 || v > 100 ? QStringLiteral("Not applied: a fuselage has 0 to 100 outline points.")
                                                   : QString();
                       }};
    MainControls& c = main_.controls();
    fields_ = std::make_unique<FieldTable>(
        main_, std::vector<Field>{
                   sectionField(WidthFuselageText, &MeshSections::widthGet, &MeshSections::widthSet),
                   sectionField(HeightFuselageText, &MeshSections::heightGet, &MeshSections::heightSet),
                   sectionField(ElevationFuselageText, &MeshSections::elevationGet, &MeshSections::elevationSet),
                   sectionField(PosFuselageText, &MeshSections::posGet, &MeshSections::posSet),
                   points,
                   memberField(ElevOffsetText, current, &MeshSections::elevation_offset),
                   memberField(c.PosOffsetText, current, &MeshSections::pos_offset),
                   memberField(c.ShiftOffsetText, current, &MeshSections::shift),
               });
}

void FuselagePanel::connectControls() {
    MainControls& c = main_.controls();
    QObject::connect(c.FuselageScroll, &QScrollBar::valueChanged, c.FuselageScroll, [this] { FuselageScroll_Change(); });
    QObject::connect(index.scroll, &QScrollBar::valueChanged, index.scroll, [this] { IndexFusScroll_Change(); });
    QObject::connect(index.minus, &QPushButton::clicked, index.minus, [this] { IndexFusMinusButton_Click(); });
    QObject::connect(c.CurvatureSlider, &QSlider::valueChanged, c.CurvatureSlider, [this] { curvatureMoved(true); });
    QObject::connect(c.Curvature2Slider, &QSlider::valueChanged, c.Curvature2Slider, [this] { curvatureMoved(false); });
    QObject::connect(c.BiasSlider, &QSlider::valueChanged, c.BiasSlider, [this] { BiasSlider_Change(); });

    const auto flag = [this](QCheckBox* check, bool MeshSections::*field, bool rerender) {
        QObject::connect(check, &QCheckBox::toggled, check, [this, field, rerender](bool on) {
            main_.edit([&] { main_.plane().fuselages.current().*field = on; },
                       Effects::Unsaved | when(rerender, Effects::Rebuild3D));
        });
    };
    flag(UniqueCurvatureCheck, &MeshSections::uniqueCurvature, false);
    flag(c.LinkedCurvaturesCheck, &MeshSections::linkedCurvatures, false);
    // The 3D view shows transparency whether or not it renders live.
    flag(TransparentCheck, &MeshSections::transparent, true);

    const auto smoothing = [this](QPushButton* button, void (MeshSections::*pass)()) {
        QObject::connect(button, &QPushButton::clicked, button, [this, pass] { smooth(pass); });
    };
    smoothing(c.SmoothTopCommand, &MeshSections::smoothTop);
    smoothing(c.SmoothDownCommand, &MeshSections::smoothDown);
    smoothing(c.SmoothWidthCommand, &MeshSections::SmoothWidth);
}

void FuselagePanel::fill() {
    MainControls& c = main_.controls();
    FuselageList& fuselages = main_.plane().fuselages;
    const MeshSections& f = fuselages.current();
    enableSectionFrame(f.nb_cross != 0);
    setBlocked(c.CurvatureSlider, sliderPosition(f.curvatureGet(), *c.CurvatureSlider));
    setBlocked(c.Curvature2Slider, sliderPosition(f.curvature2Get(), *c.Curvature2Slider));
    setBlocked(c.BiasSlider, sliderPosition(f.bias_curveGet(), *c.BiasSlider));
    fields_->fill();
    c.FuselageSectionLabel->setText(sectionLabel(f.sel_sec));
    showSection(c.FuselageScroll, f.nb_sections, f.sel_sec);
    index.show(fuselages.nbFuselages(), fuselages.currentFuselage);
    setBlocked(UniqueCurvatureCheck, f.uniqueCurvature);
    setBlocked(TransparentCheck, f.transparent);
    setBlocked(c.LinkedCurvaturesCheck, f.linkedCurvatures);
    views_.drawSectionBox();
}

void FuselagePanel::FuselageScroll_Change() {
    const int position = main_.controls().FuselageScroll->value();
    bool moved = false;
    // The box shows the section as large as it fits.
    main_.edit([&] {
        MeshSections& f = main_.plane().fuselages.current();
        if (position == f.sel_sec) return Effects::FitSectionBox;
        f.sel_sec = static_cast<std::int16_t>(position);
        moved = true;
        return Effects::FitSectionBox | Effects::RefillFuselageTab | Effects::RedrawView | Effects::Render3D;
    });
    if (!moved) return;
    // The new section's line lit in the fuselage views.
    skipOnFailure([&] {
        FuselageList& fuselages = main_.plane().fuselages;
        const int selected = fuselages.current().sel_sec;
        const ViewKind mode = main_.state().mode;
        if (mode == ViewKind::Side) fuselages.drawSideFuselages(views_.viewContext(), selected, 0);
        if (mode == ViewKind::HTop) fuselages.drawHTopFuselages(views_.viewContext(), selected, 0);
        main_.controls().DrawArea->canvas().flush();
    });
}

void FuselagePanel::IndexFusScroll_Change() {
    main_.edit([&] { return showFuselage(index.scroll->value()); });
}

Effects FuselagePanel::showFuselage(int number) {
    main_.plane().fuselages.currentFuselage = static_cast<std::int16_t>(number);
    index.label->setText(QString::number(number));
    return Effects::FitSectionBox | Effects::RefillFuselageTab | Effects::RedrawView | Effects::Render3D;
}

void FuselagePanel::IndexFusPlusButton_MouseDown(Qt::KeyboardModifiers modifiers) {
    Plane& plane = main_.plane();
    const bool ctrlkey_tab = (modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier;
    main_.edit([&] {
        if (!plane.fuselages.addFuselage(ctrlkey_tab, plane.units, plane.defaultColor)) return Effects::None;
        return Effects::Unsaved | Effects::ManagerRows | showFuselage(plane.fuselages.nbFuselages());
    });
}

void FuselagePanel::IndexFusMinusButton_Click() {
    if (!main_.dialogs().question(
            QStringLiteral("This will destroy the last created fuselage.\nDo you want to proceed ?"))) {
        return;
    }
    main_.edit([&] {
        FuselageList& fuselages = main_.plane().fuselages;
        if (!fuselages.removeLastFuselage()) return Effects::None;
        return Effects::Unsaved | Effects::ManagerRows | showFuselage(fuselages.nbFuselages());
    });
}

void FuselagePanel::curvatureMoved(bool upper) {
    MainControls& c = main_.controls();
    QSlider* moved = upper ? c.CurvatureSlider : c.Curvature2Slider;
    QSlider* other = upper ? c.Curvature2Slider : c.CurvatureSlider;
    const int position = moved->value();
    const double value = position / 100.0;
    main_.edit(
        [&] {
            MeshSections& f = main_.plane().fuselages.current();
            if (c.LinkedCurvaturesCheck->isChecked()) {
                upper ? f.curvature2Set(value) : f.curvatureSet(value);
                setBlocked(other, position);
            }
            upper ? f.curvatureSet(value) : f.curvature2Set(value);
        },
        Effects::Edited | Effects::DrawSectionBox);
}

void FuselagePanel::BiasSlider_Change() {
    const double value = main_.controls().BiasSlider->value() / 100.0;
    main_.edit([&] { main_.plane().fuselages.current().bias_curveSet(value); },
               Effects::Edited | Effects::DrawSectionBox);
}

void FuselagePanel::smooth(void (MeshSections::*pass)()) {
    main_.edit([&] { (main_.plane().fuselages.current().*pass)(); },
               Effects::Edited | Effects::RefillFuselageTab);
}

void FuselagePanel::enableSectionFrame(bool enabled) {
    SectionFrame->setEnabled(enabled);
    SectionFrame->setToolTip(enabled ? QString()
                                     : QStringLiteral("This fuselage has no outline points: type a count in "
                                                      "Points to edit its sections."));
}

}  // namespace ferlo

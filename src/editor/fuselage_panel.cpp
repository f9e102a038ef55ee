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

#include "editor/canvas_widget.h"
#include "editor/drawing_area.h"
#include "editor/failure_rule.h"
#include "editor/field_table.h"
#include "editor/fuselage_manager.h"
#include "editor/main_window.h"
#include "editor/user_dialogs.h"

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

FuselagePanel::FuselagePanel(MainWindow& main) : main_(main) {
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
                     [this] { redrawSectionBox(); }};
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
                       [this] { fill(); },
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
            skipOnFailure([&] { main_.plane().fuselages.current().*field = on; });
            main_.state().savedProject = false;
            if (rerender) main_.renderScene(true);
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
    drawSectionBox();
}

void FuselagePanel::FuselageScroll_Change() {
    const int position = main_.controls().FuselageScroll->value();
    skipOnFailure([&] {
        MeshSections& f = main_.plane().fuselages.current();
        if (position == f.sel_sec) {
            main_.zoomSectionBox();
            return;
        }
        f.sel_sec = static_cast<std::int16_t>(position);
        // The box shows the new section as large as it fits.
        main_.zoomSectionBox();
        fill();
        main_.refreshDrawingArea();
        Plane& plane = main_.plane();
        const ViewKind mode = main_.state().mode;
        if (mode == ViewKind::Side) plane.fuselages.drawSideFuselages(main_.viewContext(), f.sel_sec, 0);
        if (mode == ViewKind::HTop) plane.fuselages.drawHTopFuselages(main_.viewContext(), f.sel_sec, 0);
        main_.controls().DrawArea->canvas().flush();
    });
}

void FuselagePanel::IndexFusScroll_Change() { showFuselage(index.scroll->value()); }

void FuselagePanel::showFuselage(int number) {
    main_.plane().fuselages.currentFuselage = static_cast<std::int16_t>(number);
    index.label->setText(QString::number(number));
    main_.zoomSectionBox();
    skipOnFailure([&] { fill(); });
    main_.refreshDrawingArea();
}

void FuselagePanel::IndexFusPlusButton_MouseDown(Qt::KeyboardModifiers modifiers) {
    Plane& plane = main_.plane();
    const bool ctrlkey_tab = (modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier;
    bool added = false;
    skipOnFailure([&] { added = plane.fuselages.addFuselage(ctrlkey_tab, plane.units, plane.defaultColor); });
    if (!added) return;
    main_.fuselageManager().update();
    main_.state().savedProject = false;
    showFuselage(plane.fuselages.nbFuselages());
}

void FuselagePanel::IndexFusMinusButton_Click() {
    if (!main_.dialogs().question(
            QStringLiteral("This will destroy the last created fuselage.\nDo you want to proceed ?"))) {
        return;
    }
    FuselageList& fuselages = main_.plane().fuselages;
    if (!fuselages.removeLastFuselage()) return;
    main_.fuselageManager().update();
    main_.state().savedProject = false;
    showFuselage(fuselages.nbFuselages());
}

void FuselagePanel::curvatureMoved(bool upper) {
    MainControls& c = main_.controls();
    QSlider* moved = upper ? c.CurvatureSlider : c.Curvature2Slider;
    QSlider* other = upper ? c.Curvature2Slider : c.CurvatureSlider;
    const int position = moved->value();
    const double value = position / 100.0;
    skipOnFailure([&] {
        MeshSections& f = main_.plane().fuselages.current();
        if (c.LinkedCurvaturesCheck->isChecked()) {
            upper ? f.curvature2Set(value) : f.curvatureSet(value);
            setBlocked(other, position);
        }
        upper ? f.curvatureSet(value) : f.curvature2Set(value);
    });
    drawSectionBox();
    main_.afterEdit();
}

void FuselagePanel::BiasSlider_Change() {
    const double value = main_.controls().BiasSlider->value() / 100.0;
    skipOnFailure([&] { main_.plane().fuselages.current().bias_curveSet(value); });
    drawSectionBox();
    main_.afterEdit();
}

void FuselagePanel::smooth(void (MeshSections::*pass)()) {
    skipOnFailure([&] {
        (main_.plane().fuselages.current().*pass)();
        fill();
    });
    main_.afterEdit();
}

void FuselagePanel::enableSectionFrame(bool enabled) {
    SectionFrame->setEnabled(enabled);
    SectionFrame->setToolTip(enabled ? QString()
                                     : QStringLiteral("This fuselage has no outline points: type a count in "
                                                      "Points to edit its sections."));
}

void FuselagePanel::redrawSectionBox() {
    main_.zoomSectionBox();
    drawSectionBox();
}

void FuselagePanel::drawSectionBox() {
    skipOnFailure([&] { main_.plane().fuselages.current().drawSection(main_.controls().DrawSectionArea->canvas()); });
}

}  // namespace ferlo

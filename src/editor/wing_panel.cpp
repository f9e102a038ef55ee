#include "editor/wing_panel.h"

#include <algorithm>
#include <exception>

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "document/plane.h"
#include "editor/editor.h"
#include "editor/field_table.h"
#include "editor/main_controls.h"

namespace ferlo {

namespace {

using Getter = double (MainWing::*)() const;
using Setter = void (MainWing::*)(double);

Field accessorField(QLineEdit* box, MainWing& wing, Getter get, Setter set, FieldForm form = FieldForm::Length) {
    return {box, [&wing, get] { return (wing.*get)(); }, [&wing, set](double v) { (wing.*set)(v); }, form};
}

}  // namespace

WingPanel::WingPanel(Editor& main) : main_(main) {
    QWidget* page = main.controls().pages[static_cast<int>(ParameterTab::Wing)];
    boxes = addSurfaceBoxes(page, QString(), true);
    index = addIndexControls(page, "IndexWingsScroll", "IdWingLabel", "IndexWingPlusButton",
                             "IndexWingMinusButton", boxes.bottom + 8);

    MainWing& wing = main.plane().mainWing;
    const SurfaceBoxes& b = boxes;
    const Field span = overallSpanField(
        b, [&wing] { return wing.wingSpanGet(); }, [&wing] { return wing.wingShiftGet(); },
        [&wing](double v) { wing.wingSpanSet(v); });
    Field shift = accessorField(b.Shift, wing, &MainWing::wingShiftGet, &MainWing::wingShiftSet);
    shift.after = Effects::RefillWingTab;
    fields_ = std::make_unique<FieldTable>(
        main, std::vector<Field>{
                  accessorField(b.LengthB, wing, &MainWing::wingLength1Get, &MainWing::wingLength1Set),
                  accessorField(b.PosB, wing, &MainWing::wingPos1Get, &MainWing::wingPos1Set),
                  accessorField(b.ElevationB, wing, &MainWing::wingElevation1Get, &MainWing::wingElevation1Set),
                  accessorField(b.ThicknessB, wing, &MainWing::wingThickness1Get, &MainWing::wingThickness1Set,
                                FieldForm::Plain),
                  accessorField(b.LengthE, wing, &MainWing::wingLength2Get, &MainWing::wingLength2Set),
                  accessorField(b.PosE, wing, &MainWing::wingPos2Get, &MainWing::wingPos2Set),
                  accessorField(b.ElevationE, wing, &MainWing::wingElevation2Get, &MainWing::wingElevation2Set),
                  accessorField(b.ThicknessE, wing, &MainWing::wingThickness2Get, &MainWing::wingThickness2Set,
                                FieldForm::Plain),
                  span,
                  shift,
              });

    index.scroll->setTracking(false);
    QObject::connect(index.scroll, &QScrollBar::valueChanged, page, [this] { IndexWingsScroll_Change(); });
    QObject::connect(index.plus, &QPushButton::clicked, page, [this] { IndexWingPlusButton_Click(); });
    QObject::connect(index.minus, &QPushButton::clicked, page, [this] { IndexWingMinusButton_Click(); });
}

WingPanel::~WingPanel() = default;

void WingPanel::fill() {
    fields_->fill();
    const MainWing& wing = main_.plane().mainWing;
    index.show(wing.nbWings, wing.currentWing);
}

void WingPanel::IndexWingsScroll_Change() {
    MainWing& wing = main_.plane().mainWing;
    main_.edit([&] { wing.currentWing = static_cast<std::int16_t>(std::clamp<int>(index.scroll->value(), 1, wing.nbWings)); },
               Effects::RedrawView | Effects::Render3D | Effects::RefillWingTab);
}

void WingPanel::IndexWingPlusButton_Click() {
    Plane& plane = main_.plane();
    MainWing& wing = plane.mainWing;
    if (wing.nbWings >= MainWing::kMaxWingPanels) return;
    main_.edit([&] {
        ++wing.nbWings;
        try {
            wing.addWing(plane.defaultColor);
        } catch (const std::exception&) {
            --wing.nbWings;  // no panel to show: the list stays as it was
            return Effects::None;
        }
        wing.currentWing = wing.nbWings;
        return Effects::Edited | Effects::RefillWingTab;
    });
}

void WingPanel::IndexWingMinusButton_Click() {
    MainWing& wing = main_.plane().mainWing;
    main_.edit(
        [&] {
            if (wing.nbWings <= 1) return Effects::None;
            --wing.nbWings;
            wing.currentWing = wing.nbWings;
            return Effects::Unsaved;
        },
        Effects::RedrawView | Effects::Render3D | Effects::RefillWingTab);
}

}  // namespace ferlo

#pragma once

#include <memory>

#include <Qt>

#include "editor/editor.h"
#include "editor/panel_widgets.h"
#include "editor/tab_panel.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace ferlo {

class FieldTable;
class Editor;
class MeshSections;
class ViewSetup;

// The fuselage tab (tab 0): the current fuselage's selected section (width,
// height, elevation, position), its outline-point count and offsets, the
// three shape sliders, the option check boxes, the smoothing buttons, the
// section and fuselage scroll bars with Plus and Minus, and the section box.
// The tab keeps no values: the current fuselage is the store, and `fill`
// copies it into the tab. The section editor group and the VTop offsets
// frame are the window's own controls (MainControls); the rest is created
// here on the tab's page.
class FuselagePanel : public TabPanel {
public:
    FuselagePanel(Editor& main, ViewSetup& views);
    ~FuselagePanel() override;

    // `Main.updateFuselageInterface`: the tab shows the current fuselage.
    // Filling writes nothing to the model: the controls' signals are blocked
    // while they are set, so a shape value outside a slider's range stays as
    // it is. For a fuselage without outline points the section frame's
    // boxes are disabled.
    void fill() override;

    QGroupBox* SectionFrame = nullptr;  // "Section properties"
    QLineEdit* WidthFuselageText = nullptr;
    QLineEdit* HeightFuselageText = nullptr;
    QLineEdit* ElevationFuselageText = nullptr;
    QLineEdit* PosFuselageText = nullptr;
    QLineEdit* NbCrossFuselageText = nullptr;
    QLineEdit* ElevOffsetText = nullptr;
    QCheckBox* UniqueCurvatureCheck = nullptr;
    QCheckBox* TransparentCheck = nullptr;
    // IndexFusScroll, IdFusLabel, IndexFusPlusButton, IndexFusMinusButton.
    IndexControls index;

private:
    void buildControls();
    void connectControls();
    // The numeric boxes: the section's four values (whose commits redraw
    // the section box), the offsets, and the outline-point count, which
    // takes a whole number from 0 to 100 and refills the tab.
    void buildFields();

    // The section scroll bar moved: the section box's scale, and for a new
    // position the section selected, the tab filled and the view redrawn
    // with the section's line lit.
    void FuselageScroll_Change();
    // The fuselage scroll bar moved: that fuselage becomes current.
    void IndexFusScroll_Change();
    // Fuselage `number` becomes current; what the tab, the section box and
    // the drawing area need to show it.
    Effects showFuselage(int number);
    // A mouse press on Plus, with any button: a new fuselage, a copy of the
    // current one when Ctrl alone is held.
    void IndexFusPlusButton_MouseDown(Qt::KeyboardModifiers modifiers);
    // Minus: after the user agrees, the last fuselage goes (never the only one).
    void IndexFusMinusButton_Click();
    // A shape slider moved: its value / 100 goes into the fuselage, and into
    // the other exponent too while the exponents are linked.
    void curvatureMoved(bool upper);
    void BiasSlider_Change();
    // One smoothing pass (`pass` of the current fuselage), then the tab and
    // the views show its result.
    void smooth(void (MeshSections::*pass)());

    // The section frame's boxes are disabled for a fuselage without outline
    // points, which has no section outline to size; the frame's tooltip
    // says why.
    void enableSectionFrame(bool enabled);

    Editor& main_;
    ViewSetup& views_;
    std::unique_ptr<FieldTable> fields_;
};

}  // namespace ferlo

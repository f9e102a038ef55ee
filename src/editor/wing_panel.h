#pragma once

#include <memory>

#include "editor/panel_widgets.h"
#include "editor/surface_boxes.h"
#include "editor/tab_panel.h"

namespace ferlo {

class FieldTable;
class Editor;

// The wing tab: the current wing panel's boxes, the span box showing and
// taking both halves' overall span 2 x (span + shift), and the panel index
// with Plus and Minus. A committed shift refills the tab, so the overall
// span follows it.
class WingPanel : public TabPanel {
public:
    explicit WingPanel(Editor& main);
    ~WingPanel() override;

    // `updateWingInterface`: the boxes, the scroll bar and `IdWingLabel`.
    void fill() override;

    // The current panel follows the scroll bar's position; a dragged thumb
    // moves it once, when released.
    void IndexWingsScroll_Change();
    // Appends a panel continuing the last one and makes it current.
    void IndexWingPlusButton_Click();
    // Removes the last panel (never the only one) and makes the new last current.
    void IndexWingMinusButton_Click();

    SurfaceBoxes boxes;
    IndexControls index;

private:
    Editor& main_;
    std::unique_ptr<FieldTable> fields_;
};

}  // namespace ferlo

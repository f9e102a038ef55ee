#pragma once

#include <memory>

#include "editor/surface_boxes.h"
#include "editor/tab_panel.h"

namespace ferlo {

class FieldTable;
class Editor;

// The stabiliser tab: the stabiliser's boxes, the span box showing and
// taking the overall span 2 x (span + shift). A committed shift does not
// refill the tab: the span box keeps the overall span, so committing it
// again keeps the tips where they were and moves only the roots.
class StabPanel : public TabPanel {
public:
    explicit StabPanel(Editor& main);
    ~StabPanel() override;

    // `updateStabInterface`.
    void fill() override;

    SurfaceBoxes boxes;

private:
    std::unique_ptr<FieldTable> fields_;
};

}  // namespace ferlo

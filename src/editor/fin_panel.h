#pragma once

#include <memory>

#include "editor/surface_boxes.h"
#include "editor/tab_panel.h"

class QLineEdit;

namespace ferlo {

class FieldTable;
class Editor;

// The fin tab: the fin's boxes without elevations, its span shown and typed
// as it is (the fin stands on the symmetry plane), its shift (the height of
// the root) and the two offsets that place a twin fin sideways.
class FinPanel : public TabPanel {
public:
    explicit FinPanel(Editor& main);
    ~FinPanel() override;

    // `updateRudderInterface`.
    void fill() override;

    SurfaceBoxes boxes;
    QLineEdit* Offset1 = nullptr;
    QLineEdit* Offset2 = nullptr;

private:
    std::unique_ptr<FieldTable> fields_;
};

}  // namespace ferlo

#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "editor/panel_widgets.h"
#include "editor/tab_panel.h"

class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace ferlo {

class FieldTable;
class Editor;

// The orientation option a box of `kind` shows: a servo stands upright
// ("Vertical") with orientation 0, a receiver or an accumulator lies flat
// ("Horizontal") with it.
bool showsVertical(std::int32_t kind, std::int32_t orientation);
// The orientation the option "Vertical" (or "Horizontal") gives a box of `kind`.
std::int32_t orientationFor(std::int32_t kind, bool vertical);

// The electronics tab: the current equipment box's size and position, its
// kind and orientation (two groups of options), the catalogue list of its
// kind, and the box index with Plus and Minus. The fill shows the current
// box everywhere, index and label included, so typing always changes the
// box the tab shows.
class EquipmentPanel : public TabPanel {
public:
    explicit EquipmentPanel(Editor& main);
    ~EquipmentPanel() override;

    // `updateEquipmentInterface`.
    void fill() override;

    // The current box follows the scroll bar, also while its thumb is dragged.
    void IndexServosScroll_Change();
    // Appends a default box and makes it current.
    void IndexServoPlusButton_Click();
    // Removes the last box (never the only one) and makes the new last current.
    void IndexServoMinusButton_Click();
    // A kind option chosen: the current box becomes that kind, size, place
    // and orientation kept.
    void kindClick(std::int32_t kind);
    // An orientation option chosen.
    void orientationClick(bool vertical);
    // Item `item` of the current kind's catalogue list chosen: the box takes
    // the model's size, in the model's unit, and its weight.
    void modelChosen(int item);

    QGroupBox* Frame8 = nullptr;  // "Electronics", around everything else
    QFrame* Line1 = nullptr;      // between the kind options and the position rows
    QLineEdit* LengthServoText = nullptr;
    QLineEdit* WidthServoText = nullptr;
    QLineEdit* HeightServoText = nullptr;
    QLineEdit* PosServoText = nullptr;
    QLineEdit* ShiftServoText = nullptr;
    QLineEdit* ElevationServoText = nullptr;
    QRadioButton* ServoOption = nullptr;
    QRadioButton* ReceiverOption = nullptr;
    QRadioButton* AccuOption = nullptr;
    QRadioButton* HorizontalServoOption = nullptr;
    QRadioButton* VerticalServoOption = nullptr;
    // The catalogue lists by kind: servos, receivers, accumulators.
    std::array<QComboBox*, 3> combos{};
    IndexControls index;

private:
    int buildKindOptions(QWidget* frame, int y);
    int buildOrientationOptions(QWidget* frame, int y);

    Editor& main_;
    QButtonGroup* kinds_ = nullptr;
    QButtonGroup* orientations_ = nullptr;
    std::unique_ptr<FieldTable> fields_;
};

}  // namespace ferlo

#pragma once

#include <cstdint>
#include <vector>

#include "base/dxf_writer.h"
#include "base/units.h"
#include "base/value_reader.h"
#include "base/value_writer.h"
#include "base/view_state.h"
#include "fuselage/electro_box.h"
#include "fuselage/equipment_catalogues.h"

namespace ferlo {

// The equipment list: every equipment box of the aircraft, numbered from 1 as
// the user sees them, the box the equipment panel shows (`currentBox`), and
// the catalogues of commercial models that size it. Every fan-out runs over
// boxes 1 to `nbBoxes` in order.
class Equipment {
public:
    // A limit well above any model, which keeps a damaged file from making
    // the program allocate without end.
    static constexpr int kMaxBoxes = 1000;

    // Slot 0 is never used; there is always a box 1.
    std::vector<ElectroBox> boxes{2};
    std::int16_t nbBoxes = 1;
    std::int16_t currentBox = 1;

    // The catalogues of servos, receivers and accumulators.
    EquipmentCatalogue servoModels{servoCatalogue()};
    EquipmentCatalogue receiverModels{receiverCatalogue()};
    EquipmentCatalogue accuModels{accuCatalogue()};

    // A new project's list in `unit` (see initEquipment).
    explicit Equipment(LengthUnit unit = LengthUnit::Millimeters) { initEquipment(unit); }

    // Box i, 1 to `nbBoxes`; throws std::out_of_range otherwise.
    ElectroBox& box(int i);
    const ElectroBox& box(int i) const;
    ElectroBox& current() { return box(currentBox); }
    const ElectroBox& current() const { return box(currentBox); }

    // New project: one default box in `unit`, made current.
    void initEquipment(LengthUnit unit);
    // The list gets `n` boxes (1 to kMaxBoxes): boxes 1 to the smaller of `n`
    // and the old count stay as they are, every slot gained gets a default
    // box in `unit`; `currentBox` is kept within the list. Any other `n`
    // throws std::out_of_range and changes nothing.
    void resizeEquipment(int n, LengthUnit unit);
    // The equipment panel's Plus button: a default box at the end, made
    // current; false (nothing changes) when the list is full.
    bool addBox(LengthUnit unit);
    // Its Minus button: with more than one box the last one is removed and
    // the new last box made current; false (nothing changes) otherwise.
    bool removeLastBox();

    // The equipment section of the project file (equipment_records.cpp): the
    // count, then one "ElectroBox" record per box. The reader checks the count
    // (1 to kMaxBoxes) before it builds anything; when a record cannot be
    // read it throws ReadError, and the list then holds the boxes whose
    // records were read completely, or stays as it was when there is none.
    // `currentBox` stays, kept within the list.
    void saveEquipment(ValueWriter& out) const;
    void readEquipment(ValueReader& in);

    // Every box, all or none: an overflow throws std::overflow_error and no
    // box changes.
    void rescaleEquipment(double k);
    void switchEquipmentToInches();
    void switchEquipmentToMillimeters();
    // The 3D block of every box.
    void createEquipment();

    // ---- The Side and HTop views (equipment_views.cpp) ----
    // The views draw and move each box on its own (document/view_drawing.h,
    // document/mouse_steps.h); these serve the mouse-down and the DXF files.
    // Mouse-down: the current box takes its hit code as `paint` first; only
    // when it is missed does every other box take its own, so that a hit on
    // the current box grabs it alone.
    void testPositionSideEquipment(double x, double y);
    void testPositionHTopEquipment(double x, double y);
    // The start values of the grabbed boxes.
    void initMouseValSideEquipment(const ViewState& view);
    void initMouseValHTopEquipment(const ViewState& view);
    // Box i's rectangle on its layer numbered i.
    void saveDXF_sideEquipment(DxfFile& file) const;
    void saveDXF_htopEquipment(DxfFile& file) const;

    // Mouse-up: every box idle.
    void resetEquipmentPaint();
    // With `query` true: whether some box is highlighted. With `query` false:
    // clears every box's highlight and returns false.
    bool equipmentSelected(bool query);
    // A box drag is under way: some box's `paint` is not idle.
    bool equipmentGrabbed() const;

    // Copies the size, in `unit` (the unit the model's lengths are in,
    // Plane::units), and the weight of item `listIndex` (from 0) of the
    // current box's kind's catalogue into the current box; its orientation,
    // place and kind stay. False (nothing changes) for a kind without a
    // catalogue or an item the catalogue lacks.
    bool applyModel(int listIndex, LengthUnit unit);
    // The catalogue of a kind of box; nullptr for another kind.
    const EquipmentCatalogue* catalogueOf(std::int32_t kind) const;

private:
    void keepCurrentInList();
    void pressBoxes(std::int32_t (ElectroBox::*testPosition)(double, double) const, double x, double y);
    void saveDXFBoxes(void (ElectroBox::*saveDXF)(DxfFile&, std::int16_t) const, DxfFile& file) const;

    template <typename Action>
    void forEachBox(Action action) {
        for (int i = 1; i <= nbBoxes; ++i) action(box(i));
    }
    template <typename Action>
    void forEachBox(Action action) const {
        for (int i = 1; i <= nbBoxes; ++i) action(box(i));
    }
};

}  // namespace ferlo

#pragma once

#include <cstdint>

#include "base/dxf_writer.h"
#include "base/geometry.h"
#include "base/screen_outline.h"
#include "base/units.h"
#include "base/value_reader.h"
#include "base/value_writer.h"
#include "base/view_state.h"

namespace ferlo {

// One piece of radio equipment in the model (a servo, a receiver or an
// accumulator) as an axis-aligned block: `length` along the fuselage axis,
// and `width` across and `height` upward, or the other way round when the
// box is turned on its side (`orientation` not 0). The block's front face is
// at x `pos`, its bottom at z `elevation`, its lateral centre at y `shift`.
// Lengths are in the current unit; `weight` is as the catalogues list it and
// is never converted or scaled.
class ElectroBox {
public:
    // Kinds of box (`box`); the colour, the catalogue and the DXF layer follow
    // from it. Any other value is kept as it is.
    static constexpr std::int32_t kServo = 0;
    static constexpr std::int32_t kReceiver = 1;
    static constexpr std::int32_t kAccumulator = 2;

    // Hit codes of the Side and HTop views and the values of `paint`: the
    // handle edge is under the pointer (grabbed), or not (idle).
    static constexpr std::int32_t kHitHandle = 0;
    static constexpr std::int32_t kHitNothing = 1;
    static constexpr std::int32_t kIdlePaint = kHitNothing;

    // `which` of the draw operations.
    static constexpr std::int32_t kDrawHighlighted = 0;
    static constexpr std::int32_t kDrawPlain = 1;

    double initval = 0.0;  // the dragged value (`pos`, `elevation` or `shift`) at mouse-down
    double length = 30;
    double width = 15;   // across, or upward when turned
    double height = 25;  // upward, or across when turned
    double weight = 0;
    std::int32_t orientation = 0;  // 0 upright; any other value turned a quarter about the x axis
    double pos = 200;              // x of the front face
    double elevation = 50;         // z of the bottom face
    double shift = 5;              // y of the lateral centre
    std::int32_t paint = kIdlePaint;
    bool selected = false;  // drawn highlighted (under the pointer or dragged)
    std::int32_t box = kServo;

    // A new box with the default size and place, in `unit` (the defaults are
    // millimetres and are converted for inches); `weight` 0.
    explicit ElectroBox(LengthUnit unit = LengthUnit::Millimeters);

    // The sizes as stored, whatever the orientation.
    double actualLength() const { return length; }
    double actualWidth() const { return width; }
    double actualHeight() const { return height; }

    // The "ElectroBox" record of the project file (electro_box_records.cpp).
    // `read` reads the whole record before the box changes: a value that
    // cannot be read throws ReadError and leaves the box as it was.
    void save(ValueWriter& out) const;
    void read(ValueReader& in);

    // The six lengths, all or none: a result that is not finite throws
    // std::overflow_error and changes nothing. `weight` stays.
    void switchToInches();
    void switchToMillimeters();
    void rescale(double k);

    // ---- The Side and HTop views (electro_box_views.cpp) ----
    // Side: x aft to the right, height up; HTop: x to the right, the lateral
    // coordinate up. The box is a rectangle grabbed by its lower edge on the
    // screen and dragged along x, or with Shift up and down (Side:
    // `elevation`, HTop: `shift`).
    //
    // The draw operations erase the rectangle drawn last (unless a tracing
    // picture lies under the view), store the new one for the hit tests and
    // draw it in black, or with `which` kDrawHighlighted in the selection
    // colour, which also sets `selected`.
    void drawSide(const ViewContext& ctx, std::int32_t which = kDrawPlain);
    // Only a grabbed box (`paint` kHitHandle) remembers its start value.
    void initMouseValSide(const ViewState& view);
    // kHitHandle when the pointer is on the handle edge of the rectangle
    // drawn last, else kHitNothing.
    std::int32_t testPositionSide(double x, double y) const;
    // Mouse move: an idle box is redrawn, highlighted when its handle is under
    // the pointer; a grabbed box follows the drag and is redrawn highlighted.
    void selectsSide(const ViewContext& ctx, double x, double y);
    // The rectangle in model units on the layer of the box's kind, numbered
    // `servoId` (its place in the equipment list).
    void saveDXF_side(DxfFile& file, std::int16_t servoId) const;

    void drawHTop(const ViewContext& ctx, std::int32_t which = kDrawPlain);
    void initMouseValHTop(const ViewState& view);
    std::int32_t testPositionHTop(double x, double y) const;
    void selectsHTop(const ViewContext& ctx, double x, double y);
    void saveDXF_htop(DxfFile& file, std::int16_t servoId) const;

    // The 3D block from the fields: its extent along x, y, z and its corner
    // with the smallest coordinates. A block that would not be finite is not
    // stored; the previous one stays.
    void create();

    // The block of the last `create` ((0, 0, 0) before the first one).
    Point3D sizeGet() const { return box_size; }
    Point3D cornerGet() const { return box_corner; }
    Point3D centerGet() const;
    // By kind: servo blue, receiver green, accumulator red, any other black.
    ColorRGB colorGet() const;

private:
    // What differs between the Side and the HTop view (electro_box_views.cpp).
    struct View;
    static const View kSide;
    static const View kHTop;

    template <typename Convert>
    void convertLengths(Convert convert);

    // The vertical and the lateral extent, by orientation.
    double verticalExtent() const { return orientation != 0 ? width : height; }
    double lateralExtent() const { return orientation != 0 ? height : width; }

    // The rectangles in model units: Side (x, height), HTop (x, lateral).
    QuadOutline sideOutline() const;
    QuadOutline htopOutline() const;

    void drawIn(const View& view, const ViewContext& ctx, const EdgeSelection& lit);
    void initMouseValIn(const View& view, const ViewState& state);
    std::int32_t testPositionIn(const View& view, double x, double y) const;
    bool dragIn(const View& view, const ViewState& state, double x, double y);
    void saveDXFIn(const View& view, DxfFile& file, std::int16_t servoId) const;

    // The per-view members the mouse-move step reaches (see followPointer).
    void drawSideLit(const ViewContext& ctx, const EdgeSelection& lit);
    void drawHTopLit(const ViewContext& ctx, const EdgeSelection& lit);
    bool dragSide(const ViewState& state, double x, double y);
    bool dragHTop(const ViewState& state, double x, double y);
    static EdgeSelection highlight(std::int32_t code);

    Point3D box_size;
    Point3D box_corner;
    // The rectangles last drawn on the screen, for the erase and the hit tests.
    QuadOutline side_pts{};
    QuadOutline htop_pts{};
};

}  // namespace ferlo

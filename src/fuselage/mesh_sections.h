#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "base/canvas.h"
#include "base/dxf_writer.h"
#include "base/geometry.h"
#include "base/texture_context.h"
#include "base/texture_title.h"
#include "base/units.h"
#include "base/value_reader.h"
#include "base/value_writer.h"
#include "base/view_state.h"
#include "base/view_transform.h"
#include "fuselage/point_grid.h"

namespace ferlo {

// The first line of the message a fuselage gives when its texture image fails.
inline constexpr const char* kFuselageTextureError = "Error in fuselage texture mapping";

// One fuselage: a row of cross-sections along the fuselage axis (model x, aft
// positive). Each section has a height H, a width W, a position POS along the
// axis, the elevation E of its bottom and three shape values: the exponents of
// its upper and lower half outlines and its bias B, the share of the height
// above the widest line. Lengths are in the current unit; the shape values
// have none.
//
// A section stands at x = POS + pos_offset; its bottom lies at E +
// elevation_offset, its top H higher, its widest line at E + elevation_offset
// + (1 - B) H, and it spans W / 2 on each side of the lateral position
// `shift`. A fuselage whose `shift` is not 0 stands for a pair placed
// symmetrically about the centre plane.
//
// Sections are kept in storage slots 1..nb_sections of seven arrays and are
// shown, saved, drawn and meshed in display order: `sec_index(d)` is the
// storage slot of display section d. Every section number that goes in or
// out (`sel_sec` included) is a display index. No accessor reads outside the
// arrays, whatever the public counts hold: outside, a value reads as zero and
// a write is ignored. No operation stores NaN or infinity.
class MeshSections {
public:
    double initval = 0.0;   // value of the dragged quantity at mouse-down
    double initval2 = 0.0;  // second remembered value of a Side-view drag
    double szoom = 0.0;     // scale of the cross-section box, drawing units per length unit
    std::int16_t nb_sections = 0;
    std::int16_t nb_cross = 0;  // outline points of every cross-section
    bool cut = false;           // read from the two oldest file generations; nothing uses it
    bool transparent = false;   // the 3D view draws the fuselage blended
    double shift = 0.0;         // lateral position (model y) of the centre line
    double pos_offset = 0.0;    // added to every section position
    double elevation_offset = 0.0;  // added to every section elevation
    bool uniqueCurvature = true;    // the shape setters write every section
    bool linkedCurvatures = true;   // the editor moves both exponent sliders together
    std::int32_t paint = kIdlePaint;  // hit code grabbed at mouse-down
    std::int16_t sel_sec = 1;         // selected section, a display index
    bool selected = false;            // highlighted under the pointer in a 2D view
    std::int32_t selected_part = 0;   // hit code of the highlighted part
    bool texture_loaded = false;
    std::int32_t xtex = 0;  // power-of-two texture size, set when the image is loaded
    std::int32_t ytex = 0;

    // `paint` while nothing is grabbed, and the hit code of nothing in every view.
    static constexpr std::int32_t kIdlePaint = 4;
    static constexpr std::int32_t kHitNothing = kIdlePaint;

    // The counts a fuselage may have. The editor offers up to 100 outline
    // points; the bounds leave room for any file while keeping the mesh of one
    // fuselage at a few million points at most.
    static constexpr int kMaxSections = 1000;
    static constexpr int kMaxCrossPoints = 1000;

    // A new default fuselage: three sections (H, W, POS, E) = (20, 20, 0, 10),
    // (100, 100, 200, 10), (10, 10, 800, 30) millimetres, exponents 1, bias
    // 0.5, 8 outline points, converted to inches when `units` is inches.
    explicit MeshSections(LengthUnit units = LengthUnit::Millimeters, const ColorRGB& defaultColor = kDefaultPartColor);

    // A copy of `source` as the Ctrl-click of the add command makes it: its
    // sections in its display order (identity storage order), its outline
    // point count, colour, transparency and curvature options; no offsets, no
    // texture, `szoom` 0 until the section box sets it. The source is left
    // with its last section selected, as reading each section through its
    // selected-section accessors leaves it.
    static MeshSections copyOf(MeshSections& source);

    // The fuselage the add command appends: a copy of the current one when
    // the command was given with Ctrl (`ctrlkey_tab`), else a default one.
    static MeshSections newFuselage(bool ctrlkey_tab, MeshSections& current, LengthUnit units,
                                    const ColorRGB& defaultColor);

    // Extents over every section, for the views' zoom-to-fit and the 3D
    // camera: each the value of one of the sections, however far from the
    // origin. Without sections the fuselage stands at its offsets: the
    // extents are the offset where one is added, else 0.
    double lengthPoint() const;        // rear end: largest POS + pos_offset
    double startpoint() const;         // front end: smallest POS + pos_offset
    double maxElevationPoint() const;  // largest E + H + elevation_offset
    double minElevationPoint() const;  // smallest E + elevation_offset
    double maxWidthPoint() const;      // largest W

    // The selected section's values. With `sel_sec` outside 1..nb_sections a
    // getter returns 0 and a setter changes nothing. The three shape setters
    // write every section while `uniqueCurvature` is set. A value that is not
    // finite is not stored.
    double widthGet() const;
    void widthSet(double w);
    double heightGet() const;
    void heightSet(double h);
    double elevationGet() const;
    void elevationSet(double e);
    double posGet() const;
    void posSet(double e);
    double curvatureGet() const;  // upper exponent
    void curvatureSet(double e);
    double curvature2Get() const;  // lower exponent
    void curvature2Set(double e);
    double bias_curveGet() const;
    void bias_curveSet(double e);

    // Sizes the section arrays to `nb_sections`, keeping what they hold and
    // giving new slots zeros; new display indices name the new slots. The
    // counts are first brought within 0..kMaxSections and
    // 0..kMaxCrossPoints, so the arrays always fit them.
    void initArrays();
    // Every section: lower exponent := upper exponent, bias := 0.5.
    void fillCurvatureArrays();

    // Converts shift, both offsets and H, W, POS, E of every section, all or
    // none: a result that is not finite throws std::overflow_error and
    // changes nothing. Shape values, colour, texture and `szoom` stay.
    void switchToInches();
    void switchToMillimeters();
    void rescale(double k);

    ColorRGB colorGet() const { return color; }
    void colorSet(const ColorRGB& value) { color = value; }

    // The texture image: its full path (empty for none) and its title, the
    // name the project file stores.
    const std::string& texture_filename() const { return texturePath; }
    std::string qualified_texture_filename() const { return textureTitle(texturePath); }
    // Assigns the image at `path` (empty for none), loaded at the next
    // texture mapping.
    void setTexture(const std::string& path) {
        texturePath = path;
        texture_loaded = false;
        reportedTextureFailure.clear();
    }

    // ---- Cross-section outline and 3D mesh (mesh_sections_outline.cpp) ----

    // Outline point j (1..nb_cross) of display section d as (lateral y,
    // height z): two half superellipses joined at the widest line, at the
    // angle t = 2 pi (j - 1) / nb_cross from the positive-y end of the widest
    // line over the top (upper exponent) and under the bottom (lower
    // exponent). Zero outside the sections and points; extreme exponents can
    // give values that are not finite.
    Point2D outlinePoint(int d, int j) const;

    // Rebuilds the mesh from the outlines: row i (display section) and column
    // j (outline point) hold (POS + pos_offset, y, z), with texture
    // coordinates u = x / lengthPoint() (0 when lengthPoint() is 0) and v =
    // (j - 1) / (nb_cross - 1). With fewer than 2 outline points the previous
    // mesh stays. A section whose points would not be finite is left zero.
    void create();
    // Point j of display section i of the last mesh (zero outside it); with
    // `mirror` the point of the pair's other fuselage, at lateral position
    // -shift.
    Point3D pointGet(int j, int i, bool mirror = false) const;
    Point2D texcoordGet(int j, int i) const;  // (u, v)
    // The dimensions of the last mesh: sections 1..meshSectionCount(), each
    // of outline points 1..meshPointCount(); 0 before the first. Whatever
    // walks the mesh (the VRML writer, the 3D view) takes these, not
    // `nb_sections` and `nb_cross`, which may have changed since.
    int meshSectionCount() const { return std::max(0, mesh_vertices.lastRow()); }
    int meshPointCount() const { return std::max(0, mesh_vertices.lastColumn()); }

    // ---- The "Fuselage" record of the project file (mesh_sections_records.cpp) ----
    // Each reader reads its whole record before the fuselage changes: a value
    // that cannot be read, or a count outside 0..kMaxSections (sections) or
    // 0..kMaxCrossPoints (outline points), throws ReadError and leaves the
    // fuselage as it was. After reading, display order is storage order.
    // What an older record does not carry keeps the fuselage's value; the
    // older readers give every section its upper exponent as lower exponent
    // and bias 0.5.
    void save(ValueWriter& out) const;
    void read(ValueReader& in);       // files 1.3 and later
    void readV120(ValueReader& in);   // 1.2.x: one exponent a section, no linked flag
    void readV101(ValueReader& in);   // 1.0.1 to 1.1.x: no colour either
    void readV030(ValueReader& in);   // 0.3.0 to 1.0.0: no elevation offset, flags
    void readV0212(ValueReader& in);  // 0.2.12: `cut` in place of the position offset
    void readV026(ValueReader& in);   // "V 0.2": one exponent for every section

    // ---- Section insert, remove and smoothing (mesh_sections_editing.cpp) ----

    // Inserts a section at the mouse-down point (`xloc` with the view's
    // `xoff` and `zoom`, Side or HTop view) between display sections
    // sel_sec - 1 and sel_sec, with every value on the straight line through
    // those two; it becomes display section `sel_sec` and stays selected.
    // Nothing happens without outline points, at kMaxSections, when
    // `sel_sec` does not name such a pair of sections at different
    // positions, for a zoom of 0 or a result a project file could not hold.
    void insertSection(const ViewState& view);
    // Removes display section `sel_sec`, which then names the section after
    // it (or none, after the last). Nothing happens without outline points,
    // with fewer than 3 sections or `sel_sec` outside the sections.
    void removeSection();
    // One pass of a weighted average over sections 2..nb_sections - 1, each
    // moved a quarter of the way towards the straight line through its two
    // neighbours: the top line (the bottom kept), the bottom line (the top
    // kept) or the width. A section whose neighbours stand at one position
    // keeps its values.
    void smoothTop();
    void smoothDown();
    void SmoothWidth();

    // ---- Texture (mesh_sections_texture.cpp) ----

    // Makes the fuselage's image the current OpenGL texture. Without an image
    // nothing happens. The first call after an image was assigned loads it
    // as it stands (not turned) with each side brought to the nearest power
    // of two; every call uploads it, repeating it where the texture
    // coordinates of the last `create` leave 0..1 (sections ahead of
    // position 0). A failing image is reported to the context's notifier
    // (kFuselageTextureError) once, until it loads or a new image is
    // assigned, and leaves `texture_loaded` false, so the next call tries
    // again.
    void textureMap(TextureContext& context);

    // ---- Side view (mesh_sections_side.cpp) ----
    // The profile: a top line through the upper ends of the sections, a
    // bottom line through their lower ends and one vertical line a section;
    // the axis to the right (x = (POS + pos_offset) zoom + xoff), heights up
    // (y = yoff - height zoom). Without outline points (`nb_cross` 0) the
    // fuselage is neither drawn, hit nor dragged in this view.

    // Hit codes of the Side view, kept in `paint` and `selected_part`;
    // kHitNothing is nothing. The first three are also the `which` of
    // drawSide that lights them.
    static constexpr std::int32_t kHitSideSectionLine = 0;
    static constexpr std::int32_t kHitSideTopPoint = 1;
    static constexpr std::int32_t kHitSideBottomPoint = 2;
    static constexpr std::int32_t kHitSideGap = 3;  // between two sections, only with Ctrl
    // `which` of drawSide, drawVTop and drawHTop: a fuselage shown but not
    // edited, drawn in the inactive colour without erasing.
    static constexpr std::int32_t kDrawInactive = 7;

    // Erases the profile drawn last in white (unless a tracing picture lies
    // under the view or `which` is kDrawInactive), stores the new one for the
    // hit test and draws it in black: section line `selected1` lit, and with
    // `which` kHitSideTopPoint (kHitSideBottomPoint) the top (bottom) segments that
    // meet at its point; everything in the inactive colour with
    // kDrawInactive. `selected1` other than -1 sets `selected`. A profile
    // that would not be finite is neither stored nor drawn.
    void drawSide(const ViewContext& ctx, std::int16_t selected1 = -1, std::int32_t which = kHitSideSectionLine);
    // The profile in black with this transform; the stored one stays.
    void printSide(Canvas& printer, const ViewTransform& transform) const;
    // The start values of the drag `paint` names: a section line its
    // elevation (with Shift its position), a top point its height, a bottom
    // point its elevation and its top, a gap the position.
    void initMouseValSide(const ViewState& view);
    // The hit code at (x, y) on the profile drawn last; a hit selects its
    // section (a gap the later one of the pair). Section line, then top
    // point, then bottom point, then with `ctrlkey` the gaps; a later hit
    // replaces an earlier one, and the higher section of one kind wins.
    std::int32_t testPositionSide(double x, double y, bool ctrlkey);
    // Mouse move: while nothing is grabbed, the hover test and the redraw
    // with what lies under the pointer lit; else one drag step of the
    // selected section (section line: elevation, with Shift position; top
    // point: height; bottom point: elevation with the top kept) and the
    // redraw with it lit.
    void selectsSide(const ViewContext& ctx, double x, double y);
    // The profile in model units on the layer of fuselage `fuselageId`: the
    // top line, the bottom line, then the section lines.
    void saveDXF_side(DxfFile& file, std::int16_t fuselageId) const;

    // ---- VTop view (mesh_sections_vtop.cpp) ----
    // The plan: a closed outline through both ends of every section, lateral
    // to the right (x = lateral zoom + xoff), the axis down (y = (POS +
    // pos_offset) zoom + yoff), and with `shift` not 0 its mirror, the pair's
    // other fuselage. The front section line moves the whole fuselage. Without
    // outline points the fuselage is neither computed, drawn, hit nor dragged
    // in this view.

    static constexpr std::int32_t kHitVTopFrontLine = 0;  // hit code; kHitNothing is nothing
    // `which` of drawVTop (kDrawInactive as well; any other value draws black).
    static constexpr std::int32_t kVTopHighlighted = 0;
    static constexpr std::int32_t kVTopPlain = 4;
    static constexpr std::int32_t kVTopErase = 8;  // nothing while a tracing picture lies under the view

    // Stores the outline's screen points for drawVTop and the hit test; an
    // outline that would not be finite is not stored.
    void computeVTopPoints(const ViewTransform& transform);
    // The stored outline, and its mirror about the column `xoff` of the view,
    // in the colour `which` names. Nothing is computed or erased.
    void drawVTop(const ViewContext& ctx, std::int32_t which = kVTopPlain) const;
    // kHitVTopFrontLine on the stored front section line, between its ends; else
    // kHitNothing. The mirror never answers.
    std::int32_t testPositionVTop(double x, double y) const;
    // A grabbed front line remembers `shift` (with Shift `pos_offset`).
    void initMouseValVTop(const ViewState& view);
    // Mouse move: while nothing is grabbed, the outline redrawn lit when the
    // front line is under the pointer, else black; with the front line
    // grabbed, `shift` follows the pointer across (with Shift `pos_offset`
    // follows it down) and the outline is erased, recomputed and redrawn.
    void selectsVTop(const ViewContext& ctx, double x, double y);
    // The outline, and its mirror, in black with this transform.
    void printVTop(Canvas& printer, const ViewTransform& transform) const;
    // The outline and its mirror in model units on the layer of fuselage
    // `fuselageId`, nose up: DXF y is minus the position.
    void saveDXF_vtop(DxfFile& file, std::int16_t fuselageId) const;

    // ---- Front view (mesh_sections_front.cpp) ----
    // Seen along the axis, lateral position to the right and height up: the
    // fuselage is only shown there, as the outline of its selected section in
    // the inactive colour, with its mirror image about the centre plane when
    // `shift` is not 0. The outline points are those of outlinePoint.

    // Stores the screen outline of every section for the transform; nothing
    // without outline points. A result that is not finite is not stored.
    void computeFrontPoints(const ViewTransform& transform);
    // Draws the stored outline of section `sel_sec` (nothing when it names no
    // section, there are no outline points or none are stored since the last
    // initArrays), and its mirror about the
    // column `xoff` of the view; nothing is erased.
    void drawFront(const ViewContext& ctx) const;
    // Prints the outline of display section `i_sections` (and its mirror
    // about the column `xoff`) with the printer's transform, in the inactive
    // colour; the screen outlines stay.
    void printFront(Canvas& printer, const ViewColors& colors, int i_sections, const ViewTransform& transform) const;
    // Every section as a closed polyline in model units (DXF x lateral, y
    // height) on the layer of fuselage `fuselageId`, then, for a pair, every
    // mirror image (x negated).
    void saveDXF_front(DxfFile& file, std::int16_t fuselageId) const;

    // ---- HTop view (mesh_sections_htop.cpp) ----
    // The plan along the axis: position to the right, the lateral coordinate
    // downward (screen y = yoff + lateral x zoom). Two side lines through the
    // sections' ends at shift + W / 2 (the first side, below the axis for a
    // positive shift) and shift - W / 2 (the second side), and a section line
    // across each section. The widths and positions of the sections are
    // edited here.

    // Hit codes of the view, kept in `paint` and `selected_part`.
    static constexpr std::int32_t kHitHTopSectionLine = 0;  // strictly between its two side points
    static constexpr std::int32_t kHitHTopGap = 3;          // between two sections, only with Ctrl
    static constexpr std::int32_t kHitHTopFirstSide = 5;   // a point of the first side line
    static constexpr std::int32_t kHitHTopSecondSide = 6;  // a point of the second side line
    // `which` of drawHTop: the section line `selected1` lit (any value not
    // named here draws so too); that line and the two first-side segments
    // meeting at its point lit; kDrawInactive as in the Side and VTop views.
    static constexpr std::int32_t kHTopPlain = 0;
    static constexpr std::int32_t kHTopPointLit = 5;

    // Erases the plan drawn last in white (unless a tracing picture lies
    // under the view), then stores and draws the plan for the transform with
    // the highlights of `selected1` (a display index, -1 for none) and
    // `which`; `selected1` other than -1 sets `selected`. Nothing without
    // outline points; a plan that is not finite is neither stored nor drawn.
    void drawHTop(const ViewContext& ctx, std::int16_t selected1 = -1, std::int32_t which = kHTopPlain);
    // The hit code at (x, y) against the plan drawn last; a hit selects its
    // section (for a gap, the later one, where an inserted section goes).
    // Later passes win over earlier ones, higher sections over lower ones:
    // gap (with Ctrl), second side, first side, section line.
    std::int32_t testPositionHTop(const ViewState& view, double x, double y);
    // The start value of the drag that `paint` names: the selected section's
    // width for a side point, its position for a section line.
    void initMouseValHTop();
    // Mouse move: while idle the hover highlight (a hit moves `sel_sec`;
    // over a gap nothing is redrawn); else one drag step of the selected
    // section and the redraw. A side point sets the width, keeping the
    // section centred on `shift` (the grabbed point follows the pointer);
    // a section line moves the section along the axis, only with Shift.
    void selectsHTop(const ViewContext& ctx, double x, double y);
    // The plan centred on the row `yoff` (without `shift`), with the axis
    // across the printable width, all in black.
    void printHTop(Canvas& printer, const ViewTransform& transform) const;
    // The plan in model units (without `shift`; the first side at negative
    // DXF y), then every cross-section (with `shift`) side by side below it,
    // 10 units apart, the highest point of the fuselage at DXF y -100; all on
    // the layer "Fuselage".
    void saveDXF_htop(DxfFile& file) const;

    // ---- Cross-section editor view (mesh_sections_section_view.cpp) ----

    // The scale of the section box from its size: the selected section fills
    // 90 % of the box in its longer direction (a square one, the height).
    // Returns the height the bias slider takes, that of the drawn section
    // over 0.9, or nothing when the section has no width and height (or
    // none is selected): `szoom` then stays.
    std::optional<float> zoomSectionSet(int w, int h);
    // Clears `box` and draws the selected section in it at `szoom`, centred
    // across the box, its top at the box's top edge: the outline points of
    // each half and both ends of the widest line, closed. Nothing at all
    // (not even the clearing) for `sel_sec` outside 1..nb_sections: the box
    // keeps its picture.
    void drawSection(Canvas& box) const;

    // The texture pixels, 3 bytes a pixel, rows of `xtex` pixels.
    const std::vector<std::uint8_t>& textureBytes() const { return texture_bytes; }
    void setTextureBytes(std::vector<std::uint8_t> bytes) { texture_bytes = std::move(bytes); }

private:
    using SectionArray = std::vector<double> MeshSections::*;

    // The seven per-section arrays, in the order of a section's lines in the
    // project file: height, width, position, elevation, upper exponent,
    // lower exponent, bias. The first four are lengths.
    static const std::array<SectionArray, 7> kSectionArrays;
    static constexpr std::size_t kLengthArrays = 4;

    // For a fuselage made field by field (copyOf).
    struct Blank {};
    explicit MeshSections(Blank) {}

    // Storage slot of display section d; nothing outside the sections.
    std::optional<std::size_t> slotOf(int d) const;
    // Value of display section d in `array`; zero outside.
    double sectionValue(SectionArray array, int d) const;
    double selectedValue(SectionArray array) const;
    void setSelected(SectionArray array, double value);
    void setShapeValue(SectionArray array, double value);

    // Storage slots 1 to this hold sections: nb_sections, or fewer when the
    // arrays have not been sized to it.
    std::size_t storedSections() const;
    // The largest (or smallest) `valueOf(slot)` over the stored sections; 0
    // without sections.
    template <typename ValueOf>
    double extent(bool largest, ValueOf valueOf) const;

    template <typename Convert>
    void convertLengths(Convert convert);

    // Which lines a generation of the record holds (mesh_sections_records.cpp).
    struct RecordLayout;
    void readRecord(ValueReader& in, const RecordLayout& layout);

    // One smoothing pass over the line `lineOf(slot)`; `apply(slot, value)`
    // stores a section's smoothed value, all of them computed before the
    // first is stored.
    template <typename LineOf, typename Apply>
    void smoothLine(LineOf lineOf, Apply apply);

    // The outline is built from factors per point and values per section:
    // the angle of point j of n (its half of the outline, cos t and sin t),
    // its factors with the half's exponent (sgn(cos t) |cos t|^p across,
    // sgn(sin t) |sin t|^p up; the left end of the widest line is (-1, 0)),
    // and the section's height, half width and bias that scale them.
    enum class OutlineHalf { Upper, Lower, LeftEnd };
    struct OutlineAngle {
        OutlineHalf half;
        double cos, sin;
    };
    struct OutlineFactor {
        OutlineHalf half;
        double across, up;
    };
    struct SectionShape {
        double height, halfWidth, bias;
        Point2D offset(const OutlineFactor& factor) const;
    };
    // What scales the factors into a section's mesh row: its position, the
    // lateral centre and half width, the height of the widest line and the
    // upper and lower halves' heights.
    struct RowScales {
        double x, shift, halfWidth, widest, upperScale, lowerScale;
    };
    // The factors of one half's points, factors[begin, end), with the least
    // and greatest of each when all of them are finite.
    struct OutlineRun {
        std::size_t begin = 0, end = 0;
        bool finite = true;
        double acrossLow = 0, acrossHigh = 0, upLow = 0, upHigh = 0;
    };
    // The factors of every point for the exponents of the sections built
    // last: a section of the same exponents takes them as they are. In point
    // order they are the upper half, the left end (an even count only) and
    // the lower half.
    struct OutlineFactors {
        std::vector<OutlineFactor> factors;
        OutlineRun upperRun, lowerRun;
        double upper = 0, lower = 0;
        void update(const std::vector<OutlineAngle>& angles, double p1, double p2);
        // Points 1..factors.size() of a mesh row (x, shift + halfWidth across,
        // widest + the half's scale up); false when one is not finite.
        bool fillRow(RowScales scales, Point3D* row) const;
        OutlineRun outlineRun(std::size_t begin, std::size_t end) const;
    };
    static OutlineAngle outlineAngle(int j, int n);
    static OutlineFactor outlineFactor(const OutlineAngle& angle, double p1, double p2);
    // The angles of outline points 1..nb_cross, at most kMaxCrossPoints.
    std::vector<OutlineAngle> outlineAngles() const;
    // The outline of display section d (a section that exists) into
    // `outline`: the points outlinePoint gives, from the angles and the
    // factors for its exponents.
    void buildOutline(int d, const std::vector<OutlineAngle>& angles, OutlineFactors& factors,
                      std::vector<Point2D>& outline) const;
    // Points 1..(the angles' count) of display section d's mesh row into
    // `row` (x, then the outline); false when the section does not exist or
    // a point would not be finite, and then the row holds anything.
    bool fillMeshRow(int d, const std::vector<OutlineAngle>& angles, OutlineFactors& factors, Point3D* row) const;
    SectionShape sectionShape(int d) const;
    // The height of display section d's widest line.
    double widestLine(int d) const;
    // Outline point j of display section d from the centre of its widest
    // line (lateral, height); zero outside the sections and points.
    Point2D outlineOffset(int d, int j) const;
    // Outline points 1..nb_cross of display section d (none outside the
    // sections), at most kMaxCrossPoints.
    std::vector<Point2D> sectionOutline(int d) const;
    // The outlines of one section after another, as sectionOutline gives
    // them: the points' angles computed once, their factors once for each
    // run of sections of the same exponents.
    class OutlineBuilder {
    public:
        explicit OutlineBuilder(const MeshSections& fuselage);
        // sectionOutline(d), held until the next call.
        const std::vector<Point2D>& outline(int d);

    private:
        const MeshSections& fuselage_;
        std::vector<OutlineAngle> angles_;
        OutlineFactors factors_;
        std::vector<Point2D> outline_;
    };

    // Front view: the column of a pair's mirror image (nothing for a single
    // fuselage).
    std::optional<double> pairMirror(double column) const {
        return shift != 0 ? std::optional<double>(column) : std::nullopt;
    }
    // HTop view: the points of the two sides, (position, lateral + W / 2) and
    // (position, lateral - W / 2), of display sections 1.. in order (element
    // 0 the first section).
    struct HTopPlan {
        std::vector<Point2D> first, second;
    };
    HTopPlan htopPlan(double lateral) const;
    // One drag step of the element `paint` names; false when nothing changed.
    bool dragHTop(const ViewState& view, double x, double y);

    // ---- Side view (mesh_sections_side.cpp) ----
    // The upper and lower ends of display sections 1..nb_sections, in that
    // order from element 0.
    struct SideProfile {
        std::vector<Point2D> top, bottom;
    };
    // In model units (axis, height).
    SideProfile sideProfile() const;
    // On the screen; nothing when a point would not be finite.
    std::optional<SideProfile> sideProfileOnScreen(const ViewTransform& transform) const;
    // How many sections of the stored profile were drawn and can be erased or hit.
    std::size_t shownSideSections() const;
    bool dragSide(const ViewState& view, double x, double y);

    // ---- VTop view (mesh_sections_vtop.cpp) ----
    // The plan's ring in model units (lateral, axis) about the lateral
    // position `centre`: the right ends of sections 1..n, then the left ends
    // of sections n..1.
    std::vector<Point2D> planRing(double centre) const;
    // `shift`, and for a pair also -shift.
    std::vector<double> pairCentres() const;
    // Elements 1..2 nb_sections of `vtop_pts`; nothing when it holds fewer.
    std::span<const Point2D> storedVTopRing() const;

    PointGrid<Point3D> mesh_vertices;
    std::vector<double> sec_height;
    std::vector<double> sec_width;
    std::vector<double> sec_pos;
    std::vector<double> sec_elevation;
    std::vector<double> sec_curvature;
    std::vector<double> sec_curvature2;
    std::vector<double> sec_bias;
    std::vector<std::int16_t> sec_index;  // display index to storage slot; slot 0 unused
    PointGrid<Point2D> mesh_texcoords;
    ColorRGB color;
    std::string texturePath;
    std::vector<std::uint8_t> texture_bytes;
    std::string reportedTextureFailure;  // the image whose failure was reported last

    // ---- Side view: the profile drawn last, in screen pixels, by display
    // index (element 0 unused); sized with the sections by initArrays. Only
    // its first `side_shown` sections were drawn and are erased.
    std::vector<Point2D> side_bottom_pts;
    std::vector<Point2D> side_top_pts;
    std::size_t side_shown = 0;

    // ---- VTop view: the outline of the last computeVTopPoints, in screen
    // pixels: elements 1..n the right ends of sections 1..n, elements n + 1..2n
    // the left ends of sections n..1 (element 0 unused); sized with the
    // sections by initArrays.
    std::vector<Point2D> vtop_pts;

    // ---- Front and HTop views: the screen points last computed or drawn ----
    // front_pts(i, j): outline point j of display section i in the Front
    // view; sized by computeFrontPoints, emptied by initArrays.
    PointGrid<Point2D> front_pts;
    // Element i: the first-side (shift + W / 2) and second-side (shift - W /
    // 2) point of display section i in the HTop view; element 0 unused.
    std::vector<Point2D> htop_pts1;
    std::vector<Point2D> htop_pts2;
    // The number of sections of the plan drawn last: the next erase covers
    // exactly those, whatever the rows were resized to since.
    std::size_t htop_drawn = 0;
};

}  // namespace ferlo

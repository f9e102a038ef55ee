#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/canvas.h"
#include "base/dxf_writer.h"
#include "base/geometry.h"
#include "base/screen_outline.h"
#include "base/texture_title.h"
#include "base/value_reader.h"
#include "base/value_writer.h"
#include "base/view_state.h"
#include "surfaces/airfoil.h"
#include "surfaces/wing_section.h"

namespace ferlo {

// One straight, tapered lifting-surface panel, mirrored about the plane of
// symmetry: a main-wing panel or the stabiliser. Number 1 is the root
// section, 2 the tip. Lengths are in the current unit; the relative
// thicknesses are ratios.
class SymWingSections {
public:
    // The value the drag under way started from (which one depends on the grabbed edge).
    double initval = 0.0;
    double initval2 = 0.0;
    double initval3 = 0.0;
    WingSection Left;   // positive-y half
    WingSection Right;  // mirrored half
    std::int16_t nb = 0;  // airfoil points
    double span = 0.0;
    double length1 = 0.0;
    double length2 = 0.0;
    double thickness1 = 0.0;
    double thickness2 = 0.0;
    double pos1 = 0.0;
    double pos2 = 0.0;
    double elevation1 = 0.0;
    double elevation2 = 0.0;
    double shift = 0.0;
    std::int32_t paint = kIdlePaint;  // hit code of the grabbed edge; 5 when nothing is grabbed
    bool selected = false;
    std::int32_t selected_part = 0;
    std::string airfoil_filename;

    static constexpr std::int32_t kIdlePaint = 5;

    // Set-up of a new panel: new halves, the built-in airfoil, the default
    // colour, no texture; the geometry stays as it was.
    void init(const ColorRGB& defaultColor = kDefaultPartColor);
    // Sizes the airfoil (cleared) and the Side outline to `nb` points and
    // refreshes the halves' copies.
    void allocate();
    // The 3D geometry of both halves.
    void create();
    // The built-in airfoil, normalised.
    void init_airfoil();
    // Replaces the airfoil by the points of an ".xy" file and normalises it.
    // A file that cannot be read throws ReadError and leaves the panel as it was.
    void loadAirfoilFile(const std::string& filename);

    void switchToInches();
    void switchToMillimeters();
    // Multiplies the eight lengths by k; a result that is not finite throws
    // std::overflow_error and leaves the panel as it was.
    void rescale(double k);

    // The texture image: its full path (empty for none) and its title, the
    // name the project file stores.
    const std::string& texture_filename() const { return texturePath; }
    std::string qualified_texture_filename() const { return textureTitle(texturePath); }
    // Assigns the image at `path` (empty for none) to both halves: each loads
    // it at its next texture mapping and reports a failure of it again.
    void setTexture(const std::string& path);
    // The steps of both halves' texture mapping that need no OpenGL (see
    // WingSection::loadTexture): each loads the image once per assignment and
    // gets its texture coordinates. A failing image throws ImageError.
    void loadTexture(ImageConverter& converter, ConversionProgress& progress);

    Point3D airfoilPointGet(int i) const;  // zero outside 1..nb
    ColorRGB colorGet() const { return color; }
    void colorSet(const ColorRGB& value) { color = value; }

    // ---- The 2D views ------------------------------------------------------
    // Only the half to the right of the symmetry axis on the screen (positive
    // spanwise distance) reacts to the mouse; its mirror image is drawn black.
    // Hit tests compare the pointer with the outline last drawn, with a
    // tolerance of strictly less than 3 pixels.

    // Hit codes of the VTop and Front views, kept in `paint` and `selected_part`.
    static constexpr std::int32_t kHitTipEdge = 0;             // tip chord (VTop), tip bar (Front)
    static constexpr std::int32_t kHitTipTrailingCorner = 2;   // VTop
    static constexpr std::int32_t kHitRootTrailingCorner = 3;  // VTop
    static constexpr std::int32_t kHitRootEdge = 4;            // root chord or bar: the whole panel
    static constexpr std::int32_t kHitNothing = kIdlePaint;
    static constexpr std::int32_t kHitTipLeadingCorner = 6;   // VTop
    static constexpr std::int32_t kHitRootLeadingCorner = 7;  // VTop

    // Front view (sym_wing_sections_front.cpp): the silhouette as seen from
    // ahead, each end a vertical bar as tall as its section's thickness.
    // Erases the silhouette last drawn (unless a tracing picture lies under
    // the view), draws the new one with the `lit` edges in the selection
    // colour, and its mirror. `lit` other than none marks the panel selected.
    void drawFront(const ViewContext& ctx, const EdgeSelection& lit = kNoEdgeSelected);
    std::int32_t testPositionFront(double x, double y) const;
    // The start value of the drag that `paint` names; reads the Shift key.
    void initMouseValFront(const ViewState& view);
    // Hover highlight while nothing is grabbed, else one drag step; redraws.
    void selectsFront(const ViewContext& ctx, double x, double y);
    // The silhouette, its mirror and the centre line, on a printer.
    void printFront(Canvas& printer, const ViewColors& colors, const ViewTransform& transform) const;
    // The silhouette and its mirror as two closed polylines on the layer "Wing".
    void saveDXF_front(DxfFile& file) const;

    // VTop view (sym_wing_sections_vtop.cpp): the planform in the plan of the
    // whole model, nose up. The operations mirror those of the Front view.
    void drawVTop(const ViewContext& ctx, const EdgeSelection& lit = kNoEdgeSelected);
    std::int32_t testPositionVTop(double x, double y) const;
    void initMouseValVTop(const ViewState& view);
    void selectsVTop(const ViewContext& ctx, double x, double y);
    // The largest screen x, respectively y, of the outline last drawn, from 0.
    std::int16_t xMaxVtopGet() const;
    std::int16_t yMaxVtopGet() const;
    void printVTop(Canvas& printer, const ViewTransform& transform) const;
    // The planform and its mirror as eight LINE entities on "Wing", nose up.
    void saveDXF_vtop(DxfFile& file) const;

    // Side and HTop views (sym_wing_sections_side.cpp): shown for reference
    // in the colour of what a view does not edit, never erased or hit. The
    // compute operations store the screen points that the draw operations
    // draw. A panel with fewer than 2 airfoil points shows, prints and writes
    // nothing in the Side view.
    void computeSidePoints(const ViewTransform& transform);
    void drawSide(const ViewContext& ctx) const;
    void printSide(Canvas& printer) const;
    // The root section in model units as `nb` LINE entities on "Wing".
    void saveDXF_side(DxfFile& file) const;
    void computeHTopPoints(const ViewTransform& transform);
    void drawHTop(const ViewContext& ctx) const;

    // Project-file records (sym_wing_sections_records.cpp). A reader that
    // meets a value it cannot read throws ReadError and leaves the panel as it
    // was; `nb` changes only together with the airfoil points, through an
    // "Airfoil" record.
    // The "Wing Type" record: `nb`, the geometry and the colour.
    void save(ValueWriter& out) const;
    void read(ValueReader& in);
    // The record of files 0.3.1 to 1.1.x: no colour.
    void readV101(ValueReader& in);
    // The record of files 0.2 to 0.3.0: an unused number before `nb`, no colour.
    void readV0212(ValueReader& in);
    // The "Airfoil" record: `nb`, then x and z of every point.
    void save_airfoil(ValueWriter& out) const;
    void read_airfoil(ValueReader& in);

private:
    // Takes `points` (entry 0 unused) as the airfoil, with `nb` to match.
    void adoptAirfoil(AirfoilPoints points);
    // The heights in units of the airfoil's relative thickness.
    void normalize_airfoil();
    template <typename Convert>
    void convertLengths(Convert convert);

    ColorRGB color;
    AirfoilPoints airfoil;
    // Model outlines of the views: (spanwise, height) and (spanwise, aft).
    QuadOutline frontOutline() const;
    QuadOutline vtopOutline() const;
    // The edges a hit code lights in the Front and VTop views.
    static EdgeSelection frontHighlight(std::int32_t code);
    static EdgeSelection vtopHighlight(std::int32_t code);
    // One drag step of the grabbed edge; false when nothing changed.
    bool dragFront(const ViewState& view, double x, double y);
    bool dragVTop(const ViewState& view, double x, double y);
    // Points 1 to `nb` of the root section, (aft, height) in model units.
    std::vector<Point2D> rootSection() const;

    // Screen outlines last drawn or computed in each view.
    QuadOutline vtop_pts{};
    QuadOutline front_pts{};
    std::vector<Point2D> side_pts;
    QuadOutline htop_pts{};
    QuadOutline htop_mirror_pts{};
    std::string texturePath;
};

}  // namespace ferlo

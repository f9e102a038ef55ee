#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/canvas.h"
#include "base/dxf_writer.h"
#include "base/geometry.h"
#include "base/screen_outline.h"
#include "base/part_texture.h"
#include "base/texture_context.h"
#include "base/texture_title.h"
#include "base/value_reader.h"
#include "base/value_writer.h"
#include "base/view_state.h"

namespace ferlo {

// The first line of the message the fin gives when its texture image fails.
inline constexpr const char* kFinTextureError = "Error in fin texture mapping";

// The fin with its rudder: a vertical trapezoid standing on the fuselage axis,
// root chord `length1` at height `shift`, tip chord `length2` `span` higher,
// the tip leading edge `pos2` aft of the root's at `pos1`. Lengths are in the
// current unit; the relative thicknesses are ratios.
//
// When `offset1` or `offset2` is not 0 the fin is a twin fin: a second fin,
// never stored, stands mirrored about the plane of symmetry. The Front and
// VTop views, their printouts and DXF files and the 3D accessors derive it;
// in the Side view both coincide.
class VertWingSection {
public:
    // Start values of the drag under way (which ones depends on `paint`).
    double initval = 0.0;
    double initval2 = 0.0;
    double initval3 = 0.0;
    std::int16_t nb = 0;  // points of each 3D section
    double span = 0.0;
    double length1 = 0.0;
    double length2 = 0.0;
    double thickness1 = 0.0;
    double thickness2 = 0.0;
    double pos1 = 0.0;
    double pos2 = 0.0;     // tip leading edge aft of the root's (sweep)
    double shift = 0.0;    // height of the root
    double offset1 = 0.0;  // lateral position of the root's centre line
    double offset2 = 0.0;  // of the tip's, relative to the root's
    std::int32_t paint = kIdlePaint;  // hit code grabbed at mouse-down
    bool selected = false;            // the pointer is over an edge or corner
    std::int32_t selected_part = 0;   // hit code of the last hover test
    bool texture_loaded = false;
    std::int32_t xtex = 0;  // power-of-two texture size, set when the image is loaded
    std::int32_t ytex = 0;

    // Hit codes of the Front and Side views.
    static constexpr std::int32_t kHitTipEdge = 0;
    static constexpr std::int32_t kHitTipTrailingCorner = 2;
    static constexpr std::int32_t kHitRootTrailingCorner = 3;
    static constexpr std::int32_t kHitRootEdge = 4;
    static constexpr std::int32_t kHitNothing = 5;
    static constexpr std::int32_t kHitTipLeadingCorner = 7;
    static constexpr std::int32_t kHitRootLeadingCorner = 8;
    static constexpr std::int32_t kIdlePaint = kHitNothing;

    // `which` of the draw operations.
    static constexpr std::int32_t kDrawNormal = 5;    // Front: black
    static constexpr std::int32_t kDrawEditable = 4;  // Side: black with the highlighted edges
    static constexpr std::int32_t kDrawInactive = 6;  // every edge in colorInactive
    static constexpr std::int32_t kDrawErase = 9;     // Front: white over the stored outline

    // The section point counts a project file may bring: the smallest ring
    // with points off the centre line on both sides, up to a bound that keeps
    // the 3D scene and the exports small. The program itself writes 16.
    static constexpr int kMinSectionPoints = 5;
    static constexpr int kMaxSectionPoints = 10000;

    bool isTwin() const { return offset1 != 0.0 || offset2 != 0.0; }

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

    // A new project's fin: a single fin with the default geometry, colour and
    // no texture; its 3D sections are rebuilt.
    void init(const ColorRGB& defaultColor = kDefaultPartColor);

    // The "Rudder" record of the project file. Each reader reads the whole
    // record before the fin changes: a record that cannot be read (a value
    // that is not a number, a section point count outside
    // kMinSectionPoints..kMaxSectionPoints) throws ReadError and leaves the
    // fin as it was. A reader rebuilds the 3D sections for the new count.
    void save(ValueWriter& out) const;
    void read(ValueReader& in);       // files 1.2 and later
    void readV101(ValueReader& in);   // 0.3.1 to 1.1.x: no colour
    void readV030(ValueReader& in);   // 0.3.0: a leading number, no colour
    void readV0212(ValueReader& in);  // 0.2 and 0.2.12: no offsets either

    // The eight lengths, all or none: a result that is not finite throws
    // std::overflow_error and changes nothing. The 3D sections are rebuilt
    // by the caller.
    void switchToInches();
    void switchToMillimeters();
    void rescale(double k);

    // Front view: the trapezoid of the maximum thickness, y to the right and
    // z up; the root edge (4) and the tip edge (0) can be dragged.
    std::int32_t testPositionFront(double x, double y) const;
    void initMouseValFront(const ViewState& view);
    // Draws the stored outline, with its mirror when it was computed for a
    // twin fin, so that the erase (which 9) removes exactly what was drawn.
    void drawFront(const ViewContext& ctx, std::int32_t which = kDrawNormal) const;
    // Stores the screen outline and whether the fin is a twin fin now.
    void computeFrontPoints(const ViewTransform& transform);
    void printFront(Canvas& printer, const ViewTransform& transform) const;
    void selectsFront(const ViewContext& ctx, double x, double y);
    void saveDXF_front(DxfFile& file) const;

    // Side view: the side outline, x aft to the right and z up; the root and
    // tip edges and the four corners can be dragged.
    void initMouseValSide(const ViewState& view);
    std::int32_t testPositionSide(double x, double y) const;
    void drawSide(const ViewContext& ctx, std::int16_t selected1 = -1, std::int16_t selected2 = -1,
                  std::int16_t selected3 = -1, std::int16_t selected4 = -1, std::int32_t which = kDrawEditable);
    void selectsSide(const ViewContext& ctx, double x, double y);
    void printSide(Canvas& printer, const ViewTransform& transform) const;
    void saveDXF_side(DxfFile& file) const;

    // VTop view: the rectangle under the root section, for reference only.
    void drawVTop(const ViewContext& ctx) const;
    void computeVTopPoints(const ViewTransform& transform);
    void saveDXF_vtop(DxfFile& file) const;

    // The 3D root and tip sections from the built-in symmetric profile, and
    // their texture coordinates while `texture_loaded` is set.
    void create();
    // Loads the texture image once per assignment (no turn), rebuilds the
    // sections with their texture coordinates, and uploads the texture at
    // every call. A failing image is reported to the context's notifier
    // (kFinTextureError) once, until it loads or a new image is assigned,
    // and changes nothing.
    void textureMap(TextureContext& context);
    // The same without OpenGL: the load and the texture coordinates.
    void loadTexture(ImageConverter& converter, ConversionProgress& progress);

    // Section point i, 1 to `nb` (zero outside); with `twin` the point of the
    // mirrored fin: the section moved to the other side of the plane of
    // symmetry, its point order kept.
    Point3D point1Get(int i, bool twin = false) const;
    Point3D point2Get(int i, bool twin = false) const;
    // Texture coordinate u of section point i (zero outside 1..nb or before
    // a create with a texture).
    double texcoord1Get(int i) const;
    double texcoord2Get(int i) const;
    ColorRGB colorGet() const { return color; }
    void colorSet(const ColorRGB& value) { color = value; }

    // The texture pixels, 3 bytes a pixel, rows of `xtex` pixels.
    const std::vector<std::uint8_t>& textureBytes() const { return texture_bytes; }
    void setTextureBytes(std::vector<std::uint8_t> bytes) { texture_bytes = std::move(bytes); }

private:
    enum class RecordLayout { Current, V101, V030, V0212 };
    void readRecord(ValueReader& in, RecordLayout layout);

    template <typename Convert>
    void convertLengths(Convert convert);

    // The outlines of the views in model units: Front (lateral, height), Side
    // (aft, height) and the VTop plan (lateral, aft).
    QuadOutline frontOutline() const;
    QuadOutline sideOutline() const;
    QuadOutline vtopOutline() const;

    // The outline and, when `twin`, its mirror image about the screen column
    // `mirrorColumn`.
    static void drawWithTwin(Canvas& canvas, const QuadOutline& outline, bool twin, PaletteColor color,
                             double mirrorColumn);
    // The outline and, for a twin fin, its mirror image about the plane of
    // symmetry.
    void writeWithTwin(DxfFile& file, const QuadOutline& outline) const;

    // The Side view's mouse-move step (see followPointer): the drag of the
    // element `paint` names, the edges a hit code lights, and the redraw
    // with lit edges.
    bool dragSide(const ViewState& view, double x, double y);
    static EdgeSelection sideHighlight(std::int32_t code);
    void drawSideLit(const ViewContext& ctx, const EdgeSelection& lit);

    std::vector<Point3D> computeSection(const Point3D& origin, double chord, double thickness) const;
    // The fin's texture fields and what its texture procedure does.
    TextureFields textureFields();
    TextureSteps textureSteps();

    ColorRGB color;
    std::string texturePath;
    std::vector<Point3D> root_section;
    std::vector<Point3D> tip_section;
    std::vector<double> root_texcoords;
    std::vector<double> tip_texcoords;
    std::vector<std::uint8_t> texture_bytes;
    std::string reportedTextureFailure;  // the image whose failure was reported last
    // The screen outlines last computed for the drawing area.
    QuadOutline front_pts{};
    // Whether the stored Front outline is a twin fin's: it is drawn, and so
    // erased, with its mirror image, whatever the offsets have become since.
    bool front_twin = false;
    QuadOutline side_pts{};
    QuadOutline vtop_pts{};
};

}  // namespace ferlo

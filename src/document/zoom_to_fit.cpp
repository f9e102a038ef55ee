#include "document/zoom_to_fit.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace ferlo {

namespace {

// Every running extreme starts beyond any value, so that whatever value is
// the least or the greatest, however far from the origin, is the result.
constexpr double kBeyondAll = std::numeric_limits<double>::infinity();

constexpr double kFitMargin = 0.95;    // share of the drawing area a fitted view fills
constexpr double kFocusMargin = 0.9;   // share of the height a focused section fills
constexpr double kFallbackZoom = 1.0;     // when neither the fit nor the view has a usable zoom

// What a view shows: x1..x2 across the screen, y1..y2 up (or, for the VTop
// plan, down) the screen, in model units.
struct Extent {
    double x1, x2, y1, y2;
};

// How model values run on the screen's vertical axis: down along the VTop
// plan's axis (aft down), up for heights and the HTop plan's lateral axis.
enum class VerticalAxis { Down, Up };

// The scale at which `extent` model units fill `size` pixels; none when
// either is not positive.
std::optional<double> fillScale(double size, double low, double high) {
    const double extent = high - low;
    if (!(size > 0) || !(extent > 0) || !std::isfinite(extent)) return std::nullopt;
    return size / extent;
}

// `zoom` when it is usable, otherwise the zoom the view had, otherwise 1.
double usableZoom(std::optional<double> zoom, double previous) {
    if (zoom && std::isfinite(*zoom) && *zoom > 0) return *zoom;
    if (std::isfinite(previous) && previous > 0) return previous;
    return kFallbackZoom;
}

// Where the middle of low..high lands in the middle of `size` pixels: the
// screen position of the model origin (`sign` -1 when the screen axis runs
// against the model axis). The halves are added apart so that no sum of
// large values overflows; an offset that is not finite centres the origin.
double centredOffset(double size, double low, double high, double zoom, double sign) {
    const double offset = size / 2 - sign * zoom * (low / 2 + high / 2);
    return std::isfinite(offset) ? offset : size / 2;
}

// Sets the view's offsets so that `extent` lies in the middle of the area.
void centre(const Extent& extent, double width, double height, VerticalAxis vertical, ViewState& view) {
    view.xoff = centredOffset(width, extent.x1, extent.x2, view.zoom, 1);
    view.yoff = centredOffset(height, extent.y1, extent.y2, view.zoom, vertical == VerticalAxis::Down ? 1 : -1);
}

// The whole extent at 95 % of the scale that fills the area in both
// directions, centred.
void fitExtent(const Extent& extent, std::int16_t width, std::int16_t height, VerticalAxis vertical,
               ViewState& view) {
    const auto across = fillScale(width, extent.x1, extent.x2);
    const auto along = fillScale(height, extent.y1, extent.y2);
    std::optional<double> zoom;
    if (across && along) {
        zoom = kFitMargin * minOf(std::array{*across, *along});
    } else if (across || along) {
        zoom = kFitMargin * minOf(std::array{across ? *across : *along});
    }
    view.zoom = usableZoom(zoom, view.zoom);
    centre(extent, width, height, vertical, view);
}

// The selected section of the current fuselage: `size` (its height or
// width) fills 90 % of the area's height, the section centred.
void fitFocus(const Extent& section, double size, std::int16_t width, std::int16_t height, ViewState& view) {
    const auto scale = fillScale(height, 0, size);
    view.zoom = usableZoom(scale ? std::optional(kFocusMargin * *scale) : std::nullopt, view.zoom);
    centre(section, width, height, VerticalAxis::Up, view);
}

// Running extremes over the main-wing panels 1 to nbWings.
template <typename Value>
double leastOverPanels(const MainWing& wing, Value value) {
    double least = kBeyondAll;
    for (int i = 1; i <= wing.nbWings; ++i) {
        const double v = value(wing.wing(i));
        if (v < least) least = v;
    }
    return least;
}

template <typename Value>
double greatestOverPanels(const MainWing& wing, Value value) {
    double greatest = -kBeyondAll;
    for (int i = 1; i <= wing.nbWings; ++i) {
        const double v = value(wing.wing(i));
        if (v > greatest) greatest = v;
    }
    return greatest;
}

double tipLeadingEdge(const SymWingSections& p) { return p.pos1 + p.pos2; }
double tipTrailingEdge(const SymWingSections& p) { return p.pos1 + p.pos2 + p.length2; }
double rootTrailingEdge(const SymWingSections& p) { return p.pos1 + p.length1; }
double outerEnd(const SymWingSections& p) { return p.shift + p.span; }
double rootHalfThickness(const SymWingSections& p) { return p.length1 * p.thickness1 / 2; }
double tipHalfThickness(const SymWingSections& p) { return p.length2 * p.thickness2 / 2; }
double tipBottom(const SymWingSections& p) { return p.elevation1 + p.elevation2 - tipHalfThickness(p); }
double tipTop(const SymWingSections& p) { return p.elevation1 + p.elevation2 + tipHalfThickness(p); }

// Half the span of the VTop and Front views: the outer end of the widest
// panel or of the stabiliser.
double halfSpan(const Plane& plane) {
    return maxOf(std::array{greatestOverPanels(plane.mainWing, outerEnd), outerEnd(plane.stab)});
}

// The front end along the axis shared by the VTop and the fin's Side fit.
double frontEnd(const Plane& plane, const MeshSections& fuselage) {
    return minOf(std::array{fuselage.startpoint(), leastOverPanels(plane.mainWing, tipLeadingEdge),
                            tipLeadingEdge(plane.stab), rootTrailingEdge(plane.stab)});
}

}  // namespace

double minOf(std::span<const double> values) {
    double least = kBeyondAll;
    for (double v : values) {
        if (v < least) least = v;
    }
    return least;
}

double maxOf(std::span<const double> values) {
    double greatest = -kBeyondAll;
    for (double v : values) {
        if (v > greatest) greatest = v;
    }
    return greatest;
}

void fitVTop(const Plane& plane, std::int16_t width, std::int16_t height, ViewState& view) {
    const MeshSections& fuselage = plane.fuselages.current();
    const double x = halfSpan(plane);
    const double rear = maxOf(std::array{fuselage.lengthPoint(), greatestOverPanels(plane.mainWing, tipLeadingEdge),
                                         tipTrailingEdge(plane.stab), rootTrailingEdge(plane.stab)});
    fitExtent({-x, x, frontEnd(plane, fuselage), rear}, width, height, VerticalAxis::Down, view);
}

void fitFront(const Plane& plane, std::int16_t width, std::int16_t height, ViewState& view) {
    const MeshSections& fuselage = plane.fuselages.current();
    const MainWing& wing = plane.mainWing;
    const SymWingSections& first = wing.wing(1);
    // The wing's lowest and highest points start at panel 1's root.
    double wingBottom = first.elevation1 - rootHalfThickness(first);
    double wingTop = first.elevation1 + rootHalfThickness(first);
    for (int i = 1; i <= wing.nbWings; ++i) {
        const SymWingSections& panel = wing.wing(i);
        if (tipBottom(panel) < wingBottom) wingBottom = tipBottom(panel);
        if (tipTop(panel) > wingTop) wingTop = tipTop(panel);
    }
    const double x = halfSpan(plane);
    const double bottom =
        minOf(std::array{fuselage.minElevationPoint(), wingBottom, tipBottom(plane.stab), plane.fin.shift});
    const double top = maxOf(
        std::array{fuselage.maxElevationPoint(), wingTop, tipTop(plane.stab), plane.fin.shift + plane.fin.span});
    fitExtent({-x, x, bottom, top}, width, height, VerticalAxis::Up, view);
}

void fitSide(const Plane& plane, std::int16_t width, std::int16_t height, bool finTabOpen, bool& focusZoom,
             ViewState& view) {
    const MeshSections& fuselage = plane.fuselages.current();
    if (focusZoom) {
        // The section's position with the fuselage's offset, its stored
        // elevation without.
        const double position = fuselage.posGet() + fuselage.pos_offset;
        const double sectionHeight = fuselage.heightGet();
        const double bottom = fuselage.elevationGet();
        fitFocus({position, position, bottom, bottom + sectionHeight}, sectionHeight, width, height, view);
        focusZoom = false;
        return;
    }
    Extent extent{fuselage.startpoint(), fuselage.lengthPoint(), fuselage.minElevationPoint(),
                  fuselage.maxElevationPoint()};
    if (finTabOpen) {
        const VertWingSection& fin = plane.fin;
        extent.x1 = frontEnd(plane, fuselage);
        extent.x2 = maxOf(std::array{extent.x2, greatestOverPanels(plane.mainWing, tipTrailingEdge),
                                     tipTrailingEdge(plane.stab), fin.pos1 + fin.length1,
                                     fin.pos1 + fin.pos2 + fin.length2});
        extent.y1 = minOf(std::array{extent.y1, fin.shift});
        extent.y2 = maxOf(std::array{extent.y2, fin.shift + fin.span});
    }
    fitExtent(extent, width, height, VerticalAxis::Up, view);
}

void fitHTop(const Plane& plane, std::int16_t width, std::int16_t height, bool& focusZoom, ViewState& view) {
    const MeshSections& fuselage = plane.fuselages.current();
    // The plan's vertical screen axis shows the negated lateral coordinate.
    const double centre = -fuselage.shift;
    if (focusZoom) {
        const double position = fuselage.posGet() + fuselage.pos_offset;
        const double sectionWidth = fuselage.widthGet();
        fitFocus({position, position, centre - sectionWidth / 2, centre + sectionWidth / 2}, sectionWidth, width,
                 height, view);
        focusZoom = false;
        return;
    }
    const double halfWidth = fuselage.maxWidthPoint() / 2;
    fitExtent({fuselage.startpoint(), fuselage.lengthPoint(), centre - halfWidth, centre + halfWidth}, width, height,
              VerticalAxis::Up, view);
}

}  // namespace ferlo

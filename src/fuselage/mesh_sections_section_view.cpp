// The selected cross-section of a fuselage in the section box beside the
// fuselage's parameters, drawn as large as the box allows: centred across the
// box, its top at the box's top edge, y downward.

#include <cmath>
#include <vector>

#include "base/screen_outline.h"
#include "fuselage/mesh_sections.h"

namespace ferlo {

namespace {

// The share of the box the section fills in its longer direction.
constexpr double kSectionFill = 0.9;

}  // namespace

std::optional<float> MeshSections::zoomSectionSet(int w, int h) {
    const double width = widthGet();
    const double height = heightGet();
    double zoom = 0;
    float sliderHeight = 0;
    if (width > height && width != 0) {
        zoom = kSectionFill * w / width;
        sliderHeight = static_cast<float>(w * height / width);
    } else if (height != 0) {
        zoom = kSectionFill * h / height;
        sliderHeight = static_cast<float>(h);
    } else {
        return std::nullopt;
    }
    if (!std::isfinite(zoom) || !std::isfinite(sliderHeight)) return std::nullopt;
    szoom = zoom;
    return sliderHeight;
}

void MeshSections::drawSection(Canvas& box) const {
    if (!slotOf(sel_sec)) return;  // no section selected: the box keeps its picture
    box.clear();
    const double z = szoom;
    const double centre = box.width() / 2;
    const double halfWidth = widthGet() * z / 2;
    // The widest line's row: the upper half's share of the height below the top.
    const double widest = bias_curveGet() * heightGet() * z;
    const auto onBox = [&](const Point2D& offset) { return Point2D{centre + offset.x * z, widest - offset.y * z}; };

    // The upper half's points from the right end of the widest line over the
    // top to its left end, then the lower half's under the bottom back to
    // the right end. The ends are placed exactly; with an even number of
    // outline points the left end is one of them.
    const int n = nb_cross;
    const Point2D rightEnd{centre + halfWidth, widest};
    std::vector<Point2D> outline{rightEnd};
    for (int j = 2; 2 * (j - 1) < n; ++j) outline.push_back(onBox(outlineOffset(sel_sec, j)));
    outline.push_back({centre - halfWidth, widest});
    for (int j = n / 2 + 2; j <= n; ++j) outline.push_back(onBox(outlineOffset(sel_sec, j)));
    outline.push_back(rightEnd);
    // The box draws in its own foreground colour: black.
    if (isFinite(outline)) drawPolyline(box, outline, kBlack);
}

}  // namespace ferlo

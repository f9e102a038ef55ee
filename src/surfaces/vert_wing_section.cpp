#include "surfaces/vert_wing_section.h"

#include "base/dxf_polyline.h"
#include "base/one_based.h"
#include "base/units.h"
#include "base/dxf_layers.h"
#include "base/length_conversion.h"

namespace ferlo {

void VertWingSection::init(const ColorRGB& defaultColor) {
    nb = 16;
    span = 150;
    length1 = 150;
    length2 = 80;
    thickness1 = 0.1;
    thickness2 = 0.1;
    pos1 = 650;
    pos2 = 100;
    shift = 30;
    offset1 = 0;
    offset2 = 0;
    paint = kIdlePaint;
    setTexture("");
    color = defaultColor;
    // Sections that match `nb` from the start: the 3D view and the exports
    // read points 1 to `nb`.
    create();
}

template <typename Convert>
void VertWingSection::convertLengths(Convert convert) {
    convertAllLengths(std::array<double*, 8>{&span, &length1, &length2, &pos1, &pos2, &offset1, &offset2, &shift},
                      convert, "fin");
}

void VertWingSection::switchToInches() {
    convertLengths([](double v) { return toInches(v); });
}

void VertWingSection::switchToMillimeters() {
    convertLengths([](double v) { return toMillimeters(v); });
}

void VertWingSection::rescale(double k) {
    convertLengths([k](double v) { return v * k; });
}

Point3D VertWingSection::point1Get(int i, bool twin) const {
    Point3D p = entryOrZero(root_section, i);
    if (twin) p.y -= 2 * offset1;
    return p;
}

Point3D VertWingSection::point2Get(int i, bool twin) const {
    Point3D p = entryOrZero(tip_section, i);
    if (twin) p.y -= 2 * (offset1 + offset2);
    return p;
}

void VertWingSection::drawWithTwin(Canvas& canvas, const QuadOutline& outline, bool twin, PaletteColor color,
                                   double mirrorColumn) {
    drawQuadOutline(canvas, outline, color);
    if (twin) drawQuadOutline(canvas, mirroredAboutColumn(outline, mirrorColumn), color);
}

void VertWingSection::writeWithTwin(DxfFile& file, const QuadOutline& outline) const {
    dxfPolyline(file, outlinePoints(outline), kFinLayer);
    if (isTwin()) dxfPolyline(file, outlinePoints(mirroredAboutColumn(outline, 0)), kFinLayer);
}

double VertWingSection::texcoord1Get(int i) const { return entryOrZero(root_texcoords, i); }
double VertWingSection::texcoord2Get(int i) const { return entryOrZero(tip_texcoords, i); }

}  // namespace ferlo

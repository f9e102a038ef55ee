#include "base/dxf_writer.h"

#include <string>

#include "base/number_text.h"

namespace ferlo {

namespace {

void writeGroup(DxfFile& file, int code, std::string_view value) {
    file.out.writeLine(dxfNumber(code));
    file.out.writeLine(value);
}

void writeCoordinate(DxfFile& file, int code, double value) {
    file.out.writeLine(dxfNumber(code));
    file.out.writeLine(dxfNumber(value));
}

}  // namespace

std::string dxfNumber(double value) {
    std::string text = formatNumber(value);
    if (text.front() != '-') text.insert(text.begin(), ' ');
    text.push_back(' ');
    return text;
}

void dxfHeader(DxfFile& file) {
    writeGroup(file, 0, "SECTION");
    writeGroup(file, 2, "ENTITIES");
}

void dxfFooter(DxfFile& file) {
    writeGroup(file, 0, "ENDSEC");
    writeGroup(file, 0, "EOF");
}

void dxfLine(DxfFile& file, double x1, double y1, double z1, double x2, double y2, double z2,
             std::string_view layer) {
    writeGroup(file, 0, "LINE");
    writeGroup(file, 8, layer);
    writeCoordinate(file, 10, x1);
    writeCoordinate(file, 20, y1);
    writeCoordinate(file, 30, z1);
    writeCoordinate(file, 11, x2);
    writeCoordinate(file, 21, y2);
    writeCoordinate(file, 31, z2);
}

void dxfLineTo(DxfFile& file, double x, double y, double z, bool draw, std::string_view layer) {
    if (draw) {
        const Point3D from = file.dxfLastPoint;
        dxfLine(file, from.x, from.y, from.z, x, y, z, layer);
    }
    file.dxfLastPoint = Point3D{x, y, z};
}

}  // namespace ferlo

#include "base/dxf_writer.h"

#include <string>
#include <utility>

#include "base/number_text.h"

namespace ferlo {

namespace {

// A value in the DXF number form, appended to a line under construction: an
// export writes millions of them.
void appendDxfNumber(std::string& text, double value) {
    const NumberText number(value);
    const std::string_view digits = number.view();
    if (digits.front() != '-') text += ' ';
    text += digits;
    text += ' ';
}

// A group's code line and the line break after it; the value line follows.
void appendCode(std::string& text, int code) {
    appendDxfNumber(text, code);
    text += LineWriter::kLineEnd;
}

void writeGroup(DxfFile& file, int code, std::string_view value) {
    std::string& text = file.out.startLine();
    appendCode(text, code);
    text += value;
    file.out.endLine();
}

}  // namespace

std::string dxfNumber(double value) {
    std::string text;
    appendDxfNumber(text, value);
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

// The entity's sixteen lines go out in one piece.
void dxfLine(DxfFile& file, double x1, double y1, double z1, double x2, double y2, double z2,
             std::string_view layer) {
    std::string& text = file.out.startLine();
    appendCode(text, 0);
    text += "LINE";
    text += LineWriter::kLineEnd;
    appendCode(text, 8);
    text += layer;
    const std::pair<int, double> coordinates[] = {{10, x1}, {20, y1}, {30, z1}, {11, x2}, {21, y2}, {31, z2}};
    for (const auto& [code, value] : coordinates) {
        text += LineWriter::kLineEnd;
        appendCode(text, code);
        appendDxfNumber(text, value);
    }
    file.out.endLine();
}

void dxfLineTo(DxfFile& file, double x, double y, double z, bool draw, std::string_view layer) {
    if (draw) {
        const Point3D from = file.dxfLastPoint;
        dxfLine(file, from.x, from.y, from.z, x, y, z, layer);
    }
    file.dxfLastPoint = Point3D{x, y, z};
}

}  // namespace ferlo

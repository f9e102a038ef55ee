#include "base/dxf_writer.h"

#include <array>
#include <cstddef>
#include <string>

#include "base/number_text.h"

namespace ferlo {

namespace {

// dxfNumber's text in a buffer of its own: an export writes millions of them.
class DxfNumberText {
public:
    explicit DxfNumberText(double value) {
        const NumberText number(value);
        const std::string_view digits = number.view();
        if (digits.front() != '-') chars_[size_++] = ' ';
        size_ += digits.copy(chars_.data() + size_, digits.size());
        chars_[size_++] = ' ';
    }
    std::string_view view() const { return {chars_.data(), size_}; }

private:
    std::array<char, 34> chars_;  // a blank, the number, a blank
    std::size_t size_ = 0;
};

void writeGroup(DxfFile& file, int code, std::string_view value) {
    file.out.writeLine(DxfNumberText(code).view());
    file.out.writeLine(value);
}

void writeCoordinate(DxfFile& file, int code, double value) {
    file.out.writeLine(DxfNumberText(code).view());
    file.out.writeLine(DxfNumberText(value).view());
}

}  // namespace

std::string dxfNumber(double value) { return std::string(DxfNumberText(value).view()); }

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

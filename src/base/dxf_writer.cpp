#include "base/dxf_writer.h"

#include <cstring>
#include <string>

#include "base/number_text.h"

namespace ferlo {

namespace {

// The DXF number form of a value at `out` (room for kDxfNumberRoom
// characters): a blank in place of a plus sign (a negative value's text
// starts with its minus, negative zero's is "0"), the number and a blank.
// Returns its end.
char* writeDxfNumber(char* out, double value) {
    if (!(value < 0)) *out++ = ' ';
    out = writeNumber(out, value);
    *out++ = ' ';
    return out;
}

void writeGroup(DxfFile& file, std::string_view code, std::string_view value) {
    std::string& text = file.out.startLine();
    text += code;
    text += LineWriter::kLineEnd;
    text += value;
    file.out.endLine();
}

}  // namespace

std::string dxfNumber(double value) {
    char text[kDxfNumberRoom];
    return {text, writeDxfNumber(text, value)};
}

void dxfHeader(DxfFile& file) {
    writeGroup(file, " 0 ", "SECTION");
    writeGroup(file, " 2 ", "ENTITIES");
}

void dxfFooter(DxfFile& file) {
    writeGroup(file, " 0 ", "ENDSEC");
    writeGroup(file, " 0 ", "EOF");
}

// The entity's sixteen lines go out in one piece. An export writes millions
// of numbers, and in a polyline each line starts where the last one ended:
// the start's numbers are then taken from the last end's text. Every copy
// has a fixed size (a group code's line, a number's room), which compiles to
// a few moves; a number's text is followed by whatever the next write puts
// over the rest, or by the buffer's unused end.
void dxfLine(DxfFile& file, double x1, double y1, double z1, double x2, double y2, double z2,
             std::string_view layer) {
    static constexpr char kStartCodes[3][kDxfCodeSize + 1] = {"\r\n 10 \r\n", "\r\n 20 \r\n", "\r\n 30 \r\n"};
    static constexpr char kEndCodes[3][kDxfCodeSize + 1] = {"\r\n 11 \r\n", "\r\n 21 \r\n", "\r\n 31 \r\n"};
    const double start[] = {x1, y1, z1};
    const double end[] = {x2, y2, z2};
    DxfEndText& last = file.lastEnd;
    const bool fromLastEnd = last.valid && last.point.x == x1 && last.point.y == y1 && last.point.z == z1;
    const char* const lastLine = last.lines[last.current].data();
    char* const coordinates = last.lines[1 - last.current].data();
    char* out = coordinates;
    for (std::size_t k = 0; k < 3; ++k) {
        std::memcpy(out, kStartCodes[k], kDxfCodeSize);
        out += kDxfCodeSize;
        if (fromLastEnd) {
            std::memcpy(out, lastLine + last.offsets[k], kDxfNumberRoom);
            out += last.sizes[k];
        } else {
            out = writeDxfNumber(out, start[k]);
        }
    }
    last.valid = false;
    for (std::size_t k = 0; k < 3; ++k) {
        std::memcpy(out, kEndCodes[k], kDxfCodeSize);
        out += kDxfCodeSize;
        char* const number = out;
        out = writeDxfNumber(out, end[k]);
        last.offsets[k] = static_cast<std::size_t>(number - coordinates);
        last.sizes[k] = static_cast<std::size_t>(out - number);
    }
    last.current = 1 - last.current;
    last.point = {x2, y2, z2};
    last.valid = true;

    std::string& text = file.out.startLine();
    text += " 0 \r\nLINE\r\n 8 \r\n";
    text += layer;
    text.append(coordinates, out);
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

#include "base/dxf_writer.h"

#include <cstring>
#include <string>

#include "base/number_text.h"

namespace ferlo {

namespace {

// The DXF number form of a value at `out` (room for 34 characters): a blank
// in place of a plus sign (a negative value's text starts with its minus,
// negative zero's is "0"), the number and a blank. Returns its end.
char* writeDxfNumber(char* out, double value) {
    if (!(value < 0)) *out++ = ' ';
    out = writeNumber(out, value);
    *out++ = ' ';
    return out;
}

char* copyText(char* out, std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
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
    char text[34];
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
// the start's numbers are then taken from the last end's text.
void dxfLine(DxfFile& file, double x1, double y1, double z1, double x2, double y2, double z2,
             std::string_view layer) {
    static constexpr std::string_view kStartCodes[] = {"\r\n 10 \r\n", "\r\n 20 \r\n", "\r\n 30 \r\n"};
    static constexpr std::string_view kEndCodes[] = {"\r\n 11 \r\n", "\r\n 21 \r\n", "\r\n 31 \r\n"};
    const double start[] = {x1, y1, z1};
    const double end[] = {x2, y2, z2};
    DxfEndText& last = file.lastEnd;
    const bool fromLastEnd = last.valid && last.point.x == x1 && last.point.y == y1 && last.point.z == z1;
    char coordinates[6 * (9 + 34)];
    char* out = coordinates;
    const char* kept = last.chars.data();
    for (std::size_t k = 0; k < 3; ++k) {
        out = copyText(out, kStartCodes[k]);
        if (fromLastEnd) {
            out = copyText(out, {kept, last.sizes[k]});
            kept += last.sizes[k];
        } else {
            out = writeDxfNumber(out, start[k]);
        }
    }
    last.valid = false;
    char* keep = last.chars.data();
    for (std::size_t k = 0; k < 3; ++k) {
        out = copyText(out, kEndCodes[k]);
        char* const number = out;
        out = writeDxfNumber(out, end[k]);
        last.sizes[k] = static_cast<std::size_t>(out - number);
        keep = copyText(keep, {number, last.sizes[k]});
    }
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

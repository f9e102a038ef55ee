#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "base/geometry.h"
#include "base/line_writer.h"

namespace ferlo {

// The coordinates' text of the last LINE (its group codes and numbers) and
// where its end point's three numbers lie in it: the next line of a polyline
// starts there and takes them as they are. A line is written into the other
// buffer of the two, so a number is read back long after it was written.
inline constexpr std::size_t kDxfNumberRoom = 34;  // a blank, at most 32 characters, a blank
inline constexpr std::size_t kDxfCodeSize = 8;     // a group code's line between line breaks
struct DxfEndText {
    bool valid = false;
    Point3D point;
    std::array<std::array<char, 6 * (kDxfCodeSize + kDxfNumberRoom)>, 2> lines;
    std::size_t current = 0;  // the buffer of the last line
    std::array<std::size_t, 3> offsets{}, sizes{};
};

// An open DXF export: the line writer of the file and the pen position
// `dxfLastPoint`, which belongs to the document and carries over from one
// export to the next.
struct DxfFile {
    LineWriter& out;
    Point3D& dxfLastPoint;
    DxfEndText lastEnd = {};
};

// The DXF text: one ENTITIES section of LINE entities, CR LF line ends, every
// number in plain decimal notation with a blank in place of a plus sign and a
// blank after it (" 0 ", "-12.5 "). Write failures throw WriteError.
void dxfHeader(DxfFile& file);
void dxfFooter(DxfFile& file);

// One LINE entity; the pen does not move.
void dxfLine(DxfFile& file, double x1, double y1, double z1, double x2, double y2, double z2,
             std::string_view layer);

// A LINE entity from the pen to (x, y, z) when `draw` is true; the pen then
// moves to (x, y, z) in every case (a pen-up move writes nothing).
void dxfLineTo(DxfFile& file, double x, double y, double z, bool draw, std::string_view layer);

// The DXF number form of one value (" 700 ", "-12.5 ").
std::string dxfNumber(double value);

}  // namespace ferlo

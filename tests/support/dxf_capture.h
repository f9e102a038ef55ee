#pragma once

#include <sstream>
#include <string>
#include <string_view>

#include "base/dxf_writer.h"
#include "base/line_writer.h"

namespace ferlo::testing {

// A DXF export into memory, for tests of what a part writes.
struct DxfCapture {
    std::ostringstream out;
    LineWriter lines{out, "capture.dxf"};
    Point3D pen;
    DxfFile file{lines, pen};

    std::string text() const { return out.str(); }
};

// The text of one LINE entity in the drawing plane (z 0), its coordinates
// given as the DXF number form writes them (" 30 ", "-7.5 ").
inline std::string dxfLineEntity(std::string_view layer, std::string_view x1, std::string_view y1,
                                 std::string_view x2, std::string_view y2) {
    std::string text;
    const auto line = [&text](std::string_view value) {
        text += value;
        text += "\r\n";
    };
    line(" 0 ");
    line("LINE");
    line(" 8 ");
    line(layer);
    for (auto [code, value] : {std::pair{" 10 ", x1}, {" 20 ", y1}, {" 30 ", " 0 "}, {" 11 ", x2}, {" 21 ", y2},
                               {" 31 ", " 0 "}}) {
        line(code);
        line(value);
    }
    return text;
}

}  // namespace ferlo::testing

#pragma once

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/text_lines.h"

#include "base/dxf_writer.h"
#include "base/line_writer.h"
#include "base/number_text.h"

namespace ferlo::testing {

// A DXF export into memory, with the document's pen, for tests of what a
// part writes.
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

// A point of a DXF drawing as its number form writes x and y.
using DxfPointText = std::pair<std::string_view, std::string_view>;

// The LINE entities (z 0) from each of `points` to the next one.
inline std::string dxfPolylineEntities(std::string_view layer, std::initializer_list<DxfPointText> points) {
    std::string text;
    for (auto from = points.begin(), to = from + 1; from != points.end() && to != points.end(); ++from, ++to) {
        text += dxfLineEntity(layer, from->first, from->second, to->first, to->second);
    }
    return text;
}

// A LINE entity of a DXF text, read back as numbers.
struct DxfLine {
    std::string layer;
    double x1, y1, z1, x2, y2, z2;
};

inline std::vector<DxfLine> readDxfLines(const std::string& text) {
    const std::vector<std::string> lines = splitCrlfLines(text);
    std::vector<DxfLine> entities;
    for (std::size_t i = 0; i + 14 < lines.size(); ++i) {
        if (lines[i] != "LINE") continue;
        const auto number = [&](std::size_t k) {
            const auto value = parseNumber(lines[i + k]);
            if (!value) ADD_FAILURE() << "not a DXF number: '" << lines[i + k] << "'";
            return value.value_or(0.0);
        };
        entities.push_back({lines[i + 2], number(4), number(6), number(8), number(10), number(12), number(14)});
    }
    return entities;
}

}  // namespace ferlo::testing

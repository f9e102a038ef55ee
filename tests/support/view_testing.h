#pragma once

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/dxf_writer.h"
#include "base/line_writer.h"
#include "base/number_text.h"
#include "base/recording_canvas.h"
#include "base/view_state.h"

namespace ferlo::testing {

// A drawing area for tests: a recording canvas, a view state and the
// document's colours.
struct RecordedView {
    RecordingCanvas canvas;
    ViewState view;
    ViewColors colors;

    RecordedView(double zoom, double xoff, double yoff) {
        view.zoom = zoom;
        view.xoff = xoff;
        view.yoff = yoff;
    }
    ViewContext context() { return {canvas, view, colors}; }
    // The state of a mouse-down at (x, y), as the editor stores it.
    void pressAt(std::int16_t x, std::int16_t y) {
        view.xloc = x;
        view.yloc = y;
    }
};

// A DXF export into memory, with the document's pen.
struct DxfCapture {
    std::ostringstream out;
    LineWriter lines{out, "test.dxf"};
    Point3D pen;
    DxfFile file{lines, pen};

    std::string text() const { return out.str(); }
};

// One LINE entity as the DXF text has it: every number is given as its text
// (" 100 ", "-35 ").
inline std::string dxfLineText(const std::string& layer, const std::vector<std::string>& numbers) {
    static const char* const codes[] = {" 10 ", " 20 ", " 30 ", " 11 ", " 21 ", " 31 "};
    std::string text = " 0 \r\nLINE\r\n 8 \r\n" + layer + "\r\n";
    for (std::size_t i = 0; i < numbers.size() && i < 6; ++i) text += std::string(codes[i]) + "\r\n" + numbers[i] + "\r\n";
    return text;
}

// The LINE entities of a DXF text, read back as numbers.
struct DxfLineEntity {
    std::string layer;
    double x1, y1, z1, x2, y2, z2;
};

inline std::vector<DxfLineEntity> readDxfLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    std::vector<DxfLineEntity> entities;
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

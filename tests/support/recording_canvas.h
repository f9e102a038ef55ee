#pragma once

#include <vector>

#include "base/canvas.h"

namespace ferlo {

// A canvas that keeps every call, for tests of what a part draws.
class RecordingCanvas : public Canvas {
public:
    enum class Op { SetCurrentPoint, LineTo, Line, Clear };

    struct Call {
        Op op;
        double x1 = 0, y1 = 0;  // start (Line) or the point (SetCurrentPoint, LineTo)
        double x2 = 0, y2 = 0;  // end (Line)
        PaletteColor color = kBlack;
    };

    // A drawn segment, whichever call drew it.
    struct Segment {
        double x1, y1, x2, y2;
        PaletteColor color;
    };

    RecordingCanvas(double width = 800, double height = 600) : width_(width), height_(height) {}

    void setCurrentPoint(double x, double y) override;
    void lineTo(double x, double y, PaletteColor color) override;
    void line(double x1, double y1, double x2, double y2, PaletteColor color) override;
    void clear() override;
    double width() const override { return width_; }
    double height() const override { return height_; }

    const std::vector<Call>& calls() const { return calls_; }
    // Every segment drawn, in order, with its start taken from the current point.
    const std::vector<Segment>& segments() const { return segments_; }
    void reset();

private:
    double width_, height_;
    double currentX_ = 0, currentY_ = 0;
    std::vector<Call> calls_;
    std::vector<Segment> segments_;
};

}  // namespace ferlo

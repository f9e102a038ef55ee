#include "support/recording_canvas.h"

namespace ferlo {

void RecordingCanvas::setCurrentPoint(double x, double y) {
    calls_.push_back({Op::SetCurrentPoint, x, y});
    currentX_ = x;
    currentY_ = y;
}

void RecordingCanvas::lineTo(double x, double y, PaletteColor color) {
    calls_.push_back({Op::LineTo, x, y, 0, 0, color});
    segments_.push_back({currentX_, currentY_, x, y, color});
    currentX_ = x;
    currentY_ = y;
}

void RecordingCanvas::line(double x1, double y1, double x2, double y2, PaletteColor color) {
    calls_.push_back({Op::Line, x1, y1, x2, y2, color});
    segments_.push_back({x1, y1, x2, y2, color});
    currentX_ = x2;
    currentY_ = y2;
}

void RecordingCanvas::clear() { calls_.push_back({Op::Clear}); }

void RecordingCanvas::reset() {
    calls_.clear();
    segments_.clear();
}

}  // namespace ferlo

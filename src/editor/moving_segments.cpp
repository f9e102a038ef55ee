#include "editor/moving_segments.h"

#include <algorithm>

namespace ferlo {

MovingSegments::Key MovingSegments::keyOf(const QLineF& line) {
    const QPointF a = line.p1();
    const QPointF b = line.p2();
    if (a.x() < b.x() || (a.x() == b.x() && a.y() <= b.y())) return {a.x(), a.y(), b.x(), b.y()};
    return {b.x(), b.y(), a.x(), a.y()};
}

void MovingSegments::draw(const QLineF& line, PaletteColor color) { entries_.push_back({{line, color}, clock_++}); }

void MovingSegments::erase(const QLineF& line) { erased_.emplace_back(keyOf(line), clock_++); }

void MovingSegments::clear() {
    entries_.clear();
    erased_.clear();
}

void MovingSegments::settle() {
    if (erased_.empty()) return;
    // The last erase of each segment.
    std::sort(erased_.begin(), erased_.end());
    std::erase_if(entries_, [this](const Entry& e) {
        const Key key = keyOf(e.segment.line);
        const auto after = std::upper_bound(erased_.begin(), erased_.end(), key,
                                            [](const Key& k, const auto& erase) { return k < erase.first; });
        return after != erased_.begin() && std::prev(after)->first == key && std::prev(after)->second > e.drawn;
    });
    erased_.clear();
}

}  // namespace ferlo

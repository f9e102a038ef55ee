#include "editor/moving_segments.h"

#include <functional>

namespace ferlo {

std::size_t MovingSegments::KeyHash::operator()(const Key& k) const {
    std::size_t h = 0;
    for (double v : {k.x1, k.y1, k.x2, k.y2}) h = h * 1000003u ^ std::hash<double>{}(v);
    return h;
}

MovingSegments::Key MovingSegments::keyOf(const QLineF& line) {
    const QPointF a = line.p1();
    const QPointF b = line.p2();
    if (a.x() < b.x() || (a.x() == b.x() && a.y() <= b.y())) return {a.x(), a.y(), b.x(), b.y()};
    return {b.x(), b.y(), a.x(), a.y()};
}

void MovingSegments::draw(const QLineF& line, PaletteColor color) {
    shownAt_[keyOf(line)].push_back(entries_.size());
    entries_.push_back({{line, color}, true});
}

void MovingSegments::erase(const QLineF& line) {
    const auto found = shownAt_.find(keyOf(line));
    if (found == shownAt_.end()) return;
    for (std::size_t i : found->second) entries_[i].shown = false;
    erased_ += found->second.size();
    shownAt_.erase(found);
    if (erased_ > entries_.size() / 2) compact();
}

void MovingSegments::clear() {
    entries_.clear();
    shownAt_.clear();
    erased_ = 0;
}

void MovingSegments::compact() {
    std::vector<Entry> shown;
    shown.reserve(entries_.size() - erased_);
    shownAt_.clear();
    for (const Entry& e : entries_) {
        if (!e.shown) continue;
        shownAt_[keyOf(e.segment.line)].push_back(shown.size());
        shown.push_back(e);
    }
    entries_ = std::move(shown);
    erased_ = 0;
}

}  // namespace ferlo

#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include <QLineF>

#include "base/palette.h"

namespace ferlo {

// The segments that the moving parts of a drag show now, in the order they
// were drawn. A part erases its outline by drawing it again in white: an
// erased segment takes away every segment with the same two ends (in either
// direction) drawn before it, as white over the pixels would.
class MovingSegments {
public:
    struct Segment {
        QLineF line;
        PaletteColor color;
    };

    void draw(const QLineF& line, PaletteColor color);
    void erase(const QLineF& line);
    void clear();

    // The segments shown, oldest first.
    template <typename Action>
    void forEachShown(Action action) {
        settle();
        for (const Entry& e : entries_) action(e.segment);
    }

private:
    using Key = std::array<double, 4>;
    struct Entry {
        Segment segment;
        std::uint64_t drawn;  // when, in drawing order
    };
    static Key keyOf(const QLineF& line);
    // Drops the segments erased after they were drawn.
    void settle();

    std::vector<Entry> entries_;
    std::vector<std::pair<Key, std::uint64_t>> erased_;  // since the last settle, with when
    std::uint64_t clock_ = 0;
};

}  // namespace ferlo

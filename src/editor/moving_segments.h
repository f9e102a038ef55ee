#pragma once

#include <cstddef>
#include <unordered_map>
#include <vector>

#include <QLineF>

#include "base/palette.h"

namespace ferlo {

// The segments that the moving parts of a drag show now, in the order they
// were drawn. A part erases its outline by drawing it again in white: an
// erased segment takes away every shown segment with the same two ends (in
// either direction), as white over the pixels would.
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
    void forEachShown(Action action) const {
        for (const Entry& e : entries_) {
            if (e.shown) action(e.segment);
        }
    }

private:
    struct Entry {
        Segment segment;
        bool shown;
    };
    struct Key {
        double x1, y1, x2, y2;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const;
    };
    static Key keyOf(const QLineF& line);
    // Drops the erased entries once they outnumber the shown ones.
    void compact();

    std::vector<Entry> entries_;
    std::unordered_map<Key, std::vector<std::size_t>, KeyHash> shownAt_;  // entry indices
    std::size_t erased_ = 0;
};

}  // namespace ferlo

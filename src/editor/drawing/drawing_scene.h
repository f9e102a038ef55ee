#pragma once

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include <QLineF>
#include <QRect>
#include <QSize>

#include "base/palette.h"
#include "editor/drawing/tile_grid.h"

namespace ferlo {

// The lines a drawing area shows, kept so that a change is painted only
// where it changes the picture. The picture is what lies under the drawing
// with every line shown painted over it in the drawing order.
//
// A part's drawing of itself (between `beginPart` and `endPart`) takes the
// place of the part's previous drawing, in the part's place in the drawing
// order: the order in which the parts first drew since the scene was
// emptied. A line drawn again where it was, in the same colour, changes
// nothing, so a part drawn again as it stands costs no painting. Its white
// lines are not kept: they erase its previous drawing, which the new one
// replaces anyway.
//
// Lines drawn outside a part's drawing are loose lines: each is drawn over
// what was drawn before, and a white loose line erases the loose lines
// with the same two ends.
class DrawingScene {
public:
    struct Line {
        QLineF line;
        PaletteColor color;
    };
    // A range of places in the drawing order, from `first` to `last`: each
    // part has one, the loose lines share one. Empty when `first > last`.
    struct Places {
        std::uint64_t first = UINT64_MAX;
        std::uint64_t last = 0;
        bool empty() const { return first > last; }
        bool contains(std::uint64_t place) const { return place >= first && place <= last; }
        bool operator==(const Places&) const = default;
    };
    static constexpr Places kAllPlaces{0, UINT64_MAX};

    explicit DrawingScene(QSize size = {1, 1}) { reset(size); }

    // Empties the scene, for an image of `size`.
    void reset(QSize size);
    const TileGrid& grid() const { return grid_; }

    // The part whose drawing the lines that follow are (none: loose lines);
    // returns the part drawn before, which `endPart` takes back. A part that
    // begins again within its own drawing goes on with it.
    const void* beginPart(const void* part);
    void endPart(const void* before);
    void draw(const QLineF& line, PaletteColor color);

    // ---- What changed since the last `settle` ----
    // The tiles whose pixels follow from the lines no more.
    const std::vector<int>& damagedTiles() const { return damagedList_; }
    // The places of the parts (and loose lines) that changed.
    Places changedPlaces() const { return changed_; }
    // The lines drawn since that lie above every line painted before, in
    // the drawing order: painted over the repaired tiles, they finish the
    // picture.
    std::vector<Line> linesOnTop();
    // The changes are painted: they are forgotten.
    void settle();

    // Every line shown, in the drawing order.
    template <typename Paint>
    void forEachLine(Paint paint);
    // Calls `paint(line)` for every line shown near one of `tiles` (sorted)
    // whose part's place is in `places`, in the drawing order.
    template <typename Paint>
    void forEachLineNear(const std::vector<int>& tiles, Places places, Paint paint);

private:
    struct Stored {
        QLineF line;
        PaletteColor color;
        std::uint64_t order;  // the part's place, then the line's within its drawing
        std::uint32_t visit = 0;
        bool shown = true;
    };
    struct Slot {
        std::uint64_t place = 0;  // 0 until the part first draws
        std::vector<std::uint32_t> lines;
        std::uint32_t cursor = 0;  // the next line of the drawing under way
        bool drawing = false;
    };

    Slot& slotOf(const void* part);
    // The part takes the next place in the drawing order.
    void givePlace(Slot& slot);
    void drawLoose(const QLineF& line, PaletteColor color);
    void eraseLoose(const QLineF& line);
    void drawInPart(Slot& slot, const QLineF& line, PaletteColor color);
    // The lines of the part's drawing not drawn again are hidden.
    void finish(Slot& slot);
    std::uint32_t add(const QLineF& line, PaletteColor color, std::uint64_t order);
    void change(std::uint32_t id, const QLineF& line, PaletteColor color);
    void hide(std::uint32_t id);
    // Enters the line in the tiles near it; `damaging`: damages them too.
    void index(std::uint32_t id, bool damaging);
    void damage(const QLineF& line);
    void markDamaged(int tile);
    // Where a line that lights a pixel of `tile` lies within.
    QRectF nearTile(int tile) const { return QRectF(grid_.rect(tile)).adjusted(-3, -3, 3, 3); }
    static bool comesNear(const QLineF& line, const QRectF& near) {
        return std::max(line.x1(), line.x2()) >= near.left() && std::min(line.x1(), line.x2()) <= near.right() &&
               std::max(line.y1(), line.y2()) >= near.top() && std::min(line.y1(), line.y2()) <= near.bottom();
    }
    // Drops from the tile's entries those of lines hidden or moved away, and
    // repeated ones, once they may be as many as those kept. A painted line
    // that moves or hides damages the tiles it leaves, so pruning the damaged
    // tiles keeps the entries few.
    void prune(int tile);
    // A new mark for the lines a walk meets; the marks start again when
    // they run out.
    std::uint32_t nextVisit();
    // The line has changed: its part's place is among the changed ones.
    void noteChange(std::uint32_t id);
    bool painted(std::uint32_t id) const { return lines_[id].order <= paintedUpTo_; }
    // Calls `paint` for the lines `ids` names, in the drawing order.
    template <typename Paint>
    void paintInOrder(const std::vector<std::uint32_t>& ids, Paint paint);
    // Calls `paint` for the lines of the parts in `places`, in the drawing
    // order, walking the parts' drawings.
    template <typename Paint>
    void walkPlaces(Places places, Paint paint);
    // How many lines the parts in `places` show, counted up to `enough`.
    std::size_t linesIn(Places places, std::size_t enough) const;
    // Drops the hidden lines and stale tile entries once they outnumber the rest.
    void compactWhenSparse();

    TileGrid grid_;
    std::vector<Stored> lines_;
    std::size_t hidden_ = 0;
    std::vector<std::vector<std::uint32_t>> tiles_;  // the lines near each tile, some stale until pruned
    std::size_t tileEntries_ = 0;
    std::vector<std::uint32_t> keptEntries_;  // by tile: its entries at its last pruning
    std::unordered_map<const void*, Slot> slots_;  // nullptr: the loose lines
    std::vector<Slot*> byPlace_;                   // the slot of each place from 1, at `place - 1`
    const void* part_ = nullptr;
    Slot* current_ = nullptr;
    std::uint64_t places_ = 0;
    std::uint64_t paintedUpTo_ = 0;  // the highest order painted so far
    std::uint32_t visits_ = 0;
    std::vector<std::uint8_t> damaged_;  // by tile
    std::vector<int> damagedList_;
    std::vector<std::uint32_t> added_;  // lines added above everything painted
    Places changed_;
};

template <typename Paint>
void DrawingScene::paintInOrder(const std::vector<std::uint32_t>& ids, Paint paint) {
    // Sorted by order with the orders at hand, not looked up at each compare.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> ordered(ids.size());
    for (std::size_t k = 0; k < ids.size(); ++k) ordered[k] = {lines_[ids[k]].order, ids[k]};
    std::sort(ordered.begin(), ordered.end());
    for (const auto& [order, id] : ordered) paint(Line{lines_[id].line, lines_[id].color});
}

template <typename Paint>
void DrawingScene::walkPlaces(Places places, Paint paint) {
    const std::uint64_t last = std::min<std::uint64_t>(places.last, byPlace_.size());
    for (std::uint64_t place = std::max<std::uint64_t>(places.first, 1); place <= last; ++place) {
        for (std::uint32_t id : byPlace_[place - 1]->lines) {
            if (lines_[id].shown) paint(Line{lines_[id].line, lines_[id].color});
        }
    }
}

// Either walks the tiles' entries and sorts the lines found, or walks the
// parts' drawings in order (lines that come near the tiles' bounds but not
// near a tile light no pixel of them): whichever has fewer lines to look at.
template <typename Paint>
void DrawingScene::forEachLineNear(const std::vector<int>& tiles, Places places, Paint paint) {
    std::size_t entries = 0;
    QRect bounds;
    for (int tile : tiles) {
        entries += tiles_[static_cast<std::size_t>(tile)].size();
        bounds |= grid_.rect(tile);
    }
    if (linesIn(places, entries + 1) <= entries) {
        const QRectF near = QRectF(bounds).adjusted(-3, -3, 3, 3);
        walkPlaces(places, [&](const Line& l) {
            if (comesNear(l.line, near)) paint(l);
        });
        return;
    }
    const std::uint32_t visit = nextVisit();
    std::vector<std::uint32_t> found;
    for (int tile : tiles) {
        const QRectF near = nearTile(tile);
        for (std::uint32_t id : tiles_[static_cast<std::size_t>(tile)]) {
            Stored& s = lines_[id];
            if (!s.shown || s.visit == visit || !places.contains(s.order >> 32)) continue;
            if (!comesNear(s.line, near)) continue;  // an entry left by a line that has moved since
            s.visit = visit;
            found.push_back(id);
        }
    }
    paintInOrder(found, paint);
}

template <typename Paint>
void DrawingScene::forEachLine(Paint paint) {
    walkPlaces(kAllPlaces, paint);
}

}  // namespace ferlo

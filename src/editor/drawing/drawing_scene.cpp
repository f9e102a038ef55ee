#include "editor/drawing/drawing_scene.h"

#include <cstdint>

namespace ferlo {

namespace {

// Exactly the same line: the same ends in the same order.
bool sameLine(const QLineF& a, const QLineF& b) {
    return a.x1() == b.x1() && a.y1() == b.y1() && a.x2() == b.x2() && a.y2() == b.y2();
}

// The same two ends, in either order: what a white line erases.
bool sameEnds(const QLineF& a, const QLineF& b) {
    return sameLine(a, b) || (a.x1() == b.x2() && a.y1() == b.y2() && a.x2() == b.x1() && a.y2() == b.y1());
}

std::uint64_t orderOf(std::uint64_t place, std::uint32_t index) { return place << 32 | index; }

}  // namespace

void DrawingScene::reset(QSize size) {
    grid_ = TileGrid(size);
    lines_.clear();
    hidden_ = 0;
    tiles_.assign(static_cast<std::size_t>(grid_.count()), {});
    tileEntries_ = 0;
    keptEntries_.assign(static_cast<std::size_t>(grid_.count()), 0);
    slots_.clear();
    part_ = nullptr;
    current_ = nullptr;
    places_ = 0;
    byPlace_.clear();
    paintedUpTo_ = 0;
    damaged_.assign(static_cast<std::size_t>(grid_.count()), 0);
    damagedList_.clear();
    added_.clear();
    changed_ = {};
}

DrawingScene::Slot& DrawingScene::slotOf(const void* part) { return slots_[part]; }

void DrawingScene::givePlace(Slot& slot) {
    slot.place = ++places_;
    byPlace_.push_back(&slot);
}

const void* DrawingScene::beginPart(const void* part) {
    if (part == part_) return part;
    const void* before = part_;
    part_ = part;
    current_ = part ? &slotOf(part) : nullptr;
    if (current_) current_->drawing = false;
    return before;
}

void DrawingScene::endPart(const void* before) {
    if (before == part_) return;
    if (current_) finish(*current_);
    part_ = before;
    current_ = before ? &slotOf(before) : nullptr;
}

void DrawingScene::draw(const QLineF& line, PaletteColor color) {
    if (current_ == nullptr) {
        if (color == kWhite) {
            eraseLoose(line);
        } else {
            drawLoose(line, color);
        }
    } else if (color != kWhite) {
        drawInPart(*current_, line, color);
    }
}

void DrawingScene::drawLoose(const QLineF& line, PaletteColor color) {
    Slot& loose = slotOf(nullptr);
    if (loose.place == 0) givePlace(loose);
    loose.lines.push_back(add(line, color, orderOf(loose.place, loose.cursor++)));
}

void DrawingScene::eraseLoose(const QLineF& line) {
    const auto loose = slots_.find(nullptr);
    if (loose == slots_.end()) return;
    std::erase_if(loose->second.lines, [&](std::uint32_t id) {
        if (!sameEnds(lines_[id].line, line)) return false;
        hide(id);
        return true;
    });
}

void DrawingScene::drawInPart(Slot& slot, const QLineF& line, PaletteColor color) {
    if (!slot.drawing) {
        slot.drawing = true;
        slot.cursor = 0;
        if (slot.place == 0) givePlace(slot);
    }
    if (slot.cursor < slot.lines.size()) {
        change(slot.lines[slot.cursor], line, color);
    } else {
        slot.lines.push_back(add(line, color, orderOf(slot.place, slot.cursor)));
    }
    ++slot.cursor;
}

void DrawingScene::finish(Slot& slot) {
    if (!slot.drawing) return;
    for (std::size_t k = slot.cursor; k < slot.lines.size(); ++k) hide(slot.lines[k]);
    slot.lines.resize(slot.cursor);
    slot.drawing = false;
}

std::uint32_t DrawingScene::add(const QLineF& line, PaletteColor color, std::uint64_t order) {
    const auto id = static_cast<std::uint32_t>(lines_.size());
    lines_.push_back({line, color, order});
    noteChange(id);
    const bool damaging = painted(id);
    index(id, damaging);
    if (!damaging) added_.push_back(id);
    return id;
}

void DrawingScene::change(std::uint32_t id, const QLineF& line, PaletteColor color) {
    Stored& s = lines_[id];
    const bool moved = !sameLine(s.line, line);
    if (!moved && s.color == color) return;
    noteChange(id);
    const bool damaging = painted(id);
    const int oldTile = grid_.onlyTileNear(s.line);
    if (damaging) {
        if (oldTile >= 0) {
            markDamaged(oldTile);
        } else {
            damage(s.line);
        }
    }
    s.line = line;
    s.color = color;
    // A line moved within the one tile near it keeps its entry there.
    if (moved && (oldTile < 0 || grid_.onlyTileNear(line) != oldTile)) index(id, damaging);
}

void DrawingScene::hide(std::uint32_t id) {
    Stored& s = lines_[id];
    s.shown = false;
    ++hidden_;
    noteChange(id);
    if (painted(id)) damage(s.line);
}

void DrawingScene::index(std::uint32_t id, bool damaging) {
    grid_.forEachTileNear(lines_[id].line, [&](int tile) {
        tiles_[static_cast<std::size_t>(tile)].push_back(id);
        ++tileEntries_;
        if (damaging) markDamaged(tile);
    });
}

void DrawingScene::noteChange(std::uint32_t id) {
    const std::uint64_t place = lines_[id].order >> 32;
    changed_.first = std::min(changed_.first, place);
    changed_.last = std::max(changed_.last, place);
}

void DrawingScene::damage(const QLineF& line) {
    grid_.forEachTileNear(line, [&](int tile) { markDamaged(tile); });
}

void DrawingScene::markDamaged(int tile) {
    std::uint8_t& marked = damaged_[static_cast<std::size_t>(tile)];
    if (marked) return;
    marked = 1;
    damagedList_.push_back(tile);
}

std::uint32_t DrawingScene::nextVisit() {
    if (++visits_ == 0) {
        for (Stored& s : lines_) s.visit = 0;
        visits_ = 1;
    }
    return visits_;
}

void DrawingScene::prune(int tile) {
    std::vector<std::uint32_t>& ids = tiles_[static_cast<std::size_t>(tile)];
    std::uint32_t& kept = keptEntries_[static_cast<std::size_t>(tile)];
    if (ids.size() < 2 * std::size_t{kept} + 16) return;
    const std::uint32_t visit = nextVisit();
    const QRectF near = nearTile(tile);
    tileEntries_ -= std::erase_if(ids, [&](std::uint32_t id) {
        Stored& s = lines_[id];
        if (!s.shown || s.visit == visit || !comesNear(s.line, near)) return true;
        s.visit = visit;
        return false;
    });
    kept = static_cast<std::uint32_t>(ids.size());
}

std::size_t DrawingScene::linesIn(Places places, std::size_t enough) const {
    std::size_t count = 0;
    const std::uint64_t last = std::min<std::uint64_t>(places.last, byPlace_.size());
    for (std::uint64_t place = std::max<std::uint64_t>(places.first, 1); place <= last && count < enough; ++place) {
        count += byPlace_[place - 1]->lines.size();
    }
    return count;
}

std::vector<DrawingScene::Line> DrawingScene::linesOnTop() {
    std::vector<std::uint32_t> shown;
    for (std::uint32_t id : added_) {
        if (lines_[id].shown) shown.push_back(id);
    }
    std::vector<Line> top;
    top.reserve(shown.size());
    paintInOrder(shown, [&](const Line& line) { top.push_back(line); });
    return top;
}

void DrawingScene::settle() {
    for (int tile : damagedList_) {
        damaged_[static_cast<std::size_t>(tile)] = 0;
        prune(tile);
    }
    damagedList_.clear();
    for (std::uint32_t id : added_) paintedUpTo_ = std::max(paintedUpTo_, lines_[id].order);
    added_.clear();
    changed_ = {};
    compactWhenSparse();
}

void DrawingScene::compactWhenSparse() {
    const std::size_t shown = lines_.size() - hidden_;
    if (hidden_ <= shown + 1024 && tileEntries_ <= 4 * shown + 4096) return;
    std::vector<std::uint32_t> renumbered(lines_.size());
    std::vector<Stored> kept;
    kept.reserve(shown);
    for (std::uint32_t id = 0; id < lines_.size(); ++id) {
        if (!lines_[id].shown) continue;
        renumbered[id] = static_cast<std::uint32_t>(kept.size());
        kept.push_back(lines_[id]);
    }
    for (auto& [part, slot] : slots_) {
        for (std::uint32_t& id : slot.lines) id = renumbered[id];
    }
    lines_ = std::move(kept);
    hidden_ = 0;
    for (auto& tile : tiles_) tile.clear();
    tileEntries_ = 0;
    std::fill(keptEntries_.begin(), keptEntries_.end(), 0);
    for (std::uint32_t id = 0; id < lines_.size(); ++id) {
        lines_[id].visit = 0;
        index(id, false);
    }
    visits_ = 0;
}

}  // namespace ferlo

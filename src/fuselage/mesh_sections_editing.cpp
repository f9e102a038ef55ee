#include "fuselage/mesh_sections.h"

#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "base/value_reader.h"

namespace ferlo {

namespace {

// The value at x of the straight line through (x1, y1) and (x2, y2); x1 and
// x2 differ.
double interpolateLinear(double y1, double y2, double x1, double x2, double x) {
    return y1 + (y2 - y1) * (x - x1) / (x2 - x1);
}

// One smoothing step of a section standing at `pos` between neighbours at
// `prevPos` and `nextPos`: three quarters of its value and a quarter of the
// value at `pos` of the straight line through its neighbours. Nothing when
// the neighbours stand at one position or the result is not finite.
std::optional<double> smoothValue(double prevPos, double pos, double nextPos, double prev, double cur, double next) {
    const double d1 = nextPos - pos;
    const double d2 = pos - prevPos;
    const double d3 = nextPos - prevPos;
    if (d3 == 0) return std::nullopt;
    const double value = (0.5 * prev * d1 + 0.5 * next * d2 + 1.5 * cur * d3) / (2 * d3);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

void MeshSections::insertSection(const ViewState& view) {
    const int n = nb_sections;
    if (nb_cross == 0 || n >= kMaxSections || sel_sec < 2 || sel_sec > n) return;
    const auto before = slotOf(sel_sec - 1);
    const auto after = slotOf(sel_sec);
    if (!before || !after || sec_pos[*before] == sec_pos[*after] || view.zoom == 0) return;

    // The model position of the mouse-down point in the Side and HTop views,
    // whose screen x is (position + pos_offset) zoom + xoff.
    const double position = (view.xloc - view.xoff) / view.zoom - pos_offset;
    std::array<double, kSectionArrays.size()> values{};
    for (std::size_t k = 0; k < kSectionArrays.size(); ++k) {
        const std::vector<double>& array = this->*kSectionArrays[k];
        values[k] = kSectionArrays[k] == &MeshSections::sec_pos
                        ? position
                        : interpolateLinear(array[*before], array[*after], sec_pos[*before], sec_pos[*after], position);
        if (!fitsProjectFile(values[k])) return;
    }

    // The new section takes storage slot n + 1 and display index sel_sec;
    // the display indices from sel_sec on move up by one.
    nb_sections = static_cast<std::int16_t>(n + 1);
    initArrays();
    const auto slot = static_cast<std::size_t>(nb_sections);
    for (std::size_t k = 0; k < kSectionArrays.size(); ++k) (this->*kSectionArrays[k])[slot] = values[k];
    for (std::size_t d = slot; d > static_cast<std::size_t>(sel_sec); --d) sec_index[d] = sec_index[d - 1];
    sec_index[static_cast<std::size_t>(sel_sec)] = static_cast<std::int16_t>(slot);
}

void MeshSections::removeSection() {
    const int n = nb_sections;
    const auto removed = slotOf(sel_sec);
    if (nb_cross == 0 || n < 3 || !removed || storedSections() < static_cast<std::size_t>(n)) return;

    // The later display entries move down by one, the storage behind the
    // removed slot closes up, and the display entries follow it.
    const auto last = static_cast<std::size_t>(n);
    for (auto d = static_cast<std::size_t>(sel_sec); d < last; ++d) sec_index[d] = sec_index[d + 1];
    for (std::size_t d = 1; d < last; ++d) {
        if (static_cast<std::size_t>(sec_index[d]) > *removed) --sec_index[d];
    }
    for (SectionArray array : kSectionArrays) {
        std::vector<double>& values = this->*array;
        for (std::size_t s = *removed; s < last; ++s) values[s] = values[s + 1];
    }
    nb_sections = static_cast<std::int16_t>(n - 1);
    initArrays();
}

template <typename LineOf, typename Apply>
void MeshSections::smoothLine(LineOf lineOf, Apply apply) {
    const int n = nb_sections;
    std::vector<std::optional<double>> smoothed(static_cast<std::size_t>(n > 0 ? n + 1 : 1));
    for (int d = 2; d <= n - 1; ++d) {
        const auto prev = slotOf(d - 1);
        const auto cur = slotOf(d);
        const auto next = slotOf(d + 1);
        if (!prev || !cur || !next) continue;
        smoothed[static_cast<std::size_t>(d)] = smoothValue(sec_pos[*prev], sec_pos[*cur], sec_pos[*next],
                                                            lineOf(*prev), lineOf(*cur), lineOf(*next));
    }
    for (int d = 2; d <= n - 1; ++d) {
        if (const auto& value = smoothed[static_cast<std::size_t>(d)]) apply(*slotOf(d), *value);
    }
}

void MeshSections::smoothTop() {
    smoothLine([this](std::size_t s) { return sec_elevation[s] + sec_height[s] + elevation_offset; },
               [this](std::size_t s, double top) {
                   const double height = top - sec_elevation[s] - elevation_offset;
                   if (std::isfinite(height)) sec_height[s] = height;
               });
}

// The bottom line moves; the height follows so that the top line stays.
void MeshSections::smoothDown() {
    smoothLine([this](std::size_t s) { return sec_elevation[s] + elevation_offset; },
               [this](std::size_t s, double bottom) {
                   const double top = sec_elevation[s] + sec_height[s] + elevation_offset;
                   const double elevation = bottom - elevation_offset;
                   const double height = top - elevation - elevation_offset;
                   if (std::isfinite(elevation) && std::isfinite(height)) {
                       sec_elevation[s] = elevation;
                       sec_height[s] = height;
                   }
               });
}

void MeshSections::SmoothWidth() {
    smoothLine([this](std::size_t s) { return sec_width[s]; },
               [this](std::size_t s, double width) { sec_width[s] = width; });
}

}  // namespace ferlo

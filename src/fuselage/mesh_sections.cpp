#include "fuselage/mesh_sections.h"

#include <algorithm>
#include <cmath>

#include "base/one_based.h"
#include "base/length_conversion.h"

namespace ferlo {

const std::array<MeshSections::SectionArray, 7> MeshSections::kSectionArrays{
    &MeshSections::sec_height,    &MeshSections::sec_width,      &MeshSections::sec_pos,  &MeshSections::sec_elevation,
    &MeshSections::sec_curvature, &MeshSections::sec_curvature2, &MeshSections::sec_bias,
};

namespace {

// The sections of a new fuselage, in millimetres, front to rear.
struct DefaultSection {
    double height, width, pos, elevation;
};
constexpr std::array<DefaultSection, 3> kDefaultSections{{
    {20, 20, 0, 10},
    {100, 100, 200, 10},
    {10, 10, 800, 30},
}};

}  // namespace

MeshSections::MeshSections(LengthUnit units, const ColorRGB& defaultColor) : szoom(10.0), color(defaultColor) {
    nb_sections = static_cast<std::int16_t>(kDefaultSections.size());
    nb_cross = 8;
    initArrays();  // display order = storage order
    for (std::size_t s = 1; s <= kDefaultSections.size(); ++s) {
        const DefaultSection& section = kDefaultSections[s - 1];
        sec_height[s] = section.height;
        sec_width[s] = section.width;
        sec_pos[s] = section.pos;
        sec_elevation[s] = section.elevation;
        sec_curvature[s] = 1.0;
        sec_curvature2[s] = 1.0;
        sec_bias[s] = 0.5;
    }
    if (units == LengthUnit::Inches) switchToInches();
}

MeshSections MeshSections::copyOf(MeshSections& source) {
    MeshSections copy{Blank{}};
    copy.nb_sections = source.nb_sections;
    copy.nb_cross = source.nb_cross;
    copy.initArrays();  // display order = storage order
    // Each section is read through the source's selected-section accessors,
    // which leaves the source's last section selected.
    for (int d = 1; d <= copy.nb_sections; ++d) {
        source.sel_sec = static_cast<std::int16_t>(d);
        const auto slot = static_cast<std::size_t>(d);
        for (SectionArray array : kSectionArrays) (copy.*array)[slot] = source.selectedValue(array);
    }
    copy.transparent = source.transparent;
    copy.color = source.colorGet();
    copy.uniqueCurvature = source.uniqueCurvature;
    copy.linkedCurvatures = source.linkedCurvatures;
    return copy;
}

MeshSections MeshSections::newFuselage(bool ctrlkey_tab, MeshSections& current, LengthUnit units,
                                       const ColorRGB& defaultColor) {
    return ctrlkey_tab ? copyOf(current) : MeshSections(units, defaultColor);
}

std::optional<std::size_t> MeshSections::slotOf(int d) const {
    if (d < 1 || d > nb_sections || static_cast<std::size_t>(d) >= sec_index.size()) return std::nullopt;
    const int slot = sec_index[static_cast<std::size_t>(d)];
    if (slot < 1 || slot > nb_sections || static_cast<std::size_t>(slot) >= sec_height.size()) return std::nullopt;
    return static_cast<std::size_t>(slot);
}

double MeshSections::sectionValue(SectionArray array, int d) const {
    const auto slot = slotOf(d);
    return slot ? (this->*array)[*slot] : 0.0;
}

double MeshSections::selectedValue(SectionArray array) const { return sectionValue(array, sel_sec); }

void MeshSections::setSelected(SectionArray array, double value) {
    const auto slot = slotOf(sel_sec);
    if (slot && std::isfinite(value)) (this->*array)[*slot] = value;
}

void MeshSections::setShapeValue(SectionArray array, double value) {
    if (!slotOf(sel_sec) || !std::isfinite(value)) return;
    if (!uniqueCurvature) {
        setSelected(array, value);
        return;
    }
    for (int d = 1; d <= nb_sections; ++d) {
        if (const auto slot = slotOf(d)) (this->*array)[*slot] = value;
    }
}

double MeshSections::widthGet() const { return selectedValue(&MeshSections::sec_width); }
void MeshSections::widthSet(double w) { setSelected(&MeshSections::sec_width, w); }
double MeshSections::heightGet() const { return selectedValue(&MeshSections::sec_height); }
void MeshSections::heightSet(double h) { setSelected(&MeshSections::sec_height, h); }
double MeshSections::elevationGet() const { return selectedValue(&MeshSections::sec_elevation); }
void MeshSections::elevationSet(double e) { setSelected(&MeshSections::sec_elevation, e); }
double MeshSections::posGet() const { return selectedValue(&MeshSections::sec_pos); }
void MeshSections::posSet(double e) { setSelected(&MeshSections::sec_pos, e); }
double MeshSections::curvatureGet() const { return selectedValue(&MeshSections::sec_curvature); }
void MeshSections::curvatureSet(double e) { setShapeValue(&MeshSections::sec_curvature, e); }
double MeshSections::curvature2Get() const { return selectedValue(&MeshSections::sec_curvature2); }
void MeshSections::curvature2Set(double e) { setShapeValue(&MeshSections::sec_curvature2, e); }
double MeshSections::bias_curveGet() const { return selectedValue(&MeshSections::sec_bias); }
void MeshSections::bias_curveSet(double e) { setShapeValue(&MeshSections::sec_bias, e); }

std::size_t MeshSections::storedSections() const {
    return std::min(static_cast<std::size_t>(std::max<int>(nb_sections, 0)),
                    sec_height.empty() ? 0 : sec_height.size() - 1);
}

// Keeps a candidate only when it is strictly larger (or smaller) than the
// running value.
template <typename ValueOf>
double MeshSections::extent(bool largest, ValueOf valueOf) const {
    if (storedSections() == 0) return 0;
    double result = valueOf(1);
    for (std::size_t s = 2; s <= storedSections(); ++s) {
        const double candidate = valueOf(s);
        if (largest ? candidate > result : candidate < result) result = candidate;
    }
    return result;
}

double MeshSections::lengthPoint() const {
    return extent(true, [this](std::size_t s) { return sec_pos[s]; }) + pos_offset;
}

double MeshSections::startpoint() const {
    return extent(false, [this](std::size_t s) { return sec_pos[s]; }) + pos_offset;
}

double MeshSections::maxElevationPoint() const {
    return extent(true, [this](std::size_t s) { return sec_elevation[s] + sec_height[s]; }) + elevation_offset;
}

double MeshSections::minElevationPoint() const {
    return extent(false, [this](std::size_t s) { return sec_elevation[s]; }) + elevation_offset;
}

double MeshSections::maxWidthPoint() const {
    return extent(true, [this](std::size_t s) { return sec_width[s]; });
}

void MeshSections::initArrays() {
    nb_sections = std::clamp<std::int16_t>(nb_sections, 0, kMaxSections);
    nb_cross = std::clamp<std::int16_t>(nb_cross, 0, kMaxCrossPoints);
    const std::size_t slots = oneBasedSlots(nb_sections);
    sec_index.resize(slots, 0);
    for (SectionArray array : kSectionArrays) (this->*array).resize(slots, 0.0);
    // The views' screen points keep what they hold; new ones are zero.
    side_bottom_pts.resize(slots, Point2D{});
    side_top_pts.resize(slots, Point2D{});
    vtop_pts.resize(oneBasedSlots(2 * nb_sections), Point2D{});
    // sec_index(1..nb_sections) stays a permutation of 1..nb_sections: an
    // entry that names no slot of the new count, or one an earlier entry
    // names, takes the lowest slot no entry names. After growth the new
    // display indices thus name the new, zero slots.
    std::vector<bool> named(slots, false);
    std::vector<std::size_t> unnamedEntries;
    for (std::size_t d = 1; d < slots; ++d) {
        const int slot = sec_index[d];
        if (slot >= 1 && static_cast<std::size_t>(slot) < slots && !named[static_cast<std::size_t>(slot)]) {
            named[static_cast<std::size_t>(slot)] = true;
        } else {
            unnamedEntries.push_back(d);
        }
    }
    std::size_t freeSlot = 1;
    for (std::size_t d : unnamedEntries) {
        while (named[freeSlot]) ++freeSlot;
        named[freeSlot] = true;
        sec_index[d] = static_cast<std::int16_t>(freeSlot);
    }

    // The screen points of the Front and HTop views: the HTop rows keep their
    // points; the Front outlines are dropped, and computeFrontPoints sizes
    // them to what there is when the view needs them.
    htop_pts1.resize(slots);
    htop_pts2.resize(slots);
    front_pts = {};
}

void MeshSections::fillCurvatureArrays() {
    for (std::size_t s = 1; s <= storedSections(); ++s) {
        sec_curvature2[s] = sec_curvature[s];
        sec_bias[s] = 0.5;
    }
}

template <typename Convert>
void MeshSections::convertLengths(Convert convert) {
    std::vector<double*> lengths{&shift, &pos_offset, &elevation_offset};
    for (int d = 1; d <= nb_sections; ++d) {
        const auto slot = slotOf(d);
        if (!slot) continue;
        for (std::size_t k = 0; k < kLengthArrays; ++k) lengths.push_back(&(this->*kSectionArrays[k])[*slot]);
    }
    convertAllLengths(lengths, convert, "fuselage");
}

void MeshSections::switchToInches() {
    convertLengths([](double v) { return toInches(v); });
}

void MeshSections::switchToMillimeters() {
    convertLengths([](double v) { return toMillimeters(v); });
}

void MeshSections::rescale(double k) {
    convertLengths([k](double v) { return v * k; });
}

}  // namespace ferlo

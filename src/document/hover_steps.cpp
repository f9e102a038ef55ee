// The hover rows of the drawing area's mouse protocol: while nothing is
// grabbed, the parts a view edits follow the pointer, and a part is drawn
// again only when what lies under the pointer changes its highlight.

#include "document/mouse_steps.h"
#include "document/view_drawing.h"

namespace ferlo {

void HoverMemory::viewDrawn(const std::vector<std::int32_t>& composition) {
    entries_.clear();
    fresh_ = Entry::Known::Plain;
    composition_ = composition;
}

void HoverMemory::forget() {
    entries_.clear();
    fresh_ = Entry::Known::Nothing;
}

void HoverMemory::startRow(const std::vector<std::int32_t>& composition) {
    if (composition != composition_) {
        forget();
        composition_ = composition;
    }
    next_ = 0;
}

HoverMemory::Entry& HoverMemory::next() {
    if (next_ >= entries_.size()) entries_.resize(next_ + 1, Entry{fresh_});
    return entries_[next_++];
}

namespace {

template <typename Part>
HoverMemory::Marks marksOf(const Part& part) {
    HoverMemory::Marks marks{part.selected, Part::kIdlePaint, 0};
    if constexpr (requires { part.selected_part; }) marks.selectedPart = part.selected_part;
    if constexpr (requires { part.sel_sec; }) marks.section = part.sel_sec;
    return marks;
}

// One part's hover: `test()` gives the hit code under the pointer (a hit on
// a fuselage also selects its section); unless the part was last drawn for
// that code and section, with its marks as that drawing left them,
// `follow()` (the part's mouse-move step) highlights and draws it again. A
// part a whole view drew plain, not marked since, stands drawn for nothing
// under the pointer; it keeps the code of its test, as its step would.
template <typename Part, typename Test, typename Follow>
void hoverPart(HoverMemory::Entry& entry, Part& part, Test test, Follow follow) {
    using Known = HoverMemory::Entry::Known;
    const HoverMemory::Marks before = marksOf(part);
    const std::int32_t code = test();
    const std::int16_t section = marksOf(part).section;
    if (entry.known == Known::Plain && code == Part::kIdlePaint && !before.selected) {
        if constexpr (requires { part.selected_part; }) part.selected_part = code;
        return;
    }
    if (entry.known == Known::Hover && entry.code == code && entry.section == section && entry.marks == before) return;
    follow();
    entry = {Known::Hover, code, section, marksOf(part)};
}

// A part whose hover test and mouse-move step are the view's members.
template <typename Part>
void hoverMembers(HoverMemory& memory, Part& part, const ViewContext& ctx, double x, double y,
                  std::int32_t (Part::*test)(double, double) const,
                  void (Part::*follow)(const ViewContext&, double, double)) {
    hoverPart(memory.next(), part, [&] { return (part.*test)(x, y); }, [&] { (part.*follow)(ctx, x, y); });
}

void hoverBoxes(Plane& plane, const ViewContext& ctx, HoverMemory& memory, double x, double y,
                std::int32_t (ElectroBox::*test)(double, double) const,
                void (ElectroBox::*follow)(const ViewContext&, double, double)) {
    for (int i = 1; i <= plane.equipment.nbBoxes; ++i) hoverMembers(memory, plane.equipment.box(i), ctx, x, y, test, follow);
}

// The wing panels, then the stabiliser.
void hoverSurfaces(Plane& plane, const ViewContext& ctx, HoverMemory& memory, double x, double y,
                   std::int32_t (SymWingSections::*test)(double, double) const,
                   void (SymWingSections::*follow)(const ViewContext&, double, double)) {
    for (int i = 1; i <= plane.mainWing.nbWings; ++i) hoverMembers(memory, plane.mainWing.wing(i), ctx, x, y, test, follow);
    hoverMembers(memory, plane.stab, ctx, x, y, test, follow);
}

}  // namespace

std::vector<std::int32_t> hoverComposition(const Plane& plane, ViewKind mode, bool equipmentTabOpen) {
    return {static_cast<std::int32_t>(mode), equipmentTabOpen, plane.mainWing.nbWings, plane.equipment.nbBoxes,
            plane.fuselages.currentFuselage, currentShown(plane.fuselages)};
}

void hoverVTop(Plane& plane, const ViewContext& ctx, HoverMemory& memory, double x, double y) {
    memory.startRow(hoverComposition(plane, ViewKind::VTop, false));
    hoverSurfaces(plane, ctx, memory, x, y, &SymWingSections::testPositionVTop, &SymWingSections::selectsVTop);
    if (currentShown(plane.fuselages)) {
        hoverMembers(memory, plane.fuselages.current(), ctx, x, y, &MeshSections::testPositionVTop,
                     &MeshSections::selectsVTop);
    }
}

void hoverFront(Plane& plane, const ViewContext& ctx, HoverMemory& memory, double x, double y) {
    memory.startRow(hoverComposition(plane, ViewKind::Front, false));
    hoverSurfaces(plane, ctx, memory, x, y, &SymWingSections::testPositionFront, &SymWingSections::selectsFront);
    hoverMembers(memory, plane.fin, ctx, x, y, &VertWingSection::testPositionFront, &VertWingSection::selectsFront);
}

void hoverSide(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, HoverMemory& memory, double x, double y) {
    memory.startRow(hoverComposition(plane, ViewKind::Side, equipmentTabOpen));
    if (equipmentTabOpen) {
        hoverBoxes(plane, ctx, memory, x, y, &ElectroBox::testPositionSide, &ElectroBox::selectsSide);
        return;
    }
    if (currentShown(plane.fuselages)) {
        MeshSections& f = plane.fuselages.current();
        hoverPart(memory.next(), f, [&] { return f.testPositionSide(x, y, ctx.view.ctrlkey); },
                  [&] { f.selectsSide(ctx, x, y); });
    }
    hoverMembers(memory, plane.fin, ctx, x, y, &VertWingSection::testPositionSide, &VertWingSection::selectsSide);
}

void hoverHTop(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, HoverMemory& memory, double x, double y) {
    memory.startRow(hoverComposition(plane, ViewKind::HTop, equipmentTabOpen));
    if (equipmentTabOpen) {
        hoverBoxes(plane, ctx, memory, x, y, &ElectroBox::testPositionHTop, &ElectroBox::selectsHTop);
    } else if (currentShown(plane.fuselages)) {
        MeshSections& f = plane.fuselages.current();
        hoverPart(memory.next(), f, [&] { return f.testPositionHTop(ctx.view, x, y); },
                  [&] { f.selectsHTop(ctx, x, y); });
    }
}

}  // namespace ferlo

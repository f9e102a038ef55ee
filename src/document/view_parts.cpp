#include "document/view_parts.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace ferlo {

namespace {

enum class Kind { Panels, Stab, OtherFuselages, Fuselage, Fin, Boxes };

// A run of the view's drawing: one kind of part, `count` of them, and
// whether the view edits them.
struct Run {
    Kind kind;
    int count;
    bool edited;
};

// The order in which a view draws its parts (drawView).
std::vector<Run> drawingOrder(const Plane& plane, ViewKind mode, bool equipmentTabOpen) {
    const int panels = plane.mainWing.nbWings;
    const int boxes = plane.equipment.nbBoxes;
    const bool fuselageTab = !equipmentTabOpen;
    switch (mode) {
    case ViewKind::VTop:
        return {{Kind::Panels, panels, true}, {Kind::Stab, 1, true}, {Kind::OtherFuselages, 1, false},
                {Kind::Fuselage, 1, true}, {Kind::Fin, 1, false}};
    case ViewKind::Front:
        return {{Kind::Panels, panels, true}, {Kind::Stab, 1, true}, {Kind::Fuselage, 1, false},
                {Kind::Fin, 1, true}};
    case ViewKind::Side: {
        std::vector<Run> order;
        if (equipmentTabOpen) order.push_back({Kind::Boxes, boxes, true});
        order.insert(order.end(), {{Kind::OtherFuselages, 1, false}, {Kind::Fuselage, 1, fuselageTab},
                                   {Kind::Fin, 1, fuselageTab}, {Kind::Panels, 1, false}, {Kind::Stab, 1, false}});
        return order;
    }
    case ViewKind::HTop:
        return {{Kind::OtherFuselages, 1, false}, {Kind::Fuselage, 1, fuselageTab}, {Kind::Boxes, boxes, equipmentTabOpen},
                {Kind::Panels, 1, false}, {Kind::Stab, 1, false}};
    }
    return {};
}

bool grabbed(Plane& plane, Kind kind, int i) {
    switch (kind) {
    case Kind::Panels: return plane.mainWing.wing(i).paint != SymWingSections::kIdlePaint;
    case Kind::Stab: return plane.stab.paint != SymWingSections::kIdlePaint;
    case Kind::Fuselage: return plane.fuselages.current().paint != MeshSections::kIdlePaint;
    case Kind::Fin: return plane.fin.paint != VertWingSection::kIdlePaint;
    case Kind::Boxes: return plane.equipment.box(i).paint != ElectroBox::kIdlePaint;
    case Kind::OtherFuselages: return false;
    }
    return false;
}

void include(ViewParts& parts, Kind kind, int i) {
    const auto widen = [i](NumberRange& r) {
        r = r.empty() ? NumberRange{i, i} : NumberRange{std::min(r.first, i), std::max(r.last, i)};
    };
    switch (kind) {
    case Kind::Panels: widen(parts.panels); break;
    case Kind::Stab: parts.stab = true; break;
    case Kind::OtherFuselages: parts.otherFuselages = true; break;
    case Kind::Fuselage: parts.fuselage = true; break;
    case Kind::Fin: parts.fin = true; break;
    case Kind::Boxes: widen(parts.boxes); break;
    }
}

// Calls `action(kind, number, position)` for every part of the order, the
// position counting from 0 in drawing order.
template <typename Action>
void forEachPart(const std::vector<Run>& order, Action action) {
    int position = 0;
    for (const Run& run : order) {
        for (int i = 1; i <= run.count; ++i) action(run, i, position++);
    }
}

}  // namespace

ViewParts ViewParts::all() {
    constexpr int most = std::numeric_limits<int>::max();
    return {{1, most}, true, true, true, true, {1, most}};
}

std::optional<ViewParts> dragSpanOf(Plane& plane, ViewKind mode, bool equipmentTabOpen) {
    const std::vector<Run> order = drawingOrder(plane, mode, equipmentTabOpen);
    int first = -1;
    int last = -1;
    forEachPart(order, [&](const Run& run, int i, int position) {
        if (!run.edited || !grabbed(plane, run.kind, i)) return;
        if (first < 0) first = position;
        last = position;
    });
    if (first < 0) return std::nullopt;
    ViewParts span;
    forEachPart(order, [&](const Run& run, int i, int position) {
        if (first <= position && position <= last) include(span, run.kind, i);
    });
    return span;
}

}  // namespace ferlo

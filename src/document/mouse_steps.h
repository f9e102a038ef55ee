#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/view_state.h"
#include "document/plane.h"
#include "document/view_kind.h"
#include "document/view_parts.h"

namespace ferlo {

// What a mouse-down's Ctrl section edit did in the Side or HTop view.
enum class SectionEdit { None, Inserted, Removed };

// What the last hover steps found under the pointer for each part a view
// edits, so that a hover step draws again only the parts whose highlight
// changes. The hover rows ask the parts in a fixed order and take one entry
// a part, in that order.
class HoverMemory {
public:
    // The hover marks of a part: `selected`, `selected_part` (the idle code
    // for a part without one) and the fuselage's `sel_sec` (0 for the others).
    struct Marks {
        bool selected = false;
        std::int32_t selectedPart = 0;
        std::int16_t section = 0;
        bool operator==(const Marks&) const = default;
    };
    struct Entry {
        enum class Known { Nothing, Plain, Hover } known = Known::Nothing;
        std::int32_t code = 0;      // the hit code the part was last drawn for
        std::int16_t section = 0;   // the section that hit selected
        Marks marks;                // the part's marks after that drawing
    };

    // Every part the view edits is drawn plain, as a whole view of
    // `composition` draws it.
    void viewDrawn(const std::vector<std::int32_t>& composition);
    // What the parts show is not known: each is asked to draw itself again.
    void forget();
    // A hover row begins, over the parts `composition` describes
    // (`hoverComposition`); what was known of another composition is
    // forgotten.
    void startRow(const std::vector<std::int32_t>& composition);
    Entry& next();

private:
    std::vector<Entry> entries_;
    Entry::Known fresh_ = Entry::Known::Nothing;  // what an entry not yet taken knows
    std::vector<std::int32_t> composition_;
    std::size_t next_ = 0;
};

// The drawing area's mouse protocol with the parts, one function per view
// and event, each in the order the parts are asked.
//
// Mouse-down: every part the view edits takes its hit code as `paint` and
// the start values of the drag it names; several parts may be grabbed at
// once and move together. In the Side and HTop views, with Ctrl, a click
// into the gap between two sections of the current fuselage inserts a
// section there and a click on a section line removes that section; either
// ends the gesture (the fuselage is left idle).
//
// Mouse-move and mouse-up redraw the parts named by `parts`: the whole view,
// or while a drag is under way the grabbed span, the drawing surface keeping
// what does not move as drawn at the grab. Parts outside `parts` neither
// hover nor redraw. At mouse-up every part the view edits is idle again, and
// every part a move may have drawn lit is redrawn without its highlight.
// Hover rows (a move while nothing is grabbed): each part the view edits
// takes its hover test, and only a part whose highlight changes (its hit
// code, the fuselage's section) is drawn again through its mouse-move step;
// the parts a view only shows are not drawn. The drawing surface keeps the
// rest as it was drawn, so a hover costs what the parts whose highlight
// changes cost.
// What decides which parts a view's hover row asks, and in which order: the
// view, its tab, and the counts of its parts.
std::vector<std::int32_t> hoverComposition(const Plane& plane, ViewKind mode, bool equipmentTabOpen);
void hoverVTop(Plane& plane, const ViewContext& ctx, HoverMemory& memory, double x, double y);
void hoverFront(Plane& plane, const ViewContext& ctx, HoverMemory& memory, double x, double y);
void hoverSide(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, HoverMemory& memory, double x, double y);
void hoverHTop(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, HoverMemory& memory, double x, double y);

void mouseDownVTop(Plane& plane, const ViewState& view, double x, double y);
void mouseMoveVTop(Plane& plane, const ViewContext& ctx, const ViewParts& parts, double x, double y);
void mouseUpVTop(Plane& plane, const ViewContext& ctx, const ViewParts& parts);

void mouseDownFront(Plane& plane, const ViewState& view, double x, double y);
void mouseMoveFront(Plane& plane, const ViewContext& ctx, const ViewParts& parts, double x, double y);
void mouseUpFront(Plane& plane, const ViewContext& ctx, const ViewParts& parts);

// While the parameter panels show the equipment tab (`equipmentTabOpen`)
// the Side and HTop views edit the equipment boxes only.
SectionEdit mouseDownSide(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, double x, double y);
void mouseMoveSide(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts, double x,
                   double y);
void mouseUpSide(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts);

SectionEdit mouseDownHTop(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, double x, double y);
void mouseMoveHTop(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts, double x,
                   double y);
void mouseUpHTop(Plane& plane, const ViewContext& ctx, bool equipmentTabOpen, const ViewParts& parts);

}  // namespace ferlo

#pragma once

#include "document/plane.h"
#include "editor/window/editor_state.h"

namespace ferlo {

// Runs `action(part)` on the part the open parameter tab edits, which the
// Palette command and the texture branch of the Open command act on: the
// current fuselage, the current wing panel, the stabiliser or the fin.
// False, and nothing runs, on the electronics tab. A current index naming
// no part throws std::out_of_range.
template <typename Action>
bool withPartOfTab(Plane& plane, ParameterTab tab, Action action) {
    switch (tab) {
    case ParameterTab::Fuselage: action(plane.fuselages.current()); return true;
    case ParameterTab::Wing: action(plane.mainWing.current()); return true;
    case ParameterTab::Stab: action(plane.stab); return true;
    case ParameterTab::Fin: action(plane.fin); return true;
    case ParameterTab::Electronics: break;
    }
    return false;
}

}  // namespace ferlo

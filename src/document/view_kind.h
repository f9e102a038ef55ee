#pragma once

namespace ferlo {

// The 2D views (`Main.mode`): the plan of the whole model, the view from
// ahead, the side view and the plan along the fuselage axis.
enum class ViewKind { VTop = 1, Front = 2, Side = 3, HTop = 4 };

}  // namespace ferlo

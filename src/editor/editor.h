#pragma once

#include <functional>
#include <type_traits>

#include "editor/editor_state.h"
#include "editor/failure_rule.h"

namespace ferlo {

class Plane;
class UserDialogs;
struct MainControls;
struct EditorEnvironment;

// What must follow a change of the aircraft or of what the editor shows.
// The model emits nothing, so every change names its follow-ups; the edit
// path runs them once each, in this order.
enum class Effects : unsigned {
    None = 0,
    Saved = 1u << 0,    // the project is what its file holds (a save, a whole read)
    Unsaved = 1u << 1,  // the project differs from its file
    ManagerRows = 1u << 2,  // the fuselage manager's rows follow the list
    FitSectionBox = 1u << 3,  // the section box scaled to show the selected section as large as it fits
    DrawSectionBox = 1u << 4,  // the selected section drawn anew in the section box
    RefillWingTab = 1u << 5,
    RefillStabTab = 1u << 6,
    RefillFuselageTab = 1u << 7,  // with the section box drawn
    RefillFinTab = 1u << 8,
    RefillEquipmentTab = 1u << 9,
    RedrawView = 1u << 10,  // the current 2D view set up again and drawn whole
    Render3D = 1u << 11,    // the 3D view rebuilt while Render is down
    Rebuild3D = 1u << 12,   // the 3D view rebuilt whatever Render shows
    // A change of the aircraft the 2D view shows: unsaved, the view drawn
    // again, the 3D view rebuilt while Render is down.
    Edited = Unsaved | RedrawView | Render3D,
    // Every tab filled from the aircraft, the section box fitted first.
    RefillTabs = FitSectionBox | RefillWingTab | RefillStabTab | RefillFuselageTab | RefillFinTab | RefillEquipmentTab,
};

constexpr Effects operator|(Effects a, Effects b) {
    return static_cast<Effects>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr Effects& operator|=(Effects& a, Effects b) { return a = a | b; }
// Every effect of `part` is in `set`.
constexpr bool has(Effects set, Effects part) {
    return (static_cast<unsigned>(set) & static_cast<unsigned>(part)) == static_cast<unsigned>(part);
}
constexpr Effects when(bool condition, Effects effects) { return condition ? effects : Effects::None; }

// What the window's parts work on: the aircraft, the editor's shared state,
// the named controls, the dialogs, and the one edit path through which
// every user action that changes the model goes.
class Editor {
public:
    virtual ~Editor() = default;

    virtual Plane& plane() = 0;
    virtual EditorState& state() = 0;
    virtual MainControls& controls() = 0;
    virtual UserDialogs& dialogs() = 0;
    virtual const EditorEnvironment& environment() const = 0;

    // The open parameter tab, from the controls.
    ParameterTab tab();
    void setTab(ParameterTab tab);

    // The edit path: runs `change` and then exactly `effects`. A change that
    // returns `Effects` adds the follow-ups it found to be needed (none when
    // nothing changed, say). A change that fails has left the model as it
    // was (all or nothing); the follow-ups given still run.
    template <typename Change>
    void edit(Change&& change, Effects effects = Effects::None) {
        if constexpr (std::is_same_v<std::invoke_result_t<Change&>, Effects>) {
            skipOnFailure([&] { effects |= change(); });
        } else {
            skipOnFailure(change);
        }
        follow(effects);
    }
    // The follow-ups alone, for what changed outside the model (the view
    // shown, a tracing picture, the selection).
    virtual void follow(Effects effects) = 0;

    // Run first when the window closes, to end an operation that is still
    // running (a flight, the demonstration); empty when none runs.
    std::function<void()> endLongOperation;
};

}  // namespace ferlo

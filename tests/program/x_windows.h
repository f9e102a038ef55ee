#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <xcb/xcb.h>

namespace ferlo::testing {

// A top-level window on the display: its id and title.
struct XWindow {
    xcb_window_t id = 0;
    std::string title;
};

// A client of the test display that sees another program's windows and
// acts on them as a window manager and a user would: it asks a window to
// close (WM_DELETE_WINDOW) and types keys into it.
class XWindows {
public:
    XWindows();  // connects to $DISPLAY
    ~XWindows();
    XWindows(const XWindows&) = delete;
    XWindows& operator=(const XWindows&) = delete;

    bool connected() const;

    // The process's top-level windows that are shown (mapped and viewable),
    // known by the process id Qt puts on them (_NET_WM_PID).
    std::vector<XWindow> shownWindowsOf(pid_t pid);

    // Polls the process's shown windows until `done` holds for them (true)
    // or `timeout` passes or `alive` says the process is gone (false).
    bool waitFor(pid_t pid, const std::function<bool(const std::vector<XWindow>&)>& done,
                 const std::function<bool()>& alive, std::chrono::milliseconds timeout);

    // The window manager's request to close the window, as its frame's close button sends it.
    void askToClose(xcb_window_t window);
    // Gives the window the keyboard focus and types one key (a keysym such
    // as 'y' or 0xff0d for Return) into it.
    void typeKey(xcb_window_t window, xcb_keysym_t key);

private:
    xcb_atom_t atom(const char* name);
    std::optional<std::string> property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type);
    xcb_keycode_t keycodeOf(xcb_keysym_t key);

    xcb_connection_t* connection_ = nullptr;
    xcb_screen_t* screen_ = nullptr;
};

}  // namespace ferlo::testing

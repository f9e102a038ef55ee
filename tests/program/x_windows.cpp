#include "program/x_windows.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace ferlo::testing {

namespace {

// Frees the replies xcb hands out.
template <typename Reply>
std::unique_ptr<Reply, decltype(&std::free)> owned(Reply* reply) {
    return {reply, &std::free};
}

}  // namespace

XWindows::XWindows() {
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_) != 0) return;
    screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
}

XWindows::~XWindows() { xcb_disconnect(connection_); }

bool XWindows::connected() const { return screen_ != nullptr; }

xcb_atom_t XWindows::atom(const char* name) {
    const auto reply = owned(
        xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 0, std::strlen(name), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::optional<std::string> XWindows::property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type) {
    const auto reply = owned(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, name, type, 0, 1024), nullptr));
    if (!reply || reply->type == XCB_ATOM_NONE) return std::nullopt;
    const auto* bytes = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(bytes, bytes + xcb_get_property_value_length(reply.get()));
}

std::vector<XWindow> XWindows::shownWindowsOf(pid_t pid) {
    std::vector<XWindow> shown;
    const auto tree = owned(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, screen_->root), nullptr));
    if (!tree) return shown;
    const xcb_atom_t pidAtom = atom("_NET_WM_PID");
    const xcb_atom_t nameAtom = atom("_NET_WM_NAME");
    const xcb_atom_t utf8 = atom("UTF8_STRING");
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const xcb_window_t window = children[i];
        const std::optional<std::string> owner = property(window, pidAtom, XCB_ATOM_CARDINAL);
        std::uint32_t ownerPid = 0;
        if (!owner || owner->size() != sizeof ownerPid) continue;
        std::memcpy(&ownerPid, owner->data(), sizeof ownerPid);
        if (ownerPid != static_cast<std::uint32_t>(pid)) continue;
        const auto attributes = owned(
            xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, window), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) continue;
        shown.push_back({window, property(window, nameAtom, utf8).value_or("")});
    }
    return shown;
}

bool XWindows::waitFor(pid_t pid, const std::function<bool(const std::vector<XWindow>&)>& done,
                       const std::function<bool()>& alive, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline && alive()) {
        if (done(shownWindowsOf(pid))) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

void XWindows::askToClose(xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
}

xcb_keycode_t XWindows::keycodeOf(xcb_keysym_t key) {
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const auto mapping = owned(xcb_get_keyboard_mapping_reply(
        connection_, xcb_get_keyboard_mapping(connection_, setup->min_keycode, count), nullptr));
    if (!mapping) return 0;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    for (int code = 0; code < count; ++code) {
        if (syms[code * mapping->keysyms_per_keycode] == key) return setup->min_keycode + code;
    }
    return 0;
}

void XWindows::typeKey(xcb_window_t window, xcb_keysym_t key) {
    xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
    for (const std::uint8_t type : {XCB_KEY_PRESS, XCB_KEY_RELEASE}) {
        xcb_key_press_event_t event{};
        event.response_type = type;
        event.detail = keycodeOf(key);
        event.time = XCB_CURRENT_TIME;
        event.root = screen_->root;
        event.event = window;
        event.child = XCB_NONE;
        event.same_screen = 1;
        xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    }
    xcb_flush(connection_);
}

}  // namespace ferlo::testing

#include "window_manager.h"

#include "child_process.h"

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace plotmere::e2e {

namespace {

using Reply = std::unique_ptr<void, decltype(&std::free)>;

// The window a root property of type WINDOW names, or 0.
xcb_window_t RootWindowProperty(xcb_connection_t* connection, xcb_window_t root, const char* name) {
    const Reply atom(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    const auto* atomReply = static_cast<const xcb_intern_atom_reply_t*>(atom.get());
    if (atomReply == nullptr || atomReply->atom == XCB_ATOM_NONE) {
        return 0;
    }
    const Reply property(
        xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, root, atomReply->atom, XCB_ATOM_WINDOW, 0, 1), nullptr),
        &std::free);
    auto* reply = static_cast<xcb_get_property_reply_t*>(property.get());
    if (reply == nullptr || xcb_get_property_value_length(reply) < 4) {
        return 0;
    }
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
}

// True once a window manager has announced itself on the root window.
bool Managed(const std::string& display) {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(display.c_str(), &screenNumber);
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> owned(connection,
                                                                             &xcb_disconnect);
    if (xcb_connection_has_error(connection) != 0) {
        return false;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    return screens.rem > 0 &&
           RootWindowProperty(connection, screens.data->root, "_NET_SUPPORTING_WM_CHECK") != 0;
}

} // namespace

WindowManager::~WindowManager() {
    stop();
}

bool WindowManager::start(const std::string& display, int timeoutMs) {
    pid_ = StartChild({"openbox", "--sm-disable"}, {{"DISPLAY", display}});
    if (pid_ < 0) {
        error_ = "openbox could not be started";
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        if (ChildExitCode(pid_) == 127) {
            error_ = "openbox could not be run (is it installed? scripts/install-deps lists it)";
            pid_ = -1;
            return false;
        }
        if (Managed(display)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    error_ = "openbox did not take over the display within the timeout";
    stop();
    return false;
}

void WindowManager::stop() {
    StopChild(pid_);
    pid_ = -1;
}

} // namespace plotmere::e2e

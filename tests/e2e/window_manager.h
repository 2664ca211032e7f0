#pragma once

#include <sys/types.h>

#include <string>

namespace plotmere::e2e {

// A window manager (openbox) on the test's private X server, as a person's desktop has one: it
// frames, places, raises, activates and maximises windows. Started once the server runs, and
// ready once it manages the root window (EWMH's _NET_SUPPORTING_WM_CHECK names its window).
class WindowManager {
public:
    WindowManager() = default;
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;
    ~WindowManager();

    // False (with the reason in error()) when openbox cannot be run or does not take over the
    // display within the timeout.
    bool start(const std::string& display, int timeoutMs);
    void stop();

    const std::string& error() const { return error_; }

private:
    pid_t pid_ = -1;
    std::string error_;
};

} // namespace plotmere::e2e

#pragma once

#include <sys/types.h>

#include <string>

namespace plotmere::e2e {

// A private X server for one test process: Xvfb picks a free display number itself and reports
// it on a pipe once it accepts connections, so parallel test processes never collide.
class XvfbServer {
public:
    XvfbServer() = default;
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;
    ~XvfbServer();

    // Starts the server with one screen of the given size; false (with the reason in error())
    // when Xvfb cannot be run or does not come up within the timeout.
    bool start(int width, int height, int timeoutMs);
    void stop();

    // ":N", valid after a successful start.
    const std::string& display() const { return display_; }
    const std::string& error() const { return error_; }

private:
    pid_t pid_ = -1;
    std::string display_;
    std::string error_;
};

} // namespace plotmere::e2e

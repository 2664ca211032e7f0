#include "xvfb_server.h"

#include "child_process.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <vector>

namespace plotmere::e2e {

namespace {

// Reads what the server writes on the pipe until the line ends, the pipe closes or time runs
// out; the server writes the display number followed by a newline when it is ready.
std::string ReadLine(int fd, int timeoutMs) {
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (line.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) {
            break;
        }
        pollfd waiting{fd, POLLIN, 0};
        const int ready = poll(&waiting, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            break;
        }
        char buffer[64];
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        line.append(buffer, static_cast<std::size_t>(got));
    }
    return line;
}

} // namespace

XvfbServer::~XvfbServer() {
    stop();
}

bool XvfbServer::start(int width, int height, int timeoutMs) {
    int fds[2];
    if (pipe(fds) != 0) {
        error_ = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    const std::string fdText = std::to_string(fds[1]);
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    // Only the write end goes to the server; the read end must not keep the pipe open there.
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);

    pid_ = StartChild(
        {"Xvfb", "-displayfd", fdText, "-screen", "0", screen, "-nolisten", "tcp", "-noreset"});
    if (pid_ < 0) {
        error_ = std::string("fork: ") + std::strerror(errno);
        close(fds[0]);
        close(fds[1]);
        return false;
    }
    close(fds[1]);
    const std::string line = ReadLine(fds[0], timeoutMs);
    close(fds[0]);

    const std::size_t end = line.find('\n');
    if (end == std::string::npos || end == 0) {
        error_ = ChildExitCode(pid_) == 127
                     ? "Xvfb could not be run (is it installed? scripts/install-deps lists it)"
                     : "Xvfb did not report a display within the timeout";
        stop();
        return false;
    }
    display_ = ":" + line.substr(0, end);
    return true;
}

void XvfbServer::stop() {
    if (pid_ <= 0) {
        return;
    }
    StopChild(pid_);
    pid_ = -1;
}

} // namespace plotmere::e2e

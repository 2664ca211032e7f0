#include "child_process.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace plotmere::e2e {

namespace {

bool WaitForExit(pid_t pid, int timeoutMs) {
    for (int waited = 0; waited <= timeoutMs; waited += 20) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno == ECHILD)) {
            return true;
        }
        usleep(20 * 1000);
    }
    return false;
}

} // namespace

pid_t StartChild(const std::vector<std::string>& argv, const Environment& extra) {
    std::vector<const char*> arguments;
    for (const std::string& argument : argv) {
        arguments.push_back(argument.c_str());
    }
    arguments.push_back(nullptr);
    const pid_t pid = fork();
    if (pid != 0) {
        return pid;
    }
    const int devNull = open("/dev/null", O_WRONLY);
    if (devNull >= 0) {
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
    }
    for (const auto& [name, value] : extra) {
        setenv(name.c_str(), value.c_str(), 1);
    }
    execvp(arguments[0], const_cast<char* const*>(arguments.data()));
    _exit(127);
}

std::optional<int> ChildExitCode(pid_t pid) {
    int status = 0;
    if (pid <= 0 || waitpid(pid, &status, WNOHANG) != pid) {
        return std::nullopt;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void StopChild(pid_t pid) {
    if (pid <= 0) {
        return;
    }
    kill(pid, SIGTERM);
    if (!WaitForExit(pid, 3000)) {
        kill(pid, SIGKILL);
        WaitForExit(pid, 3000);
    }
}

} // namespace plotmere::e2e

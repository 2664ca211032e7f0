#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace plotmere::e2e {

// The helper programs of the test's desktop (X server, window manager), started quietly in the
// background: their log lines would only clutter the test output.

using Environment = std::vector<std::pair<std::string, std::string>>;

// Starts argv[0] (looked up in PATH) with the extra environment; the process's id, or -1.
// A program that cannot be run exits with 127.
pid_t StartChild(const std::vector<std::string>& argv, const Environment& extra = {});

// The exit code once the child has ended (and is reaped), or nothing while it runs.
std::optional<int> ChildExitCode(pid_t pid);

// Asks the child to end, and kills it when it does not within three seconds.
void StopChild(pid_t pid);

} // namespace plotmere::e2e

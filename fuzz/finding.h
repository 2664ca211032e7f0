#pragma once

#include <string_view>

namespace plotmere::fuzz {

// Reports what went wrong and with which text (cut short if long), then aborts, so that
// libFuzzer keeps the input as a finding.
[[noreturn]] void Finding(std::string_view what, std::string_view text, std::string_view detail);

// A Finding about two results that should be the same double.
[[noreturn]] void Disagreement(std::string_view what, std::string_view text, double x,
                               double expected, double got);

} // namespace plotmere::fuzz

#include "finding.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

namespace plotmere::fuzz {

void Finding(std::string_view what, std::string_view text, std::string_view detail) {
    const auto shown = static_cast<int>(std::min<std::size_t>(text.size(), 2000));
    std::fprintf(stderr, "FINDING: %.*s\ntext \"%.*s\"\n%.*s\n", static_cast<int>(what.size()),
                 what.data(), shown, text.data(), static_cast<int>(detail.size()), detail.data());
    std::abort();
}

void Disagreement(std::string_view what, std::string_view text, double x, double expected,
                  double got) {
    char detail[160];
    std::snprintf(detail, sizeof detail, "x = %.17g: expected %.17g, got %.17g", x, expected, got);
    Finding(what, text, detail);
}

} // namespace plotmere::fuzz

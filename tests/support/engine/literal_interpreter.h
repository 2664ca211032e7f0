#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plotmere {

// The slow, literal reading of a postfix text that the fast evaluator is checked against: it
// keeps the token texts, compares each with the vocabulary in order at every evaluation, parses
// numerals afresh each time and grows its stack one value at a time. Shares no arithmetic code
// with the evaluator, so agreement between the two means something.
class LiteralInterpreter {
public:
    explicit LiteralInterpreter(std::string_view postfixText);

    double evaluate(double x) const;

    const std::vector<std::string>& tokens() const { return tokens_; }

private:
    std::vector<std::string> tokens_;
};

// Results agree when they are the same double bit for bit; any NaN matches any NaN, as no caller
// tells NaNs apart.
inline bool SameResult(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) ||
           std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

} // namespace plotmere

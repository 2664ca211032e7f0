#pragma once

#include <string_view>

namespace plotmere::fuzz {

// TextToNumber must give the correctly rounded value of the number at the start of `text`, as
// the C library's strtod reads it.
void CheckTextToNumber(std::string_view text);

// The number texts of a double must read back: the 17-digit text exactly, the 15-digit text as a
// canonical numeral.
void CheckNumberToText(double value);

} // namespace plotmere::fuzz

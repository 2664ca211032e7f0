#pragma once

#include <string_view>

namespace plotmere {

// The binding strength of a postfix token as the vocabulary gives it: an operator's or function's
// precedence, 1 for an open bracket (below every operator, so none is applied past it), 0 for
// anything else.
int OperatorPrecedence(std::string_view token);

} // namespace plotmere

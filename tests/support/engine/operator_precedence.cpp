#include "support/engine/operator_precedence.h"

#include "engine/vocabulary.h"

namespace plotmere {

int OperatorPrecedence(std::string_view token) {
    if (const Word* word = FindWord(token)) {
        return word->precedence;
    }
    return token == "(" ? 1 : 0;
}

} // namespace plotmere

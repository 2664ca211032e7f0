#pragma once

#include "engine/vocabulary.h"

#include <string>
#include <vector>

namespace plotmere {

// The words of the engine's vocabulary by kind, read from its table, so that the tests'
// generators meet every word, a word added later included.

// The functions: words of one operand, the sign ("neg") not among them.
inline std::vector<std::string> FunctionWords() {
    std::vector<std::string> words;
    for (const Word& word : Vocabulary) {
        if (word.arity == 1 && word.text != SignText) {
            words.emplace_back(word.text);
        }
    }
    return words;
}

// The binary operators.
inline std::vector<std::string> BinaryWords() {
    std::vector<std::string> words;
    for (const Word& word : Vocabulary) {
        if (word.arity == 2) {
            words.emplace_back(word.text);
        }
    }
    return words;
}

} // namespace plotmere

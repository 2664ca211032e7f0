#pragma once

#include <QString>

namespace plotmere {

// What a number typed for "num" or for a parameter amounts to.
struct ConstantAnswer {
    enum class Outcome {
        Ignored,    // empty (cancelled) or not in canonical form: nothing changes, no message
        OutOfRange, // show RangeLimitMessage (view/range_editing.h), nothing changes
        Accepted,   // append `text` to the expression, or store `value` in a parameter
    };
    Outcome outcome = Outcome::Ignored;
    QString text;     // the answer as the canonical numeral, e.g. ".5" for "0.5"
    double value = 0; // its value; a parameter keeps it in single precision
};

// Reads the answer of a "num" or parameter prompt: a leading "0." loses its "0" and a leading
// "-0." becomes "-."; then only the exact canonical text of a number counts, and its value must
// lie in -99999 ... 99999 (both limits tested on the double).
ConstantAnswer ReadConstantInput(const QString& answer);

} // namespace plotmere

#pragma once

#include <QString>
#include <QStringView>

#include <string_view>

namespace plotmere {

// The characters that end a token for "Del": the six operators.
inline constexpr std::u16string_view TokenEndingOperators = u"-+*/%^";

// The text after "Del": the tail back to and including the nearest operator goes; brackets,
// names, digits, points and blanks go on the way. Without an operator the whole text goes, and
// an empty text stays empty.
QString DeleteLastToken(const QString& text);

// The text after a keypad key: the key's token always goes at the very end, wherever the
// caret stood and whatever was selected.
QString AppendToken(const QString& text, QStringView token);

// The same for the keypad table's texts, which are plain ASCII.
QString AppendToken(const QString& text, std::string_view token);

} // namespace plotmere

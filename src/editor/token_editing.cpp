#include "editor/token_editing.h"

namespace plotmere {

namespace {

bool IsTokenEndingOperator(QChar c) {
    return TokenEndingOperators.find(c.unicode()) != std::u16string_view::npos;
}

} // namespace

// Removing one character at a time until an operator has gone (or nothing is left) leaves
// exactly what stands before the last operator.
QString DeleteLastToken(const QString& text) {
    qsizetype end = text.size();
    while (end > 0) {
        --end;
        if (IsTokenEndingOperator(text[end])) {
            break;
        }
    }
    return text.left(end);
}

QString AppendToken(const QString& text, QStringView token) {
    QString appended = text;
    appended.append(token);
    return appended;
}

QString AppendToken(const QString& text, std::string_view token) {
    return AppendToken(text,
                       QString::fromLatin1(token.data(), static_cast<qsizetype>(token.size())));
}

} // namespace plotmere

#pragma once

#include <QString>

namespace plotmere {

// The main window's caption and the title of every input box.
inline const QString appTitle = QStringLiteral("Veldrake Plotmere");
inline const QString appVersion = QStringLiteral("1.11");

} // namespace plotmere

#pragma once

#include "settings/settings_store.h"

#include <QCoreApplication>
#include <QSettings>
#include <QString>

namespace plotmere::testing_support {

// Where a test process keeps its settings, never the user's own: on Windows a registry key of
// its own under HKEY_CURRENT_USER\Software (removed when the process ends, see qt_test_main.cpp),
// elsewhere the program's own file name in the fresh configuration folder the process was given.
inline QString TestStoreLocation() {
#ifdef Q_OS_WIN
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\Plotmere Tests %1")
        .arg(QCoreApplication::applicationPid());
#else
    return SettingsStore::DefaultLocation();
#endif
}

// The test store read and written directly, as another program (or a hand edit) would.
inline QSettings TestStore() {
    return QSettings(TestStoreLocation(), QSettings::NativeFormat);
}

// Removes the process's registry key once its tests have run (elsewhere the temporary folder
// that holds the file goes with the process).
inline void RemoveTestStore() {
#ifdef Q_OS_WIN
    QSettings software(QStringLiteral("HKEY_CURRENT_USER\\Software"), QSettings::NativeFormat);
    software.remove(TestStoreLocation().section(QLatin1Char('\\'), 2));
    software.sync();
#endif
}

} // namespace plotmere::testing_support

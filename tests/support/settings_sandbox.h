#pragma once

#include "support/qt_printers.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace plotmere::testing_support {

// Empties the settings store before each test, so every test starts as a first run even when
// several tests share one process.
class SettingsSandbox : public ::testing::Test {
protected:
    void SetUp() override { ClearStore(); }

    static void ClearStore() {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Veldrake Plotmere");
        store.clear();
        store.sync();
    }

    static QSettings Store() {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Veldrake Plotmere");
    }
};

} // namespace plotmere::testing_support

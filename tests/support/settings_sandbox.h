#pragma once

#include "support/qt_printers.h"
#include "support/test_store.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace plotmere::testing_support {

// Empties the settings store before each test, so every test starts as a first run even when
// several tests share one process.
class SettingsSandbox : public ::testing::Test {
protected:
    void SetUp() override { ClearStore(); }

    static void ClearStore() {
        QSettings store = TestStore();
        store.clear();
        store.sync();
    }

    static QSettings Store() { return TestStore(); }
};

} // namespace plotmere::testing_support

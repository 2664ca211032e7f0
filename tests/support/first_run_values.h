#pragma once

#include "support/main_window_state.h"
#include "windows/main_window.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace plotmere::testing_support {

// A first run writes most values at start; the examples are read at their first use and the
// message duration when a message first shows. This uses all of them, so that the store holds
// every value, and leaves the expression box empty. Returns the message shown.
inline QString UseTheValuesReadLater(MainWindow& window) {
    for (const char* item : {"menuexample1", "menuexample2", "menuexample3"}) {
        window.findChild<QAction*>(item)->trigger();
    }
    window.findChild<QLineEdit*>("inputfunc")->clear();
    QTest::mouseClick(window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    return ShownMessage();
}

} // namespace plotmere::testing_support

#pragma once

#include "view/function_list_window.h"
#include "view/graph_view.h"
#include "windows/main_window.h"
#include "windows/message_window.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QWidget>

#include <gtest/gtest.h>

namespace plotmere::testing_support {

// What the tests read of a running program, found as a person finds a window (by its name)
// rather than asked of the main window.

// The graph area's state and operations, owned by the main window.
inline const GraphView& ViewOf(const MainWindow& window) {
    const auto* view = window.findChild<GraphView*>("graphView");
    EXPECT_NE(view, nullptr) << "the main window has no graph view";
    return *view;
}

// The visible top-level window with that objectName, or null.
template <typename T = QWidget> T* ShownWindow(const char* objectName) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == objectName && top->isVisible()) {
            return qobject_cast<T*>(top);
        }
    }
    return nullptr;
}

// The function list (Form3) while it is open.
inline FunctionListWindow* OpenFunctionList() {
    return ShownWindow<FunctionListWindow>("Form3");
}

// The message window (Form03) while it shows a message, and its text.
inline MessageWindow* ShownMessageWindow() {
    MessageWindow* window = ShownWindow<MessageWindow>("Form03");
    return window != nullptr && !window->isUnloaded() ? window : nullptr;
}

inline QString ShownMessage() {
    const MessageWindow* window = ShownMessageWindow();
    return window != nullptr ? window->findChild<QPlainTextEdit*>("Text1")->toPlainText()
                             : QString();
}

} // namespace plotmere::testing_support

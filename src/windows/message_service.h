#pragma once

#include "windows/timing.h"

#include <QPointer>
#include <QString>

class QWidget;

namespace plotmere {

class InputBox;
class MessageWindow;
class SettingsStore;

// The one way the program reports an input problem: loads the message window when none is
// loaded and shows the text in it. Returns at once; the caller never waits for the message.
class MessageService {
public:
    MessageService(SettingsStore& settings, InputBox& inputBox, const Timing& timing = Timing{});
    ~MessageService();
    MessageService(const MessageService&) = delete;
    MessageService& operator=(const MessageService&) = delete;

    void showmessage(QWidget* frm1, const QString& tekst1);

    // The loaded message window, or null when none is loaded.
    MessageWindow* window() const;

private:
    SettingsStore& settings_;
    InputBox& inputBox_;
    const Timing timing_;
    QPointer<MessageWindow> window_;
};

} // namespace plotmere

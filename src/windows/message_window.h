#pragma once

#include "windows/timing.h"

#include <QString>
#include <QWidget>

#include <cstdint>

class QPlainTextEdit;
class QTimer;

namespace plotmere {

class InputBox;
class SettingsStore;

// The borderless dark strip below the calling window that shows an input problem and closes
// itself once its display duration has passed. It never takes the focus and never blocks the
// caller. It deletes itself when it closes, so every load re-reads the stored duration.
class MessageWindow : public QWidget {
    Q_OBJECT
public:
    // Each tick of the display timer lasts `timing.messageTickMs` and counts as the program's
    // own tick length, so the message stays for its duration in ticks whatever their length.
    MessageWindow(SettingsStore& settings, InputBox& inputBox, const Timing& timing = Timing{});

    // Places the window below `frm1`, shows `tekst1` (lines separated by "\r\n") and gives
    // the focus back to `frm1`. A call while a message is shown replaces it and restarts the
    // display time.
    void showmessage(QWidget* frm1, const QString& tekst1);

    std::int32_t messageDuration() const { return messageDuration_; }
    std::int32_t messageTicks() const { return messageTicks_; }

    // True once the window has closed: it is about to delete itself and shows nothing more.
    bool isUnloaded() const { return unloaded_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void on_Timer1_timeout();
    void on_Text1_clicked();

    int RequiredWidthTwips(const QString& tekst1) const;
    void keepAbove(QWidget* caller);

    SettingsStore& settings_;
    InputBox& inputBox_;
    QPlainTextEdit* Text1 = nullptr;
    QTimer* Timer1 = nullptr;
    std::int32_t messageTicks_ = 0;
    std::int32_t messageDuration_ = 0;
    int text1HeightTwips_ = 0;
    bool unloaded_ = false;
};

} // namespace plotmere

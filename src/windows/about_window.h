#pragma once

#include "windows/timing.h"

#include <QString>
#include <QWidget>

class QWindow;
class QPlainTextEdit;
class QScreen;

namespace plotmere {

struct ColorTheme;

// The About window (Form10): title, version and a short warranty disclaimer. It has no owner,
// deletes itself when closed and closes as soon as another window of the program becomes the active
// one. The constructor is its load handler.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    // Centred on `screen`, the main window's (the primary screen when null).
    explicit AboutWindow(const ColorTheme& theme, const QScreen* screen = nullptr);

    void settheme();

    // The text Text1 shows, lines separated by "\r\n".
    static QString AboutText();

private:
    void on_focusWindow_changed(QWindow* focused);
    const ColorTheme& theme_;
    QPlainTextEdit* Text1 = nullptr;
};

// What the About menu item does: the splash picture for `timing.splashMs` (a second in the
// program), as at start, then a new About window, shown without modality and made the active
// window, both on the main window's screen. The window deletes itself.
AboutWindow* OpenAboutWindow(const ColorTheme& theme, const QScreen* screen,
                             const Timing& timing = Timing{});

} // namespace plotmere

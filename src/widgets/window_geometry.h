#pragma once

#include <QMargins>

class QScreen;
class QWidget;

namespace plotmere {

// The frame the window manager puts around a top-level window (title bar and borders); null
// before the window is shown and framed, and on platforms without frames.
QMargins OuterMargins(const QWidget& window);

// Moves the window so that its centre is the screen's centre; the primary screen when none is
// given. Windows of the program open on the screen that holds the main window.
void CentreOnScreen(QWidget& window, const QScreen* screen);

} // namespace plotmere

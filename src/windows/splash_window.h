#pragma once

#include "windows/timing.h"

#include <QDate>
#include <QWidget>

class QScreen;

namespace plotmere {

// The small picture shown for a second at start and before the About window: Form01 on even
// days of the month, Form02 on odd days, each with its own 200 x 200 picture.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    // Centred on `screen` (the primary screen when null).
    SplashWindow(const QDate& today, const QScreen* screen);

    bool isEvenDayPicture() const { return evenDay_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool evenDay_;
};

// Shows the splash on `screen` (the screen the main window is on, or will open on), lets it
// paint, blocks for `timing.splashMs` (a second in the program) and closes it again.
void ShowSplash(const Timing& timing = Timing{}, const QDate& today = QDate::currentDate(),
                const QScreen* screen = nullptr);

} // namespace plotmere

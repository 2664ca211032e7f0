#include "windows/splash_window.h"

#include "widgets/twips.h"
#include "widgets/window_geometry.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace plotmere {

namespace {

constexpr int PictureSize = 200;

// A small plot of y = f(x) over -pi ... pi: light grid, two axes and the curve.
void DrawPicture(QPainter& painter, const QColor& background, const QColor& grid,
                 const QColor& curve, double (*f)(double)) {
    painter.fillRect(0, 0, PictureSize, PictureSize, background);
    painter.setPen(QPen(grid, 1));
    for (int i = 0; i <= PictureSize; i += 25) {
        painter.drawLine(i, 0, i, PictureSize);
        painter.drawLine(0, i, PictureSize, i);
    }
    painter.setPen(QPen(QColor(128, 128, 255), 2));
    painter.drawLine(0, PictureSize / 2, PictureSize, PictureSize / 2);
    painter.drawLine(PictureSize / 2, 0, PictureSize / 2, PictureSize);

    QPainterPath path;
    for (int column = 0; column <= PictureSize; ++column) {
        const double x = (column - PictureSize / 2.0) / (PictureSize / 2.0) * std::numbers::pi;
        const double y = PictureSize / 2.0 - f(x) * PictureSize / 2.5;
        if (column == 0) {
            path.moveTo(column, y);
        } else {
            path.lineTo(column, y);
        }
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(curve, 3));
    painter.drawPath(path);
}

double DampedWave(double x) {
    return std::sin(3 * x) * std::exp(-x * x / 6);
}
double Bell(double x) {
    return 1.1 * std::exp(-x * x) - 0.35 * std::cos(2 * x);
}

} // namespace

SplashWindow::SplashWindow(const QDate& today, const QScreen* screen)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , evenDay_(today.day() % 2 == 0) {
    setObjectName(evenDay_ ? "Form01" : "Form02");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsSize(3000, 3000));
    CentreOnScreen(*this, screen);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.scale(width() / static_cast<double>(PictureSize),
                  height() / static_cast<double>(PictureSize));
    if (evenDay_) {
        DrawPicture(painter, QColor(255, 255, 255), QColor(235, 235, 235), QColor(200, 30, 60),
                    DampedWave);
    } else {
        DrawPicture(painter, QColor(32, 32, 32), QColor(52, 52, 52), QColor(120, 230, 120), Bell);
    }
}

void ShowSplash(const Timing& timing, const QDate& today, const QScreen* screen) {
    auto* splash = new SplashWindow(today, screen);
    splash->show();
    QCoreApplication::processEvents();
    QThread::msleep(static_cast<unsigned long>(std::max(0, timing.splashMs)));
    splash->close();
}

} // namespace plotmere

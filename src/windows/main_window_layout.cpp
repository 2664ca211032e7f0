// Window placement, the resize rules and the delayed replot after a size change.
#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "view/graph_canvas.h"
#include "view/natural_ratio.h"
#include "widgets/clickable_label.h"
#include "windows/main_window.h"
#include "widgets/twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace plotmere {

namespace {

const QSize MinimumOuterSize = TwipsSize(7995, 8985);

QList<QRect> AvailableScreens() {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append(screen->availableGeometry());
    }
    return screens;
}

} // namespace

QMargins MainWindow::outerMargins() const {
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

void MainWindow::applyOuterPlacement(const QRect& outer) {
    const QMargins margins = outerMargins();
    setMinimumSize(MinimumOuterSize.shrunkBy(margins));
    move(outer.topLeft());
    resize(outer.size().shrunkBy(margins));
    appliedSize_ = size();
}

void MainWindow::restorePlacement() {
    const QRect outer = frameGeometry();
    const int left = store_.ReadSettingInt("Window Left", 4000);
    const int top = store_.ReadSettingInt("Window Top", 2000);
    const int height = store_.ReadSettingInt("Window Height", PixelsToTwips(outer.height()));
    const int width = store_.ReadSettingInt("Window Width", PixelsToTwips(outer.width()));
    storedPlacementTwips_ = {left, top, width, height};
    // In pixels even the largest stored numbers add up without overflow.
    const QRect stored(Twips(left), Twips(top), Twips(width), Twips(height));
    storedOuterPlacement_ = KeepOnScreen(stored, AvailableScreens(), MinimumOuterSize);
    applyOuterPlacement(storedOuterPlacement_);
}

void MainWindow::correctPlacementForFrame() {
    // The window manager adds its frame only once the window is shown; the stored placement is
    // the outer frame, so apply it once more now that the frame is known. Without this the
    // window would grow by the frame on every start.
    if (placementCorrected_ || !isVisible() || outerMargins().isNull()) {
        return;
    }
    placementCorrected_ = true;
    // Once the user (or anything else) has resized the window, that size stands.
    if (windowState() == Qt::WindowNoState && size() == appliedSize_) {
        applyOuterPlacement(storedOuterPlacement_);
    }
}

void MainWindow::savePlacement() {
    // A minimised or maximised window stores its normal placement.
    const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
    const QRect inner = normal || !normalGeometry().isValid() ? geometry() : normalGeometry();
    const QMargins margins = normal ? outerMargins() : lastNormalMargins_;
    const QRect outer = inner.marginsAdded(margins);
    // Twips are finer than pixels: a value whose pixel did not change is written back as it
    // was read, so that starting and closing leave the store exactly as it was.
    const auto twips = [](int pixels, int read) {
        return Twips(read) == pixels ? read : PixelsToTwips(pixels);
    };
    const StoredPlacement& read = storedPlacementTwips_;
    store_.WriteSettingInts({{"Window Left", twips(outer.left(), read.left)},
                             {"Window Top", twips(outer.top(), read.top)},
                             {"Window Height", twips(outer.height(), read.height)},
                             {"Window Width", twips(outer.width(), read.width)}});
}

void MainWindow::on_Form1_resize() {
    if (!layoutReady_) {
        return;
    }
    if (isMinimized()) {
        closeFunctionList();
        return;
    }
    const QRect outer = frameGeometry();
    if (outer.height() < MinimumOuterSize.height() || outer.width() < MinimumOuterSize.width()) {
        resize(outer.size().expandedTo(MinimumOuterSize).shrunkBy(outerMargins()));
    }

    const int clientWidth = client->width();
    const int clientHeight = client->height();
    grafik->setGeometry(Twips(780), Twips(60), std::max(1, clientWidth - Twips(840)),
                        std::max(1, clientHeight - Twips(2760)));
    Frame1->move(clientWidth - Twips(1515), clientHeight - Twips(2655));
    Frame2->move(Twips(60), clientHeight - Twips(4635));
    placeBusyLabels();
    if (options_.keepAspect == 1) {
        ApplyAspect();
    }
    ResetGraphArea();
    resizeTicks_ = 0;
    resizetimer->start(timing_.resizeTickMs);
}

void MainWindow::placeBusyLabels() {
    const int width = grafik->width();
    const int height = grafik->height();
    labbusy[0]->move(Twips(120), Twips(120));
    labbusy[1]->move(width - Twips(795), Twips(120));
    labbusy[2]->move(width - Twips(795), height - Twips(315));
    labbusy[3]->move(Twips(120), height - Twips(315));
}

void MainWindow::on_resizetimer_timeout() {
    resizeTicks_ += 1;
    if (resizeTicks_ == 5) {
        resizeTicks_ = 0;
        resizetimer->stop();
        RedrawAll();
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Some platforms know the frame as soon as the window is shown, others tell a moment later
    // with a move or resize.
    correctPlacementForFrame();
    QTimer::singleShot(0, this, &MainWindow::correctPlacementForFrame);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    rememberNormalMargins();
    correctPlacementForFrame();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    rememberNormalMargins();
    correctPlacementForFrame();
}

void MainWindow::rememberNormalMargins() {
    if (windowState() == Qt::WindowNoState) {
        lastNormalMargins_ = outerMargins();
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        on_Form1_resize();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    savePlacement();
    event->accept();
    // Closing the main window ends the program at once, whatever other windows are open.
    QCoreApplication::quit();
}

} // namespace plotmere

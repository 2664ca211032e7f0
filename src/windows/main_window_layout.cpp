// Window placement, the resize rules and the delayed replot after a size change.
#include "view/graph_canvas.h"
#include "widgets/clickable_label.h"
#include "widgets/twips.h"
#include "windows/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QTimer>

#include <algorithm>

namespace plotmere {

void MainWindow::on_Form1_resize() {
    if (!layoutReady_) {
        return;
    }
    if (isMinimized()) {
        closeFunctionList();
        return;
    }
    const QRect outer = frameGeometry();
    const QSize minimum = MinimumOuterSize();
    if (outer.height() < minimum.height() || outer.width() < minimum.width()) {
        resize(outer.size().expandedTo(minimum).shrunkBy(OuterMargins(*this)));
    }

    const int clientWidth = ui_.client->width();
    const int clientHeight = ui_.client->height();
    ui_.grafik->setGeometry(Twips(780), Twips(60), std::max(1, clientWidth - Twips(840)),
                            std::max(1, clientHeight - Twips(2760)));
    ui_.Frame1->move(clientWidth - Twips(1515), clientHeight - Twips(2655));
    ui_.Frame2->move(Twips(60), clientHeight - Twips(4635));
    graphView_.PlaceBusyLabels();
    if (graphView_.options().keepAspect == 1) {
        graphView_.ApplyAspect();
    }
    graphView_.ResetGraphArea();
    resizeTicks_ = 0;
    ui_.resizetimer->start(timing_.resizeTickMs);
}

void MainWindow::on_resizetimer_timeout() {
    resizeTicks_ += 1;
    if (resizeTicks_ == 5) {
        resizeTicks_ = 0;
        ui_.resizetimer->stop();
        graphView_.RedrawAll();
    }
}

void MainWindow::correctPlacementForFrame() {
    placement_.correctForFrame(*this);
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
    placement_.rememberNormalMargins(*this);
    correctPlacementForFrame();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    placement_.rememberNormalMargins(*this);
    correctPlacementForFrame();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        on_Form1_resize();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    placement_.save(*this);
    event->accept();
    // Closing the main window ends the program at once, whatever other windows are open.
    QCoreApplication::quit();
}

} // namespace plotmere

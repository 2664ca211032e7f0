#include "windows/main_window.h"

namespace plotmere {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName("Form1");
    setWindowTitle("Veldrake Plotmere");
    resize(525, 553);
}

} // namespace plotmere

#pragma once

#include <QMainWindow>

namespace plotmere {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace plotmere

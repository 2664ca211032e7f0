#pragma once

#include "widgets/color_value.h"

#include <QPointer>
#include <QWidget>

class QTableWidget;

namespace plotmere {

struct ColorTheme;
class GraphList;

// The function list window (Form3): one grid row per graph with its colour and its expression,
// beside the main window. It has no owner and deletes itself when closed, so a QPointer to it
// turns null once it is unloaded.
//
// The constructor is its load handler: it takes the current theme, stands right of the main
// window and fills the grid, so the caller only has to show it. The window has a fixed size,
// since the grid is sized to the client area once, at load.
//
// Row 0 of Grid1 is the header row ("Color", "Function Expression"), a grid row of its own as
// every other row, so the row count includes it; it keeps the theme's fixed-cell colours and is
// shown as the grid's horizontal header, so it stays in view when the list is scrolled.
class FunctionListWindow : public QWidget {
    Q_OBJECT
public:
    // `mainWindow` is used for placement only; it may be null.
    FunctionListWindow(const GraphList& graphs, const ColorTheme& theme, QWidget* mainWindow);

    // Refills the grid from the graph list.
    void showfuncdata();

    // Copies the current theme onto the window and the grid; the colour cells keep theirs.
    void settheme();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeBeside();
    void placeOnceFramed();
    void createGrid();
    void setHeaderCell(int column, const QString& text);

    const GraphList& graphs_;
    const ColorTheme& theme_;
    const QPointer<QWidget> mainWindow_;
    bool frameKnown_ = false;
    QTableWidget* Grid1 = nullptr;
    // The grid's fixed-cell colours, as settheme last set them; refilled header cells take them.
    ColorValue fixedBack_ = 0;
    ColorValue fixedText_ = 0;
};

} // namespace plotmere

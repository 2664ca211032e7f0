// The interface colour theme on the main window, and the windows that show or choose it: the
// function list, the theme chooser and the About window.
#include "settings/settings_store.h"
#include "themes/theme_chooser.h"
#include "view/function_list_window.h"
#include "widgets/clickable_label.h"
#include "widgets/widget_colors.h"
#include "windows/about_window.h"
#include "windows/main_window.h"

#include <QFrame>
#include <QLineEdit>

namespace plotmere {

void MainWindow::settheme() {
    const ColorTheme& t = theme_;
    for (QWidget* area : {static_cast<QWidget*>(ui_.client), static_cast<QWidget*>(ui_.Frame1),
                          static_cast<QWidget*>(ui_.Frame2)}) {
        SetBackground(area, t.windowBack);
    }
    for (ClickableLabel* caption :
         {ui_.Label1, ui_.Label2, ui_.labcolorlight, ui_.labcolordark, ui_.labxzoom, ui_.labxzoomin,
          ui_.labxzoomout, ui_.labyzoom, ui_.labyzoomin, ui_.labyzoomout}) {
        SetColors(caption, t.captionBack, t.captionText);
    }
    for (QLineEdit* box : {ui_.Text1, ui_.inputfunc}) {
        SetColors(box, t.editBack, t.editText);
    }
    for (ClickableLabel* parameter : ui_.parameterLabels) {
        SetColors(parameter, t.paramBack, t.paramText);
    }
    for (ClickableLabel* key : ui_.keypad) {
        SetColors(key, t.keyBack, t.keyText);
    }
    for (ClickableLabel* range : {ui_.labxmin, ui_.labxmax, ui_.labymin, ui_.labymax}) {
        SetColors(range, t.rangeBack, t.rangeText);
    }
    for (ClickableLabel* busy : ui_.labbusy) {
        SetColors(busy, t.busyBack, t.busyText);
    }
}

bool MainWindow::functionListOpen() const {
    return !functionList_.isNull() && functionList_->isVisible();
}

// The open function list follows every change of the graph list.
void MainWindow::refreshFunctionList() {
    if (functionListOpen()) {
        functionList_->showfuncdata();
    }
}

void MainWindow::closeFunctionList() {
    if (functionListOpen()) {
        functionList_->close();
    }
}

void MainWindow::on_Command5_clicked() {
    ui_.inputfunc->setFocus();
    if (functionListOpen()) {
        functionList_->close();
        return;
    }
    functionList_ = new FunctionListWindow(graphView_.graphs(), theme_, this);
    functionList_->show();
}

void MainWindow::ApplyThemeToOpenWindows() {
    settheme();
    if (functionListOpen()) {
        functionList_->settheme();
        functionList_->showfuncdata();
    }
}

void MainWindow::on_menucolors_triggered() {
    ThemeChooser chooser(
        theme_, store_, [this] { ApplyThemeToOpenWindows(); }, this);
    chooser.exec();
}

void MainWindow::on_menuabout_triggered() {
    about_ = OpenAboutWindow(theme_, screen(), timing_);
}

} // namespace plotmere

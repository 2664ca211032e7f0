#pragma once

#include "editor/function_history.h"
#include "editor/keypad_keys.h"
#include "editor/parameters.h"
#include "view/view_state.h"

#include <QString>

#include <array>

class QAction;
class QFrame;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QTimer;
class QWidget;

namespace plotmere {

class ClickableLabel;
class GraphCanvas;

// The main window's controls, named as the layout tables name them; each is also its
// objectName, by which tests find them.
struct ControlInventory {
    QWidget* client = nullptr; // the client area the twips positions refer to
    GraphCanvas* grafik = nullptr;
    QFrame* Frame1 = nullptr;
    QFrame* Frame2 = nullptr;
    ClickableLabel* labymax = nullptr;
    ClickableLabel* Label2 = nullptr;
    ClickableLabel* labcback = nullptr;
    ClickableLabel* labcaxis = nullptr;
    ClickableLabel* labcgraph = nullptr;
    ClickableLabel* labcerr = nullptr;
    ClickableLabel* labcolordark = nullptr;
    ClickableLabel* labcolorlight = nullptr;
    QTimer* resizetimer = nullptr;
    std::array<ClickableLabel*, 4> labbusy{}; // labbusy1 ... labbusy4
    ClickableLabel* Label1 = nullptr;
    ClickableLabel* labxmax = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    ClickableLabel* labyzoom = nullptr;
    ClickableLabel* labyzoomin = nullptr;
    ClickableLabel* labyzoomout = nullptr;
    ClickableLabel* labymin = nullptr;
    ClickableLabel* labxmin = nullptr;
    ClickableLabel* labxzoomin = nullptr;
    ClickableLabel* labxzoom = nullptr;
    ClickableLabel* labxzoomout = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* inputfunc = nullptr;
    std::array<ClickableLabel*, KeypadKeys.size()> keypad{};          // in keypad order
    std::array<ClickableLabel*, Parameters.size()> parameterLabels{}; // qqa ... qqe

    QMenu* menu0 = nullptr;                                           // "&Functions"
    std::array<QAction*, FunctionHistory::HistorySize + 1> menufun{}; // 1 ... 10; 0 unused
    std::array<QAction*, Examples.size()> menuexample{};              // menuexample1 ...
    QAction* menufunclear = nullptr;
    QMenu* menu1 = nullptr; // "&Settings"
    QAction* menupoints = nullptr;
    // The switches' check items (menugrid ...) are found through their rows: SwitchItem.
    QAction* menucolors = nullptr;
    QMenu* menuhelp = nullptr; // "&Help"
    QAction* menuabout = nullptr;
};

// The Settings menu's check item of a switch.
QAction* SwitchItem(const ControlInventory& ui, const SwitchSetting& row);

// Creates every control of the main window at its place in twips, with its caption, tooltip and
// objectName, and the menus; the client area becomes the window's central widget.
ControlInventory CreateControlInventory(QMainWindow& window);

} // namespace plotmere

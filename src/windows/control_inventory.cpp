// The main window's control inventory: every control at its place in twips, with its caption,
// tooltip and objectName.
#include "windows/control_inventory.h"
#include "view/graph_canvas.h"
#include "widgets/clickable_label.h"
#include "widgets/twips.h"
#include "windows/app_info.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <limits>

namespace plotmere {

namespace {

const QString ExpressionTooltip =
    QStringLiteral("Type the function expression here or use the buttons below");

ClickableLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption,
                          const QRect& twips, const QString& tooltip = QString()) {
    auto* label = new ClickableLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setToolTip(tooltip);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int top) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(TwipsRect(0, top, 1455, 315));
    // A click never takes the keyboard away from the expression box.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QFrame* MakeFrame(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::NoFrame);
    frame->setAutoFillBackground(true);
    frame->setGeometry(TwipsRect(left, top, width, height));
    return frame;
}

QAction* MakeAction(QMenu* menu, const char* name, const QString& caption,
                    const QKeySequence& shortcut = QKeySequence(), bool checkable = false) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(checkable);
    return action;
}

void CreateKeypad(ControlInventory& ui) {
    for (std::size_t i = 0; i < KeypadKeys.size(); ++i) {
        const KeypadKey& key = KeypadKeys[i];
        const QString name = QString::fromUtf8(key.name.data(), key.name.size());
        const QString caption = QString::fromUtf8(key.caption.data(), key.caption.size());
        ui.keypad[i] = MakeLabel(
            ui.Frame2, name.toUtf8().constData(), caption,
            {key.column * KeyColumnPitch, KeyTop + key.row * KeyRowPitch, KeyWidth, KeyHeight},
            FromTable(key.tooltip));
        if (!key.spoken.empty()) {
            ui.keypad[i]->setAccessibleName(FromTable(key.spoken));
        }
        ui.keypad[i]->setFrameShape(QFrame::Box);
    }
    for (std::size_t i = 0; i < ui.parameterLabels.size(); ++i) {
        const Parameter& parameter = Parameters[i];
        const int index = static_cast<int>(i);
        ui.parameterLabels[i] = MakeLabel(
            ui.Frame2, FromTable(parameter.label).toLatin1().constData(),
            ParameterCaption(index, parameter.stored.defaultValue), {index * 960, 4320, 915, 255},
            "Click to change the function parameter value");
        ui.parameterLabels[i]->setFrameShape(QFrame::Box);
    }
}

void CreateMenus(QMainWindow& window, ControlInventory& ui) {
    ui.menu0 = window.menuBar()->addMenu("&Functions");
    ui.menu0->setObjectName("menu0");
    for (int n = 1; n <= FunctionHistory::HistorySize; ++n) {
        const QByteArray name = QString("menufun%1").arg(n).toUtf8();
        ui.menufun[static_cast<std::size_t>(n)] =
            MakeAction(ui.menu0, name.constData(), QString("&%1. <empty>").arg(n));
    }
    for (std::size_t i = 0; i < Examples.size(); ++i) {
        ui.menuexample[i] =
            MakeAction(ui.menu0, FromTable(Examples[i].menuItem).toLatin1().constData(),
                       FromTable(Examples[i].menuCaption));
    }
    ui.menufunclear = MakeAction(ui.menu0, "menufunclear", "Clear &History");

    ui.menu1 = window.menuBar()->addMenu("&Settings");
    ui.menu1->setObjectName("menu1");
    ui.menupoints = MakeAction(ui.menu1, "menupoints", "Change &Number Of Sample Points",
                               QKeySequence(Qt::CTRL | Qt::Key_N));
    MakeAction(ui.menu1, "menugrid", "Show &Grid", QKeySequence(Qt::CTRL | Qt::Key_G), true);
    MakeAction(ui.menu1, "menuaspect", "Keep Natural &Aspect Ratio",
               QKeySequence(Qt::CTRL | Qt::Key_A), true);
    MakeAction(ui.menu1, "menusingular", "Look For 'PI' &Singular (Out Of Range) Points",
               QKeySequence(), true);
    MakeAction(ui.menu1, "menurandom", "&Random Color For The Next Graph",
               QKeySequence(Qt::CTRL | Qt::Key_R), true);
    ui.menucolors = MakeAction(ui.menu1, "menucolors", "Change Color Theme");

    ui.menuhelp = window.menuBar()->addMenu("&Help");
    ui.menuhelp->setObjectName("menuhelp");
    ui.menuabout = MakeAction(ui.menuhelp, "menuabout", "About " + appTitle);
}

void CreateControls(QMainWindow& window, ControlInventory& ui) {
    ui.client = new QWidget(&window);
    ui.client->setObjectName("client");
    ui.client->setAutoFillBackground(true);
    window.setCentralWidget(ui.client);
    ui.client->resize(TwipsSize(7875, 8295));

    ui.Frame2 = MakeFrame(ui.client, "Frame2", 60, 3660, 6195, 4695);
    ui.Frame1 = MakeFrame(ui.client, "Frame1", 6360, 5640, 1575, 2415);

    ui.labymax =
        MakeLabel(ui.client, "labymax", "", {60, 60, 675, 255}, "Click to change Ymax value");
    ui.Label2 = MakeLabel(ui.client, "Label2", "Y - axis", {60, 360, 615, 195});
    ui.labcback = MakeLabel(ui.client, "labcback", "", {60, 1500, 495, 255},
                            "Click to change graph background color");
    ui.labcaxis =
        MakeLabel(ui.client, "labcaxis", "", {60, 1800, 495, 255}, "Click to change axes color");
    ui.labcgraph = MakeLabel(ui.client, "labcgraph", "", {60, 2100, 495, 255},
                             "Click to change the next function graph color");
    ui.labcerr = MakeLabel(ui.client, "labcerr", "", {60, 2400, 495, 255},
                           "Click to change out of range point color");
    for (ClickableLabel* swatch : {ui.labcback, ui.labcaxis, ui.labcgraph, ui.labcerr}) {
        swatch->setFrameShape(QFrame::Box);
    }
    ui.labcolordark = MakeLabel(ui.client, "labcolordark", "Dark", {60, 2760, 495, 195},
                                "Click to select dark background color set");
    ui.labcolorlight = MakeLabel(ui.client, "labcolorlight", "Light", {60, 3000, 495, 195},
                                 "Click to select light background color set");
    ui.labcolordark->setAccessibleName("dark graph colours");
    ui.labcolorlight->setAccessibleName("light graph colours");

    ui.grafik = new GraphCanvas(ui.client);
    ui.grafik->setObjectName("grafik");
    ui.grafik->setGeometry(TwipsRect(780, 60, 7035, 5535));
    const char* busyNames[] = {"labbusy1", "labbusy2", "labbusy3", "labbusy4"};
    for (std::size_t i = 0; i < ui.labbusy.size(); ++i) {
        ui.labbusy[i] = MakeLabel(ui.grafik, busyNames[i], "busy...", {120, 120, 675, 195});
        ui.labbusy[i]->hide();
    }

    ui.Label1 = MakeLabel(ui.Frame1, "Label1", "X - axis", {120, 60, 615, 195});
    ui.labxmax =
        MakeLabel(ui.Frame1, "labxmax", "", {780, 0, 675, 255}, "Click to change Xmax value");
    ui.Command1 = MakeButton(ui.Frame1, "Command1", "New Graph", 420);
    ui.Command2 = MakeButton(ui.Frame1, "Command2", "Add Graph", 780);
    ui.Command3 = MakeButton(ui.Frame1, "Command3", "Clear Graphs", 1140);
    ui.Command4 = MakeButton(ui.Frame1, "Command4", "Copy To Clipboard", 1500);
    ui.Command5 = MakeButton(ui.Frame1, "Command5", "Function List", 1860);

    ui.labyzoom = MakeLabel(ui.Frame2, "labyzoom", "Zoom", {0, 180, 495, 195});
    ui.labyzoomin = MakeLabel(ui.Frame2, "labyzoomin", "In", {0, 420, 495, 255},
                              "Click to Zoom In along the Y-axis");
    ui.labyzoomout = MakeLabel(ui.Frame2, "labyzoomout", "Out", {0, 720, 495, 255},
                               "Click to Zoom Out along the Y-axis");
    ui.labymin =
        MakeLabel(ui.Frame2, "labymin", "", {0, 1680, 675, 255}, "Click to change Ymin value");
    ui.labxmin =
        MakeLabel(ui.Frame2, "labxmin", "", {720, 1980, 675, 255}, "Click to change Xmin value");
    ui.labxzoomin = MakeLabel(ui.Frame2, "labxzoomin", "In", {2700, 1980, 495, 255},
                              "Click to Zoom In along the X-axis");
    ui.labxzoom = MakeLabel(ui.Frame2, "labxzoom", "Zoom", {2160, 2040, 495, 195});
    ui.labxzoomout = MakeLabel(ui.Frame2, "labxzoomout", "Out", {3240, 1980, 495, 255},
                               "Click to Zoom Out along the X-axis");
    // "In" and "Out" say their axis only by where they stand.
    ui.labxzoomin->setAccessibleName("zoom in, x axis");
    ui.labxzoomout->setAccessibleName("zoom out, x axis");
    ui.labyzoomin->setAccessibleName("zoom in, y axis");
    ui.labyzoomout->setAccessibleName("zoom out, y axis");

    ui.Text1 = new QLineEdit("Function:   y = ", ui.Frame2);
    ui.Text1->setObjectName("Text1");
    ui.Text1->setGeometry(TwipsRect(0, 2400, 1095, 255));
    ui.Text1->setReadOnly(true);
    ui.Text1->setFrame(false);
    ui.Text1->setToolTip(ExpressionTooltip);
    // Typing always goes into the expression box, never into the prefix box.
    ui.Text1->setFocusPolicy(Qt::NoFocus);

    ui.inputfunc = new QLineEdit(ui.Frame2);
    ui.inputfunc->setObjectName("inputfunc");
    ui.inputfunc->setGeometry(TwipsRect(1080, 2400, 5055, 255));
    ui.inputfunc->setMaxLength(std::numeric_limits<int>::max());
    ui.inputfunc->setToolTip(ExpressionTooltip);
    ui.inputfunc->setAccessibleName("Function: y =");

    CreateKeypad(ui);

    ui.resizetimer = new QTimer(&window);
    ui.resizetimer->setObjectName("resizetimer");

    // The graph area lies in front of the expression panel where they overlap.
    ui.grafik->raise();
    CreateMenus(window, ui);
}

} // namespace

QAction* SwitchItem(const ControlInventory& ui, const SwitchSetting& row) {
    for (QAction* item : ui.menu1->actions()) {
        if (item->objectName() == FromTable(row.menuItem)) {
            return item;
        }
    }
    return nullptr;
}

ControlInventory CreateControlInventory(QMainWindow& window) {
    ControlInventory ui;
    CreateControls(window, ui);
    return ui;
}
} // namespace plotmere

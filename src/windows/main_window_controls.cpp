// The main window's control inventory: every control at its place in twips, with its caption,
// tooltip and objectName.
#include "editor/keypad_keys.h"
#include "view/graph_canvas.h"
#include "windows/app_info.h"
#include "widgets/clickable_label.h"
#include "windows/main_window.h"
#include "widgets/twips.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
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

} // namespace

void MainWindow::createControls() {
    client = new QWidget(this);
    client->setObjectName("client");
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    client->resize(TwipsSize(7875, 8295));

    Frame2 = MakeFrame(client, "Frame2", 60, 3660, 6195, 4695);
    Frame1 = MakeFrame(client, "Frame1", 6360, 5640, 1575, 2415);

    labymax = MakeLabel(client, "labymax", "", {60, 60, 675, 255}, "Click to change Ymax value");
    Label2 = MakeLabel(client, "Label2", "Y - axis", {60, 360, 615, 195});
    labcback = MakeLabel(client, "labcback", "", {60, 1500, 495, 255},
                         "Click to change graph background color");
    labcaxis =
        MakeLabel(client, "labcaxis", "", {60, 1800, 495, 255}, "Click to change axes color");
    labcgraph = MakeLabel(client, "labcgraph", "", {60, 2100, 495, 255},
                          "Click to change the next function graph color");
    labcerr = MakeLabel(client, "labcerr", "", {60, 2400, 495, 255},
                        "Click to change out of range point color");
    for (ClickableLabel* swatch : {labcback, labcaxis, labcgraph, labcerr}) {
        swatch->setFrameShape(QFrame::Box);
    }
    labcolordark = MakeLabel(client, "labcolordark", "Dark", {60, 2760, 495, 195},
                             "Click to select dark background color set");
    labcolorlight = MakeLabel(client, "labcolorlight", "Light", {60, 3000, 495, 195},
                              "Click to select light background color set");

    grafik = new GraphCanvas(client);
    grafik->setObjectName("grafik");
    grafik->setGeometry(TwipsRect(780, 60, 7035, 5535));
    const char* busyNames[] = {"labbusy1", "labbusy2", "labbusy3", "labbusy4"};
    for (std::size_t i = 0; i < labbusy.size(); ++i) {
        labbusy[i] = MakeLabel(grafik, busyNames[i], "busy...", {120, 120, 675, 195});
        labbusy[i]->hide();
    }

    Label1 = MakeLabel(Frame1, "Label1", "X - axis", {120, 60, 615, 195});
    labxmax = MakeLabel(Frame1, "labxmax", "", {780, 0, 675, 255}, "Click to change Xmax value");
    Command1 = MakeButton(Frame1, "Command1", "New Graph", 420);
    Command2 = MakeButton(Frame1, "Command2", "Add Graph", 780);
    Command3 = MakeButton(Frame1, "Command3", "Clear Graphs", 1140);
    Command4 = MakeButton(Frame1, "Command4", "Copy To Clipboard", 1500);
    Command5 = MakeButton(Frame1, "Command5", "Function List", 1860);

    labyzoom = MakeLabel(Frame2, "labyzoom", "Zoom", {0, 180, 495, 195});
    labyzoomin = MakeLabel(Frame2, "labyzoomin", "In", {0, 420, 495, 255},
                           "Click to Zoom In along the Y-axis");
    labyzoomout = MakeLabel(Frame2, "labyzoomout", "Out", {0, 720, 495, 255},
                            "Click to Zoom Out along the Y-axis");
    labymin = MakeLabel(Frame2, "labymin", "", {0, 1680, 675, 255}, "Click to change Ymin value");
    labxmin = MakeLabel(Frame2, "labxmin", "", {720, 1980, 675, 255}, "Click to change Xmin value");
    labxzoomin = MakeLabel(Frame2, "labxzoomin", "In", {2700, 1980, 495, 255},
                           "Click to Zoom In along the X-axis");
    labxzoom = MakeLabel(Frame2, "labxzoom", "Zoom", {2160, 2040, 495, 195});
    labxzoomout = MakeLabel(Frame2, "labxzoomout", "Out", {3240, 1980, 495, 255},
                            "Click to Zoom Out along the X-axis");

    Text1 = new QLineEdit("Function:   y = ", Frame2);
    Text1->setObjectName("Text1");
    Text1->setGeometry(TwipsRect(0, 2400, 1095, 255));
    Text1->setReadOnly(true);
    Text1->setFrame(false);
    Text1->setToolTip(ExpressionTooltip);
    // Typing always goes into the expression box, never into the prefix box.
    Text1->setFocusPolicy(Qt::NoFocus);

    inputfunc = new QLineEdit(Frame2);
    inputfunc->setObjectName("inputfunc");
    inputfunc->setGeometry(TwipsRect(1080, 2400, 5055, 255));
    inputfunc->setMaxLength(std::numeric_limits<int>::max());
    inputfunc->setToolTip(ExpressionTooltip);
    inputfunc->installEventFilter(this);

    createKeypad();

    resizetimer = new QTimer(this);
    resizetimer->setObjectName("resizetimer");
    resizetimer->setInterval(timing_.resizeTickMs);

    // The graph area lies in front of the expression panel where they overlap.
    grafik->raise();
    createMenus();
}

void MainWindow::createKeypad() {
    for (std::size_t i = 0; i < KeypadKeys.size(); ++i) {
        const KeypadKey& key = KeypadKeys[i];
        const QString name = QString::fromUtf8(key.name.data(), key.name.size());
        const QString caption = QString::fromUtf8(key.caption.data(), key.caption.size());
        QString tooltip = "Click to append";
        if (key.name == "qdel") {
            tooltip = "Click to delete the last token from the function expression";
        } else if (key.name == "qclear") {
            tooltip = "Click to clear the function expression";
        }
        keypad[i] = MakeLabel(
            Frame2, name.toUtf8().constData(), caption,
            {key.column * KeyColumnPitch, KeyTop + key.row * KeyRowPitch, KeyWidth, KeyHeight},
            tooltip);
        keypad[i]->setFrameShape(QFrame::Box);
    }
    const char* parameterNames[] = {"qqa", "qqb", "qqc", "qqd", "qqe"};
    const char* parameterCaptions[] = {"a=0", "b=1", "c=2", "d=3", "e=4"};
    for (std::size_t i = 0; i < parameterLabels.size(); ++i) {
        parameterLabels[i] = MakeLabel(Frame2, parameterNames[i], parameterCaptions[i],
                                       {static_cast<int>(i) * 960, 4320, 915, 255},
                                       "Click to change the function parameter value");
        parameterLabels[i]->setFrameShape(QFrame::Box);
    }
}

void MainWindow::createMenus() {
    menu0 = menuBar()->addMenu("&Functions");
    menu0->setObjectName("menu0");
    for (int n = 1; n <= 10; ++n) {
        const QByteArray name = QString("menufun%1").arg(n).toUtf8();
        menufun[n] = MakeAction(menu0, name.constData(), QString("&%1. <empty>").arg(n));
    }
    menuexample1 = MakeAction(menu0, "menuexample1", "Example 1");
    menuexample2 = MakeAction(menu0, "menuexample2", "Example 2");
    menuexample3 = MakeAction(menu0, "menuexample3", "Example 3");
    menufunclear = MakeAction(menu0, "menufunclear", "Clear &History");

    menu1 = menuBar()->addMenu("&Settings");
    menu1->setObjectName("menu1");
    menupoints = MakeAction(menu1, "menupoints", "Change &Number Of Sample Points",
                            QKeySequence(Qt::CTRL | Qt::Key_N));
    menugrid =
        MakeAction(menu1, "menugrid", "Show &Grid", QKeySequence(Qt::CTRL | Qt::Key_G), true);
    menuaspect = MakeAction(menu1, "menuaspect", "Keep Natural &Aspect Ratio",
                            QKeySequence(Qt::CTRL | Qt::Key_A), true);
    menusingular =
        MakeAction(menu1, "menusingular", "Look For 'PI' &Singular (Out Of Range) Points",
                   QKeySequence(), true);
    menurandom = MakeAction(menu1, "menurandom", "&Random Color For The Next Graph",
                            QKeySequence(Qt::CTRL | Qt::Key_R), true);
    menucolors = MakeAction(menu1, "menucolors", "Change Color Theme");

    menuhelp = menuBar()->addMenu("&Help");
    menuhelp->setObjectName("menuhelp");
    menuabout = MakeAction(menuhelp, "menuabout", "About " + appTitle);
}

} // namespace plotmere

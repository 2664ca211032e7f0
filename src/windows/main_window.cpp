#include "windows/main_window.h"

#include "editor/parameters.h"
#include "engine/number_text.h"
#include "settings/settings_store.h"
#include "settings/stored_single.h"
#include "view/function_list_window.h"
#include "view/graph_canvas.h"
#include "windows/about_window.h"
#include "windows/app_info.h"
#include "widgets/clickable_label.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace plotmere {

namespace {

// A narrow sans-serif at 7.5 points, so that every caption fits its control at the layout's
// sizes ("arcsin" on a 41-pixel key, "Copy To Clipboard" on its button).
QFont InterfaceFont(QFont font) {
    font.setFamilies({"Segoe UI", "Liberation Sans", "Arial", "DejaVu Sans Condensed"});
    font.setPointSizeF(7.5);
    return font;
}

} // namespace

MainWindow::MainWindow(SettingsStore& store, InputBox& inputBox, ColorPicker& colorPicker,
                       const Timing& timing, QWidget* parent)
    : QMainWindow(parent)
    , store_(store)
    , inputBox_(inputBox)
    , colorPicker_(colorPicker)
    , timing_(timing)
    , messages_(store, inputBox, timing) {
    setObjectName("Form1");
    setFont(InterfaceFont(font()));
    createControls();
    // The design size: the client area below the menu bar.
    resize(client->width(), client->height() + menuBar()->sizeHint().height());
    connectControls();
}

// The function list and About windows have no owner but refer to the graph list and the theme
// held here, so they go first.
MainWindow::~MainWindow() {
    delete functionList_.data();
    delete about_.data();
}

void MainWindow::connectControls() {
    client->installEventFilter(this);
    connect(resizetimer, &QTimer::timeout, this, &MainWindow::on_resizetimer_timeout);

    connect(Command1, &QPushButton::clicked, this, &MainWindow::on_Command1_clicked);
    connect(Command2, &QPushButton::clicked, this, &MainWindow::on_Command2_clicked);
    connect(Command3, &QPushButton::clicked, this, &MainWindow::on_Command3_clicked);
    connect(Command4, &QPushButton::clicked, this, &MainWindow::on_Command4_clicked);
    connect(Command5, &QPushButton::clicked, this, &MainWindow::on_Command5_clicked);
    // Enter runs "Add Graph" and Esc "Clear Graphs" wherever the focus is in this window.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        connect(new QShortcut(key, this), &QShortcut::activated, Command2, &QPushButton::click);
    }
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, Command3,
            &QPushButton::click);

    connect(labxmin, &ClickableLabel::clicked, this, &MainWindow::on_labxmin_clicked);
    connect(labxmax, &ClickableLabel::clicked, this, &MainWindow::on_labxmax_clicked);
    connect(labymin, &ClickableLabel::clicked, this, &MainWindow::on_labymin_clicked);
    connect(labymax, &ClickableLabel::clicked, this, &MainWindow::on_labymax_clicked);
    connect(labxzoomin, &ClickableLabel::clicked, this, &MainWindow::on_labxzoomin_clicked);
    connect(labxzoomout, &ClickableLabel::clicked, this, &MainWindow::on_labxzoomout_clicked);
    connect(labyzoomin, &ClickableLabel::clicked, this, &MainWindow::on_labyzoomin_clicked);
    connect(labyzoomout, &ClickableLabel::clicked, this, &MainWindow::on_labyzoomout_clicked);

    connect(labcback, &ClickableLabel::clicked, this, &MainWindow::on_labcback_clicked);
    connect(labcaxis, &ClickableLabel::clicked, this, &MainWindow::on_labcaxis_clicked);
    connect(labcgraph, &ClickableLabel::clicked, this, &MainWindow::on_labcgraph_clicked);
    connect(labcerr, &ClickableLabel::clicked, this, &MainWindow::on_labcerr_clicked);
    connect(labcolorlight, &ClickableLabel::clicked, this, &MainWindow::on_labcolorlight_clicked);
    connect(labcolordark, &ClickableLabel::clicked, this, &MainWindow::on_labcolordark_clicked);

    connect(menupoints, &QAction::triggered, this, &MainWindow::on_menupoints_triggered);
    connect(menugrid, &QAction::triggered, this, &MainWindow::on_menugrid_triggered);
    connect(menuaspect, &QAction::triggered, this, &MainWindow::on_menuaspect_triggered);
    connect(menusingular, &QAction::triggered, this, &MainWindow::on_menusingular_triggered);
    connect(menurandom, &QAction::triggered, this, &MainWindow::on_menurandom_triggered);
    connect(menucolors, &QAction::triggered, this, &MainWindow::on_menucolors_triggered);
    connect(menuabout, &QAction::triggered, this, &MainWindow::on_menuabout_triggered);
    connectEditor();
}

void MainWindow::load() {
    layoutReady_ = false;
    LoadColorTheme(theme_, store_);
    settheme();
    restorePlacement();
    setWindowTitle(appTitle);
    menuabout->setText("About " + appTitle);
    loadRanges();
    SaveAndShowRanges();
    parameters_ = LoadParameters(store_);
    RefreshParameters();
    functionHistory_.load(store_);
    RebuildHistoryMenu();
    colors_ = ReadGraphColors(store_);
    SaveGraphColors();
    loadSwitches();
    options_.sampleCount = store_.ReadSettingInt("Num of Samples", 10000);
    ClearGraphs();
    layoutReady_ = true;
    on_Form1_resize();
    inputfunc->setFocus();
}

void MainWindow::loadRanges() {
    range_.Xmin = ReadSettingSingle(store_, "x min", -7);
    range_.Xmax = ReadSettingSingle(store_, "x max", 7);
    range_.Ymin = ReadSettingSingle(store_, "y min", -5);
    range_.Ymax = ReadSettingSingle(store_, "y max", 6);
}

void MainWindow::loadSwitches() {
    options_.showGrid = store_.ReadSettingInt("Show Grid", 1);
    showSwitch(menugrid, options_.showGrid);
    options_.lookForSingular = store_.ReadSettingInt("Look For Singular", 1);
    showSwitch(menusingular, options_.lookForSingular);
    options_.randomColor = store_.ReadSettingInt("Random Color", 0);
    showSwitch(menurandom, options_.randomColor);
    if (options_.randomColor == 1) {
        PickRandomGraphColor();
    }
    options_.keepAspect = store_.ReadSettingInt("Keep Aspect", 1);
    showSwitch(menuaspect, options_.keepAspect);
    if (options_.keepAspect == 1) {
        ApplyAspect();
    }
}

void MainWindow::showmessage(const QString& text) {
    messages_.showmessage(this, text);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client && event->type() == QEvent::Resize) {
        on_Form1_resize();
    }
    if (watched == inputfunc && event->type() == QEvent::ShortcutOverride) {
        // The expression box would keep Ctrl+A (select all) and other keys for itself; the
        // Settings menu's shortcuts must work while it has the focus.
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (QAction* action : {menupoints, menugrid, menuaspect, menurandom}) {
            if (action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace plotmere

#include "windows/main_window.h"

#include "editor/parameters.h"
#include "engine/number_text.h"
#include "settings/settings_store.h"
#include "view/function_list_window.h"
#include "view/graph_canvas.h"
#include "widgets/clickable_label.h"
#include "windows/about_window.h"
#include "windows/app_info.h"
#include "windows/input_box.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
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
    , messages_(store, inputBox, timing)
    , placement_(store)
    , ui_(CreateControlInventory(*this))
    , graphView_(store,
                 {ui_.grafik,
                  {ui_.labbusy[0], ui_.labbusy[1], ui_.labbusy[2], ui_.labbusy[3]},
                  {ui_.labxmin, ui_.labxmax, ui_.labymin, ui_.labymax}},
                 this) {
    setObjectName("Form1");
    setFont(InterfaceFont(font()));
    // The design size: the client area below the menu bar.
    resize(ui_.client->width(), ui_.client->height() + menuBar()->sizeHint().height());
    connectControls();
}

// The function list and About windows have no owner but refer to the graph list and the theme
// held here, so they go first.
MainWindow::~MainWindow() {
    delete functionList_.data();
    delete about_.data();
}

void MainWindow::connectControls() {
    ui_.client->installEventFilter(this);
    ui_.inputfunc->installEventFilter(this);
    ui_.resizetimer->setInterval(timing_.resizeTickMs);
    connect(ui_.resizetimer, &QTimer::timeout, this, &MainWindow::on_resizetimer_timeout);

    connect(ui_.Command1, &QPushButton::clicked, this, &MainWindow::on_Command1_clicked);
    connect(ui_.Command2, &QPushButton::clicked, this, &MainWindow::on_Command2_clicked);
    connect(ui_.Command3, &QPushButton::clicked, this, &MainWindow::on_Command3_clicked);
    connect(ui_.Command4, &QPushButton::clicked, this, &MainWindow::on_Command4_clicked);
    connect(ui_.Command5, &QPushButton::clicked, this, &MainWindow::on_Command5_clicked);
    // Enter runs "Add Graph" and Esc "Clear Graphs" wherever the focus is in this window.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        connect(new QShortcut(key, this), &QShortcut::activated, ui_.Command2, &QPushButton::click);
    }
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, ui_.Command3,
            &QPushButton::click);

    connect(ui_.labxmin, &ClickableLabel::clicked, this, &MainWindow::on_labxmin_clicked);
    connect(ui_.labxmax, &ClickableLabel::clicked, this, &MainWindow::on_labxmax_clicked);
    connect(ui_.labymin, &ClickableLabel::clicked, this, &MainWindow::on_labymin_clicked);
    connect(ui_.labymax, &ClickableLabel::clicked, this, &MainWindow::on_labymax_clicked);
    connect(ui_.labxzoomin, &ClickableLabel::clicked, this, &MainWindow::on_labxzoomin_clicked);
    connect(ui_.labxzoomout, &ClickableLabel::clicked, this, &MainWindow::on_labxzoomout_clicked);
    connect(ui_.labyzoomin, &ClickableLabel::clicked, this, &MainWindow::on_labyzoomin_clicked);
    connect(ui_.labyzoomout, &ClickableLabel::clicked, this, &MainWindow::on_labyzoomout_clicked);

    connect(ui_.labcback, &ClickableLabel::clicked, this, &MainWindow::on_labcback_clicked);
    connect(ui_.labcaxis, &ClickableLabel::clicked, this, &MainWindow::on_labcaxis_clicked);
    connect(ui_.labcgraph, &ClickableLabel::clicked, this, &MainWindow::on_labcgraph_clicked);
    connect(ui_.labcerr, &ClickableLabel::clicked, this, &MainWindow::on_labcerr_clicked);
    connect(ui_.labcolorlight, &ClickableLabel::clicked, this,
            &MainWindow::on_labcolorlight_clicked);
    connect(ui_.labcolordark, &ClickableLabel::clicked, this, &MainWindow::on_labcolordark_clicked);

    connect(&graphView_, &GraphView::graphColorsChanged, this, &MainWindow::showGraphColors);
    connectSettingsMenu();
    connect(ui_.menucolors, &QAction::triggered, this, &MainWindow::on_menucolors_triggered);
    connect(ui_.menuabout, &QAction::triggered, this, &MainWindow::on_menuabout_triggered);
    connectEditor();
}

void MainWindow::load() {
    layoutReady_ = false;
    LoadColorTheme(theme_, store_);
    settheme();
    placement_.restore(*this);
    setWindowTitle(appTitle);
    ui_.menuabout->setText("About " + appTitle);
    graphView_.LoadRanges();
    graphView_.SaveAndShowRanges();
    parameters_ = LoadParameters(store_);
    RefreshParameters();
    functionHistory_.load(store_);
    RebuildHistoryMenu();
    graphView_.LoadGraphColors();
    loadSwitches();
    graphView_.LoadSampleCount();
    ClearGraphs();
    layoutReady_ = true;
    on_Form1_resize();
    ui_.inputfunc->setFocus();
}

void MainWindow::showmessage(const QString& text) {
    messages_.showmessage(this, text);
}

std::optional<TypedNumber> MainWindow::askNumber(const QString& prompt, const QString& proposed,
                                                 const NumberRule& rule) {
    const TypedNumber read = ReadTypedNumber(inputBox_.ask(this, prompt, appTitle, proposed), rule);
    if (read.outcome == TypedNumber::Outcome::OutOfRange) {
        const std::string_view message = rule.outOfRangeMessage;
        showmessage(QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
    }
    if (read.outcome != TypedNumber::Outcome::Accepted) {
        return std::nullopt;
    }
    return read;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_.client && event->type() == QEvent::Resize) {
        on_Form1_resize();
    }
    if (watched == ui_.inputfunc && event->type() == QEvent::ShortcutOverride) {
        // The expression box would keep Ctrl+A (select all) and other keys for itself; the
        // Settings menu's shortcuts must work while it has the focus.
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : ui_.menu1->actions()) {
            if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace plotmere

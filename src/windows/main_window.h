#pragma once

#include "editor/function_history.h"
#include "engine/compiler.h"
#include "settings/window_placement.h"
#include "themes/graph_colors.h"
#include "themes/theme_table.h"
#include "view/graph_list.h"
#include "view/plot_workers.h"
#include "view/range_editing.h"
#include "view/view_state.h"
#include "windows/message_service.h"
#include "windows/timing.h"

#include <QMainWindow>
#include <QMargins>
#include <QPointer>

#include <array>
#include <cstdint>
#include <vector>

class QAction;
class QFrame;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace plotmere {

class AboutWindow;
class ClickableLabel;
class FunctionListWindow;
struct KeypadKey;
class ColorPicker;
class GraphCanvas;
class InputBox;
class SettingsStore;

// The main window (Form1): the graph area, the range and colour labels, the expression box
// with its keypad, the command buttons and the menus. It owns the state the whole run shares
// and wires each subsystem's operations to its controls.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `timing` sets the wall-clock length of the window's waits; the program keeps the
    // defaults.
    MainWindow(SettingsStore& store, InputBox& inputBox, ColorPicker& colorPicker,
               const Timing& timing = Timing{}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Restores everything from the settings store and lays out the window; runs once, before
    // the window is first shown.
    void load();

    const ViewRange& viewRange() const { return range_; }
    const ViewOptions& viewOptions() const { return options_; }
    const GraphColors& graphColors() const { return colors_; }
    const GraphList& graphList() const { return graphs_; }
    const ParameterValues& parameters() const { return parameters_; }
    const FunctionHistory& functionHistory() const { return functionHistory_; }
    const ColorTheme& colorTheme() const { return theme_; }
    FunctionListWindow* functionListWindow() const;
    bool layoutReady() const { return layoutReady_; }
    MessageService& messages() { return messages_; }

signals:
    // Emitted after each full redraw of the graph area, for whoever waits on the picture.
    void graphAreaDrawn();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Control inventory (main_window_controls.cpp).
    void createControls();
    void createMenus();
    void createKeypad();

    // Placement, layout and resize (main_window_layout.cpp).
    void restorePlacement();
    void applyOuterPlacement(const QRect& outer);
    void correctPlacementForFrame();
    void rememberNormalMargins();
    void savePlacement();
    void on_Form1_resize();
    void on_resizetimer_timeout();
    void placeBusyLabels();
    QMargins outerMargins() const;

    // The graph area and its range (main_window_ranges.cpp).
    std::uint64_t ResetGraphArea();
    void ApplyAspect();
    void ApplyAspectFromTop();
    void SaveAndShowRanges();
    void loadRanges();
    void editRangeValue(RangeField field, float current, const QString& prompt);
    void finishZoom(bool zoomed);
    void on_labxmin_clicked();
    void on_labxmax_clicked();
    void on_labymin_clicked();
    void on_labymax_clicked();
    void on_labxzoomin_clicked();
    void on_labxzoomout_clicked();
    void on_labyzoomin_clicked();
    void on_labyzoomout_clicked();

    // The graph list and its commands (main_window_graphs.cpp).
    void PlotGraph(std::int32_t g);
    void RedrawAll();
    void AddGraph(const CompiledExpression& compiled);
    void ClearGraphs();
    void ShowBusy();
    void HideBusy();
    void showNextGraphNumber();
    void plotNewGraph(QPushButton* command);
    void on_Command1_clicked();
    void on_Command2_clicked();
    void on_Command3_clicked();
    void on_Command4_clicked();

    // Graph colours (main_window_colors.cpp).
    void SaveGraphColors();
    void PickRandomGraphColor();
    void pickSwatchColor(ColorValue& field, bool redraw);
    void applyColorPreset(const GraphColors& preset);
    void on_labcback_clicked();
    void on_labcaxis_clicked();
    void on_labcgraph_clicked();
    void on_labcerr_clicked();
    void on_labcolorlight_clicked();
    void on_labcolordark_clicked();

    // The Settings menu (main_window_settings_menu.cpp).
    void on_menupoints_triggered();
    void on_menugrid_triggered();
    void on_menuaspect_triggered();
    void on_menusingular_triggered();
    void on_menurandom_triggered();
    void storeSwitch(QAction* item, std::int32_t& field, const QString& valueName);
    void showSwitch(QAction* item, std::int32_t value);
    void loadSwitches();

    // The expression editor (main_window_editor.cpp).
    void setExpression(const QString& text);
    void on_keypad_clicked(const KeypadKey& key);
    void on_qdel_clicked();
    void on_qnum_clicked();
    void on_parameterLabel_clicked(int index);
    void RefreshParameters();
    void RebuildHistoryMenu();
    void PushHistory(const QString& expression);
    void on_menufun_triggered(int n);
    void on_menuexample_triggered(int n);
    void on_menufunclear_triggered();
    void connectEditor();

    // The colour theme and the windows around it (main_window_theme.cpp).
    void settheme();
    void ApplyThemeToOpenWindows();
    bool functionListOpen() const;
    void refreshFunctionList();
    void closeFunctionList();
    void on_Command5_clicked();
    void on_menucolors_triggered();
    void on_menuabout_triggered();

    // Input problems go to the message window below this one.
    void showmessage(const QString& text);
    void connectControls();

    SettingsStore& store_;
    InputBox& inputBox_;
    ColorPicker& colorPicker_;
    const Timing timing_;
    MessageService messages_;

    ViewRange range_;
    ViewOptions options_;
    GraphColors colors_;
    ParameterValues parameters_ = {0, 1, 2, 3, 4};
    GraphList graphs_;
    // Evaluates each graph's samples on every core; drawing stays on this thread.
    PlotWorkers plotWorkers_;
    FunctionHistory functionHistory_;
    ColorTheme theme_;
    // Secondary windows delete themselves when closed; these go null then.
    QPointer<FunctionListWindow> functionList_;
    QPointer<AboutWindow> about_;
    // Counts the resets of the graph area, so that a redraw interleaved with other commands
    // knows whether the area it cleared is still the one shown.
    std::uint64_t areaGeneration_ = 0;
    bool layoutReady_ = false;
    int resizeTicks_ = 0;
    // Placement as stored, applied once more when the window manager's frame becomes known.
    QRect storedOuterPlacement_;
    StoredPlacement storedPlacementTwips_; // as read from the store
    bool placementCorrected_ = false;
    QSize appliedSize_;
    QMargins lastNormalMargins_;

    // Controls, named as the layout tables name them (each also its objectName, by which tests
    // find them).
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
    std::array<ClickableLabel*, 39> keypad{};         // qplus ... qclear, in keypad order
    std::array<ClickableLabel*, 5> parameterLabels{}; // qqa ... qqe

    QMenu* menu0 = nullptr;             // "&Functions"
    std::array<QAction*, 11> menufun{}; // indices 1 ... 10; 0 unused
    QAction* menuexample1 = nullptr;
    QAction* menuexample2 = nullptr;
    QAction* menuexample3 = nullptr;
    QAction* menufunclear = nullptr;
    QMenu* menu1 = nullptr; // "&Settings"
    QAction* menupoints = nullptr;
    QAction* menugrid = nullptr;
    QAction* menuaspect = nullptr;
    QAction* menusingular = nullptr;
    QAction* menurandom = nullptr;
    QAction* menucolors = nullptr;
    QMenu* menuhelp = nullptr; // "&Help"
    QAction* menuabout = nullptr;
};

} // namespace plotmere

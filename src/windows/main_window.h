#pragma once

#include "editor/function_history.h"
#include "editor/parameters.h"
#include "engine/compiler.h"
#include "settings/typed_number.h"
#include "themes/theme_table.h"
#include "view/graph_view.h"
#include "windows/control_inventory.h"
#include "windows/message_service.h"
#include "windows/placement_keeper.h"
#include "windows/timing.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <optional>

class QAction;
class QPushButton;

namespace plotmere {

class AboutWindow;
class ColorPicker;
class FunctionListWindow;
class InputBox;
struct KeypadKey;
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

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout and resize (main_window_layout.cpp).
    void correctPlacementForFrame();
    void on_Form1_resize();
    void on_resizetimer_timeout();

    // The range and zoom labels (main_window_ranges.cpp).
    void editRangeValue(RangeField field, float current, const QString& prompt);
    void on_labxmin_clicked();
    void on_labxmax_clicked();
    void on_labymin_clicked();
    void on_labymax_clicked();
    void on_labxzoomin_clicked();
    void on_labxzoomout_clicked();
    void on_labyzoomin_clicked();
    void on_labyzoomout_clicked();

    // The graph list and its commands (main_window_graphs.cpp).
    void AddGraph(const CompiledExpression& compiled);
    void ClearGraphs();
    void showNextGraphNumber();
    void plotNewGraph(QPushButton* command);
    void on_Command1_clicked();
    void on_Command2_clicked();
    void on_Command3_clicked();
    void on_Command4_clicked();

    // Graph colours (main_window_colors.cpp).
    void showGraphColors();
    void pickSwatchColor(ColorValue GraphColors::*field, bool redraw);
    void applyColorPreset(const GraphColors& preset);
    void on_labcback_clicked();
    void on_labcaxis_clicked();
    void on_labcgraph_clicked();
    void on_labcerr_clicked();
    void on_labcolorlight_clicked();
    void on_labcolordark_clicked();

    // The Settings menu (main_window_settings_menu.cpp).
    void on_menupoints_triggered();
    void on_switchItem_triggered(const SwitchSetting& row);
    void loadSwitches();
    void connectSettingsMenu();

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
    // Asks for a number by the rule; an answer out of its range is reported, and only an
    // accepted one is returned.
    std::optional<TypedNumber> askNumber(const QString& prompt, const QString& proposed,
                                         const NumberRule& rule);
    void connectControls();

    SettingsStore& store_;
    InputBox& inputBox_;
    ColorPicker& colorPicker_;
    const Timing timing_;
    MessageService messages_;

    ParameterValues parameters_ = DefaultParameters();
    FunctionHistory functionHistory_;
    ColorTheme theme_;
    // Secondary windows delete themselves when closed; these go null then.
    QPointer<FunctionListWindow> functionList_;
    QPointer<AboutWindow> about_;
    bool layoutReady_ = false;
    int resizeTicks_ = 0;
    PlacementKeeper placement_;

    ControlInventory ui_;
    // The graph area's state and operations; it draws into ui_'s canvas.
    GraphView graphView_;
};

} // namespace plotmere

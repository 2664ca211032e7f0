#pragma once

#include "themes/theme_table.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>

class QKeyEvent;
class QPushButton;

namespace plotmere {

class ClickableLabel;
class SettingsStore;

// The theme chooser (Form34): 46 entries, one per colour theme. A click on an entry stores
// that theme and shows it at once everywhere, "Select" keeps the theme last clicked, "Cancel"
// (also Esc) goes back to the theme in force when the chooser was opened. Closing it by its
// title bar keeps the theme last clicked. The caller opens it modally with exec().
//
// The constructor is its load handler.
class ThemeChooser : public QDialog {
    Q_OBJECT
public:
    // `applyThemeToOpenWindows` re-themes the main window and, when it is open, the function
    // list window (settheme, then showfuncdata).
    ThemeChooser(ColorTheme& current, SettingsStore& store,
                 std::function<void()> applyThemeToOpenWindows, QWidget* parent = nullptr);

    void settheme();

    // The entry whose caption equals themeName exactly shows rangeBack on rangeText, every
    // other entry editBack on editText.
    void HighlightCurrentTheme();

    const QString& themeAtOpen() const { return themeAtOpen_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void on_opcija_clicked(int index);
    void on_Command1_clicked();
    void on_Command2_clicked();
    void storeAndApplyTheme();

    ColorTheme& current_;
    SettingsStore& store_;
    std::function<void()> applyThemeToOpenWindows_;
    QString themeAtOpen_;

    std::array<ClickableLabel*, themeCount> opcija{};
    QPushButton* Command1 = nullptr; // "Select"
    QPushButton* Command2 = nullptr; // "Cancel"
};

} // namespace plotmere

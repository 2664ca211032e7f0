#include "support/main_window_fixture.h"
#include "support/main_window_state.h"

#include "editor/keypad_keys.h"
#include "support/widget_palette.h"
#include "themes/theme_chooser.h"
#include "view/function_list_window.h"
#include "widgets/clickable_label.h"
#include "widgets/widget_colors.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <optional>

namespace plotmere {
namespace {

using namespace testing_support;

class MainWindowThemeTest : public testing_support::MainWindowFixture {
protected:
    struct Expected {
        const char* name;
        ColorValue back;
        std::optional<ColorValue> text;
    };

    // Every themed control of the main window with the colours the theme gives it.
    std::vector<Expected> ThemedControls(const ColorTheme& t) const {
        std::vector<Expected> rows = {
            {"client", t.windowBack, std::nullopt}, {"Frame1", t.windowBack, std::nullopt},
            {"Frame2", t.windowBack, std::nullopt}, {"Text1", t.editBack, t.editText},
            {"inputfunc", t.editBack, t.editText},
        };
        for (const char* caption :
             {"Label1", "Label2", "labcolorlight", "labcolordark", "labxzoom", "labxzoomin",
              "labxzoomout", "labyzoom", "labyzoomin", "labyzoomout"}) {
            rows.push_back({caption, t.captionBack, t.captionText});
        }
        for (const char* parameter : {"qqa", "qqb", "qqc", "qqd", "qqe"}) {
            rows.push_back({parameter, t.paramBack, t.paramText});
        }
        for (const KeypadKey& key : KeypadKeys) {
            rows.push_back({key.name.data(), t.keyBack, t.keyText});
        }
        for (const char* range : {"labxmin", "labxmax", "labymin", "labymax"}) {
            rows.push_back({range, t.rangeBack, t.rangeText});
        }
        for (const char* busy : {"labbusy1", "labbusy2", "labbusy3", "labbusy4"}) {
            rows.push_back({busy, t.busyBack, t.busyText});
        }
        return rows;
    }

    void expectThemed(const ColorTheme& theme) {
        for (const Expected& row : ThemedControls(theme)) {
            const QWidget* widget = control(row.name);
            ASSERT_NE(widget, nullptr) << row.name;
            EXPECT_EQ(BackgroundOf(widget), row.back) << row.name;
            if (row.text) {
                EXPECT_EQ(TextColorOf(widget), *row.text) << row.name;
            }
        }
    }

    // Runs the theme chooser modally and clicks through it as a user would.
    void chooseThemes(const QStringList& clicks, const char* button) {
        QTimer::singleShot(0, [clicks, button] {
            auto* chooser = qobject_cast<ThemeChooser*>(QApplication::activeModalWidget());
            ASSERT_NE(chooser, nullptr);
            for (const QString& name : clicks) {
                for (ClickableLabel* entry : chooser->findChildren<ClickableLabel*>()) {
                    if (entry->text() == name) {
                        QTest::mouseClick(entry, Qt::LeftButton);
                        break;
                    }
                }
            }
            QTest::mouseClick(chooser->findChild<QPushButton*>(button), Qt::LeftButton);
        });
        control<QAction>("menucolors")->trigger();
    }

    // The theme in force: the stored one's colours ("Original Lite" for a name of no theme).
    static ColorTheme CurrentTheme() {
        const QString name = Store().value("Color Theme").toString();
        ColorTheme theme = FindColorTheme(name).value_or(*FindColorTheme("Original Lite"));
        theme.themeName = name;
        return theme;
    }

    void plot(const QString& expression) {
        control<QLineEdit>("inputfunc")->setText(expression);
        QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    }

    QTableWidget* functionGrid() const {
        return OpenFunctionList() ? OpenFunctionList()->findChild<QTableWidget*>("Grid1") : nullptr;
    }
};

TEST_F(MainWindowThemeTest, OpensInTheDefaultTheme) {
    EXPECT_EQ(CurrentTheme().themeName, "Original Lite");
    EXPECT_EQ(Store().value("Color Theme").toString(), "Original Lite");
    expectThemed(CurrentTheme());
    EXPECT_EQ(BackgroundOf(control<QWidget>("client")), Rgb(0xD7E6CA));
    EXPECT_EQ(BackgroundOf(control<ClickableLabel>("qplus")), Rgb(0xFFE0C0));
    EXPECT_EQ(BackgroundOf(control<ClickableLabel>("labxmin")), Rgb(0xC0FFC0));
    EXPECT_EQ(BackgroundOf(control<ClickableLabel>("labbusy1")), Rgb(0xFF8080));
    EXPECT_EQ(BackgroundOf(control<ClickableLabel>("qqa")), Rgb(0xFFFFC0));
    EXPECT_EQ(BackgroundOf(control<QLineEdit>("inputfunc")), Rgb(0xFFFFFF));
    EXPECT_EQ(TextColorOf(control<QLineEdit>("inputfunc")), Rgb(0x000000));
}

TEST_F(MainWindowThemeTest, AStoredThemeColoursTheWindowAtStart) {
    Store().setValue("Color Theme", "Halloween");
    restartWindow();
    ASSERT_EQ(CurrentTheme().windowBack, Rgb(0x252525));
    expectThemed(CurrentTheme());
}

// An empty name is no theme: the windows take the default colours, not black on black, and the
// name stays as stored until the user picks a theme.
TEST_F(MainWindowThemeTest, AnEmptyStoredThemeGivesTheDefaultColours) {
    Store().setValue("Color Theme", "");
    restartWindow();
    const ColorTheme originalLite = *FindColorTheme("Original Lite");
    expectThemed(originalLite);
    EXPECT_EQ(BackgroundOf(control<QWidget>("client")), Rgb(0xD7E6CA));
    EXPECT_EQ(Store().value("Color Theme").toString(), "");
}

TEST_F(MainWindowThemeTest, ThemeLeavesGraphColoursSwatchesButtonsAndPictureAlone) {
    const QImage before = picture();
    const ColorValue swatch = BackgroundOf(control<ClickableLabel>("labcback"));
    const QPalette buttons = control<QPushButton>("Command1")->palette();
    chooseThemes({"Mono Dark"}, "Command1");
    EXPECT_EQ(CurrentTheme().themeName, "Mono Dark");
    expectThemed(CurrentTheme());
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(BackgroundOf(control<ClickableLabel>("labcback")), swatch);
    EXPECT_EQ(control<QPushButton>("Command1")->palette().color(QPalette::Button),
              buttons.color(QPalette::Button));
}

TEST_F(MainWindowThemeTest, CancelGoesBackToTheThemeOfTheOpening) {
    chooseThemes({"Bloods"}, "Command2");
    EXPECT_EQ(CurrentTheme().themeName, "Original Lite");
    EXPECT_EQ(Store().value("Color Theme").toString(), "Original Lite");
    expectThemed(CurrentTheme());
    EXPECT_EQ(BackgroundOf(control<QWidget>("client")), Rgb(0xD7E6CA));
}

TEST_F(MainWindowThemeTest, SelectKeepsTheLastClickedThemeAcrossARestart) {
    chooseThemes({"Bloods", "Grapes"}, "Command1");
    EXPECT_EQ(Store().value("Color Theme").toString(), "Grapes");
    EXPECT_EQ(BackgroundOf(control<QWidget>("client")), Rgb(0x643D87));
    restartWindow();
    EXPECT_EQ(CurrentTheme().themeName, "Grapes");
    EXPECT_EQ(BackgroundOf(control<QWidget>("client")), Rgb(0x643D87));
}

TEST_F(MainWindowThemeTest, FunctionListTogglesAndFollowsTheGraphList) {
    QTest::mouseClick(control<QPushButton>("Command5"), Qt::LeftButton);
    QTableWidget* grid = functionGrid();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(), 10);
    EXPECT_EQ(OpenFunctionList()->frameGeometry().left(),
              window->frameGeometry().left() + window->frameGeometry().width());
    EXPECT_EQ(OpenFunctionList()->frameGeometry().top(), window->frameGeometry().top());

    plot("X*Sin(5*x)");
    EXPECT_EQ(grid->item(1, 1)->text(), "y=x*sin(5*x)");
    control<QLineEdit>("inputfunc")->setText("2");
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(grid->item(1, 1)->text(), "y=2");
    EXPECT_TRUE(grid->item(2, 1) == nullptr || grid->item(2, 1)->text().isEmpty());
    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_TRUE(grid->item(1, 1) == nullptr || grid->item(1, 1)->text().isEmpty());

    QTest::mouseClick(control<QPushButton>("Command5"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return OpenFunctionList() == nullptr; }));
    QTest::mouseClick(control<QPushButton>("Command5"), Qt::LeftButton);
    EXPECT_NE(OpenFunctionList(), nullptr);
}

TEST_F(MainWindowThemeTest, EveryThemeClickRecoloursAndRefillsTheOpenFunctionList) {
    plot("x");
    QTest::mouseClick(control<QPushButton>("Command5"), Qt::LeftButton);
    ASSERT_NE(functionGrid(), nullptr);
    chooseThemes({"Bloods"}, "Command1");
    EXPECT_EQ(BackgroundOf(OpenFunctionList()), Rgb(0x969696));
    EXPECT_EQ(BackgroundOf(functionGrid()), Rgb(0xC9083D));
    EXPECT_EQ(functionGrid()->item(1, 1)->text(), "y=x");
}

TEST_F(MainWindowThemeTest, MinimisingClosesTheFunctionListForGood) {
    QTest::mouseClick(control<QPushButton>("Command5"), Qt::LeftButton);
    ASSERT_NE(OpenFunctionList(), nullptr);
    window->showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return OpenFunctionList() == nullptr; }));
    window->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->windowState() == Qt::WindowNoState; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(OpenFunctionList(), nullptr);
}

TEST_F(MainWindowThemeTest, AboutShowsTheTitleAndClosesWhenTheMainWindowIsActivated) {
    control<QAction>("menuabout")->trigger();
    QWidget* about = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == "Form10" && top->isVisible()) {
            about = top;
        }
    }
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), "About Veldrake Plotmere");
    QPointer<QWidget> watched(about);
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return watched.isNull(); }));
}

} // namespace
} // namespace plotmere

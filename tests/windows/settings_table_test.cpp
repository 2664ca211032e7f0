// The whole store after a first run, value by value, against the table of every stored value:
// its names, and the defaults a first run writes. The table is written out here on its own, not
// taken from the program's rows, so that a row that changes its name or default shows.
#include "support/first_run_values.h"
#include "support/main_window_fixture.h"
#include "support/main_window_state.h"
#include "windows/window_test_helpers.h"

#include "engine/number_text.h"
#include "widgets/window_geometry.h"

#include <QCoreApplication>
#include <QMenuBar>

#include <map>

namespace plotmere {
namespace {

using namespace testing_support;

using SettingsTableTest = MainWindowFixture;

TEST_F(SettingsTableTest, AFirstRunStoresEveryValueOfTheTableWithItsDefault) {
    RunDelayedReplot(*window);
    ASSERT_EQ(UseTheValuesReadLater(*window), "Function expression is empty.");

    // The values the window measures: its outer size, and the top that the natural aspect
    // ratio gives the default range on its graph area.
    const QRect outer = window->frameGeometry();
    const float top = ViewOf(*window).range().Ymax;
    const std::map<QString, QString> expected = {
        {"Window Left", "4000"},
        {"Window Top", "2000"},
        {"Window Height", QString::number(PixelsToTwips(outer.height()))},
        {"Window Width", QString::number(PixelsToTwips(outer.width()))},
        {"x min", "-7"},
        {"x max", "7"},
        {"y min", "-5"},
        {"y max", QString::fromStdString(NumberToText(top, SinglePrecisionDigits))},
        {"parameter a", "0"},
        {"parameter b", "1"},
        {"parameter c", "2"},
        {"parameter d", "3"},
        {"parameter e", "4"},
        {"function 1", ""},
        {"function 2", ""},
        {"function 3", ""},
        {"function 4", ""},
        {"function 5", ""},
        {"function 6", ""},
        {"function 7", ""},
        {"function 8", ""},
        {"function 9", ""},
        {"function 10", ""},
        {"Example 1", "x*sin(5*x)"},
        {"Example 2", "3*sin(0.1*x^3)"},
        {"Example 3", "1/(x*tan(2*x))"},
        {"color back", "16777215"},
        {"color axis", "16744576"},
        {"color graph", "0"},
        {"color err", "4210943"},
        {"Show Grid", "1"},
        {"Look For Singular", "1"},
        {"Random Color", "0"},
        {"Keep Aspect", "1"},
        {"Num of Samples", "10000"},
        {"Color Theme", "Original Lite"},
        {"Message Duration", "4"},
    };
    std::map<QString, QString> stored;
    const QSettings settings = Store();
    for (const QString& name : settings.allKeys()) {
        stored[name] = settings.value(name).toString();
    }
    EXPECT_EQ(stored, expected);
    // The outer size is at least the window's minimum.
    EXPECT_GE(stored["Window Width"].toInt(), 7995);
    EXPECT_GE(stored["Window Height"].toInt(), 8985);
}

} // namespace
} // namespace plotmere

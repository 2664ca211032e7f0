// With the main window on the second of two screens, the windows it opens come up on that
// screen: the theme chooser, the About window and the splash before it, and at start the
// splash where the stored placement puts the main window.
#include "support/main_window_fixture.h"

#include "support/stepped_timing.h"
#include "themes/theme_chooser.h"
#include "windows/about_window.h"
#include "windows/placement_keeper.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <vector>

namespace plotmere {
namespace {

// Records where each window is when it is shown, by objectName.
class ShownPlaces final : public QObject {
public:
    ShownPlaces() { qApp->installEventFilter(this); }
    ~ShownPlaces() override { qApp->removeEventFilter(this); }

    std::vector<std::pair<QString, QRect>> shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            shown.emplace_back(watched->objectName(), static_cast<QWidget*>(watched)->geometry());
        }
        return false;
    }
};

class SecondScreenTest : public testing_support::MainWindowFixture {
protected:
    void SetUp() override {
        SettingsSandbox::SetUp();
        const QList<QScreen*> screens = QGuiApplication::screens();
        ASSERT_EQ(screens.size(), 2) << "the widget tests run on a desktop of two screens";
        second = screens[1];
        ASSERT_NE(second, QGuiApplication::primaryScreen());
        // A main window stored in the middle of the second screen.
        const QRect area = second->availableGeometry();
        QSettings settings = Store();
        settings.setValue("Window Left", PixelsToTwips(area.left() + 100));
        settings.setValue("Window Top", PixelsToTwips(area.top() + 100));
        settings.setValue("Window Width", 7995);
        settings.setValue("Window Height", 8985);
        settings.sync();
    }

    // Centred on the screen, give or take the frame, which a window learns only once shown.
    void ExpectCentredOn(const QRect& window, const QScreen* screen) const {
        const QPoint offset = window.center() - screen->geometry().center();
        EXPECT_LE(offset.manhattanLength(), 8) << ::testing::PrintToString(window) << " on "
                                               << ::testing::PrintToString(screen->geometry());
    }

    QScreen* second = nullptr;
};

TEST_F(SecondScreenTest, TheSplashAtStartComesUpWhereTheStoredPlacementPutsTheMainWindow) {
    EXPECT_EQ(ScreenOfStoredPlacement(store), second);
    ClearStore();
    EXPECT_EQ(ScreenOfStoredPlacement(store), nullptr) << "a first run uses the primary screen";
    EXPECT_TRUE(Store().allKeys().isEmpty()) << "looking ahead wrote to the store";
}

TEST_F(SecondScreenTest, TheThemeChooserOpensOnTheMainWindowsScreen) {
    ASSERT_NO_FATAL_FAILURE(startWindow());
    ASSERT_EQ(window->screen(), second);
    QRect chooserPlace;
    QTimer::singleShot(0, [&chooserPlace] {
        auto* chooser = qobject_cast<ThemeChooser*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        chooserPlace = chooser->geometry();
        chooser->reject();
    });
    control<QAction>("menucolors")->trigger();
    ExpectCentredOn(chooserPlace, second);
}

TEST_F(SecondScreenTest, AboutAndItsSplashOpenOnTheMainWindowsScreen) {
    ASSERT_NO_FATAL_FAILURE(startWindow());
    ASSERT_EQ(window->screen(), second);
    ShownPlaces places;
    control<QAction>("menuabout")->trigger();
    ASSERT_EQ(places.shown.size(), 2u);
    EXPECT_TRUE(places.shown[0].first == "Form01" || places.shown[0].first == "Form02");
    ExpectCentredOn(places.shown[0].second, second);
    EXPECT_EQ(places.shown[1].first, "Form10");
    ExpectCentredOn(places.shown[1].second, second);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == "Form10") {
            delete top;
        }
    }
}

} // namespace
} // namespace plotmere

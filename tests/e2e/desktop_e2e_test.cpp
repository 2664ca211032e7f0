// The program's windows on a desktop with a window manager: which window lies on top, which
// one has the keyboard, and where a framed window ends up.
#include "e2e_fixture.h"

#include "themes/theme_table.h"
#include "widgets/color_value.h"
#include "widgets/twips.h"

#include <QRasterWindow>
#include <QThread>

#include <cmath>

namespace plotmere::e2e {
namespace {

constexpr QRgb MessageGrey = 0x404040;
const QString MessageWindowName = QStringLiteral("^Confirmation$");
const QString FunctionListName = QStringLiteral("^Function List$");
const QString AboutName = QStringLiteral("^About Veldrake Plotmere$");
inline constexpr QRect InputfuncRect{1080, 2400, 5055, 255}; // the expression box, Frame2

QRgb Pixel(ColorValue color) {
    return ToPixel(color) & 0xFFFFFF;
}

TEST_F(EndToEndTest, AMessageStaysOnTopOfAMaximisedWindowThatIsClickedAgain) {
    PlotmereSession session;
    session.presetSettings({{"Message Duration", "10"}});
    ASSERT_TRUE(session.start());
    ASSERT_TRUE(MaximizeWindow(session.mainWindow()));
    const std::optional<QRect> screen = ScreenGeometry();
    ASSERT_TRUE(screen.has_value());
    ASSERT_TRUE(WaitUntil([&] { return session.outerGeometry() == *screen; }, 5000));
    ASSERT_TRUE(session.relocateGraphArea());

    EnterExpression("sin(x");
    WindowId messageWindow = 0;
    const std::optional<QRect> message = AwaitWindowNamed(MessageWindowName, &messageWindow);
    ASSERT_TRUE(message.has_value()) << "no message window appeared";
    // Over the main window's bottom edge, since there is no room below it.
    EXPECT_EQ(message->bottom(), screen->bottom());

    // The user clicks into the expression box: the window manager raises the main window, and
    // the message must still be seen over it.
    Click(InFrame2(session, InputfuncRect));
    ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == session.mainWindow(); }, 5000));
    QThread::msleep(300);
    EXPECT_TRUE(StackedAbove(messageWindow, session.mainWindow()));
    const QImage shown = GrabScreen(*message);
    EXPECT_GT(CountColor(shown, MessageGrey), shown.width() * shown.height() / 2)
        << "the message strip is hidden";
    EXPECT_GT(CountColor(shown, 0xFFFFFF), 10) << "no white text in the message";
    // It never took the keyboard: typing goes on in the expression box.
    TypeText(")");
    PressKeys({"Return"});
    EXPECT_TRUE(AwaitSetting(session, "function 1", "sin(x)"));
}

TEST_F(EndToEndTest, AListOfElevenGraphsShowsItsHeaderOnceAndGraphOneBelowIt) {
    PlotmereSession session;
    ASSERT_TRUE(session.start());
    for (int g = 1; g <= 11; ++g) {
        EnterExpression(QString("x+%1").arg(g));
    }
    ASSERT_TRUE(AwaitSetting(session, "function 1", "x+11"));

    Click(InFrame1(session, Command5Rect));
    WindowId listWindow = 0;
    ASSERT_TRUE(AwaitWindowNamed(FunctionListName, &listWindow).has_value())
        << "no function list appeared";
    ASSERT_TRUE(WaitUntil([&] { return !FrameExtents(listWindow).isNull(); }, 5000));
    const ColorTheme theme = *FindColorTheme("Original Lite");
    const int rowHeight = Twips(255);
    // The grid fills the client area; its frame is a pixel or two wide. The header row lies
    // right inside it, in the fixed cells' colour, and nowhere else.
    QImage grid;
    int headerTop = -1;
    WaitUntil(
        [&] {
            grid = GrabScreen(WindowGeometry(listWindow).value_or(QRect()));
            for (int y = 0; y < 6 && y < grid.height() && headerTop < 0; ++y) {
                if ((grid.pixel(grid.width() / 2, y) & 0xFFFFFF) == Pixel(theme.keyBack)) {
                    headerTop = y;
                }
            }
            return headerTop >= 0;
        },
        5000, 100);
    ASSERT_GE(headerTop, 0) << "no header row at the top of the list";
    int headerPixels = 0;
    int fixedPixelsBelow = 0;
    for (int y = 0; y < grid.height(); ++y) {
        for (int x = 0; x < grid.width(); ++x) {
            const bool fixed = (grid.pixel(x, y) & 0xFFFFFF) == Pixel(theme.keyBack);
            if (y < headerTop + rowHeight) {
                headerPixels += fixed ? 1 : 0;
            } else {
                fixedPixelsBelow += fixed ? 1 : 0;
            }
        }
    }
    EXPECT_GT(headerPixels, grid.width() * (rowHeight - 2) / 2);
    EXPECT_EQ(fixedPixelsBelow, 0) << "a second header shows below the first";
    // Graph 1's colour cell (black) comes right below the header.
    const QRgb graphOneCell =
        grid.pixel(headerTop + Twips(300), headerTop + rowHeight + rowHeight / 2) & 0xFFFFFF;
    EXPECT_EQ(graphOneCell, 0x000000u);
}

TEST_F(EndToEndTest, TheExpressionBoxKeepsTheKeyboardWhenTheFunctionListOpens) {
    PlotmereSession session;
    ASSERT_TRUE(session.start());
    Click(InFrame1(session, Command5Rect));
    WindowId listWindow = 0;
    ASSERT_TRUE(AwaitWindowNamed(FunctionListName, &listWindow).has_value())
        << "no function list appeared";
    ASSERT_TRUE(WaitUntil([&] { return !FrameExtents(listWindow).isNull(); }, 5000));
    QThread::msleep(300);
    EXPECT_EQ(ActiveWindow(), session.mainWindow());

    TypeText("x/2");
    PressKeys({"Return"});
    EXPECT_TRUE(AwaitSetting(session, "function 1", "x/2"));
}

TEST_F(EndToEndTest, AFirstRunStoresTheOuterSizeOfTheWindow) {
    PlotmereSession session;
    ASSERT_TRUE(session.start());
    const QRect outer = session.outerGeometry();
    ASSERT_FALSE(FrameExtents(session.mainWindow()).isNull());
    EXPECT_TRUE(AwaitSetting(session, "Window Width", QString::number(15 * outer.width())))
        << session.setting("Window Width").toStdString();
    EXPECT_TRUE(AwaitSetting(session, "Window Height", QString::number(15 * outer.height())))
        << session.setting("Window Height").toStdString();
    EXPECT_GE(session.setting("Window Width").toInt(), 7995);
    EXPECT_GE(session.setting("Window Height").toInt(), 8985);
    ASSERT_TRUE(session.close());
    EXPECT_EQ(session.setting("Window Width"), QString::number(15 * outer.width()));
    EXPECT_EQ(session.setting("Window Height"), QString::number(15 * outer.height()));
}

// Another program's window, made active as a person would click on it.
class OtherApplication : public QRasterWindow {
public:
    OtherApplication() {
        setTitle("Other application");
        setGeometry(40, 40, 200, 120);
    }
};

TEST_F(EndToEndTest, AboutStaysOpenForAnotherApplicationAndClosesOnTheMainWindow) {
    PlotmereSession session;
    ASSERT_TRUE(session.start());
    PressKeys({"alt+h"});
    PressKeys({"Return"});
    WindowId about = 0;
    ASSERT_TRUE(AwaitWindowNamed(AboutName, &about, 15000).has_value()) << "no About window";
    ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == about; }, 5000));

    OtherApplication other;
    other.show();
    WindowId otherWindow = 0;
    ASSERT_TRUE(AwaitWindowNamed("^Other application$", &otherWindow).has_value());
    ASSERT_TRUE(ActivateWindow(otherWindow));
    ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == otherWindow; }, 5000));
    QThread::msleep(1000);
    EXPECT_TRUE(VisibleWindowsNamed(AboutName).contains(about))
        << "About closed when another application became active";

    Click(session.graphArea().center());
    EXPECT_TRUE(WaitUntil([&] { return !VisibleWindowsNamed(AboutName).contains(about); }, 5000))
        << "About stayed open when the main window became active";
}

} // namespace
} // namespace plotmere::e2e

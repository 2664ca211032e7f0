// The message window below the main window, and the main window's placement and settings
// across a close and a restart.
#include "e2e_fixture.h"

#include "engine/compiler.h"
#include "widgets/twips.h"

#include <QElapsedTimer>
#include <QSettings>

#include <array>
#include <cmath>
#include <map>

namespace plotmere::e2e {
namespace {

constexpr QRgb MessageGrey = 0x404040;
// Text box heights by the message's number of line breaks, and the margin around the text.
constexpr std::array<int, 7> MessageTextHeightsTwips = {255, 435, 675, 855, 1035, 1215, 1395};
constexpr int MessageMarginTwips = 60;

const QString MessageWindowName = QStringLiteral("^Confirmation$");

std::map<QString, QString> AllSettings(const QString& file) {
    const QSettings store(file, QSettings::IniFormat);
    std::map<QString, QString> values;
    for (const QString& name : store.allKeys()) {
        values[name] = store.value(name).toString();
    }
    return values;
}

// The outer placement in twips as the program stores it: 15 twips per logical pixel.
QRect StoredPlacement(const PlotmereSession& session) {
    return QRect(session.setting("Window Left").toInt(), session.setting("Window Top").toInt(),
                 session.setting("Window Width").toInt(), session.setting("Window Height").toInt());
}

TEST_F(EndToEndTest, InvalidExpressionIsReportedBelowTheWindowForTheStoredDuration) {
    PlotmereSession session;
    session.presetSettings({{"Message Duration", "2"}});
    ASSERT_TRUE(session.start());
    const QString invalid = "sin(x";
    const CompileResult compiled = CompileExpression(invalid.toStdString(), {0, 1, 2, 3, 4});
    ASSERT_FALSE(compiled.ok);
    const auto lineBreaks = QString::fromStdString(compiled.message).count("\r\n");
    ASSERT_LT(lineBreaks, 7);

    EnterExpression(invalid);
    const std::optional<QRect> message = AwaitWindowNamed(MessageWindowName);
    ASSERT_TRUE(message.has_value()) << "no message window appeared";
    QElapsedTimer shown;
    shown.start();

    // Directly below the main window's frame, as wide as the frame.
    const QRect main = session.outerGeometry();
    EXPECT_EQ(message->left(), main.left());
    EXPECT_EQ(message->top(), main.bottom() + 1);
    EXPECT_EQ(message->width(), main.width());
    EXPECT_EQ(message->height(),
              Twips(MessageTextHeightsTwips[lineBreaks] + 2 * MessageMarginTwips));
    // A dark grey strip with white text; its margin shows nothing but the grey.
    const QImage strip = GrabScreen(*message);
    int greyMargin = 0;
    for (int row = 0; row < strip.height(); ++row) {
        for (int column = 0; column < Twips(MessageMarginTwips); ++column) {
            greyMargin += (strip.pixel(column, row) & 0xFFFFFF) == MessageGrey ? 1 : 0;
        }
    }
    EXPECT_EQ(greyMargin, strip.height() * Twips(MessageMarginTwips));
    EXPECT_GT(CountColor(strip, 0xFFFFFF), 10) << "no white text in the message";

    // The main window keeps the keyboard: typing completes the expression, Enter draws it.
    TypeText(")");
    PressKeys({"Return"});
    const AreaMapping mapping(session.storedRange(), session.graphArea().size());
    const Function sine = [](double x) {
        return std::sin(x);
    };
    const QImage drawn = AwaitPicture(session, [&](const QImage& picture) {
        return bool(ShowsCurve(picture, mapping, sine, GraphColor));
    });
    EXPECT_TRUE(ShowsCurve(drawn, mapping, sine, GraphColor));

    ASSERT_TRUE(WaitUntil([&] { return VisibleWindowsNamed(MessageWindowName).isEmpty(); }, 10000))
        << "the message did not close";
    // Two seconds as stored (not the default four); it was seen a moment after it appeared.
    EXPECT_GE(shown.elapsed(), 1200);
    EXPECT_LT(shown.elapsed(), 3800);
}

TEST_F(EndToEndTest, ClosingStoresThePlacementAndARestartRestoresEverything) {
    PlotmereSession session;
    ASSERT_TRUE(session.start());
    // A first start: the design size, held at the minimum outer size, at the default place.
    EXPECT_EQ(session.outerGeometry(), QRect(Twips(4000), Twips(2000), Twips(7995), Twips(8985)));

    const QRect placed(300, 90, 600, 660);
    ASSERT_TRUE(MoveWindow(session.mainWindow(), placed.topLeft()));
    ASSERT_TRUE(ResizeWindow(session.mainWindow(), placed.size()));
    ASSERT_TRUE(WaitUntil([&] { return session.windowGeometry() == placed; }, 5000));
    const QRect outer = session.outerGeometry();
    ASSERT_TRUE(session.relocateGraphArea());
    Click(InFrame2(session, LabXzoomoutRect));
    EXPECT_TRUE(AwaitSetting(session, "x min", "-14"));
    PressKeys({"ctrl+g"});
    EXPECT_TRUE(AwaitSetting(session, "Show Grid", "0"));
    const ViewRange range = session.storedRange();

    ASSERT_TRUE(session.close());
    // The outer geometry in twips, 15 to a pixel.
    EXPECT_EQ(StoredPlacement(session),
              QRect(15 * outer.x(), 15 * outer.y(), 15 * outer.width(), 15 * outer.height()));
    const std::map<QString, QString> stored = AllSettings(session.settingsFile());

    ASSERT_TRUE(session.start());
    EXPECT_EQ(session.windowGeometry(), placed);
    EXPECT_EQ(session.outerGeometry(), outer);
    const QImage restored = session.grabGraphArea();
    const AreaMapping mapping(range, restored.size());
    EXPECT_EQ(CountColor(restored, GridColor), 0);
    EXPECT_TRUE(ShowsCrispAxes(restored, mapping, AxisColor));
    EXPECT_EQ(session.setting("x min"), "-14");
    EXPECT_EQ(session.setting("x max"), "14");
    EXPECT_EQ(session.storedRange().Ymax, range.Ymax);

    // A start and a close with nothing changed leave every value as it was.
    ASSERT_TRUE(session.close());
    EXPECT_EQ(AllSettings(session.settingsFile()), stored);
}

// A maximised window leaves no room below or beside it: the message and the function list come
// up over it, wholly on the screen, with their frames.
TEST_F(EndToEndTest, MessageAndFunctionListStayOnTheScreenOfAMaximisedWindow) {
    PlotmereSession session;
    ASSERT_TRUE(session.start());
    const std::optional<QRect> screen = ScreenGeometry();
    ASSERT_TRUE(screen.has_value());
    ASSERT_TRUE(MaximizeWindow(session.mainWindow()));
    ASSERT_TRUE(WaitUntil([&] { return session.outerGeometry() == *screen; }, 5000));
    ASSERT_TRUE(session.relocateGraphArea());

    EnterExpression("sin(x");
    const std::optional<QRect> message = AwaitWindowNamed(MessageWindowName);
    ASSERT_TRUE(message.has_value()) << "no message window appeared";
    EXPECT_TRUE(screen->contains(*message)) << message->x() << "," << message->y();
    EXPECT_EQ(message->bottom(), screen->bottom());

    Click(InFrame1(session, Command5Rect));
    WindowId listWindow = 0;
    ASSERT_TRUE(AwaitWindowNamed("^Function List$", &listWindow).has_value())
        << "no function list appeared";
    // Its place is settled once its frame is known.
    QRect list;
    EXPECT_TRUE(WaitUntil(
        [&] {
            list = OuterGeometry(listWindow).value_or(QRect());
            return !FrameExtents(listWindow).isNull() && screen->contains(list) &&
                   list.right() == screen->right();
        },
        5000))
        << ::testing::PrintToString(list);
    EXPECT_EQ(list.top(), screen->top());
}

} // namespace
} // namespace plotmere::e2e

#include "support/main_window_fixture.h"
#include "support/main_window_state.h"
#include "widgets/window_geometry.h"

#include "editor/keypad_keys.h"
#include "view/graph_canvas.h"
#include "widgets/clickable_label.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

namespace plotmere {
namespace {

using namespace testing_support;

using MainWindowLayoutTest = testing_support::MainWindowFixture;

struct ControlRow {
    const char* name;
    QRect twips; // left, top, width, height within its container, at the design size
    const char* caption;
    const char* tooltip;
};

// Controls whose place does not depend on the window's size, as the layout places them.
const ControlRow FixedControls[] = {
    {"labymax", {60, 60, 675, 255}, nullptr, "Click to change Ymax value"},
    {"Label2", {60, 360, 615, 195}, "Y - axis", ""},
    {"labcback", {60, 1500, 495, 255}, "", "Click to change graph background color"},
    {"labcaxis", {60, 1800, 495, 255}, "", "Click to change axes color"},
    {"labcgraph", {60, 2100, 495, 255}, "", "Click to change the next function graph color"},
    {"labcerr", {60, 2400, 495, 255}, "", "Click to change out of range point color"},
    {"labcolordark", {60, 2760, 495, 195}, "Dark", "Click to select dark background color set"},
    {"labcolorlight", {60, 3000, 495, 195}, "Light", "Click to select light background color set"},
    {"Label1", {120, 60, 615, 195}, "X - axis", ""},
    {"labxmax", {780, 0, 675, 255}, nullptr, "Click to change Xmax value"},
    {"Command1", {0, 420, 1455, 315}, "New Graph", ""},
    {"Command2", {0, 780, 1455, 315}, "Add Graph #1", ""},
    {"Command3", {0, 1140, 1455, 315}, "Clear Graphs", ""},
    {"Command4", {0, 1500, 1455, 315}, "Copy To Clipboard", ""},
    {"Command5", {0, 1860, 1455, 315}, "Function List", ""},
    {"labyzoom", {0, 180, 495, 195}, "Zoom", ""},
    {"labyzoomin", {0, 420, 495, 255}, "In", "Click to Zoom In along the Y-axis"},
    {"labyzoomout", {0, 720, 495, 255}, "Out", "Click to Zoom Out along the Y-axis"},
    {"labymin", {0, 1680, 675, 255}, nullptr, "Click to change Ymin value"},
    {"labxmin", {720, 1980, 675, 255}, nullptr, "Click to change Xmin value"},
    {"labxzoomin", {2700, 1980, 495, 255}, "In", "Click to Zoom In along the X-axis"},
    {"labxzoom", {2160, 2040, 495, 195}, "Zoom", ""},
    {"labxzoomout", {3240, 1980, 495, 255}, "Out", "Click to Zoom Out along the X-axis"},
    {"Text1",
     {0, 2400, 1095, 255},
     "Function:   y = ",
     "Type the function expression here or use the buttons below"},
    {"inputfunc",
     {1080, 2400, 5055, 255},
     "",
     "Type the function expression here or use the buttons below"},
    {"qqa", {0, 4320, 915, 255}, "a=0", "Click to change the function parameter value"},
};

QString CaptionOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        return button->text();
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
        return box->text();
    }
    return QString();
}

TEST_F(MainWindowLayoutTest, EveryControlStandsAtItsPlaceWithItsTexts) {
    for (const ControlRow& row : FixedControls) {
        const QWidget* widget = control(row.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(TwipsGeometry(widget), row.twips) << row.name;
        if (row.caption) {
            EXPECT_EQ(CaptionOf(widget), row.caption) << row.name;
        }
        EXPECT_EQ(widget->toolTip(), row.tooltip) << row.name;
    }
}

TEST_F(MainWindowLayoutTest, KeypadFillsItsGridOfEightColumns) {
    ASSERT_EQ(KeypadKeys.size(), 39u);
    for (const KeypadKey& key : KeypadKeys) {
        const QString name = QString::fromUtf8(key.name.data(), key.name.size());
        const auto* label = control<QLabel>(name.toUtf8().constData());
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(TwipsGeometry(label), QRect(key.column * 660, 2760 + key.row * 300, 615, 255))
            << name.toStdString();
        EXPECT_EQ(label->text().toStdString(), key.caption);
        EXPECT_EQ(label->parentWidget()->objectName(), "Frame2");
    }
    EXPECT_EQ(control<QLabel>("qarcsin")->toolTip(), "Click to append");
    EXPECT_EQ(control<QLabel>("qnum")->toolTip(), "Click to append");
    EXPECT_EQ(control<QLabel>("qdel")->toolTip(),
              "Click to delete the last token from the function expression");
    EXPECT_EQ(control<QLabel>("qclear")->toolTip(), "Click to clear the function expression");
}

TEST_F(MainWindowLayoutTest, EveryCaptionFitsItsControl) {
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const int needed =
            label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->frameWidth();
        EXPECT_LE(needed, label->width())
            << label->objectName().toStdString() << " \"" << label->text().toStdString() << "\"";
        EXPECT_LE(label->fontMetrics().height(), label->height())
            << label->objectName().toStdString();
    }
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QSize text(button->fontMetrics().horizontalAdvance(button->text()),
                         button->fontMetrics().height());
        const QSize needed =
            button->style()->sizeFromContents(QStyle::CT_PushButton, &option, text, button);
        EXPECT_LE(needed.width(), button->width()) << button->text().toStdString();
    }
    const QLineEdit* prefix = control<QLineEdit>("Text1");
    // A frameless line edit keeps two pixels of margin on each side.
    EXPECT_LE(prefix->fontMetrics().horizontalAdvance(prefix->text().trimmed()) + 4,
              prefix->width());
}

TEST_F(MainWindowLayoutTest, MenusOfferTheirItemsInOrder) {
    const QList<QAction*> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), "&Functions");
    EXPECT_EQ(menus[1]->text(), "&Settings");
    EXPECT_EQ(menus[2]->text(), "&Help");

    QStringList functions;
    for (const QAction* item : menus[0]->menu()->actions()) {
        functions << item->text();
    }
    EXPECT_EQ(functions, QStringList({"&1. <empty>", "&2. <empty>", "&3. <empty>", "&4. <empty>",
                                      "&5. <empty>", "&6. <empty>", "&7. <empty>", "&8. <empty>",
                                      "&9. <empty>", "&10. <empty>", "Example 1", "Example 2",
                                      "Example 3", "Clear &History"}));

    struct Item {
        const char* caption;
        QKeySequence shortcut;
        bool checkable;
    };
    const Item settings[] = {
        {"Change &Number Of Sample Points", QKeySequence("Ctrl+N"), false},
        {"Show &Grid", QKeySequence("Ctrl+G"), true},
        {"Keep Natural &Aspect Ratio", QKeySequence("Ctrl+A"), true},
        {"Look For 'PI' &Singular (Out Of Range) Points", QKeySequence(), true},
        {"&Random Color For The Next Graph", QKeySequence("Ctrl+R"), true},
        {"Change Color Theme", QKeySequence(), false},
    };
    const QList<QAction*> items = menus[1]->menu()->actions();
    ASSERT_EQ(items.size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(items[i]->text(), settings[i].caption);
        EXPECT_EQ(items[i]->shortcut(), settings[i].shortcut) << settings[i].caption;
        EXPECT_EQ(items[i]->isCheckable(), settings[i].checkable) << settings[i].caption;
    }
    ASSERT_EQ(menus[2]->menu()->actions().size(), 1);
    EXPECT_EQ(menus[2]->menu()->actions()[0]->text(), "About Veldrake Plotmere");
}

TEST_F(MainWindowLayoutTest, WindowCarriesItsTitleAndName) {
    EXPECT_EQ(window->windowTitle(), "Veldrake Plotmere");
    EXPECT_EQ(window->objectName(), "Form1");
}

// The anchored controls as the resize rules place them for the window's client size.
void ExpectAnchoredTo(const MainWindow& window, const QSize& clientTwips) {
    const int w = clientTwips.width();
    const int h = clientTwips.height();
    const auto twips = [](const QWidget* widget) {
        const QRect g = widget->geometry();
        return QRect(PixelsToTwips(g.x()), PixelsToTwips(g.y()), PixelsToTwips(g.width()),
                     PixelsToTwips(g.height()));
    };
    EXPECT_EQ(twips(window.findChild<GraphCanvas*>("grafik")), QRect(780, 60, w - 840, h - 2760));
    EXPECT_EQ(twips(window.findChild<QFrame*>("Frame1")).topLeft(), QPoint(w - 1515, h - 2655));
    EXPECT_EQ(twips(window.findChild<QFrame*>("Frame2")).topLeft(), QPoint(60, h - 4635));
    const int areaW = w - 840;
    const int areaH = h - 2760;
    EXPECT_EQ(twips(window.findChild<ClickableLabel*>("labbusy1")).topLeft(), QPoint(120, 120));
    EXPECT_EQ(twips(window.findChild<ClickableLabel*>("labbusy2")).topLeft(),
              QPoint(areaW - 795, 120));
    EXPECT_EQ(twips(window.findChild<ClickableLabel*>("labbusy3")).topLeft(),
              QPoint(areaW - 795, areaH - 315));
    EXPECT_EQ(twips(window.findChild<ClickableLabel*>("labbusy4")).topLeft(),
              QPoint(120, areaH - 315));
}

QSize ClientTwips(const MainWindow& window) {
    return QSize(PixelsToTwips(window.findChild<QWidget*>("client")->width()),
                 PixelsToTwips(window.findChild<QWidget*>("client")->height()));
}

TEST_F(MainWindowLayoutTest, PanelsFollowTheWindowsSize) {
    ExpectAnchoredTo(*window, ClientTwips(*window));

    const QSize before = ClientTwips(*window);
    const QRect labyminBefore = control<ClickableLabel>("labymin")->geometry();
    window->resize(window->size() + QSize(Twips(1500), 0));

    EXPECT_TRUE(
        QTest::qWaitFor([&] { return ClientTwips(*window).width() == before.width() + 1500; }));
    ExpectAnchoredTo(*window, ClientTwips(*window));
    // The expression panel and the left column stay where they were.
    EXPECT_EQ(control<QFrame>("Frame2")->pos(), QPoint(Twips(60), Twips(before.height() - 4635)));
    EXPECT_EQ(control<ClickableLabel>("labymax")->pos(), QPoint(Twips(60), Twips(60)));
    EXPECT_EQ(control<ClickableLabel>("labymin")->geometry(), labyminBefore);

    // 1000 twips are 66.7 pixels: the window grows by the whole pixels nearest to that.
    window->resize(window->size() + QSize(0, Twips(1000)));
    const int taller = PixelsToTwips(Twips(1000));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return ClientTwips(*window).height() == before.height() + taller; }));
    ExpectAnchoredTo(*window, ClientTwips(*window));
}

TEST_F(MainWindowLayoutTest, CannotBecomeSmallerThanTheMinimum) {
    // The window's minimum size holds it; whatever the platform queued for the request is
    // delivered before the sizes are read.
    window->resize(200, 150);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->minimumSize(), TwipsSize(7995, 8985).shrunkBy(OuterMargins(*window)));
    EXPECT_GE(window->frameGeometry().width(), Twips(7995));
    EXPECT_GE(window->frameGeometry().height(), Twips(8985));
    ExpectAnchoredTo(*window, ClientTwips(*window));
}

// Ticks of the resize timer stand for 200 ms each: the replot comes on the fifth tick after the
// last size change, one second later.
TEST_F(MainWindowLayoutTest, SeveralQuickResizesReplotOnceAboutASecondAfterTheLast) {
    QSignalSpy redraws(&ViewOf(*window), &GraphView::drawn);
    // The replot armed by loading.
    tickResizeTimer(5);
    EXPECT_EQ(redraws.size(), 1);
    redraws.clear();
    for (int i = 1; i <= 4; ++i) {
        const QSize client = ClientTwips(*window);
        window->resize(window->size() + QSize(Twips(150), Twips(150)));
        ASSERT_TRUE(QTest::qWaitFor([&] { return ClientTwips(*window) != client; }));
        EXPECT_EQ(tickResizeTimer(1), 1); // 200 of the 300 ms until the next change
        EXPECT_EQ(redraws.size(), 0) << "replotted during the resizing";
    }
    tickResizeTimer(3); // 800 ms after the last change
    EXPECT_EQ(redraws.size(), 0) << "replotted before a second had passed";
    tickResizeTimer(1);
    EXPECT_EQ(redraws.size(), 1);
    EXPECT_EQ(tickResizeTimer(6), 0);
    EXPECT_EQ(redraws.size(), 1);
    EXPECT_FALSE(control<QTimer>("resizetimer")->isActive());
}

TEST_F(MainWindowLayoutTest, GraphAreaImageHasTheDevicePixelSize) {
    const QImage& image = control<GraphCanvas>("grafik")->image();
    const qreal ratio = control<GraphCanvas>("grafik")->devicePixelRatioF();
    EXPECT_EQ(image.width(), qRound(control<GraphCanvas>("grafik")->width() * ratio));
    EXPECT_EQ(image.height(), qRound(control<GraphCanvas>("grafik")->height() * ratio));
}

TEST_F(MainWindowLayoutTest, KeyboardFocusStaysInTheExpressionBox) {
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return control<QLineEdit>("inputfunc")->hasFocus(); }));
    QTest::mouseClick(control<QLineEdit>("Text1"), Qt::LeftButton);
    EXPECT_TRUE(control<QLineEdit>("inputfunc")->hasFocus());
    EXPECT_EQ(control<GraphCanvas>("grafik")->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(control<QLineEdit>("Text1")->focusPolicy(), Qt::NoFocus);
}

} // namespace
} // namespace plotmere

#include "windows/about_window.h"

#include "support/stepped_timing.h"
#include "support/widget_palette.h"
#include "themes/theme_table.h"
#include "widgets/twips.h"
#include "widgets/widget_colors.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

namespace plotmere {
namespace {

// Records, in order, the objectNames of the windows shown.
class ShownWindows final : public QObject {
public:
    ShownWindows() { qApp->installEventFilter(this); }
    ~ShownWindows() override { qApp->removeEventFilter(this); }
    QStringList names;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            names << watched->objectName();
        }
        return false;
    }
};

class AboutWindowTest : public ::testing::Test {
protected:
    void TearDown() override { delete about.data(); }

    void Show() {
        delete about.data();
        about = new AboutWindow(theme);
        about->show();
        about->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(about.data()));
        text = about->findChild<QPlainTextEdit*>("Text1");
        ASSERT_NE(text, nullptr);
    }

    ColorTheme theme = FindColorTheme("Original Lite").value_or(ColorTheme{});
    QPointer<AboutWindow> about;
    QPlainTextEdit* text = nullptr;
};

TEST_F(AboutWindowTest, ShowsTitleVersionSixLinesOfDisclaimerAndTheLicence) {
    Show();
    EXPECT_EQ(about->objectName(), "Form10");
    EXPECT_EQ(about->windowTitle(), "About Veldrake Plotmere");
    EXPECT_EQ(about->parentWidget(), nullptr);
    EXPECT_EQ(about->size(), TwipsSize(5535, 3855));
    EXPECT_EQ(about->minimumSize(), about->maximumSize());
    EXPECT_FALSE(about->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(text->geometry(), TwipsRect(60, 60, 5415, 3735));
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    const QStringList lines = text->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], "Veldrake Plotmere v1.11");
    EXPECT_EQ(lines[1], "");
    for (int line = 2; line < 8; ++line) {
        EXPECT_FALSE(lines[line].trimmed().isEmpty()) << line;
    }
    EXPECT_EQ(lines[8], "Free software under the GNU GPL, version 3 or later.");
    EXPECT_EQ(AboutWindow::AboutText().split("\r\n"), lines);
}

TEST_F(AboutWindowTest, TakesTheThemeColours) {
    for (const char* name : {"Original Lite", "Mono Dark", "Grapefruit"}) {
        SCOPED_TRACE(name);
        theme = FindColorTheme(name).value_or(ColorTheme{});
        Show();
        EXPECT_EQ(BackgroundOf(about), theme.windowBack);
        EXPECT_EQ(BackgroundOf(text), theme.editBack);
        EXPECT_EQ(TextColorOf(text), theme.editText);
    }
}

TEST_F(AboutWindowTest, ClosesWhenAnotherWindowBecomesActive) {
    QWidget mainWindow;
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    Show();
    QCoreApplication::processEvents();
    ASSERT_FALSE(about.isNull()) << "closed while still active";

    mainWindow.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([this] { return about.isNull(); }));
}

// With another application active no window of the program is active: About stays open.
TEST_F(AboutWindowTest, StaysOpenWhileAnotherApplicationIsActive) {
    Show();
    QApplication::setActiveWindow(nullptr);
    QCoreApplication::processEvents();
    EXPECT_FALSE(about.isNull());
    EXPECT_TRUE(about->isVisible());
}

TEST_F(AboutWindowTest, EachOpeningShowsTheSplashFirst) {
    ShownWindows shown;
    about = OpenAboutWindow(theme, nullptr, testing_support::SteppedTiming);
    EXPECT_TRUE(QTest::qWaitForWindowActive(about.data()));
    const QPointer<AboutWindow> first = about;
    about = OpenAboutWindow(theme, nullptr, testing_support::SteppedTiming);
    EXPECT_TRUE(QTest::qWaitForWindowActive(about.data()));
    EXPECT_TRUE(QTest::qWaitFor([&first] { return first.isNull(); }));

    ASSERT_EQ(shown.names.size(), 4);
    for (int opening : {0, 2}) {
        EXPECT_TRUE(shown.names[opening] == "Form01" || shown.names[opening] == "Form02")
            << shown.names[opening].toStdString();
        EXPECT_EQ(shown.names[opening + 1], "Form10");
    }
}

} // namespace
} // namespace plotmere

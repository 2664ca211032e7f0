#include "windows/message_window.h"

#include "settings/settings_store.h"
#include "support/settings_sandbox.h"
#include "support/stepped_timing.h"
#include "widgets/twips.h"
#include "windows/input_box.h"
#include "windows/message_service.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cmath>
#include <functional>
#include <limits>
#include <utility>

namespace plotmere {
namespace {

// Answers the duration prompt with a fixed text and remembers how it was asked.
class FakeInputBox final : public InputBox {
public:
    QString ask(QWidget* /*parent*/, const QString& prompt, const QString& title,
                const QString& proposed) override {
        ++calls;
        lastPrompt = prompt;
        lastTitle = title;
        lastProposed = proposed;
        if (whileOpen) {
            whileOpen();
        }
        return answer;
    }

    QString answer;
    std::function<void()> whileOpen;
    int calls = 0;
    QString lastPrompt, lastTitle, lastProposed;
};

// Runs an action when the watched widget is hidden.
class RunOnHide final : public QObject {
public:
    explicit RunOnHide(std::function<void()> action)
        : action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && action_) {
            std::exchange(action_, nullptr)();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

class MessageWindowTest : public testing_support::SettingsSandbox {
protected:
    void SetUp() override {
        SettingsSandbox::SetUp();
        caller.setGeometry(200, 150, 600, 400);
        callerInput = new QLineEdit(&caller);
        caller.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&caller));
        callerFrame = caller.frameGeometry();
    }

    MessageWindow* Show(const QString& text) {
        service.showmessage(&caller, text);
        return service.window();
    }

    static QPlainTextEdit* Text1(MessageWindow* window) {
        return window->findChild<QPlainTextEdit*>("Text1");
    }

    static int HeightTwips(const QWidget* widget) { return PixelsToTwips(widget->height()); }

    static void ClickText1(MessageWindow* window) {
        QTest::mouseClick(Text1(window)->viewport(), Qt::LeftButton);
    }

    static QString Stored(const char* name) { return Store().value(name).toString(); }

    // Lets up to `ticks` ticks of the display timer pass, half a second each in the program;
    // returns how many passed before the window closed.
    static int TickMessage(MessageWindow* window, int ticks) {
        return testing_support::Tick(window->findChild<QTimer*>("Timer1"), ticks);
    }

    QWidget caller;
    QLineEdit* callerInput = nullptr;
    QRect callerFrame;
    SettingsStore settings{testing_support::TestStoreLocation()};
    FakeInputBox prompt;
    MessageService service{settings, prompt, testing_support::SteppedTiming};
};

QString Lines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) {
        lines << QStringLiteral("line %1").arg(i);
    }
    return lines.join("\r\n");
}

TEST_F(MessageWindowTest, NothingIsLoadedBeforeTheFirstMessage) {
    EXPECT_EQ(service.window(), nullptr);
}

TEST_F(MessageWindowTest, OneLineMessageIsAStripDirectlyBelowTheCaller) {
    MessageWindow* window = Show("Function expression is empty.");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->objectName(), "Form03");
    EXPECT_EQ(HeightTwips(Text1(window)), 255);
    EXPECT_EQ(HeightTwips(window), 375);
    EXPECT_EQ(window->frameGeometry().left(), callerFrame.left());
    EXPECT_EQ(window->frameGeometry().top(), callerFrame.top() + callerFrame.height());
    EXPECT_EQ(window->frameGeometry().width(), callerFrame.width());
    EXPECT_EQ(Text1(window)->pos(), QPoint(Twips(60), Twips(60)));
    EXPECT_EQ(PixelsToTwips(Text1(window)->width()), PixelsToTwips(window->width()) - 120);
    EXPECT_EQ(Text1(window)->toPlainText(), "Function expression is empty.");
}

TEST_F(MessageWindowTest, ACallerAtTheBottomOfItsScreenGetsTheStripOnTheScreen) {
    const QRect screen = caller.screen()->availableGeometry();
    struct Case {
        const char* what;
        QRect callerGeometry;
    };
    const Case cases[] = {
        {"touching the bottom", {100, screen.bottom() - 401, 600, 400}},
        {"as large as the screen", screen.adjusted(2, 2, -2, -2)},
        {"partly below the screen", {100, screen.bottom() - 100, 500, 400}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        caller.setGeometry(c.callerGeometry);
        ASSERT_TRUE(QTest::qWaitFor([&] { return caller.geometry() == c.callerGeometry; }));
        const QRect frame = caller.frameGeometry();
        MessageWindow* window = Show("Incorrect function expression.");
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(screen.contains(window->frameGeometry()))
            << ::testing::PrintToString(window->frameGeometry());
        EXPECT_EQ(window->frameGeometry().bottom(), screen.bottom());
        EXPECT_EQ(window->frameGeometry().left(), frame.left());
        EXPECT_EQ(window->frameGeometry().width(), frame.width());
        EXPECT_EQ(PixelsToTwips(Text1(window)->width()), PixelsToTwips(window->width()) - 120);
        EXPECT_FALSE(window->isActiveWindow());
    }
}

TEST_F(MessageWindowTest, TextHeightFollowsTheNumberOfLineBreaks) {
    const int expectedTwips[] = {255, 435, 675, 855, 1035, 1215, 1395};
    for (int breaks = 0; breaks <= 6; ++breaks) {
        SCOPED_TRACE(breaks);
        MessageWindow* window = Show(Lines(breaks + 1));
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(HeightTwips(Text1(window)), expectedTwips[breaks]);
        EXPECT_EQ(HeightTwips(window), expectedTwips[breaks] + 120);

        // Every line is readable inside the box the table gives.
        QPlainTextEdit* text = Text1(window);
        QTextCursor cursor(text->document());
        EXPECT_GE(text->cursorRect(cursor).top(), 0);
        cursor.movePosition(QTextCursor::End);
        EXPECT_EQ(cursor.block().text(), QStringLiteral("line %1").arg(breaks + 1));
        EXPECT_LE(text->cursorRect(cursor).bottom(), text->viewport()->height());
    }
}

TEST_F(MessageWindowTest, TwoLineCompilerMessage) {
    MessageWindow* window = Show("Incorrect function expression.\r\nImproper use of brackets.");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(HeightTwips(Text1(window)), 435);
    EXPECT_EQ(Text1(window)->toPlainText(),
              "Incorrect function expression.\nImproper use of brackets.");
}

TEST_F(MessageWindowTest, MoreThanSixBreaksKeepTheHeightThereIs) {
    MessageWindow* window = Show(Lines(9));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(HeightTwips(Text1(window)), 1395); // just loaded
    EXPECT_EQ(Text1(window)->document()->blockCount(), 9);

    Show(Lines(2));
    EXPECT_EQ(HeightTwips(Text1(window)), 435);
    Show(Lines(8));
    EXPECT_EQ(HeightTwips(Text1(window)), 435);
    EXPECT_EQ(HeightTwips(window), 555);
    EXPECT_EQ(Text1(window)->toPlainText(), QString(Lines(8)).replace("\r\n", "\n"));
}

TEST_F(MessageWindowTest, ALineWiderThanTheCallerWidensTheWindow) {
    const QString wide(120, QChar('W'));
    MessageWindow* window = Show("short\r\nmiddle line\r\n" + wide + "\r\nend");
    ASSERT_NE(window, nullptr);
    const double widePixels = QFontMetricsF(Text1(window)->font()).horizontalAdvance(wide);
    ASSERT_GT(widePixels, callerFrame.width()) << "the test line must be wider than the caller";

    const int expectedPixels = static_cast<int>(std::ceil(widePixels)) + Twips(300);
    EXPECT_NEAR(window->width(), expectedPixels, 1);
    EXPECT_EQ(window->x(), callerFrame.left());
    EXPECT_GT(window->frameGeometry().right(), callerFrame.right());
    EXPECT_EQ(PixelsToTwips(Text1(window)->width()), PixelsToTwips(window->width()) - 120);
}

TEST_F(MessageWindowTest, LinesAfterTheSeventhDoNotWiden) {
    MessageWindow* window = Show(Lines(7) + "\r\n" + QString(120, QChar('W')));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->width(), callerFrame.width());
}

TEST_F(MessageWindowTest, ANarrowCallerGetsAtLeastTheEmptyLineAllowance) {
    caller.setGeometry(200, 150, 10, 400);
    // The platform may keep a top-level window a few pixels wider than asked.
    ASSERT_TRUE(QTest::qWaitFor([&] { return caller.frameGeometry().width() < Twips(300); }))
        << caller.frameGeometry().width();
    MessageWindow* window = Show("");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(PixelsToTwips(window->width()), 300);
    EXPECT_EQ(HeightTwips(Text1(window)), 255);
}

TEST_F(MessageWindowTest, IsAFixedDarkFramelessToolWindowOfItsOwn) {
    QPalette themed = QApplication::palette();
    const QPalette original = themed;
    themed.setColor(QPalette::Window, Qt::yellow);
    themed.setColor(QPalette::Base, Qt::yellow);
    themed.setColor(QPalette::Text, Qt::black);
    QApplication::setPalette(themed);

    MessageWindow* window = Show("Function expression is empty.");
    ASSERT_NE(window, nullptr);
    const QImage picture = window->grab().toImage();
    QApplication::setPalette(original);

    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_FALSE(window->isModal());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->windowType(), Qt::Tool);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_EQ(Text1(window)->focusPolicy(), Qt::NoFocus);

    EXPECT_EQ(picture.pixelColor(1, 1), QColor(64, 64, 64));
    const QRect textArea = Text1(window)->geometry().intersected(picture.rect());
    int white = 0;
    for (int y = textArea.top(); y <= textArea.bottom(); ++y) {
        for (int x = textArea.left(); x <= textArea.right(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            EXPECT_NE(pixel, QColor(Qt::yellow)) << x << "," << y;
            if (pixel.lightness() > 200) {
                ++white;
            }
        }
    }
    EXPECT_GT(white, 20) << "the text is drawn in white";
}

TEST_F(MessageWindowTest, TheCallerKeepsTheFocus) {
    callerInput->setFocus();
    caller.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &caller; }));

    MessageWindow* window = Show("Function expression is empty.");
    ASSERT_NE(window, nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &caller);
    EXPECT_EQ(QApplication::focusWidget(), callerInput);
    EXPECT_FALSE(window->isActiveWindow());

    QTest::keyClicks(QApplication::focusWidget(), "sin(x)");
    EXPECT_EQ(callerInput->text(), "sin(x)");
}

// A window manager raises the caller whenever it is clicked or activated; as the caller's
// transient (owned window) the strip stays above it all the same.
TEST_F(MessageWindowTest, StaysAboveItsCallerAsItsTransient) {
    MessageWindow* window = Show("Function expression is empty.");
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->windowHandle(), nullptr);
    EXPECT_EQ(window->windowHandle()->transientParent(), caller.windowHandle());
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowDoesNotAcceptFocus);
}

TEST_F(MessageWindowTest, ClosesItselfAfterTheDuration) {
    settings.WriteSettingText("Message Duration", "2");
    const QPointer<MessageWindow> window = Show("Function expression is empty.");
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(window->messageDuration(), 2);
    EXPECT_TRUE(window->findChild<QTimer*>("Timer1")->isActive());

    TickMessage(window, 2); // one second
    ASSERT_EQ(service.window(), window.data());
    EXPECT_TRUE(window->isVisible());

    EXPECT_EQ(TickMessage(window, 10), 2) << "closes when its two seconds have passed";
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
    EXPECT_EQ(service.window(), nullptr);
}

TEST_F(MessageWindowTest, ASecondMessageRestartsTheTime) {
    settings.WriteSettingText("Message Duration", "2");
    const QPointer<MessageWindow> window = Show("Function expression is empty.");
    TickMessage(window, 3); // one and a half seconds
    ASSERT_FALSE(window.isNull());
    Show("Incorrect function expression.");
    EXPECT_EQ(service.window(), window.data());
    EXPECT_EQ(window->messageTicks(), 0);

    // 3 seconds after the first message, 1.5 after the second.
    TickMessage(window, 3);
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Text1(window)->toPlainText(), "Incorrect function expression.");
    EXPECT_EQ(TickMessage(window, 10), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
}

TEST_F(MessageWindowTest, EachLoadReadsTheStoredDurationAgain) {
    settings.WriteSettingText("Message Duration", "-5");
    const QPointer<MessageWindow> first = Show("Function expression is empty.");
    ASSERT_FALSE(first.isNull());
    TickMessage(first, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }));

    settings.WriteSettingText("Message Duration", "7");
    MessageWindow* second = Show("Function expression is empty.");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->messageDuration(), 7);
}

TEST_F(MessageWindowTest, AMessageRightAfterTheCloseLoadsANewWindow) {
    settings.WriteSettingText("Message Duration", "0");
    const QPointer<MessageWindow> first = Show("Function expression is empty.");
    ASSERT_FALSE(first.isNull());

    // A message that arrives when the window has closed but is not deleted yet must not go
    // to the dying window.
    QPointer<MessageWindow> second;
    RunOnHide reportAgain([&] {
        settings.WriteSettingText("Message Duration", "4");
        second = Show("Incorrect function expression.");
    });
    first->installEventFilter(&reportAgain);
    TickMessage(first, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }));

    ASSERT_FALSE(second.isNull());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(service.window(), second.data());
    EXPECT_EQ(Text1(second)->toPlainText(), "Incorrect function expression.");
}

struct StoredDurationCase {
    const char* stored;
    std::int32_t duration;
    bool closesAtTheFirstTick;
};

TEST_F(MessageWindowTest, AbsurdStoredDurationsAreUsedAsTheyAre) {
    const StoredDurationCase cases[] = {
        {"1e30", std::numeric_limits<std::int32_t>::max(), false},
        {"1e400", std::numeric_limits<std::int32_t>::max(), false},
        {"-1e30", std::numeric_limits<std::int32_t>::min(), true},
        {"-5", -5, true},
        {"abc", 0, true},
        {"", 0, true},
        {"2.5", 2, false},
        {"3.5", 4, false},
    };
    for (const StoredDurationCase& row : cases) {
        SCOPED_TRACE(row.stored);
        settings.WriteSettingText("Message Duration", row.stored);
        const QPointer<MessageWindow> window = Show("Function expression is empty.");
        ASSERT_FALSE(window.isNull());
        EXPECT_EQ(window->messageDuration(), row.duration);
        TickMessage(window, 1);
        if (row.closesAtTheFirstTick) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
        } else {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_FALSE(window.isNull());
            delete window.data();
        }
    }
}

struct PromptCase {
    const char* answer;
    std::int32_t duration;
    const char* stored;
};

TEST_F(MessageWindowTest, DurationPromptClampsAndStoresWholeSeconds) {
    const PromptCase cases[] = {
        {"1", 2, "2"},   {"25", 10, "10"},  {"7", 7, "7"},      {"2.5", 2, "2"},
        {"3.5", 4, "4"}, {"-3", 2, "2"},    {"10.5", 10, "10"}, {"1e30", 10, "10"},
        {"9 s", 9, "9"}, {"-1e30", 2, "2"}, {" 6", 6, "6"},
    };
    for (const PromptCase& row : cases) {
        SCOPED_TRACE(row.answer);
        settings.WriteSettingText("Message Duration", "5");
        MessageWindow* window = Show("Function expression is empty.");
        ASSERT_NE(window, nullptr);
        prompt.answer = row.answer;
        ClickText1(window);
        EXPECT_EQ(window->messageDuration(), row.duration);
        EXPECT_EQ(Stored("Message Duration"), row.stored);
        delete window;
    }
}

TEST_F(MessageWindowTest, DurationPromptIgnoresAnswersWithoutAWholeNumber) {
    for (const char* answer : {"0", "abc", "", "0.4", "-0.5", "e5"}) {
        SCOPED_TRACE(answer);
        settings.WriteSettingText("Message Duration", "5");
        MessageWindow* window = Show("Function expression is empty.");
        ASSERT_NE(window, nullptr);
        prompt.answer = answer;
        const int callsBefore = prompt.calls;
        ClickText1(window);
        EXPECT_EQ(prompt.calls, callsBefore + 1);
        EXPECT_EQ(window->messageDuration(), 5);
        EXPECT_EQ(Stored("Message Duration"), "5");
        delete window;
    }
}

TEST_F(MessageWindowTest, DurationPromptTexts) {
    MessageWindow* window = Show("Function expression is empty.");
    ASSERT_NE(window, nullptr);
    ClickText1(window);
    EXPECT_EQ(prompt.calls, 1);
    EXPECT_EQ(prompt.lastPrompt, "Enter new info message display duration [2-10 seconds].");
    EXPECT_EQ(prompt.lastTitle, "Veldrake Plotmere");
    EXPECT_EQ(prompt.lastProposed, "4");

    prompt.answer = "7";
    ClickText1(window);
    ClickText1(window);
    EXPECT_EQ(prompt.lastProposed, "7");
}

TEST_F(MessageWindowTest, OnlyALeftClickOnTheTextAsks) {
    MessageWindow* window = Show("Function expression is empty.");
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(Text1(window)->viewport(), Qt::RightButton);
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(prompt.calls, 0);
}

TEST_F(MessageWindowTest, ANewDurationAppliesToTheMessageOnDisplay) {
    settings.WriteSettingText("Message Duration", "10");
    const QPointer<MessageWindow> window = Show("Function expression is empty.");
    ASSERT_FALSE(window.isNull());
    prompt.answer = "2";
    ClickText1(window);
    EXPECT_EQ(window->messageDuration(), 2);
    EXPECT_EQ(TickMessage(window, 20), 4) << "closes two seconds after the message came";
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
}

TEST_F(MessageWindowTest, StaysLoadedWhileItsPromptIsOpen) {
    settings.WriteSettingText("Message Duration", "2");
    const QPointer<MessageWindow> window = Show("Function expression is empty.");
    ASSERT_FALSE(window.isNull());
    bool shownThroughout = false;
    prompt.whileOpen = [&] {
        TickMessage(window, 6); // three seconds, longer than the duration
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        shownThroughout = !window.isNull() && window->isVisible();
    };
    prompt.answer = "3";
    ClickText1(window);

    EXPECT_TRUE(shownThroughout);
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(window->messageDuration(), 3);
    EXPECT_EQ(Stored("Message Duration"), "3");
    // The timer runs again once the prompt is answered.
    EXPECT_EQ(TickMessage(window, 20), 6) << "closes three seconds after the message came";
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
}

TEST_F(MessageWindowTest, TheServiceClosesItsWindowWhenItGoes) {
    QPointer<MessageWindow> window;
    {
        MessageService shortLived(settings, prompt, testing_support::SteppedTiming);
        shortLived.showmessage(&caller, "Function expression is empty.");
        window = shortLived.window();
        ASSERT_FALSE(window.isNull());
    }
    EXPECT_TRUE(window.isNull());
}

} // namespace
} // namespace plotmere

// The program's own delays. Widget tests step every timer themselves, so these tests pin what
// the program gets when it passes no timing, as its start routine does.
#include "settings/settings_store.h"
#include "support/main_window_state.h"
#include "support/scripted_color_picker.h"
#include "support/scripted_input_box.h"
#include "support/settings_sandbox.h"
#include "support/stepped_timing.h"
#include "windows/main_window.h"
#include "windows/message_service.h"
#include "windows/message_window.h"
#include "windows/timing.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace plotmere {
namespace {

using namespace testing_support;

TEST(ProgramTimingTest, DefaultsAreTheProgramsDelays) {
    const Timing program;
    EXPECT_EQ(program.resizeTickMs, 200) << "five ticks make the one-second replot";
    EXPECT_EQ(program.messageTickMs, 500);
    EXPECT_EQ(program.splashMs, 1000);
}

class ProgramTimingWindowTest : public testing_support::SettingsSandbox {
protected:
    SettingsStore store{testing_support::TestStoreLocation()};
    testing_support::ScriptedInputBox inputBox;
    testing_support::ScriptedColorPicker colorPicker;
};

TEST_F(ProgramTimingWindowTest, AMainWindowWithoutATimingWaitsAsTheProgramDoes) {
    MainWindow window(store, inputBox, colorPicker);
    window.load();
    auto* resizetimer = window.findChild<QTimer*>("resizetimer");
    ASSERT_NE(resizetimer, nullptr);
    EXPECT_TRUE(resizetimer->isActive()) << "loading arms the replot";
    EXPECT_EQ(resizetimer->interval(), 200);

    // An empty expression reports its problem in the message window.
    window.findChild<QLineEdit*>("inputfunc")->clear();
    window.findChild<QPushButton*>("Command2")->click();
    ASSERT_NE(ShownMessageWindow(), nullptr);
    const auto* messageTimer = ShownMessageWindow()->findChild<QTimer*>("Timer1");
    ASSERT_NE(messageTimer, nullptr);
    EXPECT_TRUE(messageTimer->isActive());
    EXPECT_EQ(messageTimer->interval(), 500);
}

// Each row: the timing a service is given and the interval its message window ticks at.
TEST_F(ProgramTimingWindowTest, TheMessageWindowTicksAtTheIntervalItIsGiven) {
    struct Row {
        const char* what;
        Timing timing;
        int interval;
    };
    const Row rows[] = {
        {"the program's", Timing{}, 500},
        {"stepped by the tests", testing_support::SteppedTiming, testing_support::NeverOnItsOwnMs},
        {"a custom one", Timing{.resizeTickMs = 1, .messageTickMs = 7, .splashMs = 0}, 7},
    };
    QWidget caller;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        MessageService service(store, inputBox, row.timing);
        service.showmessage(&caller, "Function expression is empty.");
        ASSERT_NE(service.window(), nullptr);
        EXPECT_EQ(service.window()->findChild<QTimer*>("Timer1")->interval(), row.interval);
    }
}

// However long a tick lasts, a message stays for its duration counted at half a second a tick.
TEST_F(ProgramTimingWindowTest, MessageTicksCountAsHalfSecondsWhateverTheirLength) {
    for (const int seconds : {2, 3, 10}) {
        SCOPED_TRACE(seconds);
        store.WriteSettingText("Message Duration", QString::number(seconds));
        QWidget caller;
        MessageService service(store, inputBox, testing_support::SteppedTiming);
        service.showmessage(&caller, "Function expression is empty.");
        ASSERT_NE(service.window(), nullptr);
        EXPECT_EQ(testing_support::Tick(service.window()->findChild<QTimer*>("Timer1"), 100),
                  2 * seconds);
        EXPECT_EQ(service.window(), nullptr) << "closed after its duration";
    }
}

} // namespace
} // namespace plotmere

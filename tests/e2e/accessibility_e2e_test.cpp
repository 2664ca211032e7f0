// What a screen reader finds in the running program, read over AT-SPI as Orca reads it: every
// control that acts on a click is a push button with a name and a press action, and pressing it
// through the accessibility bus does what a click does.
#include "e2e_fixture.h"

#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <csignal>
#include <map>

namespace plotmere::e2e {
namespace {

// A D-Bus session of the test's own, on which the accessibility bus comes up; both end with
// the test.
class AccessibilitySession {
public:
    AccessibilitySession() {
        const ToolResult daemon =
            RunTool("dbus-daemon", {"--session", "--fork", "--print-address=1", "--print-pid=1"});
        const QStringList lines = QString::fromLocal8Bit(daemon.output).split('\n');
        if (!daemon.ran || daemon.exitCode != 0 || lines.size() < 2) {
            ADD_FAILURE() << "dbus-daemon could not start: " << daemon.output.toStdString();
            return;
        }
        qputenv("DBUS_SESSION_BUS_ADDRESS", lines[0].trimmed().toLocal8Bit());
        pid_ = lines[1].trimmed().toInt();
        // The accessibility bus is started on the first request for it; a program finds it only
        // when it is there as it starts.
        const ToolResult bus =
            RunTool("dbus-send", {"--session", "--dest=org.a11y.Bus", "--print-reply",
                                  "/org/a11y/bus", "org.a11y.Bus.GetAddress"});
        if (!bus.ran || bus.exitCode != 0) {
            ADD_FAILURE() << "no accessibility bus: " << bus.output.toStdString();
        }
        // As a desktop with a screen reader running turns it on.
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        ready_ = bus.ran && bus.exitCode == 0;
    }
    ~AccessibilitySession() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
        }
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qunsetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    }
    bool ready() const { return ready_; }

private:
    int pid_ = 0;
    bool ready_ = false;
};

struct Accessible {
    QString role;
    QString name;
    QStringList states;
    QStringList actions;
};

// The tree as the AT-SPI reader prints it, after pressing `press` when given.
std::vector<Accessible> ReadTree(const QString& press = QString()) {
    QStringList arguments = {PLOTMERE_ATSPI_SCRIPT, "Plotmere"};
    if (!press.isEmpty()) {
        arguments << "press" << press;
    }
    const ToolResult read = RunTool("/usr/bin/python3", arguments, 60000);
    if (!read.ran || read.exitCode != 0) {
        ADD_FAILURE() << "the AT-SPI reader failed: " << read.output.toStdString();
        return {};
    }
    std::vector<Accessible> tree;
    for (const QString& line : QString::fromUtf8(read.output).split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split('\t');
        if (fields.size() == 4) {
            tree.push_back({fields[0], fields[1], fields[2].split(',', Qt::SkipEmptyParts),
                            fields[3].split(',', Qt::SkipEmptyParts)});
        }
    }
    return tree;
}

TEST_F(EndToEndTest, AScreenReaderFindsEveryClickableControlNamedWithAPressAction) {
    AccessibilitySession accessibility;
    ASSERT_TRUE(accessibility.ready());
    PlotmereSession session;
    ASSERT_TRUE(session.start());

    std::vector<Accessible> tree;
    ASSERT_TRUE(WaitUntil(
        [&] {
            tree = ReadTree();
            return tree.size() > 50;
        },
        30000, 500))
        << "the program did not show up on the accessibility bus";
    std::map<QString, Accessible> buttons;
    for (const Accessible& node : tree) {
        if (node.role == "push button") {
            EXPECT_FALSE(node.name.isEmpty()) << "a push button without a name";
            EXPECT_TRUE(node.actions.contains("Press")) << node.name.toStdString();
            buttons[node.name] = node;
        }
    }
    // The 39 keys, 4 range labels, 4 zoom labels, 5 parameters, 4 swatches, Light and Dark,
    // and the 5 command buttons.
    EXPECT_EQ(buttons.size(), 63u);
    for (const char* name :
         {"sin", "plus", "opening bracket", "number", "delete last token", "clear expression",
          "Xmin, -7", "Xmax, 7", "Ymin, -5", "zoom in, x axis", "zoom out, y axis",
          "background colour, FFFFFF", "next graph colour, 000000", "dark graph colours",
          "light graph colours", "parameter a, 0", "parameter e, 4", "New Graph"}) {
        EXPECT_TRUE(buttons.count(name)) << name;
    }
    const auto box = std::find_if(tree.begin(), tree.end(), [](const Accessible& node) {
        return node.role == "text" && node.name == "Function: y =";
    });
    EXPECT_NE(box, tree.end()) << "the expression box has no name";

    // Pressed over the bus, a zoom label zooms as a click does, and the range label says the
    // new value.
    ReadTree("zoom in, x axis");
    EXPECT_TRUE(AwaitSetting(session, "x min", "-3.5"));
    EXPECT_TRUE(WaitUntil(
        [] {
            const std::vector<Accessible> now = ReadTree();
            return std::any_of(now.begin(), now.end(),
                               [](const Accessible& node) { return node.name == "Xmin, -3.5"; });
        },
        10000, 500));
}

} // namespace
} // namespace plotmere::e2e

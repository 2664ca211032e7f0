// The program built for Windows, started under Wine on the test's desktop as a Windows user
// starts it: its window, a drawn graph, a message, and its placement stored in the registry key
// of its own when it is closed. make windows-test builds the program and runs this with
//   PLOTMERE_WINDOWS_PROGRAM  the cross-built plotmere.exe
//   PLOTMERE_WINE_PREFIX      the Wine prefix to run it in (made when missing)
#include "e2e_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cmath>

namespace plotmere::e2e {
namespace {

constexpr QRgb MessageGrey = 0x404040;
const QString MessageWindowName = QStringLiteral("^Confirmation$");
const QString ProgramKey = QStringLiteral("HKCU\\Software\\Veldrake Plotmere");
// Making a fresh prefix starts Wine's own services once; a loaded machine takes its time.
constexpr int PrefixTimeoutMs = 240000;

QString Wine() {
    for (const char* candidate : {"wine64", "/usr/lib/wine/wine64", "wine"}) {
        const QString found = QStandardPaths::findExecutable(candidate);
        if (!found.isEmpty()) {
            return found;
        }
        if (QFileInfo(candidate).isExecutable()) {
            return candidate;
        }
    }
    return {};
}

class WineEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = QString::fromLocal8Bit(qgetenv("PLOTMERE_WINDOWS_PROGRAM"));
        prefix_ = QDir(QString::fromLocal8Bit(qgetenv("PLOTMERE_WINE_PREFIX"))).absolutePath();
        wine_ = Wine();
        ASSERT_TRUE(QFileInfo(program_).isFile())
            << "PLOTMERE_WINDOWS_PROGRAM names no program: " << program_.toStdString();
        ASSERT_FALSE(qgetenv("PLOTMERE_WINE_PREFIX").isEmpty()) << "PLOTMERE_WINE_PREFIX unset";
        ASSERT_FALSE(wine_.isEmpty()) << "no wine64 (scripts/install-deps windows installs it)";
        ASSERT_TRUE(QDir().mkpath(prefix_));
        // Every Wine tool the test runs shares the program's prefix and server.
        qputenv("WINEPREFIX", QFile::encodeName(prefix_));
        qputenv("WINEDEBUG", "-all");
        qputenv("WINEDLLOVERRIDES", "mscoree,mshtml=");
        ASSERT_TRUE(runWine({"wineboot", "--init"}, PrefixTimeoutMs));
    }

    void TearDown() override { RunTool(wineServer(), {"-k"}); }

    bool runWine(const QStringList& arguments, int timeoutMs = 60000) {
        const ToolResult run = RunTool(wine_, arguments, timeoutMs);
        if (!run.ran || run.exitCode != 0) {
            ADD_FAILURE() << "wine " << arguments.join(' ').toStdString() << " failed ("
                          << run.exitCode << "): " << run.output.toStdString();
            return false;
        }
        return true;
    }

    QString wineServer() const { return QFileInfo(wine_).dir().filePath("wineserver"); }

    // The program's key in the prefix's user registry as Wine keeps it on disk, once the Wine
    // server has ended and written it: the lines from its header to the next key.
    QString storedKey(const QString& key) {
        RunTool(wineServer(), {"-w"}, 30000);
        QFile file(prefix_ + "/user.reg");
        if (!file.open(QIODevice::ReadOnly)) {
            ADD_FAILURE() << "no user.reg in " << prefix_.toStdString();
            return {};
        }
        const QString registry = QString::fromUtf8(file.readAll());
        const QString header = "\n[" + key + "]";
        const qsizetype start = registry.indexOf(header);
        if (start < 0) {
            return {};
        }
        const qsizetype end = registry.indexOf("\n[", start + header.size());
        return registry.mid(start + 1, end < 0 ? -1 : end - start - 1);
    }

    PlotmereSession session() const {
        return PlotmereSession(ProgramLaunch{wine_,
                                             {program_},
                                             {{"WINEPREFIX", prefix_},
                                              {"WINEDEBUG", "-all"},
                                              {"WINEDLLOVERRIDES", "mscoree,mshtml="}}});
    }

    QString program_;
    QString prefix_;
    QString wine_;
};

TEST_F(WineEndToEndTest, TheWindowsProgramDrawsShowsAMessageAndStoresItsPlacementInItsKey) {
    // A first run, except that the natural aspect ratio is off, so the range is the default one
    // exactly; the switch is put into the key as another program would put it there.
    // A prefix used before may hold the key; a fresh one has none, which reg reports as an error.
    RunTool(wine_, {"reg", "delete", ProgramKey, "/f"});
    ASSERT_TRUE(runWine(
        {"reg", "add", ProgramKey, "/v", "Keep Aspect", "/t", "REG_DWORD", "/d", "0", "/f"}));

    PlotmereSession plotmere = session();
    ASSERT_TRUE(plotmere.start()) << plotmere.output().toStdString();

    EnterExpression("2 * Sin(X)");
    const AreaMapping mapping(ViewRange{-7, 7, -5, 6}, plotmere.graphArea().size());
    AwaitLoneCurve(plotmere, mapping, [](double x) { return 2 * std::sin(x); });

    EnterExpression("sin(x");
    WindowId messageWindow = 0;
    const std::optional<QRect> message = AwaitWindowNamed(MessageWindowName, &messageWindow);
    ASSERT_TRUE(message.has_value()) << "no message window appeared";
    QImage shown;
    WaitUntil(
        [&] {
            shown = GrabScreen(*message);
            return CountColor(shown, MessageGrey) > shown.width() * shown.height() / 2;
        },
        5000);
    EXPECT_GT(CountColor(shown, MessageGrey), shown.width() * shown.height() / 2)
        << "the message strip is not seen";
    EXPECT_GT(CountColor(shown, 0xFFFFFF), 10) << "no text in the message";

    ASSERT_TRUE(plotmere.close());

    // Wine's file names the key as the registry does, with its backslash doubled.
    const QString stored = storedKey("Software\\\\Veldrake Plotmere");
    ASSERT_FALSE(stored.isEmpty()) << "no key Software\\Veldrake Plotmere in user.reg";
    for (const char* value :
         {"\"Window Left\"=dword:", "\"Window Top\"=dword:", "\"Window Width\"=dword:",
          "\"Window Height\"=dword:", "\"x min\"=\"-7\"", "\"function 1\"=\"2*sin(x)\"",
          "\"Keep Aspect\"=dword:00000000"}) {
        EXPECT_TRUE(stored.contains(value)) << value << " missing in\n" << stored.toStdString();
    }
    EXPECT_TRUE(storedKey("Software\\\\Veldrake Plotmere\\\\OrganizationDefaults").isEmpty());
}

} // namespace
} // namespace plotmere::e2e

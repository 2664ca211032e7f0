// Entry point of the widget tests: Qt's offscreen platform unless another one is asked for,
// and a settings store of the process's own (a fresh temporary folder, on Windows a registry
// key removed at the end), never the user's own.
#include "support/test_store.h"
#include "windows/accessibility.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// The offscreen platform's own screen is 800 x 800 pixels, smaller than any desktop the program
// meets, so that a window beside the main window would not fit. The tests run on a common
// desktop instead: a 1920 x 1080 screen, the primary one, with a second screen to its right,
// where a main window can stand whose secondary windows must follow it. Tests about the
// screens' edges read their sizes from the screens. The platform's arguments are separated by
// colons, so the file is named relative to its folder, which is the current one while the
// application starts (a Windows path would break at its drive letter).
constexpr char ScreensFile[] = "offscreen-screen.json";

QByteArray DesktopSizedOffscreenPlatform(const QTemporaryDir& folder) {
    QFile config(folder.filePath(ScreensFile));
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0,)"
                     R"( "width": 1920, "height": 1080},)"
                     R"( {"name": "second", "x": 1920, "y": 0,)"
                     R"( "width": 1280, "height": 1024}]})") < 0) {
        return "offscreen";
    }
    return QByteArray("offscreen:configfile=") + ScreensFile;
}

// The store flushes every change to disk, dozens of times for each window a test starts. In a
// folder held in memory (where the system has one) a flush costs nothing, so the tests spend
// their time in the program rather than waiting for the disk.
QString SandboxPattern() {
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    const QString parent =
        memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
    return parent + QStringLiteral("/plotmere-ui-tests-XXXXXX");
}

} // namespace

int main(int argc, char* argv[]) {
    auto configHome = std::make_unique<QTemporaryDir>(SandboxPattern());
    if (!configHome->isValid()) {
        configHome = std::make_unique<QTemporaryDir>();
    }
    qputenv("XDG_CONFIG_HOME", configHome->path().toLocal8Bit());
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        qputenv("QT_QPA_PLATFORM", DesktopSizedOffscreenPlatform(*configHome));
    }
    const QString startFolder = QDir::currentPath();
    QDir::setCurrent(configHome->path());
    QApplication app(argc, argv);
    QDir::setCurrent(startFolder);
    plotmere::InstallAccessibility();
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    plotmere::testing_support::RemoveTestStore();
    return result;
}

// Entry point of the widget tests: Qt's offscreen platform unless another one is asked for,
// and a settings store in a fresh temporary folder, never the user's own.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The offscreen platform's own screen is 800 x 800 pixels, smaller than any desktop the program
// meets, so that a window beside the main window would not fit. The tests run on a common
// desktop size instead; tests about the screen's edges read its size from the screen.
QByteArray DesktopSizedOffscreenPlatform(const QTemporaryDir& folder) {
    const QString path = folder.filePath("offscreen-screen.json");
    QFile config(path);
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0,)"
                     R"( "width": 1920, "height": 1080}]})") < 0) {
        return "offscreen";
    }
    return "offscreen:configfile=" + path.toLocal8Bit();
}

} // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        qputenv("QT_QPA_PLATFORM", DesktopSizedOffscreenPlatform(configHome));
    }
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

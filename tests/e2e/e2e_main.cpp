// Entry point of the end-to-end tests: a private X server for this process with a window
// manager on it, as on a person's desktop, and a connection to it through which the tests see
// the screen. Listing the tests needs neither.
#include "window_manager.h"
#include "x_tools.h"
#include "xvfb_server.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <utility>

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }

    // Large enough for the main window twice scaled with room below it for the message window.
    plotmere::e2e::XvfbServer server;
    if (!server.start(2400, 1800, 30000)) {
        std::cerr << "end-to-end tests: " << server.error() << '\n';
        return 1;
    }
    // Placement, focus, stacking and maximising are the window manager's; the program is tested
    // under one, and only once it manages the screen.
    plotmere::e2e::WindowManager windowManager;
    if (!windowManager.start(server.display(), 30000)) {
        std::cerr << "end-to-end tests: " << windowManager.error() << '\n';
        return 1;
    }
    setenv("DISPLAY", server.display().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    // The tests look at the screen in device pixels; only the program under test is scaled.
    for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI"}) {
        unsetenv(name);
    }

    int result = 1;
    {
        QGuiApplication app(argc, argv);
        // Without the person's tools every test would fail slowly, one timeout after another.
        for (const auto& [tool, argument] :
             {std::pair{"xdotool", "version"}, std::pair{"xclip", "-version"},
              std::pair{"wmctrl", "-m"}}) {
            const plotmere::e2e::ToolResult run = plotmere::e2e::RunTool(tool, {argument});
            if (!run.ran || run.exitCode != 0) {
                std::cerr << "end-to-end tests: " << tool
                          << " cannot run (scripts/install-deps lists it)\n";
                return 1;
            }
        }
        result = RUN_ALL_TESTS();
    }
    windowManager.stop();
    server.stop();
    return result;
}

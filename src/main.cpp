#include "settings/settings_store.h"
#include "windows/accessibility.h"
#include "windows/app_info.h"
#include "windows/color_picker.h"
#include "windows/input_box.h"
#include "windows/main_window.h"
#include "windows/placement_keeper.h"
#include "windows/splash_window.h"

#include <QApplication>
#include <QDate>
#include <QIcon>
#include <QSize>
#include <QStyleFactory>

namespace {

// Who the program is to the desktop: its names and version, the desktop entry its windows
// belong to (plotmere.desktop), and its icon.
void Introduce(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Plotmere"));
    QApplication::setOrganizationName(QStringLiteral("Veldrake"));
    QApplication::setApplicationVersion(plotmere::appVersion);
    QGuiApplication::setDesktopFileName(QStringLiteral("plotmere"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/plotmere-%1.png").arg(size), QSize(size, size));
    }
    app.setWindowIcon(icon);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Introduce(app);
    // One style everywhere, so the theme colours look the same on every platform.
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    plotmere::InstallAccessibility();

    // The splash comes up where the main window will.
    plotmere::SettingsStore store{plotmere::SettingsStore::DefaultLocation()};
    plotmere::ShowSplash(plotmere::Timing{}, QDate::currentDate(),
                         plotmere::ScreenOfStoredPlacement(store));

    plotmere::DialogInputBox inputBox;
    plotmere::DialogColorPicker colorPicker;
    plotmere::MainWindow window(store, inputBox, colorPicker);
    window.load();
    window.show();
    return app.exec();
}

#include "settings/settings_store.h"
#include "windows/color_picker.h"
#include "windows/input_box.h"
#include "windows/main_window.h"
#include "windows/placement_keeper.h"
#include "windows/splash_window.h"

#include <QApplication>
#include <QDate>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // One style everywhere, so the theme colours look the same on every platform.
    QApplication::setStyle(QStyleFactory::create("Fusion"));

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

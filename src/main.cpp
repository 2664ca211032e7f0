#include "settings/settings_store.h"
#include "windows/color_picker.h"
#include "windows/input_box.h"
#include "windows/main_window.h"
#include "windows/splash_window.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // One style everywhere, so the theme colours look the same on every platform.
    QApplication::setStyle(QStyleFactory::create("Fusion"));

    plotmere::ShowSplash();

    plotmere::SettingsStore store;
    plotmere::DialogInputBox inputBox;
    plotmere::DialogColorPicker colorPicker;
    plotmere::MainWindow window(store, inputBox, colorPicker);
    window.load();
    window.show();
    return app.exec();
}

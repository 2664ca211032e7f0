#pragma once

#include "settings/settings_store.h"
#include "support/scripted_color_picker.h"
#include "support/scripted_input_box.h"
#include "support/settings_sandbox.h"
#include "support/stepped_timing.h"
#include "view/graph_canvas.h"
#include "widgets/twips.h"
#include "windows/main_window.h"

#include <QTest>

#include <memory>

namespace plotmere::testing_support {

// A main window loaded and shown on a fresh store, as at a first start. Its timers tick only when
// the test delivers the ticks (see stepped_timing.h).
class MainWindowFixture : public SettingsSandbox {
protected:
    void SetUp() override {
        SettingsSandbox::SetUp();
        startWindow();
    }

    void startWindow() {
        window = std::make_unique<MainWindow>(store, inputBox, colorPicker, SteppedTiming);
        window->load();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void restartWindow() {
        window->close();
        window.reset();
        startWindow();
    }

    template <typename T = QWidget> T* control(const char* name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << "no control " << name;
        return found;
    }

    // A control's geometry relative to its parent, in twips.
    static QRect TwipsGeometry(const QWidget* widget) {
        const QRect g = widget->geometry();
        return QRect(PixelsToTwips(g.x()), PixelsToTwips(g.y()), PixelsToTwips(g.width()),
                     PixelsToTwips(g.height()));
    }

    QImage picture() const { return control<GraphCanvas>("grafik")->image(); }

    // Lets `ticks` ticks of the resize timer pass (200 ms each in the program).
    int tickResizeTimer(int ticks) { return Tick(control<QTimer>("resizetimer"), ticks); }

    SettingsStore store{testing_support::TestStoreLocation()};
    ScriptedInputBox inputBox;
    ScriptedColorPicker colorPicker;
    std::unique_ptr<MainWindow> window;
};

} // namespace plotmere::testing_support

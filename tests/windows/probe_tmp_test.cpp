#include "support/main_window_fixture.h"
#include <QScreen>
#include <cstdio>
namespace plotmere { namespace {
class ProbeTmp : public testing_support::MainWindowFixture { protected: void SetUp() override { SettingsSandbox::SetUp(); } };
static void P(const char* what, QWidget* w) {
  QRect f = w->frameGeometry(), g = w->geometry();
  std::printf("%-20s frame %d,%d %dx%d  geom %d,%d %dx%d vis %d state %d\n", what, f.x(), f.y(), f.width(), f.height(), g.x(), g.y(), g.width(), g.height(), w->isVisible(), int(w->windowState()));
}
TEST_F(ProbeTmp, Run) {
  std::printf("screen %d,%d %dx%d\n", QGuiApplication::primaryScreen()->availableGeometry().x(),QGuiApplication::primaryScreen()->availableGeometry().y(),QGuiApplication::primaryScreen()->availableGeometry().width(),QGuiApplication::primaryScreen()->availableGeometry().height());
  for (int run = 0; run < 3; ++run) {
  window = std::make_unique<MainWindow>(store, inputBox, colorPicker);
  P("constructed", window.get());
  window->load();
  P("loaded", window.get());
  window->show();
  P("shown", window.get());
  (void)QTest::qWaitForWindowExposed(window.get());
  P("exposed", window.get());
  QTest::qWait(200);
  P("waited", window.get());
  window->close();
  std::printf("stored L %d T %d H %d W %d\n", store.ReadSettingInt("Window Left",0), store.ReadSettingInt("Window Top",0), store.ReadSettingInt("Window Height",0), store.ReadSettingInt("Window Width",0));
  window.reset();
  }
}
}}

#include "windows/input_box.h"

#include "windows/app_info.h"

#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace plotmere {
namespace {

// Room a title bar needs beside its title for an icon and three buttons, at least.
constexpr int TitleBarButtonsPixels = 120;

TEST(InputBoxTest, IsWideEnoughForItsTitleAndEveryPromptLine) {
    const char* prompts[] = {
        "Enter new Xmin value:",
        "Enter a numerical constant\r\nto append to the expression:",
        "Enter new parameter value:",
        "Enter new info message display duration [2-10 seconds].",
        "Enter new number of sample points:",
    };
    for (const char* prompt : prompts) {
        SCOPED_TRACE(prompt);
        QInputDialog dialog;
        PrepareInputDialog(dialog, prompt, appTitle, "-7");
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

        EXPECT_EQ(dialog.windowTitle(), appTitle);
        EXPECT_EQ(dialog.textValue(), "-7");
        QFont bold = dialog.font();
        bold.setBold(true);
        EXPECT_GE(dialog.width(),
                  QFontMetrics(bold).horizontalAdvance(appTitle) + TitleBarButtonsPixels);

        auto* label = dialog.findChild<QLabel*>();
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QString(prompt).replace("\r\n", "\n"));
        for (const QString& line : label->text().split('\n')) {
            EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(line), label->width())
                << line.toStdString();
        }
        EXPECT_LE(label->geometry().right(), dialog.width());
    }
}

} // namespace
} // namespace plotmere

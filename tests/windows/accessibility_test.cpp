// What a screen reader finds in the program: every control that acts on a click is a button
// with a name that says what it does and a press action that does what the click does.
#include "support/main_window_fixture.h"
#include "support/main_window_state.h"

#include "themes/theme_chooser.h"
#include "widgets/clickable_label.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <map>

namespace plotmere {
namespace {

using namespace testing_support;

QAccessibleInterface* Accessible(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(iface, nullptr);
    return iface;
}

bool Presses(QAccessibleInterface* iface) {
    return iface->actionInterface() != nullptr && iface->actionInterface()->actionNames().contains(
                                                      QAccessibleActionInterface::pressAction());
}

void Press(QObject* control) {
    Accessible(control)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

using AccessibilityTest = MainWindowFixture;

TEST_F(AccessibilityTest, EveryClickableControlIsANamedButtonWithAPressAction) {
    int buttons = 0;
    for (ClickableLabel* label : window->findChildren<ClickableLabel*>()) {
        SCOPED_TRACE(label->objectName().toStdString());
        QAccessibleInterface* iface = Accessible(label);
        if (!label->actsOnClick()) {
            // Captions such as "X - axis", "Zoom" and "busy..." do nothing.
            EXPECT_EQ(iface->role(), QAccessible::StaticText);
            EXPECT_FALSE(Presses(iface));
            continue;
        }
        ++buttons;
        EXPECT_EQ(iface->role(), QAccessible::Button);
        EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty());
        EXPECT_TRUE(Presses(iface));
    }
    // 39 keys, 4 range labels, 4 zoom labels, 5 parameters, 4 swatches, Light and Dark.
    EXPECT_EQ(buttons, 58);
}

TEST_F(AccessibilityTest, NamesSayWhatEachControlDoesAndHolds) {
    const std::map<QString, QString> expected = {
        {"qsin", "sin"},
        {"qplus", "plus"},
        {"qlbra", "opening bracket"},
        {"qnum", "number"},
        {"qdel", "delete last token"},
        {"qclear", "clear expression"},
        {"qpi", "pi"},
        {"labxmin", "Xmin, -7"},
        {"labxmax", "Xmax, 7"},
        {"labymin", "Ymin, -5"},
        {"labxzoomin", "zoom in, x axis"},
        {"labyzoomout", "zoom out, y axis"},
        {"labcback", "background colour, FFFFFF"},
        {"labcaxis", "axis colour, 8080FF"},
        {"labcgraph", "next graph colour, 000000"},
        {"labcerr", "out of range colour, FF4040"},
        {"labcolordark", "dark graph colours"},
        {"qqa", "parameter a, 0"},
        {"qqe", "parameter e, 4"},
    };
    for (const auto& [name, spoken] : expected) {
        EXPECT_EQ(Accessible(control(name.toLatin1().constData()))->text(QAccessible::Name), spoken)
            << name.toStdString();
    }
    EXPECT_EQ(Accessible(control<QLineEdit>("inputfunc"))->text(QAccessible::Name),
              "Function: y =");
    // Names follow the values.
    inputBox.answerNext("2.5");
    Press(control("qqa"));
    EXPECT_EQ(Accessible(control("qqa"))->text(QAccessible::Name), "parameter a, 2.5");
    Press(control("labxzoomout"));
    EXPECT_EQ(Accessible(control("labxmin"))->text(QAccessible::Name), "Xmin, -14");
    Press(control("labcolordark"));
    EXPECT_EQ(Accessible(control("labcback"))->text(QAccessible::Name),
              "background colour, 202020");
}

TEST_F(AccessibilityTest, PressingDoesWhatAClickDoes) {
    Press(control("qsin"));
    Press(control("qx"));
    Press(control("qrbra"));
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "sin(x)");
    Press(control("qdel"));
    EXPECT_EQ(control<QLineEdit>("inputfunc")->text(), "");
    Press(control("labxzoomin"));
    EXPECT_EQ(Store().value("x min").toString(), "-3.5");
    inputBox.answerNext("3");
    Press(control("labxmax"));
    EXPECT_EQ(Store().value("x max").toString(), "3");
    colorPicker.pickNext(Rgb(0x123456));
    Press(control("labcgraph"));
    EXPECT_EQ(ViewOf(*window).colors().nextGraphColor, Rgb(0x123456));
}

TEST_F(AccessibilityTest, TheMessageStripIsAnAlertThatSaysItsMessage) {
    control<QLineEdit>("inputfunc")->setText("sin(x");
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    MessageWindow* strip = ShownMessageWindow();
    ASSERT_NE(strip, nullptr);
    QAccessibleInterface* iface = Accessible(strip);
    EXPECT_EQ(iface->role(), QAccessible::AlertMessage);
    EXPECT_EQ(iface->text(QAccessible::Name),
              "Incorrect function expression.\nImproper use of brackets.");
}

TEST_F(AccessibilityTest, TheFunctionListReadsItsHeadersAndNamesEachColour) {
    colorPicker.pickNext(Rgb(0xFF4040));
    QTest::mouseClick(control<ClickableLabel>("labcgraph"), Qt::LeftButton);
    control<QLineEdit>("inputfunc")->setText("x");
    QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("Command5"), Qt::LeftButton);
    ASSERT_NE(OpenFunctionList(), nullptr);
    auto* grid = OpenFunctionList()->findChild<QTableWidget*>("Grid1");
    QAccessibleInterface* table = Accessible(grid);
    ASSERT_NE(table->tableInterface(), nullptr);
    QStringList headers;
    for (int i = 0; i < table->childCount(); ++i) {
        if (table->child(i)->role() == QAccessible::ColumnHeader) {
            headers << table->child(i)->text(QAccessible::Name);
        }
    }
    EXPECT_EQ(headers, QStringList({"Color", "Function Expression"}));
    EXPECT_EQ(table->tableInterface()->cellAt(1, 0)->text(QAccessible::Name), "FF4040");
    EXPECT_EQ(table->tableInterface()->cellAt(1, 1)->text(QAccessible::Name), "y=x");
}

TEST_F(AccessibilityTest, ThemeChooserEntriesArePressableChoicesWithTheCurrentOneSelected) {
    QStringList checked;
    int choices = 0;
    QString afterPress;
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<ThemeChooser*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        for (ClickableLabel* entry : chooser->findChildren<ClickableLabel*>()) {
            QAccessibleInterface* iface = Accessible(entry);
            if (iface->role() == QAccessible::RadioButton && Presses(iface)) {
                ++choices;
            }
            if (iface->state().checked && iface->state().selected) {
                checked << iface->text(QAccessible::Name);
            }
        }
        for (ClickableLabel* entry : chooser->findChildren<ClickableLabel*>()) {
            if (entry->text() == "Bloods") {
                Press(entry);
                afterPress = Accessible(entry)->state().checked ? entry->text() : QString();
            }
        }
        chooser->findChild<QPushButton*>("Command1")->click();
    });
    control<QAction>("menucolors")->trigger();
    EXPECT_EQ(choices, 46);
    EXPECT_EQ(checked, QStringList{"Original Lite"});
    EXPECT_EQ(afterPress, "Bloods");
    EXPECT_EQ(Store().value("Color Theme").toString(), "Bloods");
}

} // namespace
} // namespace plotmere

#include "themes/theme_chooser.h"

#include "settings/settings_store.h"
#include "support/settings_sandbox.h"
#include "support/widget_palette.h"
#include "themes/theme_table.h"
#include "widgets/clickable_label.h"
#include "widgets/twips.h"
#include "widgets/widget_colors.h"

#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace plotmere {
namespace {

// The window's entries row by row, left column then right column.
const char* const expectedLayout[23][2] = {
    {"Amethyst", "Arctica"},      {"Baby Jeans", "Bitter Lemon"},
    {"Bloods", "Blue Martini"},   {"Blueberry", "Blueberry And Cream"},
    {"Blues", "Bricks Set"},      {"Bubble Gum", "Bullfrog"},
    {"Citrus", "City Night"},     {"Clover", "Coagulated"},
    {"Copper", "Donatello"},      {"Dymunds", "Emerald City"},
    {"Fort Knox", "Gold Rush"},   {"Grapefruit", "Grapes"},
    {"Halloween", "HaXb0x"},      {"Jeans", "Love Machine"},
    {"Mono Dark", "Mono Lite"},   {"Night Vision", "Peachy"},
    {"Popcorn", "Powerpuff!"},    {"Original Dark", "Original Lite"},
    {"Owayke", "Rain Forest"},    {"Raspberry Club", "Rosemary"},
    {"Sunflower", "Toxic"},       {"Uranium", "Varsity"},
    {"Winamp New", "Winamp Old"},
};

ColorTheme Theme(const QString& name) {
    return FindColorTheme(name).value_or(ColorTheme{});
}

class ThemeChooserTest : public testing_support::SettingsSandbox {
protected:
    // Opens the chooser with `storedName` stored and loaded as the theme.
    void Open(const QString& storedName) {
        entries.clear();
        applied.clear();
        visibleWhenApplied.clear();
        store.WriteSettingText("Color Theme", storedName);
        LoadColorTheme(current, store);
        chooser = std::make_unique<ThemeChooser>(current, store, [this] {
            applied.push_back(current.themeName);
            visibleWhenApplied.push_back(chooser->isVisible());
        });
        chooser->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(chooser.get()));
        for (int index = 0; index < themeCount; ++index) {
            entries.push_back(chooser->findChild<ClickableLabel*>(QString("opcija%1").arg(index)));
            ASSERT_NE(entries.back(), nullptr) << index;
        }
    }

    void Click(const QString& caption) {
        for (ClickableLabel* entry : entries) {
            if (entry->text() == caption) {
                QTest::mouseClick(entry, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "no entry " << caption.toStdString();
    }

    void Press(const char* button) {
        QTest::mouseClick(chooser->findChild<QPushButton*>(button), Qt::LeftButton);
    }

    QString Stored() { return Store().value("Color Theme").toString(); }

    // Only `highlighted` shows rangeBack on rangeText; every other entry editBack on editText.
    void ExpectHighlighted(const QString& highlighted) const {
        for (const ClickableLabel* entry : entries) {
            const bool on = entry->text() == highlighted;
            EXPECT_EQ(BackgroundOf(entry), on ? current.rangeBack : current.editBack)
                << entry->text().toStdString();
            EXPECT_EQ(TextColorOf(entry), on ? current.rangeText : current.editText)
                << entry->text().toStdString();
        }
    }

    SettingsStore store{testing_support::TestStoreLocation()};
    ColorTheme current;
    std::unique_ptr<ThemeChooser> chooser;
    std::vector<ClickableLabel*> entries;
    std::vector<QString> applied;
    std::vector<bool> visibleWhenApplied;
};

TEST_F(ThemeChooserTest, EntriesAndButtonsStandWhereTheLayoutPutsThem) {
    Open("Original Lite");
    EXPECT_EQ(chooser->objectName(), "Form34");
    EXPECT_EQ(chooser->windowTitle(), "Change Color Theme");
    EXPECT_EQ(chooser->size(), TwipsSize(4575, 7575));
    QSet<QString> captions;
    for (int row = 0; row < 23; ++row) {
        for (int column = 0; column < 2; ++column) {
            const ClickableLabel* entry = entries[static_cast<std::size_t>(2 * row + column)];
            EXPECT_EQ(entry->text(), expectedLayout[row][column]);
            EXPECT_EQ(entry->geometry(),
                      TwipsRect(column == 0 ? 120 : 2340, 120 + 300 * row, 2115, 255));
            captions.insert(entry->text());
        }
    }
    // Each of the 46 distinct captions names a theme of the table, which has 46.
    EXPECT_EQ(captions.size(), themeCount);
    for (const QString& caption : captions) {
        EXPECT_TRUE(FindColorTheme(caption).has_value()) << caption.toStdString();
    }

    const auto* select = chooser->findChild<QPushButton*>("Command1");
    const auto* cancel = chooser->findChild<QPushButton*>("Command2");
    ASSERT_TRUE(select != nullptr && cancel != nullptr);
    EXPECT_EQ(select->text(), "Select");
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_TRUE(select->isDefault());
    EXPECT_EQ(select->geometry(), TwipsRect(3420, 7080, 1035, 375));
    EXPECT_EQ(cancel->geometry(), TwipsRect(2340, 7080, 1035, 375));
}

TEST_F(ThemeChooserTest, EveryEntryClickStoresAppliesAndHighlightsItsTheme) {
    Open("Citrus");
    ExpectHighlighted("Citrus");
    EXPECT_EQ(BackgroundOf(chooser.get()), Theme("Citrus").windowBack);
    for (ClickableLabel* entry : entries) {
        const QString caption = entry->text();
        SCOPED_TRACE(caption.toStdString());
        QTest::mouseClick(entry, Qt::LeftButton);
        EXPECT_EQ(current, Theme(caption));
        EXPECT_EQ(Stored(), caption);
        EXPECT_EQ(BackgroundOf(chooser.get()), current.windowBack);
        EXPECT_EQ(applied.back(), caption);
        ExpectHighlighted(caption);
    }
    EXPECT_EQ(applied.size(), static_cast<std::size_t>(themeCount));
}

TEST_F(ThemeChooserTest, CancelGoesBackToTheThemeAtOpening) {
    Open("Original Lite");
    Click("Bloods");
    EXPECT_EQ(Stored(), "Bloods");
    Press("Command2");
    EXPECT_EQ(current, Theme("Original Lite"));
    EXPECT_EQ(Stored(), "Original Lite");
    EXPECT_EQ(applied, (std::vector<QString>{"Bloods", "Original Lite"}));
    EXPECT_EQ(visibleWhenApplied, (std::vector<bool>{true, false}));
    EXPECT_EQ(chooser->result(), QDialog::Rejected);
}

TEST_F(ThemeChooserTest, SelectKeepsTheThemeLastClicked) {
    Open("Original Lite");
    Click("Bloods");
    Click("Grapes");
    Press("Command1");
    EXPECT_EQ(Stored(), "Grapes");
    EXPECT_EQ(current, Theme("Grapes"));
    EXPECT_EQ(applied, (std::vector<QString>{"Bloods", "Grapes", "Grapes"}));
    EXPECT_EQ(visibleWhenApplied.back(), false);
    EXPECT_EQ(chooser->result(), QDialog::Accepted);
}

TEST_F(ThemeChooserTest, SelectAtOnceChangesNothing) {
    Open("Peachy");
    const ColorTheme atOpen = current;
    Press("Command1");
    EXPECT_EQ(Stored(), "Peachy");
    EXPECT_EQ(current, atOpen);
    EXPECT_EQ(applied.size(), 1U);
}

TEST_F(ThemeChooserTest, AnUnknownStoredNameHighlightsNothingAndCancelWritesItBack) {
    Open("amethyst");
    ExpectHighlighted(QString());
    Click("Blues");
    Press("Command2");
    EXPECT_EQ(Stored(), "amethyst");
    ColorTheme expected = Theme("Original Lite");
    expected.themeName = "amethyst";
    EXPECT_EQ(current, expected);
}

TEST_F(ThemeChooserTest, EscapeCancelsButClosingByTheTitleBarKeepsTheLastClick) {
    Open("Original Lite");
    Click("Jeans");
    QTest::keyClick(chooser.get(), Qt::Key_Escape);
    EXPECT_EQ(Stored(), "Original Lite");
    EXPECT_EQ(current, Theme("Original Lite"));

    Open("Original Lite");
    Click("Jeans");
    chooser->close();
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(Stored(), "Jeans");
    EXPECT_EQ(current, Theme("Jeans"));
}

TEST_F(ThemeChooserTest, ModalRunEndsWithEnterOnSelect) {
    store.WriteSettingText("Color Theme", "Original Lite");
    LoadColorTheme(current, store);
    int appliedCount = 0;
    ThemeChooser modal(current, store, [&appliedCount] { ++appliedCount; });
    QTimer::singleShot(0, &modal, [&modal] {
        if (auto* bloods = modal.findChild<ClickableLabel*>("opcija4")) {
            QTest::mouseClick(bloods, Qt::LeftButton);
        }
        QTest::keyClick(&modal, Qt::Key_Return);
    });
    EXPECT_EQ(modal.exec(), QDialog::Accepted);
    EXPECT_EQ(Stored(), "Bloods");
    EXPECT_EQ(current, Theme("Bloods"));
    EXPECT_EQ(appliedCount, 2);
}

} // namespace
} // namespace plotmere

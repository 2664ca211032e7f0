#include "settings/settings_store.h"

#include "support/settings_sandbox.h"

#include <QFile>
#include <QStandardPaths>

namespace plotmere {
namespace {

using SettingsStoreTest = testing_support::SettingsSandbox;

TEST_F(SettingsStoreTest, AMissingTextIsCreatedWithItsDefault) {
    SettingsStore store;
    EXPECT_EQ(store.ReadSettingText("x min", "-7"), "-7");
    EXPECT_EQ(Store().value("x min").toString(), "-7");
    // The stored value now wins over another default.
    EXPECT_EQ(store.ReadSettingText("x min", "99"), "-7");
}

TEST_F(SettingsStoreTest, AMissingIntegerIsCreatedWithItsDefault) {
    SettingsStore store;
    EXPECT_EQ(store.ReadSettingInt("Window Left", 4000), 4000);
    EXPECT_EQ(Store().value("Window Left").toInt(), 4000);
    EXPECT_EQ(store.ReadSettingInt("Window Left", 1), 4000);
}

TEST_F(SettingsStoreTest, AStoredEmptyTextStaysEmpty) {
    SettingsStore store;
    store.WriteSettingText("function 3", "");
    EXPECT_EQ(store.ReadSettingText("function 3", "x"), "");
}

TEST_F(SettingsStoreTest, WritesAreOnDiskWhenTheCallReturns) {
    SettingsStore store;
    store.WriteSettingInt("Num of Samples", 5000);
    store.WriteSettingText("Color Theme", "Grapes");
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         "/Veldrake Plotmere.conf";
    QFile conf(file);
    ASSERT_TRUE(conf.open(QIODevice::ReadOnly)) << file.toStdString();
    const QByteArray contents = conf.readAll();
    EXPECT_TRUE(contents.contains("5000"));
    EXPECT_TRUE(contents.contains("Grapes"));
}

TEST_F(SettingsStoreTest, LongTextsReadBackWhole) {
    SettingsStore store;
    QString history;
    while (history.size() < 100000) {
        history += "sin(x)*cos(2*x)+";
    }
    history += "x";
    store.WriteSettingText("function 1", history);
    EXPECT_EQ(store.ReadSettingText("function 1", ""), history);
}

TEST_F(SettingsStoreTest, TextsWithSeparatorsAndQuotesSurvive) {
    SettingsStore store;
    const QString texts[] = {"a,b",         "\"quoted\"", "@Variant(x)",  "x;y=z", " leading blank",
                             "back\\slash", "Powerpuff!", "line\r\nbreak"};
    for (const QString& text : texts) {
        store.WriteSettingText("Example 1", text);
        EXPECT_EQ(store.ReadSettingText("Example 1", "default"), text) << text.toStdString();
    }
}

struct WrongKindRow {
    const char* stored;
    int expected;
};

class SettingsStoreWrongKind : public testing_support::SettingsSandbox,
                               public testing::WithParamInterface<WrongKindRow> {};

// A hand-edited value that is not a whole 32-bit number counts as missing: the default is
// written back and returned; a whole number written as text is taken as that number.
TEST_P(SettingsStoreWrongKind, ReadsAsItsNumberOrAsMissing) {
    Store().setValue("Window Top", GetParam().stored);
    SettingsStore store;
    EXPECT_EQ(store.ReadSettingInt("Window Top", 2000), GetParam().expected);
    EXPECT_EQ(Store().value("Window Top").toString().toInt(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsStoreWrongKind,
                         testing::Values(WrongKindRow{"123", 123}, WrongKindRow{" -45 ", -45},
                                         WrongKindRow{"abc", 2000}, WrongKindRow{"", 2000},
                                         WrongKindRow{"12.5", 2000},
                                         WrongKindRow{"99999999999", 2000},
                                         WrongKindRow{"2147483647", 2147483647},
                                         WrongKindRow{"-2147483648", -2147483647 - 1}));

TEST_F(SettingsStoreTest, DeletingOneValueRestoresOnlyThatDefault) {
    SettingsStore store;
    store.WriteSettingText("parameter b", "7");
    store.WriteSettingText("parameter c", "8");
    Store().remove("parameter c");
    EXPECT_EQ(store.ReadSettingText("parameter c", "2"), "2");
    EXPECT_EQ(store.ReadSettingText("parameter b", "1"), "7");
}

} // namespace
} // namespace plotmere

namespace plotmere {
namespace {

TEST_F(SettingsStoreTest, GroupWritesStoreEveryValueInOrder) {
    SettingsStore store;
    store.WriteSettingTexts({{"x min", "-3"}, {"x max", "4"}, {"x min", "-2"}});
    store.WriteSettingInts({{"color back", 1}, {"color axis", 2}});
    EXPECT_EQ(Store().value("x min").toString(), "-2") << "the later write wins";
    EXPECT_EQ(Store().value("x max").toString(), "4");
    EXPECT_EQ(store.ReadSettingInt("color back", 0), 1);
    EXPECT_EQ(store.ReadSettingInt("color axis", 0), 2);
}

TEST_F(SettingsStoreTest, RewritingTheSameValueKeepsIt) {
    SettingsStore store;
    store.WriteSettingInt("Show Grid", 1);
    store.WriteSettingInt("Show Grid", 1);
    EXPECT_EQ(store.ReadSettingInt("Show Grid", 0), 1);
    store.WriteSettingInt("Show Grid", 0);
    store.WriteSettingText("Example 1", "");
    store.WriteSettingText("Example 1", "");
    EXPECT_EQ(store.ReadSettingInt("Show Grid", 1), 0);
    EXPECT_EQ(store.ReadSettingText("Example 1", "x"), "");
    store.WriteSettingText("Num of Samples", "300");
    store.WriteSettingInt("Num of Samples", 300);
    EXPECT_EQ(store.ReadSettingInt("Num of Samples", 0), 300);
}

} // namespace
} // namespace plotmere

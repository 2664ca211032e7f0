#include "settings/settings_store.h"

#include "support/settings_sandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cmath>
#include <optional>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace plotmere {
namespace {

using SettingsStoreTest = testing_support::SettingsSandbox;

TEST_F(SettingsStoreTest, AMissingTextIsCreatedWithItsDefault) {
    SettingsStore store{testing_support::TestStoreLocation()};
    EXPECT_EQ(store.ReadSettingText("x min", "-7"), "-7");
    EXPECT_EQ(Store().value("x min").toString(), "-7");
    // The stored value now wins over another default.
    EXPECT_EQ(store.ReadSettingText("x min", "99"), "-7");
}

TEST_F(SettingsStoreTest, AMissingIntegerIsCreatedWithItsDefault) {
    SettingsStore store{testing_support::TestStoreLocation()};
    EXPECT_EQ(store.ReadSettingInt("Window Left", 4000), 4000);
    EXPECT_EQ(Store().value("Window Left").toInt(), 4000);
    EXPECT_EQ(store.ReadSettingInt("Window Left", 1), 4000);
}

TEST_F(SettingsStoreTest, AStoredEmptyTextStaysEmpty) {
    SettingsStore store{testing_support::TestStoreLocation()};
    store.WriteSettingText("function 3", "");
    EXPECT_EQ(store.ReadSettingText("function 3", "x"), "");
}

TEST_F(SettingsStoreTest, WritesAreStoredWhenTheCallReturns) {
    SettingsStore store{testing_support::TestStoreLocation()};
    store.WriteSettingInt("Num of Samples", 5000);
    store.WriteSettingText("Color Theme", "Grapes");
    // Another reader of the store sees both at once: on Windows the registry key (whose types
    // the registry test checks), elsewhere the file.
    const QSettings other = Store();
    EXPECT_EQ(other.value("Num of Samples").toString(), "5000");
    EXPECT_EQ(other.value("Color Theme").toString(), "Grapes");
#ifndef Q_OS_WIN
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         "/Veldrake Plotmere.conf";
    QFile conf(file);
    ASSERT_TRUE(conf.open(QIODevice::ReadOnly)) << file.toStdString();
    const QByteArray contents = conf.readAll();
    EXPECT_TRUE(contents.contains("5000"));
    EXPECT_TRUE(contents.contains("Grapes"));
#endif
}

TEST_F(SettingsStoreTest, LongTextsReadBackWhole) {
    SettingsStore store{testing_support::TestStoreLocation()};
    QString history;
    while (history.size() < 100000) {
        history += "sin(x)*cos(2*x)+";
    }
    history += "x";
    store.WriteSettingText("function 1", history);
    EXPECT_EQ(store.ReadSettingText("function 1", ""), history);
}

TEST_F(SettingsStoreTest, TextsWithSeparatorsAndQuotesSurvive) {
    SettingsStore store{testing_support::TestStoreLocation()};
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
    SettingsStore store{testing_support::TestStoreLocation()};
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
    SettingsStore store{testing_support::TestStoreLocation()};
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
    SettingsStore store{testing_support::TestStoreLocation()};
    store.WriteSettingTexts({{"x min", "-3"}, {"x max", "4"}, {"x min", "-2"}});
    store.WriteSettingInts({{"color back", 1}, {"color axis", 2}});
    EXPECT_EQ(Store().value("x min").toString(), "-2") << "the later write wins";
    EXPECT_EQ(Store().value("x max").toString(), "4");
    EXPECT_EQ(store.ReadSettingInt("color back", 0), 1);
    EXPECT_EQ(store.ReadSettingInt("color axis", 0), 2);
}

TEST_F(SettingsStoreTest, RewritingTheSameValueKeepsIt) {
    SettingsStore store{testing_support::TestStoreLocation()};
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

// A single-precision number text: its leading number, unless there is none or it is not finite
// in single precision; then the value counts as missing and its default is stored back.
TEST_F(SettingsStoreTest, SingleValuesWithoutAFiniteLeadingNumberCountAsMissing) {
    struct Case {
        const char* stored;
        float value;
        const char* storedAfter;
    };
    const Case cases[] = {
        {"2.5", 2.5f, "2.5"},
        {"12abc", 12, "12abc"}, // the leading number counts, the text stays as it was
        {" -3", -3, " -3"},
        {"3.4E+38", 3.4e38f, "3.4E+38"},
        {"abc", -7, "-7"},
        {"", -7, "-7"},
        {"nan", -7, "-7"},
        {"inf", -7, "-7"},
        {"-", -7, "-7"},
        {".", -7, "-7"},
        {"1e39", -7, "-7"},
        {"-1e39", -7, "-7"},
        {"1e308", -7, "-7"},
        {"1e400", -7, "-7"}, // infinite already in double precision
    };
    SettingsStore store{testing_support::TestStoreLocation()};
    constexpr SingleSetting row{"x min", -7};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        Store().setValue("x min", c.stored);
        const float read = store.Read(row);
        EXPECT_TRUE(std::isfinite(read));
        EXPECT_EQ(read, c.value);
        EXPECT_EQ(Store().value("x min").toString(), c.storedAfter);
    }
}

TEST_F(SettingsStoreTest, RowsReadAndWriteTheirNamesWithTheirDefaults) {
    SettingsStore store{testing_support::TestStoreLocation()};
    EXPECT_EQ(store.Read(SingleSetting{"parameter c", 0.5f}), 0.5f);
    EXPECT_EQ(Store().value("parameter c").toString(), ".5");
    EXPECT_EQ(store.Read(TextSetting{"Example 2", "3*sin(0.1*x^3)"}), "3*sin(0.1*x^3)");
    EXPECT_EQ(store.Read(IntegerSetting{"Show Grid", 1}), 1);
    EXPECT_EQ(store.Read(MeasuredSetting{"Window Width"}, 7995), 7995);
    EXPECT_EQ(store.Read(NumberedTextSetting{"function ", 10, ""}, 10), "");
    EXPECT_TRUE(Store().contains("function 10"));
    store.Write(IntegerSetting{"Show Grid", 1}, 0);
    EXPECT_EQ(Store().value("Show Grid").toInt(), 0);
    EXPECT_EQ(store.StoredInt("Show Grid"), 0);
    EXPECT_EQ(store.StoredInt("Keep Aspect"), std::nullopt);
}

#ifndef _WIN32
// Where the settings file belongs stands something no file can be read from without harm: a
// named pipe would block the start for good. The program then runs with its values in memory
// and leaves the place alone.
TEST_F(SettingsStoreTest, ANamedPipeOrAFolderInTheFilesPlaceIsLeftAlone) {
    for (const bool pipe : {true, false}) {
        SCOPED_TRACE(pipe ? "named pipe" : "folder");
        const QString place = QDir::temp().filePath(
            QString("plotmere-store-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(pipe));
        QFile::remove(place);
        QDir().rmdir(place);
        if (pipe) {
            ASSERT_EQ(mkfifo(QFile::encodeName(place).constData(), 0600), 0);
        } else {
            ASSERT_TRUE(QDir().mkdir(place));
        }
        SettingsStore store{place};
        EXPECT_EQ(store.ReadSettingText("x min", "-7"), "-7");
        store.WriteSettingText("x min", "3");
        EXPECT_EQ(store.ReadSettingText("x min", "-7"), "3") << "kept in memory for the run";
        EXPECT_EQ(store.ReadSettingInt("Show Grid", 1), 1);
        const QFileInfo after(place);
        EXPECT_TRUE(pipe ? !after.isFile() && after.exists() : after.isDir());
        QFile::remove(place);
        QDir().rmdir(place);
    }
}
#endif

} // namespace
} // namespace plotmere

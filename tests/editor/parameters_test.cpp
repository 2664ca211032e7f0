#include "editor/parameters.h"

#include "settings/settings_store.h"

#include "support/settings_sandbox.h"

#include <gtest/gtest.h>

namespace plotmere {
namespace {

TEST(ParameterTextTest, IsTheSinglePrecisionNumberText) {
    struct Row {
        float value;
        const char* text;
    };
    const Row rows[] = {
        {0, "0"}, {2.5f, "2.5"}, {-3, "-3"}, {-.5f, "-.5"}, {.1f, ".1"}, {1e-5f, "1E-05"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ParameterText(row.value), QString(row.text));
    }
}

TEST(ParameterTextTest, CaptionsNameTheParameters) {
    EXPECT_EQ(ParameterCaption(0, .25f), "a=.25");
    EXPECT_EQ(ParameterCaption(1, 1), "b=1");
    EXPECT_EQ(ParameterCaption(2, -.5f), "c=-.5");
    EXPECT_EQ(ParameterCaption(3, 3), "d=3");
    EXPECT_EQ(ParameterCaption(4, 99999), "e=99999");
}

using ParameterStoreTest = testing_support::SettingsSandbox;

TEST_F(ParameterStoreTest, AFreshStoreGivesTheDefaultsAndCreatesThem) {
    SettingsStore store{testing_support::TestStoreLocation()};
    const ParameterValues expected = {0, 1, 2, 3, 4};
    EXPECT_EQ(LoadParameters(store), expected);
    EXPECT_EQ(Store().value("parameter a").toString(), "0");
    EXPECT_EQ(Store().value("parameter e").toString(), "4");
}

TEST_F(ParameterStoreTest, SavedParametersLoadBack) {
    SettingsStore store{testing_support::TestStoreLocation()};
    const ParameterValues saved = {.25f, -.5f, .1234568f, 1e-5f, -99999};
    SaveParameters(store, saved);
    EXPECT_EQ(Store().value("parameter a").toString(), ".25");
    EXPECT_EQ(Store().value("parameter d").toString(), "1E-05");
    EXPECT_EQ(LoadParameters(store), saved);
}

// Hand-edited values are read as the number they begin with and are not range-checked.
// A text that begins with a number reads as that number; one that does not, or whose number is
// not finite in single precision, counts as missing: the default is used and stored back.
TEST_F(ParameterStoreTest, HandEditedValuesReadAsTheirLeadingNumberOrTheirDefault) {
    Store().setValue("parameter a", "2.5 apples");
    Store().setValue("parameter b", "nonsense");
    Store().setValue("parameter c", "123456");
    Store().setValue("parameter d", "");
    Store().setValue("parameter e", "inf");
    SettingsStore store{testing_support::TestStoreLocation()};
    const ParameterValues expected = {2.5f, 1, 123456, 3, 4};
    EXPECT_EQ(LoadParameters(store), expected);
    EXPECT_EQ(Store().value("parameter a").toString(), "2.5 apples");
    EXPECT_EQ(Store().value("parameter b").toString(), "1");
    EXPECT_EQ(Store().value("parameter d").toString(), "3");
    EXPECT_EQ(Store().value("parameter e").toString(), "4");
}

} // namespace
} // namespace plotmere

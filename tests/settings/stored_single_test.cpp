#include "settings/stored_single.h"

#include "settings/settings_store.h"
#include "support/settings_sandbox.h"

#include <cmath>

namespace plotmere {
namespace {

using StoredSingleTest = testing_support::SettingsSandbox;

TEST_F(StoredSingleTest, ValuesNotFiniteInSinglePrecisionCountAsMissing) {
    struct Case {
        const char* stored;
        float value;
        const char* storedAfter;
    };
    const Case cases[] = {
        {"2.5", 2.5f, "2.5"},
        {"12abc", 12, "12abc"}, // the leading number counts, the text stays as it was
        {"nonsense", 0, "nonsense"},
        {"3.4E+38", 3.4e38f, "3.4E+38"},
        {"1e39", -7, "-7"},
        {"-1e39", -7, "-7"},
        {"1e308", -7, "-7"},
        {"1e400", -7, "-7"}, // infinite already in double precision
    };
    SettingsStore store;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        Store().setValue("x min", c.stored);
        const float read = ReadSettingSingle(store, "x min", -7);
        EXPECT_TRUE(std::isfinite(read));
        EXPECT_EQ(read, c.value);
        EXPECT_EQ(Store().value("x min").toString(), c.storedAfter);
    }
}

TEST_F(StoredSingleTest, AMissingValueIsCreatedWithItsDefaultText) {
    SettingsStore store;
    EXPECT_EQ(ReadSettingSingle(store, "parameter c", 0.5f), 0.5f);
    EXPECT_EQ(Store().value("parameter c").toString(), ".5");
}

} // namespace
} // namespace plotmere

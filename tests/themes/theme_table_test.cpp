#include "themes/theme_table.h"

#include "settings/settings_store.h"
#include "support/settings_sandbox.h"

#include <QSet>

#include <array>
#include <cstdint>

namespace plotmere {
namespace {

// The expected table, kept apart from the program's own: the names in table order, then one
// column at a time, each column's 46 values (RRGGBB) in the order of the names.
const std::array<const char*, themeCount> expectedNames = {
    "Amethyst",       "Arctica",       "Baby Jeans",   "Bitter Lemon",
    "Bloods",         "Blue Martini",  "Blueberry",    "Blueberry And Cream",
    "Blues",          "Bricks Set",    "Bubble Gum",   "Bullfrog",
    "Citrus",         "City Night",    "Clover",       "Coagulated",
    "Copper",         "Donatello",     "Dymunds",      "Emerald City",
    "Fort Knox",      "Gold Rush",     "Grapefruit",   "Grapes",
    "Halloween",      "HaXb0x",        "Jeans",        "Love Machine",
    "Mono Dark",      "Mono Lite",     "Night Vision", "Peachy",
    "Popcorn",        "Powerpuff!",    "Owayke",       "Rain Forest",
    "Raspberry Club", "Rosemary",      "Sunflower",    "Toxic",
    "Uranium",        "Varsity",       "Winamp New",   "Winamp Old",
    "Original Dark",  "Original Lite",
};

constexpr int originalLiteRow = 45;

struct ExpectedColumn {
    const char* label;
    ColorValue ColorTheme::*field;
    std::array<std::uint32_t, themeCount> rrggbb;
};

// clang-format off
const std::array<ExpectedColumn, 12> expectedColumns = {{
    {"windowBack", &ColorTheme::windowBack, {{
        0x5E2770, 0x919BAD, 0x49567A, 0xA6A8BA, 0x969696, 0x63688C, 0x7749EB, 0xA5A58B,
        0x23336F, 0x08529B, 0xE1858F, 0x779F01, 0x969696, 0x565C65, 0x969696, 0x4D0500,
        0x666A70, 0x709446, 0xA28B7B, 0x95A3A8, 0x767549, 0xB7A052, 0xE2A060, 0x643D87,
        0x252525, 0x3B3B3B, 0x27324B, 0xE2007C, 0x3A3A3A, 0x868686, 0x3F3F3F, 0xFF7D59,
        0xB5ADA3, 0x91C45D, 0x252525, 0x005D11, 0xAA1451, 0xA68A8A, 0xFEF37F, 0x6B7755,
        0x748675, 0x9C9690, 0x818997, 0x494965, 0x808080, 0xD7E6CA,
    }}},
    {"captionBack", &ColorTheme::captionBack, {{
        0xB446B7, 0xE3E9F7, 0x333E5A, 0xFEFEFE, 0xF8F8F8, 0xB0B8F7, 0xC378FE, 0xEAEAC4,
        0x2F4697, 0x0B73DB, 0xFEDBDB, 0xCFFE00, 0xF7F7F7, 0x86898F, 0xF0F0F0, 0x310400,
        0x464A52, 0xC7FE7C, 0xFEE5CA, 0xE8FEFE, 0xC1BF78, 0xFEEE7A, 0xFEF693, 0x9F61D8,
        0x393939, 0x252525, 0x384666, 0x8A004C, 0x252525, 0xDBDBDB, 0x252525, 0xFEC78E,
        0xFEFEFE, 0xF3FE8B, 0x414141, 0x008217, 0x6A0D38, 0xFEE9E9, 0xFFA758, 0x92A273,
        0xCFF0D1, 0xEDE4DB, 0xF6F6F8, 0x2E2E40, 0x808080, 0xE9E9DA,
    }}},
    {"captionText", &ColorTheme::captionText, {{
        0x5A2086, 0x3A303F, 0xFFFFDE, 0x969CA9, 0x969696, 0x63688C, 0x50FFFF, 0x473373,
        0xE4FFFF, 0xFFFFFF, 0xFF417B, 0x78A001, 0x969696, 0x414C4D, 0x969696, 0x947F4C,
        0xC6AF9D, 0x66875A, 0xA38C7C, 0x74889B, 0x707752, 0x968A57, 0x64385C, 0x480064,
        0xFFFA00, 0xFFFF58, 0xC1CBE6, 0xFFFFFF, 0xE2E2E2, 0x969696, 0x50FFFF, 0xFF6341,
        0xA78261, 0x5790DF, 0x390000, 0x00CE11, 0xFFD42D, 0x8A8A8A, 0x5A7157, 0xD9ED96,
        0x434343, 0x892322, 0x818997, 0xD3D8D8, 0x000000, 0x000000,
    }}},
    {"rangeBack", &ColorTheme::rangeBack, {{
        0xFFFFFF, 0xFFFFFF, 0xFFFFF3, 0xF1F6F7, 0xFEFEFE, 0xFFFFDF, 0xD4FFFF, 0xBDFFFF,
        0xDCEDFF, 0xFFFF00, 0xFFFFF5, 0xFFFFFF, 0xFEFEFE, 0xE3E3E3, 0xFEFEFE, 0xBAA160,
        0xE5B18B, 0xFFFFFF, 0xFEFEFE, 0x74FEFF, 0xFEFEA9, 0xFFFFB6, 0xFEFEFE, 0xFFFEFF,
        0xFFCE00, 0xFBFF67, 0xFFFFFF, 0xFEFEFE, 0xEFEFEF, 0xFEFEFE, 0xBDFFFF, 0xFFE2CB,
        0xFFFFE5, 0x94F4FF, 0x6A4E2D, 0xFFFFFF, 0xFFD247, 0xFFFEFE, 0xFFFF94, 0x91A404,
        0xBBDFED, 0xFEFEFE, 0xFFFFFF, 0xE0E8E8, 0xC0C0C0, 0xC0FFC0,
    }}},
    {"editBack", &ColorTheme::editBack, {{
        0x4E1F56, 0x627486, 0xC5AD97, 0xC3DD5F, 0xC9083D, 0xBEC1D3, 0x38226E, 0x38226E,
        0x587DBB, 0x217933, 0xB794D0, 0x609F01, 0xF98B00, 0x706F77, 0x227751, 0x231B1A,
        0x98590F, 0xD06C1B, 0x847681, 0x005457, 0x747446, 0x3A2C17, 0x673360, 0x000000,
        0xF9AD00, 0x74B920, 0x4D1730, 0xB92063, 0x000000, 0x5E5E5E, 0x148A9A, 0x8B513F,
        0xF6DEB5, 0x4877B8, 0x281A00, 0x002506, 0xD99A22, 0x8D8283, 0xF9BF56, 0x3A4102,
        0x706F77, 0x646254, 0x1C3D7D, 0x000000, 0xFFFFFF, 0xFFFFFF,
    }}},
    {"editText", &ColorTheme::editText, {{
        0xC86FFF, 0xFFFFFF, 0x2F2D39, 0x00050A, 0xFFFFFF, 0x2B2B2B, 0x00EAFF, 0x00EAFF,
        0xFFFFFF, 0xFFFFFF, 0xFFFBED, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xBAA160,
        0xE8D3D3, 0xFFFFFF, 0xEDFFFF, 0xFFFFFF, 0xFFFFDB, 0xFFE692, 0xFFF0D3, 0xDBB7FF,
        0xFFFFFF, 0xFFFF00, 0xD9F1FF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x00EAFF, 0xFFFFFF,
        0x5A1700, 0x94FF70, 0x862221, 0xEBFFEA, 0xFFFFFF, 0xFFFFFF, 0x5A1700, 0xE4FFD6,
        0x87FF00, 0xFFFFDC, 0xFFFFFF, 0x00FF00, 0x000000, 0x000000,
    }}},
    {"keyBack", &ColorTheme::keyBack, {{
        0x862E82, 0x9AA6B3, 0xDCC1A9, 0xB4C3CC, 0x7D0526, 0xD7D7E7, 0x025E72, 0x025E72,
        0x2C3B9D, 0xB20000, 0x8B699C, 0x0E3200, 0xFFE000, 0x353634, 0x37C082, 0x1F0C00,
        0x7D420D, 0xFF9B00, 0xD5BFD0, 0x31A3B8, 0xBABA71, 0xA57F43, 0xFFFFA2, 0x975CCC,
        0xC90000, 0x000000, 0x6B8092, 0xFF33A0, 0x939393, 0x989898, 0x025E72, 0xFF7F56,
        0x977F66, 0x001562, 0x32241C, 0x2E8635, 0xF0BF00, 0x1A1A1A, 0xDD7F00, 0x5D6803,
        0x353634, 0xA19D87, 0x6788C9, 0x0000C3, 0xC0C0C0, 0xFFE0C0,
    }}},
    {"keyText", &ColorTheme::keyText, {{
        0xFFFFFF, 0x1D2E62, 0x045C98, 0x1135AA, 0xFFB2A2, 0x6B7DB3, 0xD4FFFF, 0xD4FFFF,
        0xBBD2FF, 0xCAFF0B, 0xFFC5DC, 0xAFF601, 0x000000, 0xFFD92C, 0x000000, 0xA60000,
        0xC17113, 0xFFFFFF, 0x00235C, 0xFFFFFF, 0x2D3422, 0xFFFFE2, 0x000000, 0xFFFFFF,
        0x000000, 0xFFFFFF, 0x65BDD4, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xD4FFFF, 0xFFF5CB,
        0xFFFFFF, 0xF1F5F5, 0xFF0000, 0x3DD929, 0x9A155F, 0xB19092, 0xFFFFFF, 0xD0FFA2,
        0x9FBDC9, 0xFFC800, 0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000,
    }}},
    {"busyBack", &ColorTheme::busyBack, {{
        0xF1F1F4, 0xBBC2D3, 0x787E8D, 0xD7F55E, 0xF7F7F7, 0xA38E77, 0xC278E3, 0xC278E3,
        0xD4E5FF, 0xFFFFFF, 0xFFF5D6, 0xEEF5FF, 0xF7F7F7, 0xF5F5F5, 0xF7F7F7, 0x5F0000,
        0xC6AF9D, 0xB8EE63, 0xFFF7E8, 0x7CDEE6, 0xDBDBA4, 0xFFFFB7, 0x7B4572, 0x722C93,
        0xFFC700, 0x5A5A5A, 0xF1F1F4, 0xFAFAFA, 0x737373, 0xFAFAFA, 0x737373, 0xFFD18C,
        0xFFF7E8, 0x2FB5FF, 0x472400, 0x79797A, 0xA3174B, 0xFFF8FA, 0xFFE322, 0x738104,
        0x799588, 0x700D10, 0xF6F6F8, 0x49496A, 0x808080, 0xFF8080,
    }}},
    {"busyText", &ColorTheme::busyText, {{
        0x400051, 0x000000, 0x000000, 0x000000, 0x000000, 0xFCEDD7, 0x2E271F, 0x2E271F,
        0x072B7D, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000,
        0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0xFCD250, 0xE1B5FC,
        0x000000, 0xCEFC00, 0x000000, 0x000000, 0xDDDDDD, 0x000000, 0x7DE7FC, 0xA72A1E,
        0x6C4825, 0xFCFCAC, 0x890000, 0x000000, 0xF0BE2E, 0x000000, 0x6C4825, 0xC7F0A3,
        0x000000, 0xFCB80C, 0x000000, 0xC2C2C2, 0x000000, 0x000000,
    }}},
    {"paramBack", &ColorTheme::paramBack, {{
        0x370937, 0xD2D9E3, 0xD0B6A0, 0xB4D04A, 0x440B1B, 0xD2D2DE, 0x4E6DA0, 0x4E6DA0,
        0x1B2856, 0x898989, 0x871E38, 0x205919, 0xB06200, 0x282828, 0x13422C, 0x564B2C,
        0x512B07, 0x7F400E, 0x7E717C, 0x005154, 0x515033, 0x775B2F, 0x331C31, 0x2D1B3D,
        0xD18200, 0x387401, 0x49152D, 0x661136, 0x1C1C1C, 0x575757, 0x0E616D, 0x923F2A,
        0xE0BA8D, 0x287066, 0x342500, 0x002E10, 0x905F10, 0x4F4444, 0xE09F45, 0x363D02,
        0x6D6C74, 0x37362E, 0x1D3C76, 0x1C1C28, 0xFFFFC0, 0xFFFFC0,
    }}},
    {"paramText", &ColorTheme::paramText, {{
        0xF2EFF2, 0x584B60, 0x0D0B2B, 0x111E1B, 0xECE7E9, 0x39393A, 0xC2FAFE, 0xC2FAFE,
        0xD3E7F3, 0xF9F40D, 0xF4E981, 0xF1F4F2, 0xFCF3E6, 0xDCE3EA, 0xEEF0EF, 0x370302,
        0xF4EDE8, 0xF9F5F1, 0xF3F1F2, 0xEFF6F7, 0xEFEFCC, 0xF5F4C8, 0xEBCA83, 0xDCB4F2,
        0xFCF7EE, 0xECF23C, 0xEEE8EB, 0xF1E7EC, 0xE7E7E7, 0xEFEFEF, 0xBCF4F5, 0xF5EDEB,
        0x622B09, 0xF1F665, 0x986B00, 0xEFF0EF, 0xF9EAC9, 0xF6ECEC, 0x672D06, 0xD9ECB8,
        0x82F204, 0xEDECEB, 0xEAEDF2, 0x01EF02, 0x000000, 0x000000,
    }}},
}};
// clang-format on

ColorTheme ExpectedTheme(int row) {
    ColorTheme theme;
    theme.themeName = expectedNames[row];
    for (const ExpectedColumn& column : expectedColumns) {
        theme.*column.field = Rgb(column.rrggbb[row]);
    }
    theme.rangeText = Rgb(0x000000);
    return theme;
}

ColorTheme WithName(ColorTheme theme, const QString& name) {
    theme.themeName = name;
    return theme;
}

class ThemeTableTest : public testing_support::SettingsSandbox {
protected:
    ColorTheme LoadStored(const QString& name, ColorTheme current = {}) {
        store.WriteSettingText("Color Theme", name);
        LoadColorTheme(current, store);
        return current;
    }

    SettingsStore store{testing_support::TestStoreLocation()};
};

TEST_F(ThemeTableTest, TheFortySixNamesAreDistinctAndInTableOrder) {
    // Every expected name is in the table, under exactly that name; the table has as many rows
    // as there are distinct expected names.
    QStringList names;
    for (int row = 0; row < themeCount; ++row) {
        const std::optional<ColorTheme> theme = FindColorTheme(expectedNames[row]);
        ASSERT_TRUE(theme.has_value()) << "row " << row;
        EXPECT_EQ(theme->themeName, expectedNames[row]) << "row " << row;
        names.append(theme->themeName);
    }
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), themeCount);
    EXPECT_TRUE(names.contains("HaXb0x"));
    EXPECT_TRUE(names.contains("Powerpuff!"));
    EXPECT_TRUE(names.contains("Blueberry And Cream"));
}

TEST_F(ThemeTableTest, EveryThemeLoadsExactlyItsRow) {
    for (int row = 0; row < themeCount; ++row) {
        const ColorTheme loaded = LoadStored(expectedNames[row]);
        const ColorTheme expected = ExpectedTheme(row);
        SCOPED_TRACE(expectedNames[row]);
        EXPECT_EQ(loaded.themeName, expected.themeName);
        for (const ExpectedColumn& column : expectedColumns) {
            EXPECT_EQ(loaded.*column.field, expected.*column.field) << column.label;
        }
        EXPECT_EQ(loaded.rangeText, Rgb(0x000000));
        EXPECT_EQ(loaded, expected);
        EXPECT_EQ(FindColorTheme(expectedNames[row]), expected);
    }
}

TEST_F(ThemeTableTest, AmethystSpotCheck) {
    const ColorTheme amethyst = LoadStored("Amethyst");
    EXPECT_EQ(amethyst.windowBack, Rgb(0x5E2770));
    EXPECT_EQ(amethyst.keyText, Rgb(0xFFFFFF));
    EXPECT_EQ(amethyst.windowBack, 0x70275Eu); // red in the low byte
}

TEST_F(ThemeTableTest, NamesMatchOnlyExactlyAndTheRestFallsBackToOriginalLite) {
    const ColorTheme originalLite = ExpectedTheme(originalLiteRow);
    const QString unmatched[] = {"amethyst",
                                 "Amethyst ",
                                 " Amethyst",
                                 "AMETHYST",
                                 "HaXbox",
                                 "Haxb0x",
                                 "Powerpuff",
                                 "original lite",
                                 "Blueberry and Cream",
                                 "Blueberry And Cream ",
                                 "No Such Theme",
                                 "Amethyst\n"};
    for (const QString& name : unmatched) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(FindColorTheme(name).has_value());
        EXPECT_EQ(LoadStored(name), WithName(originalLite, name));
        // Even over another theme's colours.
        EXPECT_EQ(LoadStored(name, ExpectedTheme(0)), WithName(originalLite, name));
    }
}

// An empty name is no theme either: it must not leave the windows black on black, the colours
// of a record nothing has filled yet.
TEST_F(ThemeTableTest, AnEmptyNameGivesTheOriginalLiteColoursAndStaysEmpty) {
    const ColorTheme originalLite = *FindColorTheme("Original Lite");
    EXPECT_EQ(LoadStored(""), WithName(originalLite, ""));
    const int grapesRow = 23;
    EXPECT_EQ(LoadStored("", ExpectedTheme(grapesRow)), WithName(originalLite, ""));
    EXPECT_EQ(Store().value("Color Theme").toString(), "");
}

TEST_F(ThemeTableTest, AMissingValueGivesOriginalLiteAndStoresIt) {
    ColorTheme current;
    LoadColorTheme(current, store);
    EXPECT_EQ(current, ExpectedTheme(originalLiteRow));
    EXPECT_EQ(Store().value("Color Theme").toString(), "Original Lite");
}

TEST_F(ThemeTableTest, BlueberryAndBlueberryAndCreamDifferInTheFourUpperColoursOnly) {
    const ColorTheme blueberry = LoadStored("Blueberry");
    const ColorTheme cream = LoadStored("Blueberry And Cream");
    for (const ExpectedColumn& column : expectedColumns) {
        const QString label = column.label;
        const bool differs = label == "windowBack" || label == "captionBack" ||
                             label == "captionText" || label == "rangeBack";
        EXPECT_EQ(blueberry.*column.field != cream.*column.field, differs) << column.label;
    }
    EXPECT_EQ(blueberry.rangeText, cream.rangeText);
}

TEST_F(ThemeTableTest, LoadingTheSameNameTwiceGivesTheSameRecord) {
    for (const char* name : {"Toxic", "Original Dark", "Unknown"}) {
        ColorTheme current;
        store.WriteSettingText("Color Theme", name);
        LoadColorTheme(current, store);
        const ColorTheme first = current;
        LoadColorTheme(current, store);
        EXPECT_EQ(current, first) << name;
        EXPECT_EQ(Store().value("Color Theme").toString(), name);
    }
}

} // namespace
} // namespace plotmere

#include "themes/theme_table.h"

#include "settings/settings_store.h"

#include <QLatin1String>

#include <array>
#include <string_view>

namespace plotmere {

namespace {

// One theme as the table lists it; rangeText is black in every theme and not repeated here.
struct ThemeRow {
    std::string_view name;
    ColorValue windowBack, captionBack, captionText, rangeBack, editBack, editText, keyBack,
        keyText, busyBack, busyText, paramBack, paramText;
};

// Columns: windowBack, captionBack, captionText, rangeBack, editBack, editText, keyBack, keyText,
// busyBack, busyText, paramBack, paramText.
// clang-format off
constexpr std::array<ThemeRow, themeCount> themeRows = {{
    {"Amethyst",            Rgb(0x5E2770), Rgb(0xB446B7), Rgb(0x5A2086), Rgb(0xFFFFFF), Rgb(0x4E1F56), Rgb(0xC86FFF), Rgb(0x862E82), Rgb(0xFFFFFF), Rgb(0xF1F1F4), Rgb(0x400051), Rgb(0x370937), Rgb(0xF2EFF2)},
    {"Arctica",             Rgb(0x919BAD), Rgb(0xE3E9F7), Rgb(0x3A303F), Rgb(0xFFFFFF), Rgb(0x627486), Rgb(0xFFFFFF), Rgb(0x9AA6B3), Rgb(0x1D2E62), Rgb(0xBBC2D3), Rgb(0x000000), Rgb(0xD2D9E3), Rgb(0x584B60)},
    {"Baby Jeans",          Rgb(0x49567A), Rgb(0x333E5A), Rgb(0xFFFFDE), Rgb(0xFFFFF3), Rgb(0xC5AD97), Rgb(0x2F2D39), Rgb(0xDCC1A9), Rgb(0x045C98), Rgb(0x787E8D), Rgb(0x000000), Rgb(0xD0B6A0), Rgb(0x0D0B2B)},
    {"Bitter Lemon",        Rgb(0xA6A8BA), Rgb(0xFEFEFE), Rgb(0x969CA9), Rgb(0xF1F6F7), Rgb(0xC3DD5F), Rgb(0x00050A), Rgb(0xB4C3CC), Rgb(0x1135AA), Rgb(0xD7F55E), Rgb(0x000000), Rgb(0xB4D04A), Rgb(0x111E1B)},
    {"Bloods",              Rgb(0x969696), Rgb(0xF8F8F8), Rgb(0x969696), Rgb(0xFEFEFE), Rgb(0xC9083D), Rgb(0xFFFFFF), Rgb(0x7D0526), Rgb(0xFFB2A2), Rgb(0xF7F7F7), Rgb(0x000000), Rgb(0x440B1B), Rgb(0xECE7E9)},
    {"Blue Martini",        Rgb(0x63688C), Rgb(0xB0B8F7), Rgb(0x63688C), Rgb(0xFFFFDF), Rgb(0xBEC1D3), Rgb(0x2B2B2B), Rgb(0xD7D7E7), Rgb(0x6B7DB3), Rgb(0xA38E77), Rgb(0xFCEDD7), Rgb(0xD2D2DE), Rgb(0x39393A)},
    {"Blueberry",           Rgb(0x7749EB), Rgb(0xC378FE), Rgb(0x50FFFF), Rgb(0xD4FFFF), Rgb(0x38226E), Rgb(0x00EAFF), Rgb(0x025E72), Rgb(0xD4FFFF), Rgb(0xC278E3), Rgb(0x2E271F), Rgb(0x4E6DA0), Rgb(0xC2FAFE)},
    {"Blueberry And Cream", Rgb(0xA5A58B), Rgb(0xEAEAC4), Rgb(0x473373), Rgb(0xBDFFFF), Rgb(0x38226E), Rgb(0x00EAFF), Rgb(0x025E72), Rgb(0xD4FFFF), Rgb(0xC278E3), Rgb(0x2E271F), Rgb(0x4E6DA0), Rgb(0xC2FAFE)},
    {"Blues",               Rgb(0x23336F), Rgb(0x2F4697), Rgb(0xE4FFFF), Rgb(0xDCEDFF), Rgb(0x587DBB), Rgb(0xFFFFFF), Rgb(0x2C3B9D), Rgb(0xBBD2FF), Rgb(0xD4E5FF), Rgb(0x072B7D), Rgb(0x1B2856), Rgb(0xD3E7F3)},
    {"Bricks Set",          Rgb(0x08529B), Rgb(0x0B73DB), Rgb(0xFFFFFF), Rgb(0xFFFF00), Rgb(0x217933), Rgb(0xFFFFFF), Rgb(0xB20000), Rgb(0xCAFF0B), Rgb(0xFFFFFF), Rgb(0x000000), Rgb(0x898989), Rgb(0xF9F40D)},
    {"Bubble Gum",          Rgb(0xE1858F), Rgb(0xFEDBDB), Rgb(0xFF417B), Rgb(0xFFFFF5), Rgb(0xB794D0), Rgb(0xFFFBED), Rgb(0x8B699C), Rgb(0xFFC5DC), Rgb(0xFFF5D6), Rgb(0x000000), Rgb(0x871E38), Rgb(0xF4E981)},
    {"Bullfrog",            Rgb(0x779F01), Rgb(0xCFFE00), Rgb(0x78A001), Rgb(0xFFFFFF), Rgb(0x609F01), Rgb(0xFFFFFF), Rgb(0x0E3200), Rgb(0xAFF601), Rgb(0xEEF5FF), Rgb(0x000000), Rgb(0x205919), Rgb(0xF1F4F2)},
    {"Citrus",              Rgb(0x969696), Rgb(0xF7F7F7), Rgb(0x969696), Rgb(0xFEFEFE), Rgb(0xF98B00), Rgb(0xFFFFFF), Rgb(0xFFE000), Rgb(0x000000), Rgb(0xF7F7F7), Rgb(0x000000), Rgb(0xB06200), Rgb(0xFCF3E6)},
    {"City Night",          Rgb(0x565C65), Rgb(0x86898F), Rgb(0x414C4D), Rgb(0xE3E3E3), Rgb(0x706F77), Rgb(0xFFFFFF), Rgb(0x353634), Rgb(0xFFD92C), Rgb(0xF5F5F5), Rgb(0x000000), Rgb(0x282828), Rgb(0xDCE3EA)},
    {"Clover",              Rgb(0x969696), Rgb(0xF0F0F0), Rgb(0x969696), Rgb(0xFEFEFE), Rgb(0x227751), Rgb(0xFFFFFF), Rgb(0x37C082), Rgb(0x000000), Rgb(0xF7F7F7), Rgb(0x000000), Rgb(0x13422C), Rgb(0xEEF0EF)},
    {"Coagulated",          Rgb(0x4D0500), Rgb(0x310400), Rgb(0x947F4C), Rgb(0xBAA160), Rgb(0x231B1A), Rgb(0xBAA160), Rgb(0x1F0C00), Rgb(0xA60000), Rgb(0x5F0000), Rgb(0x000000), Rgb(0x564B2C), Rgb(0x370302)},
    {"Copper",              Rgb(0x666A70), Rgb(0x464A52), Rgb(0xC6AF9D), Rgb(0xE5B18B), Rgb(0x98590F), Rgb(0xE8D3D3), Rgb(0x7D420D), Rgb(0xC17113), Rgb(0xC6AF9D), Rgb(0x000000), Rgb(0x512B07), Rgb(0xF4EDE8)},
    {"Donatello",           Rgb(0x709446), Rgb(0xC7FE7C), Rgb(0x66875A), Rgb(0xFFFFFF), Rgb(0xD06C1B), Rgb(0xFFFFFF), Rgb(0xFF9B00), Rgb(0xFFFFFF), Rgb(0xB8EE63), Rgb(0x000000), Rgb(0x7F400E), Rgb(0xF9F5F1)},
    {"Dymunds",             Rgb(0xA28B7B), Rgb(0xFEE5CA), Rgb(0xA38C7C), Rgb(0xFEFEFE), Rgb(0x847681), Rgb(0xEDFFFF), Rgb(0xD5BFD0), Rgb(0x00235C), Rgb(0xFFF7E8), Rgb(0x000000), Rgb(0x7E717C), Rgb(0xF3F1F2)},
    {"Emerald City",        Rgb(0x95A3A8), Rgb(0xE8FEFE), Rgb(0x74889B), Rgb(0x74FEFF), Rgb(0x005457), Rgb(0xFFFFFF), Rgb(0x31A3B8), Rgb(0xFFFFFF), Rgb(0x7CDEE6), Rgb(0x000000), Rgb(0x005154), Rgb(0xEFF6F7)},
    {"Fort Knox",           Rgb(0x767549), Rgb(0xC1BF78), Rgb(0x707752), Rgb(0xFEFEA9), Rgb(0x747446), Rgb(0xFFFFDB), Rgb(0xBABA71), Rgb(0x2D3422), Rgb(0xDBDBA4), Rgb(0x000000), Rgb(0x515033), Rgb(0xEFEFCC)},
    {"Gold Rush",           Rgb(0xB7A052), Rgb(0xFEEE7A), Rgb(0x968A57), Rgb(0xFFFFB6), Rgb(0x3A2C17), Rgb(0xFFE692), Rgb(0xA57F43), Rgb(0xFFFFE2), Rgb(0xFFFFB7), Rgb(0x000000), Rgb(0x775B2F), Rgb(0xF5F4C8)},
    {"Grapefruit",          Rgb(0xE2A060), Rgb(0xFEF693), Rgb(0x64385C), Rgb(0xFEFEFE), Rgb(0x673360), Rgb(0xFFF0D3), Rgb(0xFFFFA2), Rgb(0x000000), Rgb(0x7B4572), Rgb(0xFCD250), Rgb(0x331C31), Rgb(0xEBCA83)},
    {"Grapes",              Rgb(0x643D87), Rgb(0x9F61D8), Rgb(0x480064), Rgb(0xFFFEFF), Rgb(0x000000), Rgb(0xDBB7FF), Rgb(0x975CCC), Rgb(0xFFFFFF), Rgb(0x722C93), Rgb(0xE1B5FC), Rgb(0x2D1B3D), Rgb(0xDCB4F2)},
    {"Halloween",           Rgb(0x252525), Rgb(0x393939), Rgb(0xFFFA00), Rgb(0xFFCE00), Rgb(0xF9AD00), Rgb(0xFFFFFF), Rgb(0xC90000), Rgb(0x000000), Rgb(0xFFC700), Rgb(0x000000), Rgb(0xD18200), Rgb(0xFCF7EE)},
    {"HaXb0x",              Rgb(0x3B3B3B), Rgb(0x252525), Rgb(0xFFFF58), Rgb(0xFBFF67), Rgb(0x74B920), Rgb(0xFFFF00), Rgb(0x000000), Rgb(0xFFFFFF), Rgb(0x5A5A5A), Rgb(0xCEFC00), Rgb(0x387401), Rgb(0xECF23C)},
    {"Jeans",               Rgb(0x27324B), Rgb(0x384666), Rgb(0xC1CBE6), Rgb(0xFFFFFF), Rgb(0x4D1730), Rgb(0xD9F1FF), Rgb(0x6B8092), Rgb(0x65BDD4), Rgb(0xF1F1F4), Rgb(0x000000), Rgb(0x49152D), Rgb(0xEEE8EB)},
    {"Love Machine",        Rgb(0xE2007C), Rgb(0x8A004C), Rgb(0xFFFFFF), Rgb(0xFEFEFE), Rgb(0xB92063), Rgb(0xFFFFFF), Rgb(0xFF33A0), Rgb(0xFFFFFF), Rgb(0xFAFAFA), Rgb(0x000000), Rgb(0x661136), Rgb(0xF1E7EC)},
    {"Mono Dark",           Rgb(0x3A3A3A), Rgb(0x252525), Rgb(0xE2E2E2), Rgb(0xEFEFEF), Rgb(0x000000), Rgb(0xFFFFFF), Rgb(0x939393), Rgb(0xFFFFFF), Rgb(0x737373), Rgb(0xDDDDDD), Rgb(0x1C1C1C), Rgb(0xE7E7E7)},
    {"Mono Lite",           Rgb(0x868686), Rgb(0xDBDBDB), Rgb(0x969696), Rgb(0xFEFEFE), Rgb(0x5E5E5E), Rgb(0xFFFFFF), Rgb(0x989898), Rgb(0xFFFFFF), Rgb(0xFAFAFA), Rgb(0x000000), Rgb(0x575757), Rgb(0xEFEFEF)},
    {"Night Vision",        Rgb(0x3F3F3F), Rgb(0x252525), Rgb(0x50FFFF), Rgb(0xBDFFFF), Rgb(0x148A9A), Rgb(0x00EAFF), Rgb(0x025E72), Rgb(0xD4FFFF), Rgb(0x737373), Rgb(0x7DE7FC), Rgb(0x0E616D), Rgb(0xBCF4F5)},
    {"Peachy",              Rgb(0xFF7D59), Rgb(0xFEC78E), Rgb(0xFF6341), Rgb(0xFFE2CB), Rgb(0x8B513F), Rgb(0xFFFFFF), Rgb(0xFF7F56), Rgb(0xFFF5CB), Rgb(0xFFD18C), Rgb(0xA72A1E), Rgb(0x923F2A), Rgb(0xF5EDEB)},
    {"Popcorn",             Rgb(0xB5ADA3), Rgb(0xFEFEFE), Rgb(0xA78261), Rgb(0xFFFFE5), Rgb(0xF6DEB5), Rgb(0x5A1700), Rgb(0x977F66), Rgb(0xFFFFFF), Rgb(0xFFF7E8), Rgb(0x6C4825), Rgb(0xE0BA8D), Rgb(0x622B09)},
    {"Powerpuff!",          Rgb(0x91C45D), Rgb(0xF3FE8B), Rgb(0x5790DF), Rgb(0x94F4FF), Rgb(0x4877B8), Rgb(0x94FF70), Rgb(0x001562), Rgb(0xF1F5F5), Rgb(0x2FB5FF), Rgb(0xFCFCAC), Rgb(0x287066), Rgb(0xF1F665)},
    {"Owayke",              Rgb(0x252525), Rgb(0x414141), Rgb(0x390000), Rgb(0x6A4E2D), Rgb(0x281A00), Rgb(0x862221), Rgb(0x32241C), Rgb(0xFF0000), Rgb(0x472400), Rgb(0x890000), Rgb(0x342500), Rgb(0x986B00)},
    {"Rain Forest",         Rgb(0x005D11), Rgb(0x008217), Rgb(0x00CE11), Rgb(0xFFFFFF), Rgb(0x002506), Rgb(0xEBFFEA), Rgb(0x2E8635), Rgb(0x3DD929), Rgb(0x79797A), Rgb(0x000000), Rgb(0x002E10), Rgb(0xEFF0EF)},
    {"Raspberry Club",      Rgb(0xAA1451), Rgb(0x6A0D38), Rgb(0xFFD42D), Rgb(0xFFD247), Rgb(0xD99A22), Rgb(0xFFFFFF), Rgb(0xF0BF00), Rgb(0x9A155F), Rgb(0xA3174B), Rgb(0xF0BE2E), Rgb(0x905F10), Rgb(0xF9EAC9)},
    {"Rosemary",            Rgb(0xA68A8A), Rgb(0xFEE9E9), Rgb(0x8A8A8A), Rgb(0xFFFEFE), Rgb(0x8D8283), Rgb(0xFFFFFF), Rgb(0x1A1A1A), Rgb(0xB19092), Rgb(0xFFF8FA), Rgb(0x000000), Rgb(0x4F4444), Rgb(0xF6ECEC)},
    {"Sunflower",           Rgb(0xFEF37F), Rgb(0xFFA758), Rgb(0x5A7157), Rgb(0xFFFF94), Rgb(0xF9BF56), Rgb(0x5A1700), Rgb(0xDD7F00), Rgb(0xFFFFFF), Rgb(0xFFE322), Rgb(0x6C4825), Rgb(0xE09F45), Rgb(0x672D06)},
    {"Toxic",               Rgb(0x6B7755), Rgb(0x92A273), Rgb(0xD9ED96), Rgb(0x91A404), Rgb(0x3A4102), Rgb(0xE4FFD6), Rgb(0x5D6803), Rgb(0xD0FFA2), Rgb(0x738104), Rgb(0xC7F0A3), Rgb(0x363D02), Rgb(0xD9ECB8)},
    {"Uranium",             Rgb(0x748675), Rgb(0xCFF0D1), Rgb(0x434343), Rgb(0xBBDFED), Rgb(0x706F77), Rgb(0x87FF00), Rgb(0x353634), Rgb(0x9FBDC9), Rgb(0x799588), Rgb(0x000000), Rgb(0x6D6C74), Rgb(0x82F204)},
    {"Varsity",             Rgb(0x9C9690), Rgb(0xEDE4DB), Rgb(0x892322), Rgb(0xFEFEFE), Rgb(0x646254), Rgb(0xFFFFDC), Rgb(0xA19D87), Rgb(0xFFC800), Rgb(0x700D10), Rgb(0xFCB80C), Rgb(0x37362E), Rgb(0xEDECEB)},
    {"Winamp New",          Rgb(0x818997), Rgb(0xF6F6F8), Rgb(0x818997), Rgb(0xFFFFFF), Rgb(0x1C3D7D), Rgb(0xFFFFFF), Rgb(0x6788C9), Rgb(0xFFFFFF), Rgb(0xF6F6F8), Rgb(0x000000), Rgb(0x1D3C76), Rgb(0xEAEDF2)},
    {"Winamp Old",          Rgb(0x494965), Rgb(0x2E2E40), Rgb(0xD3D8D8), Rgb(0xE0E8E8), Rgb(0x000000), Rgb(0x00FF00), Rgb(0x0000C3), Rgb(0xFFFFFF), Rgb(0x49496A), Rgb(0xC2C2C2), Rgb(0x1C1C28), Rgb(0x01EF02)},
    {"Original Dark",       Rgb(0x808080), Rgb(0x808080), Rgb(0x000000), Rgb(0xC0C0C0), Rgb(0xFFFFFF), Rgb(0x000000), Rgb(0xC0C0C0), Rgb(0x000000), Rgb(0x808080), Rgb(0x000000), Rgb(0xFFFFC0), Rgb(0x000000)},
    {"Original Lite",       Rgb(0xD7E6CA), Rgb(0xE9E9DA), Rgb(0x000000), Rgb(0xC0FFC0), Rgb(0xFFFFFF), Rgb(0x000000), Rgb(0xFFE0C0), Rgb(0x000000), Rgb(0xFF8080), Rgb(0x000000), Rgb(0xFFFFC0), Rgb(0x000000)},
}};
// clang-format on

QLatin1String NameOf(const ThemeRow& row) {
    return QLatin1String(row.name.data(), static_cast<qsizetype>(row.name.size()));
}

ColorTheme ThemeFromRow(const ThemeRow& row) {
    ColorTheme theme;
    theme.themeName = NameOf(row);
    theme.windowBack = row.windowBack;
    theme.captionBack = row.captionBack;
    theme.captionText = row.captionText;
    theme.rangeBack = row.rangeBack;
    theme.rangeText = Rgb(0x000000);
    theme.editBack = row.editBack;
    theme.editText = row.editText;
    theme.keyBack = row.keyBack;
    theme.keyText = row.keyText;
    theme.busyBack = row.busyBack;
    theme.busyText = row.busyText;
    theme.paramBack = row.paramBack;
    theme.paramText = row.paramText;
    return theme;
}

// Copies the colours only; the name stays as it was read.
void TakeColors(ColorTheme& current, const ColorTheme& source) {
    const QString name = current.themeName;
    current = source;
    current.themeName = name;
}

} // namespace

std::optional<ColorTheme> FindColorTheme(const QString& name) {
    for (const ThemeRow& row : themeRows) {
        if (name == NameOf(row)) {
            return ThemeFromRow(row);
        }
    }
    return std::nullopt;
}

void LoadColorTheme(ColorTheme& current, SettingsStore& store) {
    current.themeName = store.Read(ColorThemeSetting);
    // Any other text, the empty one included, gets the default colours: an empty name must not
    // leave the windows in the all-black colours of a fresh record.
    const std::optional<ColorTheme> chosen = FindColorTheme(current.themeName);
    TakeColors(current,
               chosen ? *chosen : *FindColorTheme(FromTable(ColorThemeSetting.defaultText)));
}

} // namespace plotmere

#include "themes/theme_chooser.h"

#include "settings/settings_store.h"
#include "widgets/clickable_label.h"
#include "widgets/twips.h"
#include "widgets/widget_colors.h"
#include "widgets/window_geometry.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include <utility>

namespace plotmere {

namespace {

// The entries as they stand on the window, row by row, left column first. This is the entry
// array's order; it differs from the theme table's order around the two "Original" themes.
constexpr int EntryRows = 23;
constexpr std::array<const char*, themeCount> EntryCaptions = {
    "Amethyst",       "Arctica",             //
    "Baby Jeans",     "Bitter Lemon",        //
    "Bloods",         "Blue Martini",        //
    "Blueberry",      "Blueberry And Cream", //
    "Blues",          "Bricks Set",          //
    "Bubble Gum",     "Bullfrog",            //
    "Citrus",         "City Night",          //
    "Clover",         "Coagulated",          //
    "Copper",         "Donatello",           //
    "Dymunds",        "Emerald City",        //
    "Fort Knox",      "Gold Rush",           //
    "Grapefruit",     "Grapes",              //
    "Halloween",      "HaXb0x",              //
    "Jeans",          "Love Machine",        //
    "Mono Dark",      "Mono Lite",           //
    "Night Vision",   "Peachy",              //
    "Popcorn",        "Powerpuff!",          //
    "Original Dark",  "Original Lite",       //
    "Owayke",         "Rain Forest",         //
    "Raspberry Club", "Rosemary",            //
    "Sunflower",      "Toxic",               //
    "Uranium",        "Varsity",             //
    "Winamp New",     "Winamp Old",          //
};
static_assert(EntryCaptions.size() == 2 * EntryRows);

constexpr int ClientWidthTwips = 4575;
constexpr int ClientHeightTwips = 7575;
constexpr std::array<int, 2> EntryLeftTwips = {120, 2340};
constexpr int EntryTopTwips = 120;
constexpr int EntryPitchTwips = 300;
constexpr int EntryWidthTwips = 2115;
constexpr int EntryHeightTwips = 255;
constexpr int ButtonTopTwips = 7080;
constexpr int ButtonWidthTwips = 1035;
constexpr int ButtonHeightTwips = 375;
constexpr int SelectLeftTwips = 3420;
constexpr int CancelLeftTwips = 2340;

} // namespace

ThemeChooser::ThemeChooser(ColorTheme& current, SettingsStore& store,
                           std::function<void()> applyThemeToOpenWindows, QWidget* parent)
    : QDialog(parent)
    , current_(current)
    , store_(store)
    , applyThemeToOpenWindows_(std::move(applyThemeToOpenWindows)) {
    setObjectName("Form34");
    setWindowTitle("Change Color Theme");
    setFixedSize(TwipsSize(ClientWidthTwips, ClientHeightTwips));
    createControls();
    // Centred on the screen of the main window that opens it.
    CentreOnScreen(*this, parent != nullptr ? parent->screen() : nullptr);

    settheme();
    themeAtOpen_ = current_.themeName;
    HighlightCurrentTheme();
}

void ThemeChooser::createControls() {
    for (int index = 0; index < themeCount; ++index) {
        auto* entry = new ClickableLabel(EntryCaptions[static_cast<std::size_t>(index)], this);
        entry->setObjectName(QStringLiteral("opcija%1").arg(index));
        entry->setIndent(Twips(60));
        entry->setChoice(true);
        entry->setGeometry(TwipsRect(EntryLeftTwips[static_cast<std::size_t>(index % 2)],
                                     EntryTopTwips + EntryPitchTwips * (index / 2), EntryWidthTwips,
                                     EntryHeightTwips));
        connect(entry, &ClickableLabel::clicked, this, [this, index] { on_opcija_clicked(index); });
        opcija[static_cast<std::size_t>(index)] = entry;
    }

    Command1 = new QPushButton("Select", this);
    Command1->setObjectName("Command1");
    Command1->setGeometry(
        TwipsRect(SelectLeftTwips, ButtonTopTwips, ButtonWidthTwips, ButtonHeightTwips));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &ThemeChooser::on_Command1_clicked);

    Command2 = new QPushButton("Cancel", this);
    Command2->setObjectName("Command2");
    Command2->setGeometry(
        TwipsRect(CancelLeftTwips, ButtonTopTwips, ButtonWidthTwips, ButtonHeightTwips));
    connect(Command2, &QPushButton::clicked, this, &ThemeChooser::on_Command2_clicked);
}

void ThemeChooser::settheme() {
    SetBackground(this, current_.windowBack);
}

void ThemeChooser::HighlightCurrentTheme() {
    for (ClickableLabel* entry : opcija) {
        const bool current = entry->text() == current_.themeName;
        if (current) {
            SetColors(entry, current_.rangeBack, current_.rangeText);
        } else {
            SetColors(entry, current_.editBack, current_.editText);
        }
        // A screen reader reads the current theme as the selected choice.
        entry->setSelected(current);
    }
}

// Esc is the Cancel button. Closing by the title bar goes through QDialog's own reject(), which
// keeps the theme last clicked.
void ThemeChooser::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Command2->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ThemeChooser::on_opcija_clicked(int index) {
    current_.themeName = opcija[static_cast<std::size_t>(index)]->text();
    store_.Write(ColorThemeSetting, current_.themeName);
    LoadColorTheme(current_, store_);
    settheme();
    HighlightCurrentTheme();
    applyThemeToOpenWindows_();
}

void ThemeChooser::on_Command1_clicked() {
    hide();
    QCoreApplication::processEvents();
    storeAndApplyTheme();
    accept();
}

void ThemeChooser::on_Command2_clicked() {
    current_.themeName = themeAtOpen_;
    hide();
    QCoreApplication::processEvents();
    storeAndApplyTheme();
    reject();
}

void ThemeChooser::storeAndApplyTheme() {
    store_.Write(ColorThemeSetting, current_.themeName);
    LoadColorTheme(current_, store_);
    applyThemeToOpenWindows_();
}

} // namespace plotmere

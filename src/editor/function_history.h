#pragma once

#include "settings/setting_rows.h"

#include <QString>

#include <array>
#include <string_view>

namespace plotmere {

class SettingsStore;

// The stored history: "function 1" (the most recent) ... "function 10", empty when free.
inline constexpr NumberedTextSetting HistorySettings{"function ", 10, ""};

// The ten most recently plotted expressions, slot 1 the most recent; an empty text marks an
// empty slot. Slots are numbered 1 ... HistorySize as in the menu and the stored value names.
class FunctionHistory {
public:
    static constexpr int HistorySize = HistorySettings.count;

    // Puts the expression into slot 1. An expression already held (exact, case-sensitive
    // compare; the last matching slot counts) moves up from its slot and nothing is dropped;
    // otherwise every entry moves down one slot and slot 10's entry is dropped.
    void push(const QString& expression);

    // Empties all ten slots.
    void clear();

    // The text of slot n; a slot number outside 1 ... 10 reads as an empty slot.
    QString slot(int n) const;

    // The menu caption of slot n: "&n. y=" and its text, or "&n. <empty>".
    QString caption(int n) const;

    // Fills the ten slots from "function 1" ... "function 10" (default: empty).
    void load(SettingsStore& store);

    // Writes the ten slots to "function 1" ... "function 10", in that order.
    void save(SettingsStore& store) const;

private:
    // The last slot holding exactly this text, or 0.
    int lastSlotHolding(const QString& expression) const;

    // Slot k takes slot k - 1 for k = last down to 2.
    void shiftDownTo(int last);

    QString& at(int n) { return slots_[static_cast<std::size_t>(n - 1)]; }
    const QString& at(int n) const { return slots_[static_cast<std::size_t>(n - 1)]; }

    std::array<QString, HistorySize> slots_;
};

// One entry of the "&Functions" menu's examples: the objectName and caption of its item and the
// stored value it is read from, whose default is the example itself.
struct Example {
    std::string_view menuItem;
    std::string_view menuCaption;
    TextSetting stored;
};

inline constexpr std::array<Example, 3> Examples = {{
    {"menuexample1", "Example 1", {"Example 1", "x*sin(5*x)"}},
    {"menuexample2", "Example 2", {"Example 2", "3*sin(0.1*x^3)"}},
    {"menuexample3", "Example 3", {"Example 3", "1/(x*tan(2*x))"}},
}};

// The text of example n (1 ... 3), read from the store at every use so that a hand-edited
// example takes effect at once; a missing value is created with its default. A number outside
// 1 ... 3 gives the empty text.
QString ReadExample(int n, SettingsStore& store);

} // namespace plotmere

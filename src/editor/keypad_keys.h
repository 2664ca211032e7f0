#pragma once

#include <array>
#include <string_view>

namespace plotmere {

// What a key does to the expression.
enum class KeyAction {
    Append,      // appends its text
    AskNumber,   // asks for a numerical constant and appends it ("num")
    DeleteToken, // removes the last token ("Del")
    Clear,       // empties the expression ("Clear")
};

inline constexpr std::string_view AppendTooltip = "Click to append";

// One key of the on-screen keypad: its control name, caption, the text it appends (for
// Append), its cell in the grid of eight columns by five rows, what it does, its tooltip and,
// where the caption does not say it in words, the name a screen reader says.
struct KeypadKey {
    std::string_view name;
    std::string_view caption;
    std::string_view appended;
    int row;
    int column;
    KeyAction action = KeyAction::Append;
    std::string_view tooltip = AppendTooltip;
    std::string_view spoken = {};
};

inline constexpr std::array KeypadKeys = std::to_array<KeypadKey>({
    {"qplus", "+", "+", 0, 0, KeyAction::Append, AppendTooltip, "plus"},
    {"qminus", "-", "-", 0, 1, KeyAction::Append, AppendTooltip, "minus"},
    {"qmul", "*", "*", 0, 2, KeyAction::Append, AppendTooltip, "times"},
    {"qdiv", "/", "/", 0, 3, KeyAction::Append, AppendTooltip, "divided by"},
    {"qmod", "%", "%", 0, 4, KeyAction::Append, AppendTooltip, "remainder"},
    {"qexpo", "^", "^", 0, 5, KeyAction::Append, AppendTooltip, "power"},
    {"qlbra", "(", "(", 0, 6, KeyAction::Append, AppendTooltip, "opening bracket"},
    {"qrbra", ")", ")", 0, 7, KeyAction::Append, AppendTooltip, "closing bracket"},
    {"qx", "x", "x", 1, 0},
    {"qa", "a", "a", 1, 1},
    {"qb", "b", "b", 1, 2},
    {"qc", "c", "c", 1, 3},
    {"qd", "d", "d", 1, 4},
    {"qe", "e", "e", 1, 5},
    {"qpi", "pi", "pi", 1, 6},
    {"qnum", "num", "", 1, 7, KeyAction::AskNumber, AppendTooltip, "number"},
    {"qsqrt", "sqrt", "sqrt(", 2, 0},
    {"qabs", "abs", "abs(", 2, 1},
    {"qexp", "exp", "exp(", 2, 2},
    {"qln", "ln", "ln(", 2, 3},
    {"qlog", "log", "log(", 2, 4},
    {"qsin", "sin", "sin(", 2, 5},
    {"qcos", "cos", "cos(", 2, 6},
    {"qtan", "tan", "tan(", 2, 7},
    {"qcot", "cot", "cot(", 3, 0},
    {"qarcsin", "arcsin", "arcsin(", 3, 1},
    {"qarccos", "arccos", "arccos(", 3, 2},
    {"qarctan", "arctan", "arctan(", 3, 3},
    {"qarccot", "arccot", "arccot(", 3, 4},
    {"qsinh", "sinh", "sinh(", 3, 5},
    {"qcosh", "cosh", "cosh(", 3, 6},
    {"qtanh", "tanh", "tanh(", 3, 7},
    {"qcoth", "coth", "coth(", 4, 0},
    {"qarsinh", "arsinh", "arsinh(", 4, 1},
    {"qarcosh", "arcosh", "arcosh(", 4, 2},
    {"qartanh", "artanh", "artanh(", 4, 3},
    {"qarcoth", "arcoth", "arcoth(", 4, 4},
    {"qdel", "Del", "", 4, 6, KeyAction::DeleteToken,
     "Click to delete the last token from the function expression", "delete last token"},
    {"qclear", "Clear", "", 4, 7, KeyAction::Clear, "Click to clear the function expression",
     "clear expression"},
});

// Grid geometry in twips within the expression panel.
inline constexpr int KeyWidth = 615;
inline constexpr int KeyHeight = 255;
inline constexpr int KeyColumnPitch = 660;
inline constexpr int KeyRowPitch = 300;
inline constexpr int KeyTop = 2760;

} // namespace plotmere

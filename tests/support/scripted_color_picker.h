#pragma once

#include "windows/color_picker.h"

#include <deque>
#include <optional>
#include <vector>

namespace plotmere::testing_support {

// Picks colours from a script; with nothing scripted it behaves like Cancel and returns the
// colour it was opened with.
class ScriptedColorPicker : public ColorPicker {
public:
    void pickNext(ColorValue color) { picks_.push_back(color); }

    ColorValue pick(QWidget*, ColorValue current) override {
        openedWith.push_back(current);
        if (picks_.empty()) {
            return current;
        }
        const ColorValue picked = picks_.front();
        picks_.pop_front();
        return picked;
    }

    std::vector<ColorValue> openedWith;

private:
    std::deque<ColorValue> picks_;
};

} // namespace plotmere::testing_support

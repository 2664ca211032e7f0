#include "editor/function_history.h"

#include "settings/settings_store.h"

#include <utility>
#include <vector>

#include <cstddef>

namespace plotmere {

namespace {

bool IsSlotNumber(int n) {
    return n >= 1 && n <= FunctionHistory::HistorySize;
}

} // namespace

void FunctionHistory::push(const QString& expression) {
    const int p = lastSlotHolding(expression);
    shiftDownTo(p > 0 ? p : HistorySize);
    at(1) = expression;
}

void FunctionHistory::clear() {
    slots_.fill(QString());
}

QString FunctionHistory::slot(int n) const {
    return IsSlotNumber(n) ? at(n) : QString();
}

QString FunctionHistory::caption(int n) const {
    const QString text = slot(n);
    const QString number = "&" + QString::number(n) + ". ";
    return text.isEmpty() ? number + "<empty>" : number + "y=" + text;
}

void FunctionHistory::load(SettingsStore& store) {
    for (int n = 1; n <= HistorySize; ++n) {
        at(n) = store.Read(HistorySettings, n);
    }
}

void FunctionHistory::save(SettingsStore& store) const {
    std::vector<std::pair<QString, QString>> values;
    for (int n = 1; n <= HistorySize; ++n) {
        values.emplace_back(SettingName(HistorySettings, n), at(n));
    }
    store.WriteSettingTexts(values);
}

int FunctionHistory::lastSlotHolding(const QString& expression) const {
    int p = 0;
    for (int n = 1; n <= HistorySize; ++n) {
        if (at(n) == expression) {
            p = n;
        }
    }
    return p;
}

void FunctionHistory::shiftDownTo(int last) {
    for (int k = last; k >= 2; --k) {
        at(k) = at(k - 1);
    }
}

QString ReadExample(int n, SettingsStore& store) {
    if (n < 1 || n > static_cast<int>(Examples.size())) {
        return QString();
    }
    return store.Read(Examples[static_cast<std::size_t>(n - 1)].stored);
}

} // namespace plotmere

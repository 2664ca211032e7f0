#pragma once

#include <QString>

namespace plotmere {

class SettingsStore;

// A single-precision value kept as its number text (a range end, a parameter): the number the
// stored text begins with. A stored text whose number is not finite in single precision (only a
// hand-edited store has one, "1e39" say) counts as missing: the default is written back and
// used, so the store never keeps a text that would not read back as the value in use.
float ReadSettingSingle(SettingsStore& store, const QString& name, float defaultValue);

} // namespace plotmere

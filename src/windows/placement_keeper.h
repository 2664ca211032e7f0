#pragma once

#include "settings/window_placement.h"

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace plotmere {

class SettingsStore;

// The smallest outer size of the main window.
QSize MinimumOuterSize();

// The frame the window manager puts around a top-level window; null before it is shown.
QMargins OuterMargins(const QWidget& window);

// The main window's stored placement ("Window Left/Top/Width/Height", the outer frame in
// twips): restored on the screens at hand at start-up, applied once more when the window
// manager's frame becomes known, and written back at the close, each value exactly as it was
// read when its pixel did not change, so that the window neither creeps nor shrinks from run
// to run.
class PlacementKeeper {
public:
    void restore(QWidget& window, SettingsStore& store);
    // Call when the window is shown, moved or resized: once its frame is known, the stored
    // outer placement is applied again, unless the window was resized meanwhile.
    void correctForFrame(QWidget& window);
    // Call on every move and resize: a maximised or minimised window stores its normal
    // placement, with the frame it had then.
    void rememberNormalMargins(const QWidget& window);
    void save(const QWidget& window, SettingsStore& store) const;

private:
    void apply(QWidget& window, const QRect& outer);

    QRect storedOuter_;    // pixels, as applied
    StoredPlacement read_; // twips, as read from the store
    bool corrected_ = false;
    QSize appliedSize_;
    QMargins lastNormalMargins_;
};

} // namespace plotmere

#pragma once

#include "settings/setting_rows.h"
#include "settings/window_placement.h"
#include "widgets/window_geometry.h"

#include <QMargins>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace plotmere {

class SettingsStore;

// The stored placement of the main window: its outer frame in twips. The size's default is the
// window's own, measured at load.
inline constexpr IntegerSetting WindowLeftSetting{"Window Left", 4000};
inline constexpr IntegerSetting WindowTopSetting{"Window Top", 2000};
inline constexpr MeasuredSetting WindowHeightSetting{"Window Height"};
inline constexpr MeasuredSetting WindowWidthSetting{"Window Width"};

// The smallest outer size of the main window.
QSize MinimumOuterSize();

// The screen the main window will open on, as far as its stored placement tells before it is
// restored (null, for the primary screen, on a first run). Nothing is written.
const QScreen* ScreenOfStoredPlacement(SettingsStore& store);

// The main window's stored placement ("Window Left/Top/Width/Height", the outer frame in
// twips): restored on the screens at hand at start-up, applied once more when the window
// manager's frame becomes known, and written back at the close, each value exactly as it was
// read when its pixel did not change, so that the window neither creeps nor shrinks from run
// to run.
//
// On a first run the size is not stored yet: it becomes the window's outer size as laid out,
// the design size with the frame, at least the minimum. The frame is known only once the window
// is shown, so the size is stored again then.
class PlacementKeeper {
public:
    explicit PlacementKeeper(SettingsStore& store)
        : store_(store) {}

    void restore(QWidget& window);
    // Call when the window is shown, moved or resized: once its frame is known, the stored
    // outer placement is applied again, unless the window was resized meanwhile.
    void correctForFrame(QWidget& window);
    // Call on every move and resize: a maximised or minimised window stores its normal
    // placement, with the frame it had then.
    void rememberNormalMargins(const QWidget& window);
    void save(const QWidget& window) const;

private:
    void apply(QWidget& window, const QRect& outer);
    // The outer size of the window laid out with the frame it has now.
    QSize laidOutSize(const QWidget& window) const;

    SettingsStore& store_;
    QRect storedOuter_;    // pixels, as applied
    StoredPlacement read_; // twips, as read from the store
    QSize designSize_;     // the window's size before the placement was applied
    bool heightMissing_ = false;
    bool widthMissing_ = false;
    bool corrected_ = false;
    QSize appliedSize_;
    QMargins lastNormalMargins_;
};

} // namespace plotmere

#include "windows/placement_keeper.h"

#include "settings/settings_store.h"
#include "widgets/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace plotmere {

namespace {

QList<QRect> AvailableScreens() {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append(screen->availableGeometry());
    }
    return screens;
}

} // namespace

QSize MinimumOuterSize() {
    return TwipsSize(7995, 8985);
}

QMargins OuterMargins(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

void PlacementKeeper::apply(QWidget& window, const QRect& outer) {
    const QMargins margins = OuterMargins(window);
    window.setMinimumSize(MinimumOuterSize().shrunkBy(margins));
    window.move(outer.topLeft());
    window.resize(outer.size().shrunkBy(margins));
    appliedSize_ = window.size();
}

void PlacementKeeper::restore(QWidget& window, SettingsStore& store) {
    const QRect outer = window.frameGeometry();
    read_.left = store.ReadSettingInt("Window Left", 4000);
    read_.top = store.ReadSettingInt("Window Top", 2000);
    read_.height = store.ReadSettingInt("Window Height", PixelsToTwips(outer.height()));
    read_.width = store.ReadSettingInt("Window Width", PixelsToTwips(outer.width()));
    // In pixels even the largest stored numbers add up without overflow.
    const QRect stored(Twips(read_.left), Twips(read_.top), Twips(read_.width),
                       Twips(read_.height));
    storedOuter_ = KeepOnScreen(stored, AvailableScreens(), MinimumOuterSize());
    apply(window, storedOuter_);
}

void PlacementKeeper::correctForFrame(QWidget& window) {
    // The window manager adds its frame only once the window is shown; the stored placement is
    // the outer frame, so apply it once more now that the frame is known. Without this the
    // window would grow by the frame on every start.
    if (corrected_ || !window.isVisible() || OuterMargins(window).isNull()) {
        return;
    }
    corrected_ = true;
    // Once the user (or anything else) has resized the window, that size stands.
    if (window.windowState() == Qt::WindowNoState && window.size() == appliedSize_) {
        apply(window, storedOuter_);
    }
}

void PlacementKeeper::rememberNormalMargins(const QWidget& window) {
    if (window.windowState() == Qt::WindowNoState) {
        lastNormalMargins_ = OuterMargins(window);
    }
}

void PlacementKeeper::save(const QWidget& window, SettingsStore& store) const {
    // A minimised or maximised window stores its normal placement.
    const bool normal = !(window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
    const QRect inner =
        normal || !window.normalGeometry().isValid() ? window.geometry() : window.normalGeometry();
    const QMargins margins = normal ? OuterMargins(window) : lastNormalMargins_;
    const QRect outer = inner.marginsAdded(margins);
    // Twips are finer than pixels: a value whose pixel did not change is written back as it
    // was read, so that starting and closing leave the store exactly as it was.
    const auto twips = [](int pixels, int read) {
        return Twips(read) == pixels ? read : PixelsToTwips(pixels);
    };
    store.WriteSettingInts({{"Window Left", twips(outer.left(), read_.left)},
                            {"Window Top", twips(outer.top(), read_.top)},
                            {"Window Height", twips(outer.height(), read_.height)},
                            {"Window Width", twips(outer.width(), read_.width)}});
}

} // namespace plotmere

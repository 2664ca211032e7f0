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

const QScreen* ScreenOfStoredPlacement(SettingsStore& store) {
    const std::optional<std::int32_t> left = store.StoredInt(FromTable(WindowLeftSetting.name));
    const std::optional<std::int32_t> top = store.StoredInt(FromTable(WindowTopSetting.name));
    const std::optional<std::int32_t> width = store.StoredInt(FromTable(WindowWidthSetting.name));
    const std::optional<std::int32_t> height = store.StoredInt(FromTable(WindowHeightSetting.name));
    if (!left || !top || !width || !height) {
        return nullptr;
    }
    const QRect stored(Twips(*left), Twips(*top), Twips(*width), Twips(*height));
    const QRect placed = KeepOnScreen(stored, AvailableScreens(), MinimumOuterSize());
    return QGuiApplication::screenAt(placed.center());
}

void PlacementKeeper::apply(QWidget& window, const QRect& outer) {
    const QMargins margins = OuterMargins(window);
    window.setMinimumSize(MinimumOuterSize().shrunkBy(margins));
    window.move(outer.topLeft());
    window.resize(outer.size().shrunkBy(margins));
    appliedSize_ = window.size();
}

QSize PlacementKeeper::laidOutSize(const QWidget& window) const {
    return designSize_.grownBy(OuterMargins(window)).expandedTo(MinimumOuterSize());
}

void PlacementKeeper::restore(QWidget& window) {
    designSize_ = window.size();
    const QSize laidOut = laidOutSize(window);
    heightMissing_ = !store_.StoredInt(FromTable(WindowHeightSetting.name));
    widthMissing_ = !store_.StoredInt(FromTable(WindowWidthSetting.name));
    read_.left = store_.Read(WindowLeftSetting);
    read_.top = store_.Read(WindowTopSetting);
    read_.height = store_.Read(WindowHeightSetting, PixelsToTwips(laidOut.height()));
    read_.width = store_.Read(WindowWidthSetting, PixelsToTwips(laidOut.width()));
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
    if (window.windowState() != Qt::WindowNoState || window.size() != appliedSize_) {
        return;
    }
    // A size first stored without the frame is stored again with it.
    if (heightMissing_ || widthMissing_) {
        const QSize laidOut = laidOutSize(window);
        if (heightMissing_) {
            read_.height = PixelsToTwips(laidOut.height());
            storedOuter_.setHeight(laidOut.height());
            store_.Write(WindowHeightSetting, read_.height);
        }
        if (widthMissing_) {
            read_.width = PixelsToTwips(laidOut.width());
            storedOuter_.setWidth(laidOut.width());
            store_.Write(WindowWidthSetting, read_.width);
        }
        storedOuter_ = KeepOnScreen(storedOuter_, AvailableScreens(), MinimumOuterSize());
    }
    apply(window, storedOuter_);
}

void PlacementKeeper::rememberNormalMargins(const QWidget& window) {
    if (window.windowState() == Qt::WindowNoState) {
        lastNormalMargins_ = OuterMargins(window);
    }
}

void PlacementKeeper::save(const QWidget& window) const {
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
    store_.WriteSettingInts(
        {{FromTable(WindowLeftSetting.name), twips(outer.left(), read_.left)},
         {FromTable(WindowTopSetting.name), twips(outer.top(), read_.top)},
         {FromTable(WindowHeightSetting.name), twips(outer.height(), read_.height)},
         {FromTable(WindowWidthSetting.name), twips(outer.width(), read_.width)}});
}

} // namespace plotmere

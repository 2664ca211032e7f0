#include "plotmere_session.h"

#include "engine/number_text.h"
#include "widgets/twips.h"

#include <QProcessEnvironment>
#include <QSettings>

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace plotmere::e2e {

namespace {

const QString MainWindowName = QStringLiteral("^Veldrake Plotmere$");

// A first start includes the one-second splash; a loaded, shared machine may need much longer.
constexpr int StartTimeoutMs = 30000;
constexpr int CloseTimeoutMs = 15000;

bool SameColor(QRgb a, QRgb b) {
    return (a & 0xFFFFFF) == (b & 0xFFFFFF);
}

} // namespace

PlotmereSession::PlotmereSession(double scaleFactor)
    : scale_(scaleFactor)
    , launch_{PLOTMERE_EXECUTABLE, {}, {}} {}

PlotmereSession::PlotmereSession(ProgramLaunch launch)
    : scale_(1.0)
    , launch_(std::move(launch)) {}

PlotmereSession::~PlotmereSession() {
    if (running()) {
        process_->kill();
        process_->waitForFinished(5000);
    }
}

QString PlotmereSession::settingsFile() const {
    return configHome_.path() + "/Veldrake Plotmere.conf";
}

void PlotmereSession::presetSettings(const Settings& settings) {
    QSettings store(settingsFile(), QSettings::IniFormat);
    for (const auto& [name, value] : settings) {
        store.setValue(name, value);
    }
    store.sync();
}

QString PlotmereSession::setting(const QString& name) const {
    const QSettings store(settingsFile(), QSettings::IniFormat);
    return store.value(name).toString();
}

ViewRange PlotmereSession::storedRange() const {
    const auto read = [this](const char* name) {
        return static_cast<float>(TextToNumber(setting(name).toStdString()));
    };
    return ViewRange{read("x min"), read("x max"), read("y min"), read("y max")};
}

bool PlotmereSession::running() const {
    return process_ != nullptr && process_->state() != QProcess::NotRunning &&
           !process_->waitForFinished(0);
}

QString PlotmereSession::output() {
    if (process_ != nullptr) {
        output_ += process_->readAll();
    }
    return QString::fromLocal8Bit(output_);
}

bool PlotmereSession::start(QRgb backColor) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", configHome_.path());
    environment.insert("QT_QPA_PLATFORM", "xcb");
    for (const char* name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                             "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI"}) {
        environment.remove(name);
    }
    if (scale_ != 1.0) {
        environment.insert("QT_SCALE_FACTOR", QString::number(scale_));
    }
    for (const auto& [name, value] : launch_.environment) {
        environment.insert(name, value);
    }
    process_ = std::make_unique<QProcess>();
    process_->setProcessEnvironment(environment);
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->start(launch_.program, launch_.arguments);
    if (!process_->waitForStarted(10000)) {
        ADD_FAILURE() << "cannot start " << launch_.program.toStdString() << ": "
                      << process_->errorString().toStdString();
        return false;
    }

    QList<WindowId> windows;
    const bool shown = WaitUntil(
        [&] {
            windows = VisibleWindowsNamed(MainWindowName);
            return !windows.isEmpty() || !running();
        },
        StartTimeoutMs, 100);
    if (!shown || windows.isEmpty()) {
        ADD_FAILURE() << "the main window did not appear; program output:\n"
                      << output().toStdString();
        return false;
    }
    mainWindow_ = windows.front();
    if (!awaitSettledPlacement()) {
        ADD_FAILURE() << "the main window did not settle in its frame";
        return false;
    }
    if (!ActivateWindow(mainWindow_)) {
        return false;
    }
    if (!relocateGraphArea(backColor)) {
        ADD_FAILURE() << "no graph area of colour " << std::hex << backColor
                      << " found in the main window";
        return false;
    }
    return true;
}

bool PlotmereSession::close() {
    if (!RequestClose(mainWindow_)) {
        return false;
    }
    if (!process_->waitForFinished(CloseTimeoutMs)) {
        ADD_FAILURE() << "the program did not end after its window was closed";
        return false;
    }
    const bool clean = process_->exitStatus() == QProcess::NormalExit && process_->exitCode() == 0;
    if (!clean) {
        ADD_FAILURE() << "the program ended with exit code " << process_->exitCode()
                      << "; output:\n"
                      << output().toStdString();
    }
    return clean;
}

QRect PlotmereSession::windowGeometry() const {
    const std::optional<QRect> geometry = WindowGeometry(mainWindow_);
    if (!geometry) {
        ADD_FAILURE() << "no geometry for the main window";
        return QRect();
    }
    return *geometry;
}

QRect PlotmereSession::outerGeometry() const {
    const std::optional<QRect> geometry = OuterGeometry(mainWindow_);
    if (!geometry) {
        ADD_FAILURE() << "no geometry for the main window";
        return QRect();
    }
    return *geometry;
}

bool PlotmereSession::awaitSettledPlacement() {
    std::optional<QRect> last;
    int unchanged = 0;
    return WaitUntil(
        [&] {
            const std::optional<QRect> now = OuterGeometry(mainWindow_);
            const bool framed = !FrameExtents(mainWindow_).isNull();
            unchanged = now && now == last ? unchanged + 1 : 0;
            last = now;
            return framed && unchanged >= 4;
        },
        10000, 50);
}

// The graph area sits 780 twips from the client area's left edge and 60 twips below its top,
// which is the menu bar's bottom; the menu bar's height depends on the font, so the area is
// found by its background: the first row of the window whose whole expected width shows the
// background colour, with other colours just left and right of it.
bool PlotmereSession::locateGraphArea(QRgb backColor) {
    const QRect window = windowGeometry();
    if (window.isEmpty()) {
        return false;
    }
    const QImage picture = GrabScreen(window);
    const int left = static_cast<int>(std::lround(Twips(780) * scale_));
    const int width = window.width() - static_cast<int>(std::lround(Twips(840) * scale_));
    const auto isBack = [&](int x, int y) {
        return SameColor(picture.pixel(x, y), backColor);
    };
    const auto wholeRowIsBack = [&](int y) {
        for (int x = left; x < left + width; ++x) {
            if (!isBack(x, y)) {
                return false;
            }
        }
        return true;
    };
    for (int y = 1; y < picture.height() / 2; ++y) {
        if (isBack(left, y) && !isBack(left - 1, y) && !isBack(left + width, y) &&
            !isBack(left, y - 1) && wholeRowIsBack(y)) {
            const int clientTop = y - static_cast<int>(std::lround(Twips(60) * scale_));
            const int clientHeight = picture.height() - clientTop;
            const int height = clientHeight - static_cast<int>(std::lround(Twips(2760) * scale_));
            const int bottom = y + height - 1;
            if (height <= 0 || bottom + 1 >= picture.height() || !isBack(left, bottom) ||
                isBack(left, bottom + 1)) {
                return false;
            }
            graphArea_ = QRect(window.x() + left, window.y() + y, width, height);
            return true;
        }
    }
    return false;
}

bool PlotmereSession::relocateGraphArea(QRgb backColor) {
    return WaitUntil([&] { return locateGraphArea(backColor); }, 10000, 100);
}

QRect PlotmereSession::clientArea() const {
    const QRect window = windowGeometry();
    const int top = graphArea_.top() - static_cast<int>(std::lround(Twips(60) * scale_));
    return QRect(window.left(), top, window.width(), window.bottom() + 1 - top);
}

QPoint PlotmereSession::clientPointFromLogical(double x, double y) const {
    const QRect client = clientArea();
    return QPoint(client.left() + static_cast<int>(std::lround(x * scale_)),
                  client.top() + static_cast<int>(std::lround(y * scale_)));
}

QPoint PlotmereSession::inFrame1(int left, int top, int width, int height) const {
    const QRect client = clientArea();
    const double clientWidth = client.width() / scale_;
    const double clientHeight = client.height() / scale_;
    const QRectF control = TwipsRect(left, top, width, height);
    return clientPointFromLogical(clientWidth - Twips(1515) + control.center().x(),
                                  clientHeight - Twips(2655) + control.center().y());
}

QPoint PlotmereSession::inFrame2(int left, int top, int width, int height) const {
    const QRect client = clientArea();
    const double clientHeight = client.height() / scale_;
    const QRectF control = TwipsRect(left, top, width, height);
    return clientPointFromLogical(Twips(60) + control.center().x(),
                                  clientHeight - Twips(4635) + control.center().y());
}

QImage PlotmereSession::grabGraphArea() const {
    return GrabScreen(graphArea_);
}

QImage PlotmereSession::grabMainWindow() const {
    return GrabScreen(windowGeometry());
}

} // namespace plotmere::e2e

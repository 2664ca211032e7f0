#pragma once

#include "view/view_state.h"
#include "x_tools.h"

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>
#include <utility>
#include <vector>

namespace plotmere::e2e {

using Settings = std::vector<std::pair<QString, QVariant>>;

// Another way to start the program than the Linux build's own executable: the Windows build
// under Wine, with the environment that needs.
struct ProgramLaunch {
    QString program;
    QStringList arguments;
    std::vector<std::pair<QString, QString>> environment;
};

// The real program, started as a person starts it, with its own settings folder: its main
// window found on the screen, its graph area located by its pixels, its controls reached by
// the layout's twips positions. Restarting keeps the settings folder.
class PlotmereSession {
public:
    explicit PlotmereSession(double scaleFactor = 1.0);
    explicit PlotmereSession(ProgramLaunch launch);
    ~PlotmereSession();

    // Written into the settings file before the program starts, as if stored by an earlier run.
    void presetSettings(const Settings& settings);

    // Starts the program and waits for its main window and its empty graph area, on a
    // background of backColor; false (with a recorded failure) when that does not happen.
    bool start(QRgb backColor = 0xFFFFFF);
    // Closes the main window as a person does and waits for the program to end; true when it
    // ended by itself with exit code 0.
    bool close();
    bool running() const;

    WindowId mainWindow() const { return mainWindow_; }
    double scale() const { return scale_; }
    // The main window's client area (inside the window manager's frame), and the window with
    // its frame: the placement the program stores.
    QRect windowGeometry() const;
    QRect outerGeometry() const;
    // Waits until the window manager has framed the main window and the program has placed it
    // for good (its place and size stay the same for a moment).
    bool awaitSettledPlacement();
    // The graph area on the screen, in device pixels, as located at start.
    QRect graphArea() const { return graphArea_; }
    // The client area below the menu bar, in device pixels.
    QRect clientArea() const;

    // The screen point of the centre of a control given by its twips rectangle inside Frame1
    // (the button panel, anchored to the bottom right) or Frame2 (the expression panel,
    // anchored to the bottom left).
    QPoint inFrame1(int left, int top, int width, int height) const;
    QPoint inFrame2(int left, int top, int width, int height) const;

    // Finds the graph area again after the window was moved or resized.
    bool relocateGraphArea(QRgb backColor = 0xFFFFFF);

    QImage grabGraphArea() const;
    QImage grabMainWindow() const;

    // A stored value as the program left it (read afresh from the file).
    QString setting(const QString& name) const;
    ViewRange storedRange() const;
    QString settingsFile() const;

    // Program output, for failure messages.
    QString output();

private:
    bool locateGraphArea(QRgb backColor);
    QPoint clientPointFromLogical(double x, double y) const;

    double scale_;
    ProgramLaunch launch_;
    QTemporaryDir configHome_;
    std::unique_ptr<QProcess> process_;
    WindowId mainWindow_ = 0;
    QRect graphArea_;
    QByteArray output_;
};

} // namespace plotmere::e2e

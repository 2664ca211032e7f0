#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace plotmere::e2e {

// What a person does at the X server, through xdotool and xclip, and what they see, through a
// grab of the screen. Every helper reports a tool that cannot run as a test failure: a missing
// tool must never let a test pass.

using WindowId = quint32;

struct ToolResult {
    bool ran = false; // started and finished within the timeout
    int exitCode = -1;
    QByteArray output;
};

ToolResult RunTool(const QString& program, const QStringList& arguments, int timeoutMs = 10000);

// Runs xdotool and records a failure when it cannot run or reports an error.
bool Xdotool(const QStringList& arguments);

// Mapped top-level windows whose name matches the regular expression.
QList<WindowId> VisibleWindowsNamed(const QString& pattern);

// Position on the screen and size, in device pixels.
std::optional<QRect> WindowGeometry(WindowId window);

// The whole screen, in device pixels.
std::optional<QRect> ScreenGeometry();

bool FocusWindow(WindowId window);
bool TypeText(const QString& text);
bool PressKeys(const QStringList& keys);
bool ClickAt(const QPoint& screenPoint);
bool MoveWindow(WindowId window, const QPoint& topLeft);
bool ResizeWindow(WindowId window, const QSize& size);

// Asks the window to close as a window manager's close button does (WM_DELETE_WINDOW).
bool RequestClose(WindowId window);

// The clipboard's image/png content, or nothing when the clipboard holds no image (yet).
std::optional<QImage> ClipboardImage();

// The screen's pixels in the rectangle (device pixels), as RGB32.
QImage GrabScreen(const QRect& rect);

// Polls the condition until it holds or the timeout passes; true when it held.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs, int pollMs = 50);

} // namespace plotmere::e2e

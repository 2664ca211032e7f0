#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMargins>
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

// The window's own area (its client area, inside the window manager's frame): position on
// the screen and size, in device pixels.
std::optional<QRect> WindowGeometry(WindowId window);

// The frame the window manager put around the window (_NET_FRAME_EXTENTS): left, top, right
// and bottom widths; null margins before it is framed.
QMargins FrameExtents(WindowId window);

// The window with its frame, as the window manager placed it.
std::optional<QRect> OuterGeometry(WindowId window);

// The managed windows from the bottom of the stack to the top (_NET_CLIENT_LIST_STACKING), and
// the active one (_NET_ACTIVE_WINDOW, 0 for none): what the window manager shows and focuses.
QList<WindowId> StackingOrder();
WindowId ActiveWindow();

// True when `upper` lies above `lower` in the window manager's stacking order.
bool StackedAbove(WindowId upper, WindowId lower);

// As a person does it through the desktop: maximise (EWMH, with wmctrl), minimise, and make a
// window the active one.
bool MaximizeWindow(WindowId window);
bool MinimizeWindow(WindowId window);
bool ActivateWindow(WindowId window);

// The whole screen, in device pixels.
std::optional<QRect> ScreenGeometry();

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

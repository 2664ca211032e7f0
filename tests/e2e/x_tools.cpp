#include "x_tools.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <QtGui/qguiapplication_platform.h>

#include <gtest/gtest.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace plotmere::e2e {

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_connection_t* Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        ADD_FAILURE() << "the test process is not connected to the X server";
        return nullptr;
    }
    return x11->connection();
}

xcb_window_t Root(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// The 32-bit values of a window's property (CARDINAL, WINDOW, ...), empty when it has none.
std::vector<std::uint32_t> Property32(xcb_window_t window, const char* name, xcb_atom_t type) {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) {
        return {};
    }
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, window, Atom(connection, name), type, 0, 4096),
            nullptr),
        &std::free);
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return std::vector<std::uint32_t>(values,
                                      values + xcb_get_property_value_length(reply.get()) / 4);
}

QString Describe(const QString& program, const QStringList& arguments) {
    return program + " " + arguments.join(' ');
}

} // namespace

ToolResult RunTool(const QString& program, const QStringList& arguments, int timeoutMs) {
    ToolResult result;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(5000)) {
        result.output = process.errorString().toUtf8();
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
        result.output = "timed out";
        return result;
    }
    result.ran = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.output = process.readAll();
    return result;
}

bool Xdotool(const QStringList& arguments) {
    const ToolResult result = RunTool("xdotool", arguments);
    if (!result.ran || result.exitCode != 0) {
        ADD_FAILURE() << Describe("xdotool", arguments).toStdString() << " failed ("
                      << result.exitCode << "): " << result.output.toStdString();
        return false;
    }
    return true;
}

QList<WindowId> VisibleWindowsNamed(const QString& pattern) {
    const QStringList arguments = {"search", "--onlyvisible", "--name", pattern};
    const ToolResult result = RunTool("xdotool", arguments);
    // xdotool search exits with 1 when nothing matches; anything else is a broken tool.
    if (!result.ran || (result.exitCode != 0 && result.exitCode != 1)) {
        ADD_FAILURE() << Describe("xdotool", arguments).toStdString()
                      << " failed: " << result.output.toStdString();
        return {};
    }
    QList<WindowId> windows;
    for (const QByteArray& line : result.output.split('\n')) {
        bool ok = false;
        const WindowId id = line.trimmed().toUInt(&ok);
        if (ok) {
            windows.append(id);
        }
    }
    return windows;
}

// xdotool's own geometry counts the frame twice under a reparenting window manager; the X
// server's answer does not.
std::optional<QRect> WindowGeometry(WindowId window) {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) {
        return std::nullopt;
    }
    std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr),
        &std::free);
    std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> position(
        xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, window, Root(connection), 0, 0),
            nullptr),
        &std::free);
    if (!geometry || !position) {
        return std::nullopt;
    }
    return QRect(position->dst_x, position->dst_y, geometry->width, geometry->height);
}

QMargins FrameExtents(WindowId window) {
    const std::vector<std::uint32_t> extents =
        Property32(window, "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
    if (extents.size() != 4) {
        return QMargins();
    }
    return QMargins(static_cast<int>(extents[0]), static_cast<int>(extents[2]),
                    static_cast<int>(extents[1]), static_cast<int>(extents[3]));
}

std::optional<QRect> OuterGeometry(WindowId window) {
    const std::optional<QRect> inner = WindowGeometry(window);
    if (!inner) {
        return std::nullopt;
    }
    return inner->marginsAdded(FrameExtents(window));
}

QList<WindowId> StackingOrder() {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) {
        return {};
    }
    QList<WindowId> windows;
    for (std::uint32_t window :
         Property32(Root(connection), "_NET_CLIENT_LIST_STACKING", XCB_ATOM_WINDOW)) {
        windows.append(window);
    }
    return windows;
}

WindowId ActiveWindow() {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) {
        return 0;
    }
    const std::vector<std::uint32_t> active =
        Property32(Root(connection), "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW);
    return active.empty() ? 0 : active.front();
}

bool StackedAbove(WindowId upper, WindowId lower) {
    const QList<WindowId> stack = StackingOrder();
    const qsizetype upperAt = stack.indexOf(upper);
    const qsizetype lowerAt = stack.indexOf(lower);
    return upperAt >= 0 && lowerAt >= 0 && upperAt > lowerAt;
}

bool MaximizeWindow(WindowId window) {
    const QStringList arguments = {"-i", "-r", QString::number(window), "-b",
                                   "add,maximized_vert,maximized_horz"};
    const ToolResult result = RunTool("wmctrl", arguments);
    if (!result.ran || result.exitCode != 0) {
        ADD_FAILURE() << Describe("wmctrl", arguments).toStdString()
                      << " failed: " << result.output.toStdString();
        return false;
    }
    return true;
}

bool MinimizeWindow(WindowId window) {
    return Xdotool({"windowminimize", "--sync", QString::number(window)});
}

std::optional<QRect> ScreenGeometry() {
    const ToolResult result = RunTool("xdotool", {"getdisplaygeometry"});
    const QList<QByteArray> size = result.output.trimmed().split(' ');
    if (!result.ran || result.exitCode != 0 || size.size() != 2) {
        ADD_FAILURE() << "xdotool getdisplaygeometry: " << result.output.toStdString();
        return std::nullopt;
    }
    return QRect(0, 0, size[0].toInt(), size[1].toInt());
}

bool ActivateWindow(WindowId window) {
    return Xdotool({"windowactivate", "--sync", QString::number(window)});
}

bool TypeText(const QString& text) {
    return Xdotool({"type", "--delay", "15", text});
}

bool PressKeys(const QStringList& keys) {
    return Xdotool(QStringList{"key", "--delay", "30"} + keys);
}

bool ClickAt(const QPoint& screenPoint) {
    return Xdotool({"mousemove", "--sync", QString::number(screenPoint.x()),
                    QString::number(screenPoint.y()), "click", "1"});
}

bool MoveWindow(WindowId window, const QPoint& topLeft) {
    return Xdotool({"windowmove", "--sync", QString::number(window), QString::number(topLeft.x()),
                    QString::number(topLeft.y())});
}

bool ResizeWindow(WindowId window, const QSize& size) {
    return Xdotool({"windowsize", "--sync", QString::number(window), QString::number(size.width()),
                    QString::number(size.height())});
}

// xdotool of Debian 12 only destroys windows, which the program does not survive as a close;
// a window manager's close button sends this client message instead.
bool RequestClose(WindowId window) {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) {
        return false;
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = Atom(connection, "WM_PROTOCOLS");
    message.data.data32[0] = Atom(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}

std::optional<QImage> ClipboardImage() {
    const QStringList arguments = {"-selection", "clipboard", "-t", "image/png", "-o"};
    const ToolResult result = RunTool("xclip", arguments);
    if (!result.ran) {
        ADD_FAILURE() << "xclip could not run: " << result.output.toStdString();
        return std::nullopt;
    }
    if (result.exitCode != 0) {
        return std::nullopt;
    }
    QImage image;
    if (!image.loadFromData(result.output, "PNG")) {
        return std::nullopt;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage GrabScreen(const QRect& rect) {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QPixmap pixmap = screen->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height());
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs, int pollMs) {
    QElapsedTimer clock;
    clock.start();
    while (true) {
        if (condition()) {
            return true;
        }
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QCoreApplication::processEvents();
        QThread::msleep(static_cast<unsigned long>(pollMs));
    }
}

} // namespace plotmere::e2e

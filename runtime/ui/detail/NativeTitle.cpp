#include "runtime/ui/detail/NativeTitle.h"

#include <cstdlib>
#include <cstring>

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

namespace runtime::detail {

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

}  // namespace

void ClearNativeTitle(QWidget& window) {
    // Other platforms may speak to an X server too, but their windows are no X windows.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    const WId id = window.internalWinId();
    if (connection == nullptr || id == 0) return;
    const auto xWindow = static_cast<xcb_window_t>(id);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xWindow, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
    const xcb_atom_t netName = Atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = Atom(connection, "UTF8_STRING");
    if (netName != XCB_ATOM_NONE && utf8 != XCB_ATOM_NONE)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xWindow, netName, utf8, 8, 0, nullptr);
    xcb_flush(connection);
}

}  // namespace runtime::detail

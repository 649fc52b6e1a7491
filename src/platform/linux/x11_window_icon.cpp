// The window icon on X11: the whole _NET_WM_ICON property set in one request.

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <map>

#include "platform/linux/qt_window_icon.h"

namespace corvane::platform {

namespace {

xcb_atom_t NetWmIconAtom(xcb_connection_t* connection) {
    static const xcb_atom_t atom = [connection] {
        const char name[] = "_NET_WM_ICON";
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
        const xcb_atom_t found = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return found;
    }();
    return atom;
}

}  // namespace

QIcon ToQIcon(const WindowIcon& icon) {
    // Keyed by the images: a program has one icon. The pixmaps go with the application object, while Qt's
    // image support is still there.
    static std::map<const IconImage*, QIcon>* made = nullptr;
    if (made == nullptr) {
        made = new std::map<const IconImage*, QIcon>;
        qAddPostRoutine([] {
            delete made;
            made = nullptr;
        });
    }
    auto [entry, added] = made->try_emplace(icon.images.data());
    if (added) {
        // Pixels decoded at build time, in the format Qt paints pixmaps from: no image decoding at
        // start-up, and the pixmaps read them in place.
        for (const IconImage& image : icon.images) {
            entry->second.addPixmap(
                QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(image.argb), image.size, image.size,
                                          QImage::Format_ARGB32_Premultiplied)));
        }
    }
    return entry->second;
}

void ShowWindowIcon(QWidget& window, const WindowIcon& icon) {
    // Only the xcb platform talks to an X server for its windows (offscreen, say, may offer an X11
    // interface without a connection).
    const auto* x11 = qGuiApp != nullptr && QGuiApplication::platformName() == QLatin1String("xcb")
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    const xcb_atom_t atom = connection != nullptr && !icon.x11Property.empty() ? NetWmIconAtom(connection)
                                                                               : xcb_atom_t{XCB_ATOM_NONE};
    if (atom == xcb_atom_t{XCB_ATOM_NONE} || !window.isWindow()) {
        window.setWindowIcon(ToQIcon(icon));
        return;
    }
    // The native window is made as showing it would make it. Not through winId(): that marks the widget
    // native, and a native widget with a parent (a message box over a dialog) makes every other child of
    // that parent, each control of the dialog, a native window of its own.
    window.createWinId();
    const WId native = window.internalWinId();
    if (native == 0) {
        window.setWindowIcon(ToQIcon(icon));
        return;
    }
    // Requests on one connection reach the server in order: the property is there before the window is
    // mapped, where the window manager looks for it.
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(native), atom,
                        XCB_ATOM_CARDINAL, 32, static_cast<uint32_t>(icon.x11Property.size()),
                        icon.x11Property.data());
}

}  // namespace corvane::platform

#include "platform/qt/TaskBar.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef OMBRIX_X11
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>
#endif

namespace ombrix::platform {

#ifdef OMBRIX_X11

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// Before the window is mapped the state is the window's own property, which
// Qt keeps when it maps the window.
void SetStateProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t state,
                      xcb_atom_t skip, bool add) {
    std::vector<xcb_atom_t> atoms;
    const auto cookie = xcb_get_property(connection, 0, window, state, XCB_ATOM_ATOM, 0, 1024);
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        if (reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
            const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
            atoms.assign(values, values + xcb_get_property_value_length(reply) / 4);
        }
        std::free(reply);
    }
    std::erase(atoms, skip);
    if (add) {
        atoms.push_back(skip);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                        static_cast<std::uint32_t>(atoms.size()), atoms.data());
}

// Once mapped, the window manager owns the state and is asked to change it.
void AskWindowManager(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t state,
                      xcb_atom_t skip, bool add) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = state;
    event.data.data32[0] = add ? 1 : 0; // _NET_WM_STATE_ADD or _REMOVE
    event.data.data32[1] = skip;
    event.data.data32[3] = 1; // from an ordinary program
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}

} // namespace

void SetOnTaskBar(QWidget& window, bool on) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
    const xcb_atom_t skip = Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE) {
        return;
    }
    // Whether the window is mapped yet is not known here (a show event comes
    // before the mapping): the property serves a window about to be mapped,
    // the message one that is.
    SetStateProperty(connection, id, state, skip, !on);
    AskWindowManager(connection, id, state, skip, !on);
    xcb_flush(connection);
}

#else

void SetOnTaskBar(QWidget&, bool) {}

#endif

} // namespace ombrix::platform

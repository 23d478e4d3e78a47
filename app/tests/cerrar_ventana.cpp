// Asks an X11 window to close as a window manager does when its close box is clicked: a
// WM_DELETE_WINDOW client message, sent only if the window takes part in that protocol.
// Usage: cerrar_ventana WINDOW_ID (decimal, as xdotool prints it).
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

bool TakesPart(xcb_connection_t* c, xcb_window_t window, xcb_atom_t protocols,
               xcb_atom_t deleteWindow) {
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, protocols, XCB_ATOM_ATOM, 0, 32),
                               nullptr),
        &std::free);
    if (!reply) return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int n = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < n; ++i)
        if (atoms[i] == deleteWindow) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: cerrar_ventana WINDOW_ID\n", stderr);
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::stoul(argv[1]));
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fputs("cerrar_ventana: no X display\n", stderr);
        return 1;
    }
    const xcb_atom_t protocols = Atom(c, "WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = Atom(c, "WM_DELETE_WINDOW");
    int status = 0;
    if (!TakesPart(c, window, protocols, deleteWindow)) {
        std::fputs("cerrar_ventana: the window does not take WM_DELETE_WINDOW\n", stderr);
        status = 1;
    } else {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = protocols;
        event.data.data32[0] = deleteWindow;
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&event));
        // A round trip: the server has handled the message before the connection closes.
        Reply<xcb_get_input_focus_reply_t> sync(
            xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr), &std::free);
    }
    xcb_disconnect(c);
    return status;
}

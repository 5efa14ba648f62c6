#include "shell/BWTaskbarPresence.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// EWMH: _NET_WM_STATE client messages add (1) or remove (0) a state, sent
// by a normal program (source 1).
constexpr uint32_t RemoveState = 0;
constexpr uint32_t AddState = 1;
constexpr uint32_t NormalSource = 1;

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_connection_t* x11Connection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name);
    const ReplyPointer<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

}  // namespace

BWTaskbarPresence::BWTaskbarPresence(QWidget& window)
    : QObject(&window)
{
    window.installEventFilter(this);
}

void BWTaskbarPresence::setSkipsTaskbar(QWidget& window, bool skips)
{
    auto* presence = window.findChild<BWTaskbarPresence*>(QString(), Qt::FindDirectChildrenOnly);
    if (!presence)
        presence = new BWTaskbarPresence(window);
    presence->m_skips = skips;
    if (window.isVisible())
        askWindowManager(window, skips);
}

bool BWTaskbarPresence::skipsTaskbar(const QWidget& window)
{
    const auto* presence = window.findChild<BWTaskbarPresence*>(QString(), Qt::FindDirectChildrenOnly);
    return presence && presence->m_skips;
}

// The show event of a showing comes before the window is mapped; Qt adds its
// own states to the ones it finds on the window then. (The desktop's own show
// events, of a window already mapped, change nothing.)
bool BWTaskbarPresence::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && !event->spontaneous() && watched == parent())
        writeUnmappedState(*static_cast<QWidget*>(watched), m_skips);
    return QObject::eventFilter(watched, event);
}

void BWTaskbarPresence::writeUnmappedState(QWidget& window, bool skips)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const auto id = xcb_window_t(window.winId());
    const xcb_atom_t state = atomNamed(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = atomNamed(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE)
        return;
    const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 1024);
    const ReplyPointer<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    std::vector<xcb_atom_t> states;
    if (reply && reply->format == 32) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        states.assign(atoms, atoms + xcb_get_property_value_length(reply.get()) / sizeof(xcb_atom_t));
    }
    std::erase(states, skipTaskbar);
    if (skips)
        states.push_back(skipTaskbar);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32, uint32_t(states.size()),
                        states.data());
    xcb_flush(connection);
}

void BWTaskbarPresence::askWindowManager(QWidget& window, bool skips)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const auto id = xcb_window_t(window.winId());
    const ReplyPointer<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr), &std::free);
    if (!geometry)
        return;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = atomNamed(connection, "_NET_WM_STATE");
    message.data.data32[0] = skips ? AddState : RemoveState;
    message.data.data32[1] = atomNamed(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    message.data.data32[3] = NormalSource;
    xcb_send_event(connection, 0, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}

#include "frame_request.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace {

// A manager that takes the request answers within a few milliseconds. Some
// list it as supported and never answer for a window they do not manage
// yet: they hold up the first window a little, and are not asked again.
constexpr int AnswerWaitMs = 100;
bool managerIgnoresTheRequest = false;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, 1, static_cast<uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The 32-bit values of a property, empty when the window has none.
std::vector<uint32_t> values(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property,
                             xcb_atom_t type, uint32_t most)
{
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, property, type, 0, most), nullptr),
        &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto *first = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    return {first, first + xcb_get_property_value_length(reply.get()) / 4};
}

bool managerTakesTheRequest(xcb_connection_t *connection, xcb_window_t root, xcb_atom_t request)
{
    const xcb_atom_t supported = atom(connection, "_NET_SUPPORTED");
    if (supported == XCB_ATOM_NONE || request == XCB_ATOM_NONE)
        return false;
    for (uint32_t each : values(connection, root, supported, XCB_ATOM_ATOM, 4096))
        if (each == request)
            return true;
    return false;
}

} // namespace

std::optional<QMargins> frameToCome(QWindow *window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection() || managerIgnoresTheRequest)
        return std::nullopt;
    xcb_connection_t *connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    if (extents == XCB_ATOM_NONE || !managerTakesTheRequest(connection, root, request))
        return std::nullopt;

    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);

    // The answer is a property the manager sets on the window: left, right,
    // top, bottom, in the screen's pixels. The window is placed in its own
    // pixels, which a scaled screen makes larger, so the frame is scaled down
    // and rounded as Qt rounds the frame it reports once the window shows.
    QElapsedTimer waited;
    waited.start();
    do {
        const std::vector<uint32_t> told = values(connection, id, extents, XCB_ATOM_CARDINAL, 4);
        if (told.size() == 4)
            return (QMarginsF(told[0], told[2], told[1], told[3]) / window->devicePixelRatio()).toMargins();
        QThread::msleep(2);
    } while (waited.elapsed() < AnswerWaitMs);
    managerIgnoresTheRequest = true;
    return std::nullopt;
}

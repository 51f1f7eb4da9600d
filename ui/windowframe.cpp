// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowframe.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace ui {

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

// Every window of the program gets the same frame, so one already on screen
// tells its size.
std::optional<QMargins> marginsOfShownWindow(const QWidget *except)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w == except || !w->isVisible() || w->windowFlags() & Qt::FramelessWindowHint)
            continue;
        const QRect frame = w->frameGeometry();
        const QRect inner = w->geometry();
        if (frame != inner)
            return QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                            frame.right() - inner.right(), frame.bottom() - inner.bottom());
    }
    return std::nullopt;
}

// Asked for together, so that all of them take one round trip to the server.
template <size_t N>
std::array<xcb_atom_t, N> atoms(xcb_connection_t *c, const std::array<const char *, N> &names)
{
    std::array<xcb_intern_atom_cookie_t, N> cookies{};
    for (size_t i = 0; i < N; ++i)
        cookies[i] = xcb_intern_atom(c, 0, std::strlen(names[i]), names[i]);
    std::array<xcb_atom_t, N> result{};
    for (size_t i = 0; i < N; ++i) {
        const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookies[i], nullptr),
                                                   &std::free);
        result[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    return result;
}

std::optional<QMargins> readFrameExtents(xcb_connection_t *c, xcb_window_t window,
                                         xcb_atom_t extents)
{
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto *v = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
    // The property's order is left, right, top, bottom.
    return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

bool windowManagerSupports(xcb_connection_t *c, xcb_window_t root, xcb_atom_t supported,
                           xcb_atom_t wanted)
{
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, root, supported, XCB_ATOM_ATOM, 0, 1024),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, wanted) != atoms + count;
}

xcb_connection_t *x11Connection()
{
    // The offscreen platform answers to the X11 interface too, without a connection.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    return c && QGuiApplication::platformName() == QLatin1String("xcb") ? c : nullptr;
}

} // namespace

bool askFrameMargins(QWidget *window)
{
    xcb_connection_t *c = x11Connection();
    if (!c || window->windowFlags() & Qt::FramelessWindowHint || marginsOfShownWindow(window))
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const auto [request, supported] = atoms<2>(c, {"_NET_REQUEST_FRAME_EXTENTS", "_NET_SUPPORTED"});
    if (request == XCB_ATOM_NONE || !windowManagerSupports(c, root, supported, request))
        return false;
    // Created only now: some window managers (weston's for XWayland) place a
    // window where it was created and ignore later moves before it maps.
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window->winId());
    message.type = request;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(c);
    return true;
}

QMargins expectedFrameMargins(QWidget *window, bool asked)
{
    if (window->windowFlags() & Qt::FramelessWindowHint)
        return {};
    if (const auto margins = marginsOfShownWindow(window))
        return *margins;
    xcb_connection_t *c = x11Connection();
    if (!asked || !c)
        return {};
    // The answer is a property the window manager sets when it gets round to
    // it; a live one does so within a few milliseconds.
    const auto [extents] = atoms<1>(c, {"_NET_FRAME_EXTENTS"});
    const QDeadlineTimer deadline(200);
    do {
        if (const auto margins = readFrameExtents(c, xcb_window_t(window->winId()), extents))
            return *margins;
        QThread::usleep(250);
    } while (!deadline.hasExpired());
    return {};
}

} // namespace ui

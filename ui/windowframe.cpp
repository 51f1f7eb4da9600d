// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowframe.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace ui {

namespace {

// A live window manager answers within a few milliseconds; a window waits
// for one that does not no longer than this.
constexpr int AnswerDeadlineMs = 20;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

enum Atom { SupportingWmCheck, Supported, RequestFrameExtents, FrameExtents, AtomCount };
using Atoms = std::array<xcb_atom_t, AtomCount>;

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

xcb_connection_t *x11Connection()
{
    // The offscreen platform answers to the X11 interface too, without a connection.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    return c && QGuiApplication::platformName() == QLatin1String("xcb") ? c : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// Asked for together, so that all of them take one round trip to the server.
Atoms internAtoms(xcb_connection_t *c)
{
    static constexpr std::array<const char *, AtomCount> names{
        "_NET_SUPPORTING_WM_CHECK", "_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS",
        "_NET_FRAME_EXTENTS"};
    std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
    for (size_t i = 0; i < names.size(); ++i)
        cookies[i] = xcb_intern_atom(c, 0, std::strlen(names[i]), names[i]);
    Atoms result{};
    for (size_t i = 0; i < names.size(); ++i) {
        const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookies[i], nullptr),
                                                   &std::free);
        result[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    return result;
}

xcb_get_property_cookie_t askProperty(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name,
                                      xcb_atom_t type, uint32_t length)
{
    return xcb_get_property(c, 0, window, name, type, 0, length);
}

// The 32-bit values of a property, none where the window has gone or the
// property is missing. The error of a window gone is taken here, where Qt
// would otherwise print it as a fault of its own.
std::vector<quint32> propertyValues(xcb_connection_t *c, xcb_get_property_cookie_t cookie)
{
    xcb_generic_error_t *error = nullptr;
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, cookie, &error),
                                                &std::free);
    std::free(error);
    if (!reply || reply->format != 32)
        return {};
    const auto *values = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// Whether a window manager runs that takes the question about frames. A
// window manager that has ended, or is still starting, can leave its list
// of what it supports on the root window, so its check window must exist
// and name itself too.
bool answersFrameRequests(xcb_connection_t *c, xcb_window_t root, const Atoms &atoms)
{
    if (atoms[RequestFrameExtents] == XCB_ATOM_NONE)
        return false;
    const auto checkCookie = askProperty(c, root, atoms[SupportingWmCheck], XCB_ATOM_WINDOW, 1);
    const auto supportedCookie = askProperty(c, root, atoms[Supported], XCB_ATOM_ATOM, 1024);
    const std::vector<quint32> check = propertyValues(c, checkCookie);
    const std::vector<quint32> supported = propertyValues(c, supportedCookie);
    if (check.size() != 1 || std::find(supported.begin(), supported.end(),
                                       atoms[RequestFrameExtents]) == supported.end())
        return false;
    return propertyValues(
               c, askProperty(c, check[0], atoms[SupportingWmCheck], XCB_ATOM_WINDOW, 1)) == check;
}

std::optional<QMargins> readFrameExtents(xcb_connection_t *c, xcb_window_t window,
                                         xcb_atom_t extents)
{
    const std::vector<quint32> v =
        propertyValues(c, askProperty(c, window, extents, XCB_ATOM_CARDINAL, 4));
    if (v.size() != 4)
        return std::nullopt;
    // The property's order is left, right, top, bottom.
    return QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

// The question to the window manager about one window, and the wait for its
// answer: a change of the window's _NET_FRAME_EXTENTS, seen as it comes in
// among the program's X events. A child of the window, so it ends with it.
class FrameRequest : public QObject, public QAbstractNativeEventFilter
{
public:
    FrameRequest(QWidget *window, xcb_connection_t *c, const Atoms &atoms,
                 std::function<void(QMargins)> told)
        : QObject(window)
        , m_connection(c)
        , m_window(xcb_window_t(window->winId()))
        , m_extents(atoms[FrameExtents])
        , m_told(std::move(told))
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = m_window;
        message.type = atoms[RequestFrameExtents];
        xcb_send_event(c, 0, rootWindow(c),
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&message));
        xcb_flush(c);
        QTimer::singleShot(AnswerDeadlineMs, this, [this] {
            if (!m_answered)
                m_told(QMargins());
        });
    }

    ~FrameRequest() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (m_answered || eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto *change = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if (change->window != m_window || change->atom != m_extents ||
            change->state != XCB_PROPERTY_NEW_VALUE)
            return false;
        if (const auto frame = readFrameExtents(m_connection, m_window, m_extents)) {
            m_answered = true;
            // Told from the event loop, not from inside Qt's handling of X events.
            QTimer::singleShot(0, this, [this, frame = *frame] {
                m_told(frame);
                deleteLater();
            });
        }
        // Qt learns the frame from the same event.
        return false;
    }

private:
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_window = 0;
    xcb_atom_t m_extents = XCB_ATOM_NONE;
    std::function<void(QMargins)> m_told;
    bool m_answered = false;
};

} // namespace

void learnFrameMargins(QWidget *window, std::function<void(QMargins)> told)
{
    if (window->windowFlags() & Qt::FramelessWindowHint) {
        told(QMargins());
        return;
    }
    if (const auto margins = marginsOfShownWindow(window)) {
        told(*margins);
        return;
    }
    xcb_connection_t *c = x11Connection();
    const Atoms atoms = c ? internAtoms(c) : Atoms{};
    if (!c || !answersFrameRequests(c, rootWindow(c), atoms)) {
        told(QMargins());
        return;
    }
    new FrameRequest(window, c, atoms, std::move(told));
}

} // namespace ui

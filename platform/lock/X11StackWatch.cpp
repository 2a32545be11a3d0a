// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lock/X11StackWatch.h"

#include "platform/Log.h"
#include "platform/lock/X11Connection.h"
#include "platform/lock/X11Stacking.h"

#include <QByteArray>

#include <algorithm>

namespace {

XcbReply<xcb_query_tree_reply_t> QueryTree(xcb_connection_t* connection, xcb_window_t window)
{
    return XcbReply<xcb_query_tree_reply_t>(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
}

// The focus leaving for a window inside the play's, or following the pointer
// within it, undoes nothing.
bool FocusLeftPlay(const xcb_focus_out_event_t& event)
{
    return event.detail != XCB_NOTIFY_DETAIL_INFERIOR && event.detail != XCB_NOTIFY_DETAIL_POINTER;
}

} // namespace

X11StackWatch::X11StackWatch() : m_connection(X11Connection())
{
    if (m_connection)
        qGuiApp->installNativeEventFilter(this);
}

X11StackWatch::~X11StackWatch()
{
    Stop();
    if (m_connection && qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

void X11StackWatch::Watch(QWindow* play, const std::vector<QPointer<QWindow>>& covers)
{
    m_windows = {play};
    m_windows.insert(m_windows.end(), covers.begin(), covers.end());
    m_ids.clear();
    for (const QWindow* window : m_windows) {
        if (window)
            m_ids.push_back(static_cast<std::uint32_t>(window->winId()));
    }
    m_frames.clear();
    SelectRootEvents(true);
}

void X11StackWatch::Stop()
{
    SelectRootEvents(false);
    m_windows.clear();
    m_ids.clear();
    m_frames.clear();
}

// Top-level windows tell of their changes to whom selects SubstructureNotify
// on the root. The program's own selection there is kept, and put back
// afterwards: the program hears of other windows only during a play.
void X11StackWatch::SelectRootEvents(bool watch)
{
    if (!m_connection || m_ids.empty() || watch == m_rootMaskBefore.has_value())
        return;
    if (!watch) {
        const std::uint32_t mask = *m_rootMaskBefore;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
        m_rootMaskBefore.reset();
        return;
    }
    const auto tree = QueryTree(m_connection, m_ids.front());
    if (!tree)
        return;
    m_root = tree->root;
    const XcbReply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
        m_connection, xcb_get_window_attributes(m_connection, m_root), nullptr));
    if (!attributes)
        return;
    m_rootMaskBefore = attributes->your_event_mask;
    const std::uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
}

std::uint32_t X11StackWatch::PlayId() const
{
    return !m_windows.empty() && m_windows.front() && !m_ids.empty() ? m_ids.front() : 0;
}

bool X11StackWatch::IsOurs(std::uint32_t id) const
{
    return std::ranges::find(m_frames, id) != m_frames.end() ||
           std::ranges::find(m_ids, id) != m_ids.end();
}

// Each window is followed up to the root's child that holds it, its window
// manager's frame or itself; the windows' parents are asked for together.
const std::vector<std::uint32_t>& X11StackWatch::Frames()
{
    if (!m_frames.empty() || !m_root)
        return m_frames;
    std::vector<std::uint32_t> reached = m_ids;
    while (!reached.empty()) {
        std::vector<xcb_query_tree_cookie_t> cookies;
        for (const std::uint32_t id : reached)
            cookies.push_back(xcb_query_tree(m_connection, id));
        std::vector<std::uint32_t> next;
        for (std::size_t i = 0; i < cookies.size(); ++i) {
            const XcbReply<xcb_query_tree_reply_t> tree(
                xcb_query_tree_reply(m_connection, cookies[i], nullptr));
            if (!tree)
                continue;
            if (tree->parent == m_root || tree->parent == XCB_NONE)
                m_frames.push_back(reached[i]);
            else
                next.push_back(tree->parent);
        }
        reached = std::move(next);
    }
    return m_frames;
}

X11StackWatch::Cover X11StackWatch::Uncover()
{
    if (!m_connection || !m_root)
        return {};
    const std::vector<std::uint32_t>& ours = Frames();
    const auto tree = QueryTree(m_connection, m_root);
    if (!tree || ours.empty())
        return {};
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    const auto lowest = std::find_if(children, children + count, [&](xcb_window_t child) {
        return std::ranges::find(ours, child) != ours.end();
    });
    // Only the windows from the lowest of ours up can cover it.
    struct Asked
    {
        xcb_window_t id;
        xcb_get_window_attributes_cookie_t attributes;
        xcb_get_geometry_cookie_t geometry;
    };
    std::vector<Asked> asked;
    for (const xcb_window_t* child = lowest; child != children + count; ++child) {
        asked.push_back({*child, xcb_get_window_attributes(m_connection, *child),
                         xcb_get_geometry(m_connection, *child)});
    }
    std::vector<StackedWindow> stack;
    for (const Asked& window : asked) {
        const XcbReply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(m_connection, window.attributes, nullptr));
        const XcbReply<xcb_get_geometry_reply_t> geometry(
            xcb_get_geometry_reply(m_connection, window.geometry, nullptr));
        if (!attributes || !geometry)
            continue;
        const int border = geometry->border_width;
        stack.push_back({window.id,
                         QRect(geometry->x, geometry->y, geometry->width + 2 * border,
                               geometry->height + 2 * border),
                         attributes->map_state == XCB_MAP_STATE_VIEWABLE &&
                             attributes->_class == XCB_WINDOW_CLASS_INPUT_OUTPUT,
                         attributes->override_redirect != 0});
    }
    Cover cover;
    for (const StackedWindow& window : WindowsOverOurs(stack, ours)) {
        qCDebug(lcLock, "window 0x%x is over the play%s", window.id,
                window.placesItself ? ", put below it" : "");
        cover.found = true;
        cover.managed |= !window.placesItself;
        // Out of sight at the bottom of the stack. A window manager that
        // restacks its own windows under it again (metacity) keeps it above.
        if (window.placesItself) {
            const std::uint32_t bottom = XCB_STACK_MODE_BELOW;
            xcb_configure_window(m_connection, window.id, XCB_CONFIG_WINDOW_STACK_MODE, &bottom);
        }
    }
    xcb_flush(m_connection);
    return cover;
}

bool X11StackWatch::PlayHasFocus() const
{
    if (!m_connection)
        return !m_windows.empty() && QGuiApplication::focusWindow() == m_windows.front();
    const XcbReply<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    return focus && PlayId() && focus->focus == PlayId();
}

bool X11StackWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (m_ids.empty() || eventType != QByteArrayLiteral("xcb_generic_event_t"))
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & ~0x80) {
    case XCB_FOCUS_OUT: {
        const auto& focus = *reinterpret_cast<const xcb_focus_out_event_t*>(event);
        if (focus.event == PlayId() && FocusLeftPlay(focus))
            emit disturbed();
        break;
    }
    case XCB_MAP_NOTIFY: {
        const auto& map = *reinterpret_cast<const xcb_map_notify_event_t*>(event);
        if (map.event == m_root && !IsOurs(map.window))
            emit disturbed();
        break;
    }
    case XCB_CONFIGURE_NOTIFY: {
        const auto& configure = *reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        if (configure.event == m_root && !IsOurs(configure.window))
            emit disturbed();
        break;
    }
    case XCB_CIRCULATE_NOTIFY: {
        const auto& circulate = *reinterpret_cast<const xcb_circulate_notify_event_t*>(event);
        if (circulate.event == m_root)
            emit disturbed();
        break;
    }
    case XCB_REPARENT_NOTIFY: {
        const auto& reparent = *reinterpret_cast<const xcb_reparent_notify_event_t*>(event);
        if (std::ranges::find(m_ids, reparent.window) != m_ids.end()) {
            m_frames.clear();
            emit disturbed();
        }
        break;
    }
    default:
        break;
    }
    return false;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lock/X11WindowGroup.h"

#include "platform/lock/X11Connection.h"

#include <QWindow>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace {

// WM_HINTS as the ICCCM lays it out: nine 32-bit fields.
constexpr std::size_t kHintFields = 9;
constexpr std::size_t kWindowGroupField = 8;
constexpr std::uint32_t kWindowGroupHint = 1u << 6;

} // namespace

void JoinWindowGroup(QWindow& window, const QWindow& leader)
{
    xcb_connection_t* const connection = X11Connection();
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());

    // The hints Qt wrote stay; only the group changes.
    std::array<std::uint32_t, kHintFields> hints{};
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, kHintFields);
    const XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, cookie, nullptr));
    if (reply && reply->format == 32) {
        const int length = xcb_get_property_value_length(reply.get());
        std::memcpy(hints.data(), xcb_get_property_value(reply.get()),
                    std::min<std::size_t>(static_cast<std::size_t>(length), sizeof hints));
    }
    hints[0] |= kWindowGroupHint;
    hints[kWindowGroupField] = static_cast<std::uint32_t>(leader.winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS,
                        32, kHintFields, hints.data());
    xcb_flush(connection);
}

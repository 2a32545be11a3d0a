// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointer>
#include <QWindow>

#include <cstdint>
#include <optional>
#include <vector>

struct xcb_connection_t;

// Tells when the play's hold on an X11 desktop may have been undone, from the
// X server's events rather than by looking again and again: the play window
// lost the focus (to another window, or to another client's grab), or another
// top-level window was mapped, moved or restacked, a window manager's frame
// or a window of its own such as a menu or a notification. Then says from the
// server whether another window lies over the play's windows and whether the
// play has the focus. Inert without an X server.
class X11StackWatch final : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    X11StackWatch();
    ~X11StackWatch() override;

    // Watches the play window and the covers, until Stop.
    void Watch(QWindow* play, const std::vector<QPointer<QWindow>>& covers);
    void Stop();

    bool OnX11() const { return m_connection != nullptr; }
    // Looks whether other clients' windows lie over the play's. Those that
    // place themselves (menus, notifications), which no window manager
    // restacks, are put below the play's at once; says whether a managed one
    // lies over them still, for which the play's windows are to be raised.
    // Says whether it found either.
    struct Cover
    {
        bool found = false;
        bool managed = false;
    };
    Cover Uncover();
    // The X server's keyboard focus is on the play window.
    bool PlayHasFocus() const;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    void disturbed();

private:
    std::uint32_t PlayId() const;
    const std::vector<std::uint32_t>& Frames();
    bool IsOurs(std::uint32_t id) const;
    void SelectRootEvents(bool watch);

    xcb_connection_t* const m_connection;
    std::vector<QPointer<QWindow>> m_windows; // the play first
    std::vector<std::uint32_t> m_ids;
    // The root's children that hold them, found again when one is reparented.
    std::vector<std::uint32_t> m_frames;
    std::uint32_t m_root = 0;
    std::optional<std::uint32_t> m_rootMaskBefore;
};

#pragma once

#include "platform/lock/InhibitorRequests.h"

#include <map>

// Which windows of the play have asked the compositor to keep its shortcuts
// away, and which of them it grants. A window gets a new surface each time it
// is shown, so it asks again whenever its surface changes, and never twice for
// one surface (the compositor treats that as a protocol error). An inhibitor
// counts only while its window has the keyboard, and the compositor says
// nothing when a window loses the keyboard: a granted inhibitor of another
// window tells nothing about the window that has it.
class ShortcutsInhibitors
{
public:
    explicit ShortcutsInhibitors(InhibitorRequests& requests) : m_requests(requests) {}
    ~ShortcutsInhibitors() { Clear(); }
    ShortcutsInhibitors(const ShortcutsInhibitors&) = delete;
    ShortcutsInhibitors& operator=(const ShortcutsInhibitors&) = delete;

    // `window` shows `surface` now.
    void SurfaceShown(const void* window, void* surface);
    // `window` is hidden or no longer part of the play: its surface is gone.
    void SurfaceGone(const void* window);
    void Clear();

    // The compositor's word on one of our inhibitors; others are ignored.
    void SetActive(InhibitorRequests::Inhibitor inhibitor, bool active);
    // True while the compositor grants the inhibitor of `window`.
    bool IsActive(const void* window) const;

private:
    struct Entry
    {
        void* surface = nullptr;
        InhibitorRequests::Inhibitor inhibitor = nullptr;
        bool active = false;
    };

    InhibitorRequests& m_requests;
    std::map<const void*, Entry> m_windows;
};

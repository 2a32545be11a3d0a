#pragma once

#include <map>

// The compositor's side of keeping its own shortcuts away from a surface, as
// the lock sees it: one inhibitor per surface, asked for and destroyed by the
// client, reported active or inactive by the compositor.
class InhibitorRequests
{
public:
    using Inhibitor = void*;

    virtual ~InhibitorRequests() = default;
    // The compositor offers inhibitors at all.
    virtual bool Available() const = 0;
    // Asks for an inhibitor for `surface`; null when none can be asked for.
    virtual Inhibitor Inhibit(void* surface) = 0;
    virtual void Destroy(Inhibitor inhibitor) = 0;
};

// Which windows of the play have asked the compositor to keep its shortcuts
// away, and whether it grants any of them. A window gets a new surface each
// time it is shown, so it asks again whenever its surface changes, and never
// twice for one surface (the compositor treats that as a protocol error).
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
    // True while at least one inhibitor is granted.
    bool AnyActive() const;

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

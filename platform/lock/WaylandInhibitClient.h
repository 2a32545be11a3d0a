// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/lock/ShortcutsInhibitors.h"

#include <cstdint>
#include <functional>
#include <memory>

struct wl_display;
struct wl_event_queue;
struct wl_registry;
struct wl_seat;
struct zwp_keyboard_shortcuts_inhibit_manager_v1;
struct zwp_keyboard_shortcuts_inhibitor_v1;

// The keyboard-shortcuts-inhibit protocol spoken on Qt's own Wayland
// connection. The manager and a seat are bound once, on an event queue of our
// own, so that nothing here runs inside Qt's dispatching; the compositor's
// answers are delivered by DispatchPending.
class WaylandInhibitClient final : public InhibitorRequests
{
public:
    using ActiveChanged = std::function<void(Inhibitor inhibitor, bool active)>;

    // `display` is Qt's connection; null leaves the client unavailable.
    WaylandInhibitClient(wl_display* display, ActiveChanged onActiveChanged);
    ~WaylandInhibitClient() override;
    WaylandInhibitClient(const WaylandInhibitClient&) = delete;
    WaylandInhibitClient& operator=(const WaylandInhibitClient&) = delete;

    bool Available() const override { return m_manager && m_seat; }
    Inhibitor Inhibit(void* surface) override;
    void Destroy(Inhibitor inhibitor) override;

    // Runs the handlers of the events the compositor has sent so far.
    void DispatchPending();

private:
    template <typename T> struct Destroyer
    {
        void operator()(T* object) const;
    };
    template <typename T> using Owned = std::unique_ptr<T, Destroyer<T>>;

    static void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
                         uint32_t version);
    static void OnGlobalRemove(void* data, wl_registry* registry, uint32_t name);
    static void OnActive(void* data, zwp_keyboard_shortcuts_inhibitor_v1* inhibitor);
    static void OnInactive(void* data, zwp_keyboard_shortcuts_inhibitor_v1* inhibitor);

    wl_display* const m_display;
    const ActiveChanged m_onActiveChanged;
    // Declared in the order of their making: destroyed the other way round.
    Owned<wl_event_queue> m_queue;
    Owned<wl_display> m_queuedDisplay; // a wrapper of the display on our queue
    Owned<wl_registry> m_registry;
    Owned<zwp_keyboard_shortcuts_inhibit_manager_v1> m_manager;
    Owned<wl_seat> m_seat;
};

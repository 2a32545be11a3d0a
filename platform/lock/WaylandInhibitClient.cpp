// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lock/WaylandInhibitClient.h"

#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <cstring>

template <>
void WaylandInhibitClient::Destroyer<wl_event_queue>::operator()(wl_event_queue* queue) const
{
    wl_event_queue_destroy(queue);
}

template <> void WaylandInhibitClient::Destroyer<wl_display>::operator()(wl_display* wrapper) const
{
    wl_proxy_wrapper_destroy(wrapper);
}

template <>
void WaylandInhibitClient::Destroyer<wl_registry>::operator()(wl_registry* registry) const
{
    wl_registry_destroy(registry);
}

template <>
void WaylandInhibitClient::Destroyer<zwp_keyboard_shortcuts_inhibit_manager_v1>::operator()(
    zwp_keyboard_shortcuts_inhibit_manager_v1* manager) const
{
    zwp_keyboard_shortcuts_inhibit_manager_v1_destroy(manager);
}

template <> void WaylandInhibitClient::Destroyer<wl_seat>::operator()(wl_seat* seat) const
{
    wl_seat_destroy(seat);
}

WaylandInhibitClient::WaylandInhibitClient(wl_display* display, ActiveChanged onActiveChanged)
    : m_display(display), m_onActiveChanged(std::move(onActiveChanged))
{
    if (!display)
        return;
    static const wl_registry_listener registryListener = {.global = &OnGlobal,
                                                          .global_remove = &OnGlobalRemove};
    m_queue.reset(wl_display_create_queue(display));
    m_queuedDisplay.reset(static_cast<wl_display*>(wl_proxy_create_wrapper(display)));
    if (!m_queue || !m_queuedDisplay)
        return;
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(m_queuedDisplay.get()), m_queue.get());
    m_registry.reset(wl_display_get_registry(m_queuedDisplay.get()));
    if (!m_registry)
        return;
    wl_registry_add_listener(m_registry.get(), &registryListener, this);
    // One round trip brings every global the compositor has.
    wl_display_roundtrip_queue(display, m_queue.get());
}

// The requests that destroy the bound objects are sent before the queue goes.
WaylandInhibitClient::~WaylandInhibitClient()
{
    m_seat.reset();
    m_manager.reset();
    m_registry.reset();
    if (m_display)
        wl_display_flush(m_display);
}

void WaylandInhibitClient::OnGlobal(void* data, wl_registry* registry, uint32_t name,
                                    const char* interface, uint32_t)
{
    auto& client = *static_cast<WaylandInhibitClient*>(data);
    if (std::strcmp(interface, zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name) == 0 &&
        !client.m_manager) {
        client.m_manager.reset(
            static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(wl_registry_bind(
                registry, name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1)));
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && !client.m_seat) {
        client.m_seat.reset(
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1)));
    }
}

void WaylandInhibitClient::OnGlobalRemove(void*, wl_registry*, uint32_t) {}

void WaylandInhibitClient::OnActive(void* data, zwp_keyboard_shortcuts_inhibitor_v1* inhibitor)
{
    static_cast<WaylandInhibitClient*>(data)->m_onActiveChanged(inhibitor, true);
}

void WaylandInhibitClient::OnInactive(void* data, zwp_keyboard_shortcuts_inhibitor_v1* inhibitor)
{
    static_cast<WaylandInhibitClient*>(data)->m_onActiveChanged(inhibitor, false);
}

InhibitorRequests::Inhibitor WaylandInhibitClient::Inhibit(void* surface)
{
    if (!Available())
        return nullptr;
    static const zwp_keyboard_shortcuts_inhibitor_v1_listener listener = {.active = &OnActive,
                                                                          .inactive = &OnInactive};
    zwp_keyboard_shortcuts_inhibitor_v1* inhibitor =
        zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(
            m_manager.get(), static_cast<wl_surface*>(surface), m_seat.get());
    if (!inhibitor)
        return nullptr;
    zwp_keyboard_shortcuts_inhibitor_v1_add_listener(inhibitor, &listener, this);
    wl_display_flush(m_display);
    return inhibitor;
}

void WaylandInhibitClient::Destroy(Inhibitor inhibitor)
{
    zwp_keyboard_shortcuts_inhibitor_v1_destroy(
        static_cast<zwp_keyboard_shortcuts_inhibitor_v1*>(inhibitor));
    wl_display_flush(m_display);
}

void WaylandInhibitClient::DispatchPending()
{
    if (m_queue)
        wl_display_dispatch_queue_pending(m_display, m_queue.get());
}

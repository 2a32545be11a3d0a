#include "platform/lock/ShortcutsInhibitors.h"

void ShortcutsInhibitors::SurfaceShown(const void* window, void* surface)
{
    if (!surface || !m_requests.Available())
        return;
    auto found = m_windows.find(window);
    if (found != m_windows.end()) {
        if (found->second.surface == surface)
            return;
        SurfaceGone(window);
    }
    if (InhibitorRequests::Inhibitor inhibitor = m_requests.Inhibit(surface))
        m_windows[window] = {surface, inhibitor, false};
}

void ShortcutsInhibitors::SurfaceGone(const void* window)
{
    const auto found = m_windows.find(window);
    if (found == m_windows.end())
        return;
    m_requests.Destroy(found->second.inhibitor);
    m_windows.erase(found);
}

void ShortcutsInhibitors::Clear()
{
    for (const auto& [window, entry] : m_windows)
        m_requests.Destroy(entry.inhibitor);
    m_windows.clear();
}

void ShortcutsInhibitors::SetActive(InhibitorRequests::Inhibitor inhibitor, bool active)
{
    for (auto& [window, entry] : m_windows) {
        if (entry.inhibitor == inhibitor)
            entry.active = active;
    }
}

bool ShortcutsInhibitors::IsActive(const void* window) const
{
    const auto found = m_windows.find(window);
    return found != m_windows.end() && found->second.active;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lock/ShortcutsInhibitors.h"

#include <algorithm>

void ShortcutsInhibitors::SurfaceShown(const void* window, void* surface, Part part)
{
    if (!surface || !m_requests.Available())
        return;
    const auto found = m_windows.find(window);
    if (found != m_windows.end()) {
        if (found->second.surface == surface)
            return;
        SurfaceGone(window);
    }
    const bool coversMayAsk = std::ranges::any_of(
        m_windows, [](const auto& item) { return CoversMayAskAfter(item.second); });
    Entry& entry = m_windows[window] = {.part = part, .surface = surface};
    if (part != Part::Cover || coversMayAsk) {
        Ask(entry);
        if (!entry.inhibitor)
            m_windows.erase(window);
    }
}

// A question may open before any window of the program had the keyboard.
void ShortcutsInhibitors::Ask(Entry& entry)
{
    entry.inhibitor = m_requests.Inhibit(entry.surface);
    entry.questionSeen = !m_keyboard;
}

// A compositor that granted the play window without a question knows the
// answer for the covers too; one that asked its user first asks for every
// window, so the covers do without (the lock hands the keyboard from a cover
// back to the play).
bool ShortcutsInhibitors::CoversMayAskAfter(const Entry& entry)
{
    return entry.part == Part::Play && entry.word == Word::Granted && !entry.questionSeen;
}

void ShortcutsInhibitors::AskForWaitingCovers()
{
    for (auto& [window, entry] : m_windows) {
        if (entry.part == Part::Cover && !entry.inhibitor)
            Ask(entry);
    }
}

void ShortcutsInhibitors::SurfaceGone(const void* window)
{
    const auto found = m_windows.find(window);
    if (found == m_windows.end())
        return;
    if (found->second.inhibitor)
        m_requests.Destroy(found->second.inhibitor);
    m_windows.erase(found);
}

void ShortcutsInhibitors::Clear()
{
    for (const auto& [window, entry] : m_windows) {
        if (entry.inhibitor)
            m_requests.Destroy(entry.inhibitor);
    }
    m_windows.clear();
}

void ShortcutsInhibitors::SetActive(InhibitorRequests::Inhibitor inhibitor, bool active)
{
    const auto found = std::ranges::find_if(
        m_windows, [inhibitor](const auto& item) { return item.second.inhibitor == inhibitor; });
    if (!inhibitor || found == m_windows.end())
        return;
    Entry& entry = found->second;
    if (active)
        entry.word = Word::Granted;
    else if (entry.word == Word::Granted || entry.word == Word::TakenBack)
        entry.word = Word::TakenBack;
    else
        entry.word = Word::Refused;
    if (CoversMayAskAfter(entry))
        AskForWaitingCovers();
}

void ShortcutsInhibitors::KeyboardTo(const void* window)
{
    m_keyboard = window;
    if (window)
        return;
    for (auto& [other, entry] : m_windows) {
        if (Waits(entry))
            entry.questionSeen = true;
    }
}

const ShortcutsInhibitors::Entry* ShortcutsInhibitors::Find(const void* window) const
{
    const auto found = m_windows.find(window);
    return found == m_windows.end() ? nullptr : &found->second;
}

bool ShortcutsInhibitors::IsActive(const void* window) const
{
    return WordOn(window) == Word::Granted;
}

ShortcutsInhibitors::Word ShortcutsInhibitors::WordOn(const void* window) const
{
    const Entry* entry = Find(window);
    return entry ? entry->word : Word::None;
}

bool ShortcutsInhibitors::QuestionSeen(const void* window) const
{
    const Entry* entry = Find(window);
    return entry && entry->questionSeen;
}

bool ShortcutsInhibitors::MayBeAsking() const
{
    return !m_keyboard &&
           std::ranges::any_of(m_windows, [this](const auto& item) { return Waits(item.second); });
}

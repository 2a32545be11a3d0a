// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/SoundCache.h"

SoundCache::SoundCache(qsizetype capacityBytes) : m_capacity(capacityBytes) {}

std::optional<QByteArray> SoundCache::Find(const std::string& path)
{
    const auto found = m_byPath.find(path);
    if (found == m_byPath.end())
        return std::nullopt;
    m_entries.splice(m_entries.begin(), m_entries, found->second);
    return found->second->sound;
}

void SoundCache::Insert(const std::string& path, const QByteArray& sound)
{
    if (const auto found = m_byPath.find(path); found != m_byPath.end())
        Erase(found->second);
    if (sound.size() > m_capacity)
        return;
    while (m_bytes + sound.size() > m_capacity)
        Erase(std::prev(m_entries.end()));
    m_entries.push_front({path, sound});
    m_byPath[path] = m_entries.begin();
    m_bytes += sound.size();
}

void SoundCache::Clear()
{
    m_entries.clear();
    m_byPath.clear();
    m_bytes = 0;
}

void SoundCache::Erase(std::list<Entry>::iterator entry)
{
    m_bytes -= entry->sound.size();
    m_byPath.erase(entry->path);
    m_entries.erase(entry);
}

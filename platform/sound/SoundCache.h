// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <list>
#include <optional>
#include <string>
#include <unordered_map>

// Sounds ready for the device, by path, within a bound on their total size;
// the sound used least recently goes first.
class SoundCache
{
public:
    explicit SoundCache(qsizetype capacityBytes);

    // The sound kept for path, now the most recently used; none if absent.
    std::optional<QByteArray> Find(const std::string& path);
    // Keeps the sound of path, replacing one kept before. A sound larger than
    // the whole capacity is not kept.
    void Insert(const std::string& path, const QByteArray& sound);
    void Clear();

    qsizetype Bytes() const { return m_bytes; }
    qsizetype Capacity() const { return m_capacity; }

private:
    struct Entry
    {
        std::string path;
        QByteArray sound;
    };
    void Erase(std::list<Entry>::iterator entry);

    qsizetype m_capacity;
    qsizetype m_bytes = 0;
    std::list<Entry> m_entries; // most recently used first
    std::unordered_map<std::string, std::list<Entry>::iterator> m_byPath;
};

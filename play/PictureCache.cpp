// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/PictureCache.h"

namespace {

// What an entry costs beside its pixels: the key, the version, the nodes.
constexpr qint64 kEntryOverheadBytes = 256;

qint64 BytesOf(const CachedPictureKey& key, const ScreenPicture& picture)
{
    const qint64 pixels = picture ? picture->HeldBytes() : 0;
    return pixels + qint64(key.path.size()) + kEntryOverheadBytes;
}

} // namespace

PictureCache::PictureCache(qint64 budgetBytes) : m_budgetBytes(budgetBytes) {}

ScreenPicture PictureCache::Get(const CachedPictureKey& key, const std::string& version,
                                const Decoder& decode)
{
    {
        std::unique_lock hold(m_lock);
        m_decoded.wait(hold, [&] {
            const auto underWay = m_decoding.find(key);
            return underWay == m_decoding.end() || underWay->second != version;
        });
        const auto found = m_entries.find(key);
        if (found != m_entries.end() && found->second.version == version) {
            m_uses.splice(m_uses.begin(), m_uses, found->second.use);
            return found->second.picture;
        }
        m_decoding.insert_or_assign(key, version);
    }
    ScreenPicture picture;
    try {
        picture = decode();
    } catch (...) {
        const std::scoped_lock hold(m_lock);
        m_decoding.erase(key);
        m_decoded.notify_all();
        throw;
    }
    const std::scoped_lock hold(m_lock);
    m_decoding.erase(key);
    InsertLocked(key, version, picture);
    m_decoded.notify_all();
    return picture;
}

void PictureCache::InsertLocked(const CachedPictureKey& key, const std::string& version,
                                ScreenPicture picture)
{
    if (const auto old = m_entries.find(key); old != m_entries.end())
        EraseLocked(old);
    const qint64 bytes = BytesOf(key, picture);
    if (bytes > m_budgetBytes)
        return; // shown once, never held
    while (m_heldBytes + bytes > m_budgetBytes)
        EraseLocked(m_entries.find(m_uses.back()));
    m_uses.push_front(key);
    m_entries.emplace(key, Entry{version, std::move(picture), bytes, m_uses.begin()});
    m_heldBytes += bytes;
}

void PictureCache::EraseLocked(std::map<CachedPictureKey, Entry>::iterator entry)
{
    m_heldBytes -= entry->second.bytes;
    m_uses.erase(entry->second.use);
    m_entries.erase(entry);
}

void PictureCache::Clear()
{
    const std::scoped_lock hold(m_lock);
    m_entries.clear();
    m_uses.clear();
    m_heldBytes = 0;
}

qint64 PictureCache::HeldBytes() const
{
    const std::scoped_lock hold(m_lock);
    return m_heldBytes;
}

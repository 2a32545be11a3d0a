// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/PictureImage.h"

#include <QSize>

#include <condition_variable>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>

// What a screen-ready picture was made for: its file, the screen it is cut
// to and whether its transparency was worked out.
struct CachedPictureKey
{
    std::string path;
    QSize screen;
    bool cutToDisplay = false;

    auto operator<=>(const CachedPictureKey& other) const
    {
        return std::tuple(path, screen.width(), screen.height(), cutToDisplay) <=>
               std::tuple(other.path, other.screen.width(), other.screen.height(),
                          other.cutToDisplay);
    }
    bool operator==(const CachedPictureKey&) const = default;
};

using ScreenPicture = std::shared_ptr<const CPictureImage>;

// The pictures of a play ready for the screen, so that a picture shown once is
// not decoded again. It holds at most its budget of decoded bytes, letting the
// least recently used go first; a picture that cannot be shown is kept as
// such. Shared by the workers: a picture two of them want is decoded once.
class PictureCache
{
public:
    using Decoder = std::function<ScreenPicture()>;

    explicit PictureCache(qint64 budgetBytes);

    // The picture for `key` as read from the file at `version`; made by
    // `decode` when it is not held (null: it cannot be shown). A caller that
    // asks for a picture another is decoding waits for it.
    ScreenPicture Get(const CachedPictureKey& key, const std::string& version,
                      const Decoder& decode);
    void Clear();
    qint64 HeldBytes() const;
    qint64 BudgetBytes() const { return m_budgetBytes; }

private:
    struct Entry
    {
        std::string version;
        ScreenPicture picture;
        qint64 bytes = 0;
        std::list<CachedPictureKey>::iterator use; // place in m_uses
    };

    void InsertLocked(const CachedPictureKey& key, const std::string& version,
                      ScreenPicture picture);
    void EraseLocked(std::map<CachedPictureKey, Entry>::iterator entry);

    const qint64 m_budgetBytes;
    mutable std::mutex m_lock;
    std::condition_variable m_decoded;
    std::map<CachedPictureKey, Entry> m_entries;
    std::list<CachedPictureKey> m_uses;                 // most recently used first
    std::map<CachedPictureKey, std::string> m_decoding; // key -> version under way
    qint64 m_heldBytes = 0;
};

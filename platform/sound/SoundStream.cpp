// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound/SoundStream.h"

#include <algorithm>
#include <cstring>

SoundStream::SoundStream(qsizetype aheadBytes) : m_aheadBytes(aheadBytes) {}

std::shared_ptr<SoundStream> SoundStream::Whole(const QByteArray& sound)
{
    auto stream = std::make_shared<SoundStream>(sound.size());
    stream->Append(sound, {});
    stream->Finish();
    return stream;
}

bool SoundStream::Append(const QByteArray& piece, std::stop_token stop)
{
    {
        std::unique_lock lock(m_mutex);
        m_room.wait(lock, stop, [this] { return m_abandoned || m_unread <= m_aheadBytes; });
        if (m_abandoned || stop.stop_requested())
            return false;
        if (!piece.isEmpty()) {
            m_pieces.push_back(piece);
            m_unread += piece.size();
        }
    }
    NotifyListener();
    return true;
}

void SoundStream::Finish()
{
    {
        const std::lock_guard lock(m_mutex);
        m_finished = true;
    }
    NotifyListener();
}

void SoundStream::SetDataListener(std::function<void()> listener)
{
    const std::lock_guard lock(m_mutex);
    m_listener = std::move(listener);
}

qsizetype SoundStream::Read(char* data, qsizetype maxBytes)
{
    qsizetype copied = 0;
    {
        const std::lock_guard lock(m_mutex);
        while (copied < maxBytes && !m_pieces.empty()) {
            const QByteArray& front = m_pieces.front();
            const qsizetype count = std::min(maxBytes - copied, front.size() - m_readInFront);
            std::memcpy(data + copied, front.constData() + m_readInFront, count);
            copied += count;
            m_readInFront += count;
            if (m_readInFront == front.size()) {
                m_pieces.pop_front();
                m_readInFront = 0;
            }
        }
        m_unread -= copied;
    }
    if (copied > 0)
        m_room.notify_all();
    return copied;
}

bool SoundStream::AtEnd() const
{
    const std::lock_guard lock(m_mutex);
    return m_finished && m_unread == 0;
}

void SoundStream::Abandon()
{
    {
        const std::lock_guard lock(m_mutex);
        m_abandoned = true;
        m_pieces.clear();
        m_unread = 0;
        m_readInFront = 0;
        m_listener = nullptr;
    }
    m_room.notify_all();
}

qsizetype SoundStream::UnreadBytes() const
{
    const std::lock_guard lock(m_mutex);
    return m_unread;
}

void SoundStream::NotifyListener()
{
    std::function<void()> listener;
    {
        const std::lock_guard lock(m_mutex);
        listener = m_listener;
    }
    if (listener)
        listener();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>

// The bytes of one sound on their way from its decoder to the sound output:
// the decoder appends pieces on its thread, the output reads them on its own
// without ever waiting. The decoder waits while more than a bound of bytes is
// unread, so a long sound holds only a few seconds of audio at a time.
//
// Threads: Append and Finish run on the decoder's thread (for Whole, on its
// maker's, before the output has the stream); Read, AtEnd, Abandon and
// SetDataListener are the output's, one thread at a time (PulseSoundOutput's
// loop lock). m_mutex guards every member below it. The listener is called on the
// decoder's thread from a copy taken under the mutex and called outside it,
// so that it may take the output's lock, whose holders call into the stream
// (the output's lock comes first, then the stream's, never the other way).
// A copy may thus run after Abandon or SetDataListener replaced it: what the
// listener calls must outlive the decoder, which SoundPlayer ensures by
// joining its decoders before its output goes.
class SoundStream
{
public:
    // A stream its decoder fills, holding at most aheadBytes unread (and one
    // piece beyond, so any piece gets in).
    explicit SoundStream(qsizetype aheadBytes);
    // A stream of one whole sound, ready at once.
    static std::shared_ptr<SoundStream> Whole(const QByteArray& sound);

    // Decoder side. Append waits for room; false when the output abandoned
    // the stream or stop was requested, and the decoder should give up.
    bool Append(const QByteArray& piece, std::stop_token stop);
    void Finish();
    // Called on the decoder's thread after each piece and at the finish, so
    // an output that found nothing to read hears that there is.
    void SetDataListener(std::function<void()> listener);

    // Output side; neither waits.
    qsizetype Read(char* data, qsizetype maxBytes);
    // Finished and read to the end.
    bool AtEnd() const;
    // The output reads no more: the decoder stops at its next piece.
    void Abandon();

    qsizetype UnreadBytes() const;

private:
    void NotifyListener();

    const qsizetype m_aheadBytes;
    mutable std::mutex m_mutex;
    std::condition_variable_any m_room;
    std::deque<QByteArray> m_pieces;
    qsizetype m_readInFront = 0; // bytes of the first piece already read
    qsizetype m_unread = 0;
    bool m_finished = false;
    bool m_abandoned = false;
    std::function<void()> m_listener;
};

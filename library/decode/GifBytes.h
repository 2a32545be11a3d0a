// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <optional>

class QIODevice;

// The bytes of a GIF read in order, counting where each came from, which
// the GIF reader's rule for damaged files needs.
class GifBytes
{
public:
    explicit GifBytes(QIODevice& file);

    std::optional<int> Byte();
    // `count` bytes, all of them or none.
    std::optional<QByteArray> Read(int count);
    // Past a run of data sub-blocks and its terminator.
    bool SkipSubBlocks();
    qint64 Offset() const;
    // Back to where the reading stopped, should the file have been read since.
    bool Resume();
    qint64 Size() const;

private:
    QIODevice& m_file;
    qint64 m_offset = 0;
};

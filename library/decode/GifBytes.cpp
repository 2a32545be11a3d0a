// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/decode/GifBytes.h"

#include <QIODevice>

GifBytes::GifBytes(QIODevice& file) : m_file(file) {}

std::optional<int> GifBytes::Byte()
{
    char byte = 0;
    if (!m_file.getChar(&byte)) {
        return std::nullopt;
    }
    ++m_offset;
    return quint8(byte);
}

std::optional<QByteArray> GifBytes::Read(int count)
{
    QByteArray bytes = m_file.read(count);
    m_offset += bytes.size();
    return bytes.size() == count ? std::optional(bytes) : std::nullopt;
}

bool GifBytes::SkipSubBlocks()
{
    for (;;) {
        const std::optional<int> count = Byte();
        if (!count || !Read(*count)) {
            return false;
        }
        if (*count == 0) {
            return true;
        }
    }
}

qint64 GifBytes::Offset() const
{
    return m_offset;
}

bool GifBytes::Resume()
{
    return m_file.seek(m_offset);
}

qint64 GifBytes::Size() const
{
    return m_file.size();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Run-length coded BMP rows, decoded in sequence as Qt's BMP reader decodes
// them, runs that reach past their line included: its reader writes into the
// whole picture's memory, a line after another from the bottom up, and cuts
// a run only at the end of the first line's pixels. Here the same addresses
// are worked out and only the pixels that land in the part are kept.
#include "library/decode/BmpRle.h"

#include <QIODevice>

namespace {

constexpr int kEscape = 0;
constexpr int kEndOfLine = 0;
constexpr int kEndOfPicture = 1;
constexpr int kDelta = 2;

class RleCanvas
{
public:
    RleCanvas(QImage& part, const QRect& partRect, QSize size, bool bottomUp)
        : m_part(part), m_rect(partRect), m_size(size), m_bottomUp(bottomUp),
          m_bytesPerLine((qint64(size.width()) + 3) / 4 * 4)
    {
    }

    // Where line `line` (counted from the bottom) starts, plus `x`.
    qint64 At(int line, int x = 0) const
    {
        return qint64(m_size.height() - line - 1) * m_bytesPerLine + x;
    }
    // Past the first line's last pixel, where Qt's reader cuts runs.
    qint64 End() const { return At(0, m_size.width()); }

    void Put(qint64 address, uchar index)
    {
        const auto row = int(address / m_bytesPerLine);
        const auto x = int(address % m_bytesPerLine);
        const int y = m_bottomUp ? row : m_size.height() - 1 - row;
        if (m_rect.contains(x, y)) {
            m_part.scanLine(y - m_rect.top())[x - m_rect.left()] = index;
        }
    }

private:
    QImage& m_part;
    QRect m_rect;
    QSize m_size;
    bool m_bottomUp;
    qint64 m_bytesPerLine;
};

int NextByte(QIODevice& file, int otherwise)
{
    char byte = 0;
    return file.getChar(&byte) ? quint8(byte) : otherwise;
}

} // namespace

bool DecodeBmpRle(QIODevice& file, int bits, QSize size, bool bottomUp, const QRect& part,
                  QImage& image)
{
    RleCanvas canvas(image, part, size, bottomUp);
    const bool nibbles = bits == 4;
    int x = 0;
    int y = 0;
    qint64 p = canvas.At(0);
    const qint64 end = canvas.End();
    char read = 0;
    while (y < size.height()) {
        if (!file.getChar(&read)) {
            break;
        }
        int count = quint8(read);
        if (count != kEscape) {
            // A run of one index, or of two alternating nibbles.
            count = int(std::min<qint64>(count, end - p));
            const int value = NextByte(file, count);
            for (int i = 0; i < count; ++i) {
                canvas.Put(p++, uchar(nibbles ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value));
            }
            x += count;
            continue;
        }
        const int code = NextByte(file, kEndOfPicture);
        if (code == kEndOfPicture) {
            break;
        }
        if (code == kEndOfLine) {
            x = 0;
            ++y;
            p = canvas.At(y);
        } else if (code == kDelta) {
            x += NextByte(file, 0);
            y += NextByte(file, 0);
            x = uint(x) >= uint(size.width()) ? size.width() - 1 : x;
            y = uint(y) >= uint(size.height()) ? size.height() - 1 : y;
            p = canvas.At(y, x);
        } else {
            // Indices as they are, padded to a whole number of 16-bit words.
            count = int(std::min<qint64>(code, end - p));
            const int bytes = nibbles ? (count + 1) / 2 : count;
            const QByteArray indices = file.read(bytes);
            if (!nibbles && indices.size() < bytes) {
                return false;
            }
            for (int i = 0; i < count && i / (nibbles ? 2 : 1) < indices.size(); ++i) {
                const auto value = quint8(indices[nibbles ? i / 2 : i]);
                canvas.Put(p++, nibbles ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
            }
            x += count;
            if (bytes % 2 == 1) {
                file.getChar(nullptr);
            }
        }
    }
    return true;
}

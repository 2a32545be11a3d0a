// SPDX-License-Identifier: GPL-3.0-or-later
// The first frame of a GIF, laid out as Qt's GIF reader lays it out on the
// logical screen, without a canvas of the screen's size: only the part asked
// for is held, and the codes are decoded no further than its last row. The
// rules below (which screen sizes are believed, what fills the screen around
// the frame, how transparency and stray codes come out, when a damaged file
// still gives a picture) are Qt's reader's.
#include "library/decode/GifPart.h"
#include "library/decode/GifBytes.h"
#include "library/decode/LittleEndian.h"

#include <QIODevice>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr QRgb kTransparent = 0x00FFFFFF;
constexpr int kMaxCodeBits = 12;
constexpr int kCodes = 1 << kMaxCodeBits;
// Qt's reader rejects larger screens, and believes a screen ten times wider
// (or higher) than the first frame only up to this size.
constexpr quint64 kMaxScreenPixels = quint64(16384) * 16384;
constexpr int kBelievedScreen = 16384;
// Qt's reader reads the file in pieces of this size; a damaged frame still
// gives a picture when the damage lies in the last piece.
constexpr qint64 kReadPiece = 4096;

std::vector<QRgb> ColourMap(const QByteArray& bytes, int colours)
{
    std::vector<QRgb> map(size_t(colours) + 1, kTransparent);
    for (int i = 0; i < colours; ++i) {
        map[size_t(i)] =
            qRgb(quint8(bytes[3 * i]), quint8(bytes[3 * i + 1]), quint8(bytes[3 * i + 2]));
    }
    return map;
}

class GifPart final : public PartDecoder
{
public:
    explicit GifPart(QIODevice& file) : m_bytes(file) {}

    bool ReadUpToTheFrame();
    QSize StoredSize() const override { return m_screen; }
    QImage Decode(const QRect& part) override;

private:
    bool ReadGraphicControl();
    void ReadFrameDescriptor(const QByteArray& descriptor);
    QRgb Colour(int index) const;
    void Put(int index);
    void NextRow();
    void CopyRowDown(int rows);
    bool Done() const;
    // The result of a decode that ended early: Qt's reader keeps what it
    // drew when the damage lies in the last piece of the file it reads.
    QImage Cut(bool dataSeen, std::optional<qint64> damageAt);
    QImage Codes();

    GifBytes m_bytes;
    QSize m_screen;
    std::vector<QRgb> m_globalMap;
    std::vector<QRgb> m_localMap;
    int m_colours = 0;
    int m_background = -1;
    int m_transparent = -1;
    // The frame and where its codes draw: x, y and the interlace pass.
    QRect m_frame;
    int m_right = 0;
    int m_bottom = 0;
    int m_pass = 0;
    int m_x = 0;
    int m_y = 0;
    bool m_outOfBounds = false;
    // The part asked for, and the frame's current row, which interlaced
    // frames copy down over the rows that later passes fill.
    QRect m_part;
    QImage m_image;
    std::vector<QRgb> m_row;
};

// Header, screen, global colour map, then extensions up to the first frame,
// whose descriptor settles the screen's size.
bool GifPart::ReadUpToTheFrame()
{
    const std::optional<QByteArray> screen = m_bytes.Read(13);
    if (!screen) {
        return false;
    }
    m_screen = QSize(Little16(*screen, 6), Little16(*screen, 8));
    const int flags = quint8((*screen)[10]);
    m_colours = 2 << (flags & 7);
    if ((flags & 0x80) != 0) {
        m_background = quint8((*screen)[11]);
        const std::optional<QByteArray> map = m_bytes.Read(3 * m_colours);
        if (!map) {
            return false;
        }
        m_globalMap = ColourMap(*map, m_colours);
    }
    for (;;) {
        const std::optional<int> introducer = m_bytes.Byte();
        if (introducer == 0x2C) {
            const std::optional<QByteArray> descriptor = m_bytes.Read(9);
            if (!descriptor) {
                return false;
            }
            ReadFrameDescriptor(*descriptor);
            return !m_screen.isEmpty() &&
                   quint64(m_screen.width()) * quint64(m_screen.height()) < kMaxScreenPixels;
        }
        if (introducer != 0x21) {
            return false; // the trailer before any frame, or damage
        }
        const std::optional<int> label = m_bytes.Byte();
        if (!label || !(*label == 0xF9 ? ReadGraphicControl() : m_bytes.SkipSubBlocks())) {
            return false;
        }
    }
}

bool GifPart::ReadGraphicControl()
{
    const std::optional<int> count = m_bytes.Byte();
    if (!count) {
        return false;
    }
    const std::optional<QByteArray> block = m_bytes.Read(*count);
    if (!block) {
        return false;
    }
    const bool transparency = *count >= 1 && (quint8((*block)[0]) & 1) != 0;
    m_transparent = transparency ? (*count >= 4 ? quint8((*block)[3]) : 0) : -1;
    return *count == 0 || m_bytes.SkipSubBlocks();
}

void GifPart::ReadFrameDescriptor(const QByteArray& descriptor)
{
    m_frame = QRect(Little16(descriptor, 0), Little16(descriptor, 2), Little16(descriptor, 4),
                    Little16(descriptor, 6));
    int width = m_screen.width();
    int height = m_screen.height();
    // A screen far larger than the frame is not believed.
    if (width / 10 > std::max(m_frame.width(), kBelievedScreen)) {
        width = -1;
    }
    if (height / 10 > std::max(m_frame.height(), kBelievedScreen)) {
        height = -1;
    }
    m_screen = QSize(width <= 0 ? m_frame.left() + m_frame.width() : width,
                     height <= 0 ? m_frame.top() + m_frame.height() : height);
    m_right = std::max(0, std::min(m_frame.left() + m_frame.width(), m_screen.width()) - 1);
    m_bottom = std::max(0, std::min(m_frame.top() + m_frame.height(), m_screen.height()) - 1);
    const int flags = quint8(descriptor[8]);
    m_pass = (flags & 0x40) != 0 ? 1 : 0;
    if ((flags & 0x80) != 0) {
        m_colours = 2 << (flags & 7);
        m_localMap.assign(size_t(m_colours) + 1, 0);
        m_localMap.back() = kTransparent;
    }
}

QRgb GifPart::Colour(int index) const
{
    if (index > m_colours) {
        return kTransparent;
    }
    const std::vector<QRgb>& map = m_localMap.empty() ? m_globalMap : m_localMap;
    const QRgb colour = map.empty() ? 0 : map[size_t(index)];
    return index == m_transparent ? colour & kTransparent : colour;
}

void GifPart::Put(int index)
{
    if (!m_outOfBounds && m_y < m_screen.height()) {
        const QRgb colour = Colour(index);
        m_row[size_t(m_x - m_frame.left())] = colour;
        if (m_part.contains(m_x, m_y)) {
            reinterpret_cast<QRgb*>(m_image.scanLine(m_y - m_part.top()))[m_x - m_part.left()] =
                colour;
        }
    }
    ++m_x;
    if (m_x >= m_screen.width()) {
        m_outOfBounds = true;
    }
    if (m_x >= m_frame.left() + m_frame.width()) {
        m_x = m_frame.left();
        m_outOfBounds = m_frame.left() >= m_screen.width() || m_y >= m_screen.height();
        NextRow();
    }
}

// Without transparency, an interlaced row is shown over the rows below it
// until a later pass draws them.
void GifPart::CopyRowDown(int rows)
{
    if (m_transparent >= 0) {
        return;
    }
    const int left = std::max(m_frame.left(), m_part.left());
    const int right = std::min(m_right, m_part.right());
    for (int y = std::max(m_y + 1, m_part.top()); y <= std::min(m_y + rows, m_part.bottom()); ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(y - m_part.top()));
        for (int x = left; x <= right; ++x) {
            line[x - m_part.left()] = m_row[size_t(x - m_frame.left())];
        }
    }
}

void GifPart::NextRow()
{
    if (m_outOfBounds) {
        return;
    }
    const int top = m_frame.top();
    switch (m_pass) {
    case 0:
        ++m_y;
        break;
    case 1:
        CopyRowDown(std::min(7, m_bottom - m_y));
        m_y += 8;
        if (m_y > m_bottom) {
            m_pass = 2;
            m_y = top + 4;
            if (m_y > m_bottom) {
                m_pass = 3;
                m_y = top + 2;
                if (m_y > m_bottom) {
                    m_pass = 0;
                    m_y = top + 1;
                }
            }
        }
        break;
    case 2:
        CopyRowDown(std::min(3, m_bottom - m_y));
        m_y += 8;
        if (m_y > m_bottom) {
            m_pass = 3;
            m_y = top + 2;
            if (m_y > m_bottom) {
                m_pass = 4;
                m_y = top + 1;
            }
        }
        break;
    case 3:
        CopyRowDown(std::min(1, m_bottom - m_y));
        m_y += 4;
        if (m_y > m_bottom) {
            m_pass = 4;
            m_y = top + 1;
        }
        break;
    default:
        m_y += 2;
        break;
    }
    if (m_y >= m_screen.height()) {
        m_outOfBounds = true;
    }
}

// Nothing the codes still draw can land in the part: the rows only go down
// from here on.
bool GifPart::Done() const
{
    return (m_pass == 0 || m_pass == 4) && m_y > m_part.bottom();
}

QImage GifPart::Cut(bool dataSeen, std::optional<qint64> damageAt)
{
    const qint64 lastPiece = (m_bytes.Size() - 1) / kReadPiece;
    const bool kept = dataSeen && (!damageAt || *damageAt / kReadPiece >= lastPiece);
    return kept ? std::exchange(m_image, {}) : QImage();
}

// The frame's code stream: the variable-length LZW of GIF, step for step as
// Qt's reader takes it, so that damaged streams draw what they draw there.
QImage GifPart::Codes()
{
    const std::optional<int> minimum = m_bytes.Byte();
    if (!minimum || *minimum > kMaxCodeBits) {
        return {};
    }
    const int clear = 1 << *minimum;
    const int end = clear + 1;
    int codeSize = *minimum + 1;
    int maxCodeSize = 2 * clear;
    int maxCode = clear + 2;
    std::array<std::array<short, kCodes>, 2> table{};
    std::vector<short> stack(size_t(kCodes) * 2);
    for (int i = 0; i < clear; ++i) {
        table[1][size_t(i)] = short(i);
    }
    size_t stacked = 0;
    int firstCode = 0;
    int oldCode = 0;
    bool needFirst = true;
    bool ended = false;
    quint32 bits = 0;
    int bitCount = 0;
    bool dataSeen = false;
    for (;;) {
        const std::optional<int> count = m_bytes.Byte();
        if (!count) {
            return Cut(dataSeen, std::nullopt);
        }
        if (*count == 0) {
            return std::exchange(m_image, {});
        }
        for (int i = 0; i < *count; ++i) {
            const std::optional<int> byte = m_bytes.Byte();
            if (!byte) {
                return Cut(dataSeen, std::nullopt);
            }
            dataSeen = true;
            if (ended) {
                continue;
            }
            bits |= quint32(*byte) << bitCount;
            bitCount += 8;
            while (bitCount >= codeSize && !ended) {
                int code = int(bits & ((1u << codeSize) - 1));
                bitCount -= codeSize;
                bits >>= codeSize;
                if (code == clear) {
                    if (!needFirst) {
                        codeSize = *minimum + 1;
                        maxCodeSize = 2 * clear;
                        maxCode = clear + 2;
                    }
                    needFirst = true;
                } else if (code == end) {
                    ended = true;
                } else if (needFirst) {
                    firstCode = oldCode = code;
                    Put(quint8(firstCode));
                    needFirst = false;
                } else {
                    const int inCode = code;
                    if (code >= maxCode) {
                        stack[stacked++] = short(firstCode);
                        code = oldCode;
                    }
                    while (code >= clear + 2) {
                        if (code >= maxCode || code == table[0][size_t(code)] ||
                            stacked >= stack.size() - 1) {
                            return Cut(true, m_bytes.Offset() - 1);
                        }
                        stack[stacked++] = table[1][size_t(code)];
                        code = table[0][size_t(code)];
                    }
                    if (code < 0) {
                        return Cut(true, m_bytes.Offset() - 1);
                    }
                    firstCode = table[1][size_t(code)];
                    stack[stacked++] = short(firstCode);
                    if (maxCode < kCodes) {
                        table[0][size_t(maxCode)] = short(oldCode);
                        table[1][size_t(maxCode)] = short(firstCode);
                        ++maxCode;
                        if (maxCode >= maxCodeSize && maxCodeSize < kCodes) {
                            maxCodeSize *= 2;
                            ++codeSize;
                        }
                    }
                    oldCode = inCode;
                    while (stacked > 0) {
                        Put(quint8(stack[--stacked]));
                    }
                }
                if (Done()) {
                    return std::exchange(m_image, {});
                }
            }
        }
    }
}

QImage GifPart::Decode(const QRect& part)
{
    m_part = part;
    m_image = AllocatePart(part.size(),
                           m_transparent >= 0 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    m_row.assign(size_t(std::max(1, m_right - m_frame.left() + 1)), 0);
    if (m_image.isNull() || !m_bytes.Resume()) {
        return {};
    }
    // A frame that leaves some of the screen bare shows the transparent or
    // the background colour there.
    QRgb bare = 0;
    if (m_frame.left() > 0 || m_frame.top() > 0 || m_frame.width() < m_screen.width() ||
        m_frame.height() < m_screen.height()) {
        bare = m_transparent >= 0  ? Colour(m_transparent)
               : m_background >= 0 ? Colour(m_background)
                                   : 0;
    }
    // Filled by hand: the bare colour of an opaque picture may keep a zero
    // alpha byte, as in Qt's reader.
    for (int y = 0; y < m_image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        std::fill(line, line + m_image.width(), bare);
    }
    if (!m_localMap.empty()) {
        const std::optional<QByteArray> map = m_bytes.Read(3 * m_colours);
        if (!map) {
            return {};
        }
        m_localMap = ColourMap(*map, m_colours);
    }
    m_x = m_frame.left();
    m_y = m_frame.top();
    m_outOfBounds = m_frame.left() >= m_screen.width() || m_y >= m_screen.height();
    return Codes();
}

} // namespace

OpenedPart OpenGifPart(QIODevice& file)
{
    auto gif = std::make_unique<GifPart>(file);
    if (!file.seek(0) || !gif->ReadUpToTheFrame()) {
        return {true, nullptr};
    }
    return {true, std::move(gif)};
}

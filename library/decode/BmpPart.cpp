// SPDX-License-Identifier: GPL-3.0-or-later
// BMP pictures. Uncompressed rows lie at known places: only the part's rows
// are read, from wherever they are stored (bottom-up or top-down);
// run-length coded rows are decoded in sequence, only the part kept. The
// headers are taken, and the pixels converted, by Qt's BMP reader's rules;
// palette pictures come out as colour tables, so that the image object's
// conversion gives Qt's colours.
#include "library/decode/BmpPart.h"
#include "library/decode/BmpRle.h"
#include "library/decode/LittleEndian.h"

#include <QIODevice>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kCoreHeader = 12;
constexpr int kInfoHeader = 40;
constexpr int kOs2Header = 64;
constexpr int kV4Header = 108;
constexpr int kV5Header = 124;
constexpr int kUncompressed = 0;
constexpr int kRle8 = 1;
constexpr int kRle4 = 2;
constexpr int kBitFields = 3;
constexpr quint64 kMaxPixels = quint64(16384) * 16384;

// A colour channel given by a bit mask: where it starts, and by what its
// value is multiplied to reach eight bits (none for a mask wider than that).
struct Channel
{
    quint32 mask = 0;
    int shift = 0;
    uint scale = 1;

    static std::optional<Channel> Of(quint32 mask)
    {
        Channel channel{mask, 0, 1};
        while (mask != 0 && (mask & 1) == 0) {
            ++channel.shift;
            mask >>= 1;
        }
        if (mask + 1 == 0) {
            return std::nullopt;
        }
        channel.scale = 256 / (mask + 1);
        return channel;
    }

    uint ValueIn(quint32 pixel) const { return ((pixel & mask) >> shift) * scale; }
};

class BmpPart final : public PartDecoder
{
public:
    explicit BmpPart(QIODevice& file) : m_file(file) {}

    // Whether the headers are ones Qt's reader reads.
    bool ReadHeaders();
    QSize StoredSize() const override { return m_size; }
    QImage Decode(const QRect& part) override;

private:
    bool ReadColours(int colours, int entryBytes);
    bool ReadMasks(const QByteArray& info, int compression);
    QRgb Pixel(const uchar* row, int x) const;

    QIODevice& m_file;
    QSize m_size;
    int m_bits = 0;
    bool m_rle = false;
    bool m_bottomUp = true;
    bool m_alpha = false;
    qint64 m_dataAt = 0;
    QList<QRgb> m_colours;
    Channel m_red;
    Channel m_green;
    Channel m_blue;
    Channel m_alphaChannel;
};

bool BmpPart::ReadHeaders()
{
    if (!m_file.seek(0)) {
        return false;
    }
    const QByteArray file = m_file.read(kFileHeaderBytes + 4);
    if (file.size() < kFileHeaderBytes + 4) {
        return false;
    }
    // Any header size but the known ones is read as the oldest header.
    const quint32 headerBytes = Little32(file, kFileHeaderBytes);
    const bool core = headerBytes != kInfoHeader && headerBytes != kOs2Header &&
                      headerBytes != kV4Header && headerBytes != kV5Header;
    const QByteArray info =
        file.right(4) + m_file.read((core ? kCoreHeader : int(headerBytes)) - 4);
    if (info.size() < (core ? kCoreHeader : kInfoHeader)) {
        return false;
    }
    const qint64 width = core ? qint16(Little16(info, 4)) : qint32(Little32(info, 4));
    qint64 height = core ? qint16(Little16(info, 6)) : qint32(Little32(info, 8));
    const int planes = Little16(info, core ? 8 : 12);
    m_bits = Little16(info, core ? 10 : 14);
    const int compression = core ? kUncompressed : int(Little32(info, 16));
    const quint32 used = core ? 0 : Little32(info, 32);
    const bool rle = (m_bits == 4 && compression == kRle4) || (m_bits == 8 && compression == kRle8);
    const bool bitFields = (m_bits == 16 || m_bits == 32) && compression == kBitFields;
    if (!(m_bits == 1 || m_bits == 4 || m_bits == 8 || m_bits == 16 || m_bits == 24 ||
          m_bits == 32) ||
        planes != 1 || !(compression == kUncompressed || rle || bitFields) || height == INT_MIN ||
        width <= 0 || height == 0 || quint64(width) * quint64(std::abs(height)) > kMaxPixels) {
        return false;
    }
    m_rle = rle;
    m_bottomUp = height > 0;
    height = std::abs(height);
    m_size = QSize(int(width), int(height));
    if (!m_file.seek(kFileHeaderBytes + qint64(headerBytes)) || !ReadMasks(info, compression)) {
        return false;
    }
    if (m_bits <= 8) {
        const qint64 colours = used != 0 ? used : 1 << m_bits;
        if (colours < 1 || colours > 256 || !ReadColours(int(colours), core ? 3 : 4)) {
            return false;
        }
        if (m_bits == 1 && colours == 1) {
            m_colours.append(qRgb(255, 255, 255)); // as Qt's one-bit pictures lack it
        }
    }
    // The pixels start at their offset when that lies past the tables.
    const qint64 offset = qint32(Little32(file, 10));
    m_dataAt = std::max(m_file.pos(), offset);
    return !m_file.atEnd();
}

bool BmpPart::ReadMasks(const QByteArray& info, int compression)
{
    quint32 red = 0;
    quint32 green = 0;
    quint32 blue = 0;
    quint32 alpha = 0;
    if (info.size() >= kV4Header) {
        red = Little32(info, 40);
        green = Little32(info, 44);
        blue = Little32(info, 48);
        alpha = Little32(info, 52);
    } else if (compression == kBitFields) {
        const QByteArray masks = m_file.read(12);
        if (masks.size() < 12) {
            return false;
        }
        red = Little32(masks, 0);
        green = Little32(masks, 4);
        blue = Little32(masks, 8);
    }
    m_alpha = alpha != 0 && (compression == kBitFields ||
                             (compression == kUncompressed && m_bits == 32 && alpha == 0xFF000000));
    if (m_bits <= 8) {
        return true;
    }
    if (compression == kUncompressed) {
        const bool fiveBits = m_bits == 16;
        red = fiveBits ? 0x7C00 : 0xFF0000;
        green = fiveBits ? 0x03E0 : 0xFF00;
        blue = fiveBits ? 0x001F : 0xFF;
    }
    const auto channels = {Channel::Of(red), Channel::Of(green), Channel::Of(blue),
                           Channel::Of(alpha)};
    if (std::any_of(channels.begin(), channels.end(), [](const auto& c) { return !c; })) {
        return false;
    }
    auto channel = channels.begin();
    m_red = **channel++;
    m_green = **channel++;
    m_blue = **channel++;
    m_alphaChannel = **channel;
    return true;
}

bool BmpPart::ReadColours(int colours, int entryBytes)
{
    m_colours.resize(colours);
    for (int i = 0; i < colours; ++i) {
        const QByteArray entry = m_file.read(entryBytes);
        if (entry.size() < entryBytes || m_file.atEnd()) {
            return false; // Qt's reader wants pixels after the table too
        }
        m_colours[i] = qRgb(quint8(entry[2]), quint8(entry[1]), quint8(entry[0]));
    }
    return true;
}

QRgb BmpPart::Pixel(const uchar* row, int x) const
{
    const int bytes = m_bits / 8;
    const uchar* at = row + qsizetype(x) * bytes;
    quint32 pixel = at[0] | quint32(at[1]) << 8;
    if (bytes > 2) {
        pixel |= quint32(at[2]) << 16;
    }
    if (bytes > 3) {
        pixel |= quint32(at[3]) << 24;
    }
    return qRgba(int(m_red.ValueIn(pixel)), int(m_green.ValueIn(pixel)), int(m_blue.ValueIn(pixel)),
                 m_alpha ? int(m_alphaChannel.ValueIn(pixel)) : 0xFF);
}

QImage BmpPart::Decode(const QRect& part)
{
    if (part.isEmpty() || !QRect(QPoint(0, 0), m_size).contains(part)) {
        return {};
    }
    const bool palette = m_bits <= 8;
    QImage image = AllocatePart(part.size(), palette   ? QImage::Format_Indexed8
                                             : m_alpha ? QImage::Format_ARGB32
                                                       : QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    image.fill(0); // rows past the end of a cut-off file, pixels no run reaches
    if (palette) {
        image.setColorTable(m_colours);
    }
    if (m_rle) {
        return m_file.seek(m_dataAt) &&
                       DecodeBmpRle(m_file, m_bits, m_size, m_bottomUp, part, image)
                   ? image
                   : QImage();
    }
    const qint64 stride = (qint64(m_size.width()) * m_bits + 31) / 32 * 4;
    std::vector<uchar> row(static_cast<size_t>(stride));
    // Only the rows the file holds whole are read; the others stay blank.
    const auto held = int(std::clamp<qint64>((m_file.size() - m_dataAt) / stride, 0, INT_MAX));
    const QRect readable = m_bottomUp ? QRect(0, m_size.height() - held, m_size.width(), held)
                                      : QRect(0, 0, m_size.width(), held);
    const QRect rows = part & readable;
    for (int y = rows.top(); y <= rows.bottom(); ++y) {
        const int stored = m_bottomUp ? m_size.height() - 1 - y : y;
        if (!m_file.seek(m_dataAt + stored * stride) ||
            m_file.read(reinterpret_cast<char*>(row.data()), stride) != stride) {
            return {};
        }
        uchar* target = image.scanLine(y - part.top());
        for (int x = 0; x < part.width(); ++x) {
            const int column = part.left() + x;
            if (palette) {
                const int bit = column * m_bits;
                target[x] = (row[size_t(bit / 8)] >> (8 - m_bits - bit % 8)) & ((1 << m_bits) - 1);
            } else {
                reinterpret_cast<QRgb*>(target)[x] = Pixel(row.data(), column);
            }
        }
    }
    return image;
}

} // namespace

OpenedPart OpenBmpPart(QIODevice& file)
{
    auto bmp = std::make_unique<BmpPart>(file);
    if (!bmp->ReadHeaders()) {
        return {true, nullptr};
    }
    return {true, std::move(bmp)};
}

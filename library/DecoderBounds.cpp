// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/DecoderBounds.h"

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

constexpr double kBytesPerCanvasPixel = 4;

// Reads the file through a window of its bytes: the walks below take many
// small steps, and a damaged file may make them take one per byte.
class FileWindow
{
public:
    explicit FileWindow(QIODevice& file) : m_file(file), m_size(file.size()) {}

    qint64 Size() const { return m_size; }

    // The bytes at `offset`, all of them or none.
    std::optional<QByteArray> Read(qint64 offset, qint64 count)
    {
        if (offset < 0 || count < 0 || count > m_size || offset > m_size - count) {
            return std::nullopt;
        }
        if (offset < m_start || offset + count > m_start + m_window.size()) {
            constexpr qint64 kWindowBytes = 64 * 1024;
            if (!m_file.seek(offset)) {
                return std::nullopt;
            }
            m_start = offset;
            m_window = m_file.read(std::max(count, kWindowBytes));
            if (m_window.size() < count) {
                return std::nullopt;
            }
        }
        return m_window.mid(int(offset - m_start), int(count));
    }

private:
    QIODevice& m_file;
    qint64 m_size;
    qint64 m_start = 0;
    QByteArray m_window;
};

std::uint64_t BigEndian(const QByteArray& bytes, int offset, int count)
{
    std::uint64_t value = 0;
    for (int i = 0; i < count; ++i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[offset + i]);
    }
    return value;
}

std::uint64_t LittleEndian(const QByteArray& bytes, int offset, int count)
{
    std::uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[offset + i]);
    }
    return value;
}

bool CanvasExceeds(double width, double height, qint64 limit)
{
    return width * height * kBytesPerCanvasPixel > double(limit);
}

// JPEG ----------------------------------------------------------------------

bool IsFrameMarker(std::uint8_t marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool IsProgressive(std::uint8_t marker)
{
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

double RoundUp(double value, double multiple)
{
    return std::ceil(value / multiple) * multiple;
}

// The coefficients of the whole picture: for each component, its blocks of
// 8 x 8 (padded to whole units of its sampling), 64 coefficients of two bytes
// each.
double CoefficientBytes(const QByteArray& frame, double width, double height)
{
    const int components = static_cast<std::uint8_t>(frame[5]);
    if (frame.size() < 6 + 3 * components) {
        return 0;
    }
    int maxH = 1;
    int maxV = 1;
    for (int c = 0; c < components; ++c) {
        const int sampling = static_cast<std::uint8_t>(frame[6 + 3 * c + 1]);
        maxH = std::max(maxH, sampling >> 4);
        maxV = std::max(maxV, sampling & 0xF);
    }
    double bytes = 0;
    for (int c = 0; c < components; ++c) {
        const int sampling = static_cast<std::uint8_t>(frame[6 + 3 * c + 1]);
        const int h = std::max(1, sampling >> 4);
        const int v = std::max(1, sampling & 0xF);
        const double blocksAcross = RoundUp(std::ceil(width * h / maxH / 8), h);
        const double blocksDown = RoundUp(std::ceil(height * v / maxV / 8), v);
        bytes += blocksAcross * blocksDown * 64 * 2;
    }
    return bytes;
}

bool JpegExceeds(FileWindow& file, qint64 limit)
{
    // Nobody stores this much before the first scan; a file that does is
    // not read.
    constexpr qint64 kFirstScanWithin = qint64(16) << 20;
    std::optional<QByteArray> frame;
    bool progressive = false;
    qint64 offset = 2;
    while (offset < kFirstScanWithin) {
        const std::optional<QByteArray> segment = file.Read(offset, 4);
        if (!segment) {
            return false; // cut off before a scan: the reader finds it so
        }
        if (static_cast<std::uint8_t>((*segment)[0]) != 0xFF) {
            offset += 1; // stray bytes between segments, which decoders pass over
            continue;
        }
        const auto marker = static_cast<std::uint8_t>((*segment)[1]);
        if (marker == 0xFF) {
            offset += 1; // a fill byte
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {
            offset += 2; // no length
            continue;
        }
        if (marker == 0xD9) {
            return false; // the end before any scan
        }
        const auto length = static_cast<qint64>(BigEndian(*segment, 2, 2));
        if (IsFrameMarker(marker) && !frame) {
            frame = file.Read(offset + 4, length - 2);
            if (!frame || frame->size() < 6) {
                return false;
            }
            progressive = IsProgressive(marker);
        } else if (marker == 0xDA) {
            // A whole-picture coefficient buffer is kept for a progressive frame, and for a
            // sequential one whose first scan holds only some of its components.
            const std::optional<QByteArray> scan = file.Read(offset + 4, 1);
            if (!frame || !scan) {
                return false;
            }
            const int frameComponents = static_cast<std::uint8_t>((*frame)[5]);
            const bool multipleScans =
                progressive || static_cast<std::uint8_t>((*scan)[0]) < frameComponents;
            const auto height = double(BigEndian(*frame, 1, 2));
            const auto width = double(BigEndian(*frame, 3, 2));
            return multipleScans && CoefficientBytes(*frame, width, height) > double(limit);
        }
        offset += 2 + length;
    }
    return true;
}

// PNG and MNG ---------------------------------------------------------------

// The chunks a decoder reads whole into memory must lie within the file,
// before the image data and after it; each image header's canvas must fit.
// A PNG read row by row holds only the rows it keeps, unless interlaced: its
// passes are decoded whole, so its canvas must fit then.
bool ChunksExceed(FileWindow& file, qint64 limit, bool rowByRow)
{
    const qint64 size = file.Size();
    qint64 offset = 8;
    while (offset + 12 <= size) {
        const std::optional<QByteArray> header = file.Read(offset, 8);
        if (!header) {
            return false;
        }
        const auto length = static_cast<qint64>(BigEndian(*header, 0, 4));
        const QByteArray type = header->mid(4, 4);
        if (length > 0x7FFFFFFF || offset + 12 + length > size) {
            return type != "IDAT"; // image data cut off is read in pieces: the reader decides
        }
        if (type == "IHDR" || type == "MHDR" || type == "JHDR") {
            constexpr int kInterlaceAt = 12;
            const std::optional<QByteArray> size = file.Read(offset + 8, kInterlaceAt + 1);
            const bool interlaced = size && (*size)[kInterlaceAt] != 0;
            if (size && length >= 8 && (!rowByRow || interlaced) &&
                CanvasExceeds(double(BigEndian(*size, 0, 4)), double(BigEndian(*size, 4, 4)),
                              limit)) {
                return true;
            }
        }
        if (type == "IEND" || type == "MEND") {
            return false;
        }
        offset += 12 + length;
    }
    return false;
}

// TIFF ----------------------------------------------------------------------

class TiffDirectory
{
public:
    TiffDirectory(FileWindow& file, bool littleEndian, bool big)
        : m_file(file), m_little(littleEndian), m_big(big)
    {
    }

    // The largest buffer the first directory's picture needs: the whole
    // picture's samples, or one tile, which may be larger; decoded by parts,
    // one tile or one strip.
    std::optional<double> LargestBuffer(bool byParts)
    {
        const std::optional<QByteArray> header = m_file.Read(0, m_big ? 16 : 8);
        if (!header) {
            return std::nullopt;
        }
        const std::uint64_t directory = m_big ? Number(*header, 8, 8) : Number(*header, 4, 4);
        const int countBytes = m_big ? 8 : 2;
        const std::optional<QByteArray> count = m_file.Read(qint64(directory), countBytes);
        if (!count || directory > std::uint64_t(m_file.Size())) {
            return std::nullopt;
        }
        // More entries than a directory may have is damage.
        constexpr std::uint64_t kMaxEntries = 0xFFFF;
        const std::uint64_t entries = Number(*count, 0, countBytes);
        if (entries > kMaxEntries) {
            return std::nullopt;
        }
        const int entryBytes = m_big ? 20 : 12;
        const std::optional<QByteArray> table =
            m_file.Read(qint64(directory) + countBytes, qint64(entries) * entryBytes);
        if (!table) {
            return std::nullopt;
        }
        for (std::uint64_t i = 0; i < entries; ++i) {
            Take(*table, int(i) * entryBytes);
        }
        const double pixel = std::max(1.0, m_samplesPerPixel) * std::max(1.0, m_bitsPerSample) / 8;
        const double tile = m_tileWidth * m_tileLength;
        if (!byParts) {
            return std::max(m_width * m_height, tile) * pixel;
        }
        const double strip = m_width * std::min(m_height, m_rowsPerStrip.value_or(m_height));
        return (tile > 0 ? tile : strip) * pixel;
    }

private:
    std::uint64_t Number(const QByteArray& bytes, int offset, int count) const
    {
        return m_little ? LittleEndian(bytes, offset, count) : BigEndian(bytes, offset, count);
    }

    // The tags that size the buffers; SHORT, LONG or LONG8 values.
    void Take(const QByteArray& table, int entry)
    {
        const std::uint64_t tag = Number(table, entry, 2);
        const std::uint64_t type = Number(table, entry + 2, 2);
        const int countBytes = m_big ? 8 : 4;
        const std::uint64_t count = Number(table, entry + 4, countBytes);
        const int valueOffset = entry + 4 + countBytes;
        const int valueBytes = m_big ? 8 : 4;
        const int typeBytes = type == 3 ? 2 : type == 4 ? 4 : type == 16 ? 8 : 0;
        if (typeBytes == 0 || typeBytes > valueBytes || count == 0) {
            return;
        }
        const double first = double(Number(table, valueOffset, typeBytes));
        switch (tag) {
        case 256:
            m_width = first;
            break;
        case 257:
            m_height = first;
            break;
        case 258:
            m_bitsPerSample = LargestValue(table, valueOffset, typeBytes, count, valueBytes);
            break;
        case 277:
            m_samplesPerPixel = first;
            break;
        case 278:
            m_rowsPerStrip = first;
            break;
        case 322:
            m_tileWidth = first;
            break;
        case 323:
            m_tileLength = first;
            break;
        default:
            break;
        }
    }

    // Bits per sample are given per sample; the largest counts. Values that
    // do not fit the entry lie elsewhere in the file.
    double LargestValue(const QByteArray& table, int valueOffset, int typeBytes,
                        std::uint64_t count, int valueBytes) const
    {
        constexpr std::uint64_t kValuesLooked = 64;
        const qint64 looked = qint64(std::min(count, kValuesLooked));
        std::optional<QByteArray> values;
        if (count <= std::uint64_t(valueBytes / typeBytes)) {
            values = table.mid(valueOffset, valueBytes);
        } else {
            values =
                m_file.Read(qint64(Number(table, valueOffset, valueBytes)), looked * typeBytes);
        }
        if (!values) {
            return 0;
        }
        double largest = 0;
        for (qint64 i = 0; i < looked; ++i) {
            largest = std::max(largest, double(Number(*values, int(i) * typeBytes, typeBytes)));
        }
        return largest;
    }

    FileWindow& m_file;
    bool m_little;
    bool m_big;
    double m_width = 0;
    double m_height = 0;
    double m_bitsPerSample = 1;
    double m_samplesPerPixel = 1;
    double m_tileWidth = 0;
    double m_tileLength = 0;
    std::optional<double> m_rowsPerStrip;
};

bool TiffExceeds(FileWindow& file, qint64 limit, bool littleEndian, bool big, bool byParts)
{
    const std::optional<double> largest =
        TiffDirectory(file, littleEndian, big).LargestBuffer(byParts);
    return largest && *largest > double(limit);
}

// WebP ----------------------------------------------------------------------

// The canvas of an animation, on which its frames are composed. A still
// picture is decoded a part at a time.
bool WebpExceeds(const QByteArray& header, qint64 limit)
{
    constexpr char kAnimationFlag = 0x02;
    if (header.mid(12, 4) == "VP8X" && (header[20] & kAnimationFlag) != 0) {
        return CanvasExceeds(double(LittleEndian(header, 24, 3) + 1),
                             double(LittleEndian(header, 27, 3) + 1), limit);
    }
    return false;
}

} // namespace

bool ExceedsDecoderBounds(QIODevice& device, qint64 limitBytes, bool byParts)
{
    FileWindow file(device);
    constexpr int kSignatureBytes = 30;
    const std::optional<QByteArray> read =
        file.Read(0, std::min<qint64>(kSignatureBytes, file.Size()));
    if (!read) {
        return false;
    }
    QByteArray header = *read;
    header.resize(kSignatureBytes, '\0');
    if (header.startsWith("\xFF\xD8")) {
        return JpegExceeds(file, limitBytes);
    }
    if (header.startsWith("\x89PNG\r\n\x1A\n")) {
        return ChunksExceed(file, limitBytes, true);
    }
    if (header.startsWith("\x8AMNG\r\n\x1A\n") || header.startsWith("\x8BJNG\r\n\x1A\n")) {
        return ChunksExceed(file, limitBytes, false);
    }
    if (header.startsWith(QByteArray("II*\0", 4)) || header.startsWith(QByteArray("MM\0*", 4))) {
        return TiffExceeds(file, limitBytes, header[0] == 'I', false, byParts);
    }
    if (header.startsWith(QByteArray("II+\0", 4)) || header.startsWith(QByteArray("MM\0+", 4))) {
        return TiffExceeds(file, limitBytes, header[0] == 'I', true, byParts);
    }
    if (header.startsWith("RIFF") && header.mid(8, 4) == "WEBP") {
        return WebpExceeds(header, limitBytes);
    }
    return false;
}

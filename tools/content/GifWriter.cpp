// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/content/GifWriter.h"

#include "tools/content/Palette.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace {

constexpr int kMaxCodeBits = 12;
constexpr int kMaxCodes = 1 << kMaxCodeBits;
constexpr std::size_t kMaxSubBlock = 255;

void PutByte(std::string& out, int value)
{
    out.push_back(static_cast<char>(value & 0xFF));
}

void PutWord(std::string& out, int value)
{
    PutByte(out, value);
    PutByte(out, value >> 8);
}

// Codes packed least significant bit first, as GIF wants them.
class BitPacker
{
public:
    void Put(int code, int bits)
    {
        m_pending |= static_cast<std::uint32_t>(code) << m_pendingBits;
        m_pendingBits += bits;
        while (m_pendingBits >= 8) {
            PutByte(m_bytes, static_cast<int>(m_pending));
            m_pending >>= 8;
            m_pendingBits -= 8;
        }
    }
    std::string Finish()
    {
        if (m_pendingBits > 0) {
            PutByte(m_bytes, static_cast<int>(m_pending));
        }
        return std::move(m_bytes);
    }

private:
    std::string m_bytes;
    std::uint32_t m_pending = 0;
    int m_pendingBits = 0;
};

// LZW of the palette indices, with a clear code whenever the table is full.
std::string CompressIndices(const QImage& indexed, int minCodeBits)
{
    const int clearCode = 1 << minCodeBits;
    const int endCode = clearCode + 1;
    std::unordered_map<std::uint32_t, int> table;
    int nextCode = endCode + 1;
    int codeBits = minCodeBits + 1;
    BitPacker packer;
    const auto restart = [&] {
        packer.Put(clearCode, codeBits);
        table.clear();
        nextCode = endCode + 1;
        codeBits = minCodeBits + 1;
    };
    restart();
    int prefix = -1;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            const int pixel = line[x];
            if (prefix < 0) {
                prefix = pixel;
                continue;
            }
            const std::uint32_t key =
                (static_cast<std::uint32_t>(prefix) << 8) | static_cast<std::uint32_t>(pixel);
            if (const auto found = table.find(key); found != table.end()) {
                prefix = found->second;
                continue;
            }
            packer.Put(prefix, codeBits);
            if (nextCode < kMaxCodes) {
                table.emplace(key, nextCode++);
                // The decoder learns each code one step later, hence ">".
                if (nextCode > (1 << codeBits) && codeBits < kMaxCodeBits) {
                    ++codeBits;
                }
            } else {
                restart();
            }
            prefix = pixel;
        }
    }
    if (prefix >= 0) {
        packer.Put(prefix, codeBits);
    }
    packer.Put(endCode, codeBits);
    return packer.Finish();
}

} // namespace

bool WriteGif(const QImage& image, const std::string& path)
{
    if (image.isNull() || image.width() > 0xFFFF || image.height() > 0xFFFF) {
        return false;
    }
    const QImage indexed = ReduceToPalette(image);
    QList<QRgb> palette = indexed.colorTable();
    // The colour table holds a power of two entries, at least two.
    int tableBits = 1;
    while ((1 << tableBits) < palette.size()) {
        ++tableBits;
    }
    palette.resize(1 << tableBits, 0);
    const int minCodeBits = std::max(2, tableBits);

    std::string gif = "GIF89a";
    PutWord(gif, indexed.width());
    PutWord(gif, indexed.height());
    PutByte(gif, 0x80 | 0x70 | (tableBits - 1)); // global table, 8-bit colour resolution
    PutByte(gif, 0);                             // background colour index
    PutByte(gif, 0);                             // square pixels
    for (const QRgb color : palette) {
        PutByte(gif, qRed(color));
        PutByte(gif, qGreen(color));
        PutByte(gif, qBlue(color));
    }
    PutByte(gif, 0x2C); // image descriptor: the whole screen, no local table
    PutWord(gif, 0);
    PutWord(gif, 0);
    PutWord(gif, indexed.width());
    PutWord(gif, indexed.height());
    PutByte(gif, 0);
    PutByte(gif, minCodeBits);
    const std::string data = CompressIndices(indexed, minCodeBits);
    for (std::size_t at = 0; at < data.size(); at += kMaxSubBlock) {
        const std::size_t length = std::min(kMaxSubBlock, data.size() - at);
        PutByte(gif, static_cast<int>(length));
        gif.append(data, at, length);
    }
    PutByte(gif, 0);    // end of the image data
    PutByte(gif, 0x3B); // trailer

    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(gif.data(), static_cast<qint64>(gif.size())) ==
               static_cast<qint64>(gif.size());
}

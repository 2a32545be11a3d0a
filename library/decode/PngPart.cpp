// SPDX-License-Identifier: GPL-3.0-or-later
// PNG pictures read row by row through libpng. The rows come out in the
// format Qt's PNG reader picks for the file (palette and grey pictures as
// colour tables, 16-bit ones as 64-bit pixels), so that the image object's
// conversion gives the very pixels of a whole decode. Qt attaches the file's
// colour space without converting, and so do we: no gamma is applied.
#include "library/decode/PngPart.h"

#include <QIODevice>

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <utility>
#include <vector>

namespace {

constexpr int kPasses = 7;

// Chunks are walked from their headers alone: a file cut short or with a
// chunk claiming more than the file holds fails as a whole decode would,
// without inflating the rows that are not wanted.
bool ChunksReachTheEnd(QIODevice& file)
{
    const qint64 size = file.size();
    qint64 offset = 8;
    while (offset + 8 <= size) {
        if (!file.seek(offset)) {
            return false;
        }
        const QByteArray header = file.read(8);
        if (header.size() < 8) {
            return false;
        }
        const qint64 length = qint64(quint8(header[0])) << 24 | quint8(header[1]) << 16 |
                              quint8(header[2]) << 8 | quint8(header[3]);
        if (header.mid(4, 4) == "IEND") {
            return true; // Qt's reader forgives a missing checksum after it
        }
        offset += 12 + length;
    }
    return false;
}

class PngPart final : public PartDecoder
{
public:
    explicit PngPart(QIODevice& file) : m_file(file) {}
    ~PngPart() override { png_destroy_read_struct(&m_png, &m_info, nullptr); }
    PngPart(const PngPart&) = delete;
    PngPart& operator=(const PngPart&) = delete;

    bool ReadHeader();
    QSize StoredSize() const override { return m_size; }
    QImage Decode(const QRect& part) override;

private:
    static void ReadFromFile(png_structp png, png_bytep data, size_t length);
    bool SetUp();
    bool ReadRows(const QRect& part);
    void SetGreyTable(int colours, int transparentGrey);
    void SetPaletteTable();
    void Keep(const png_byte* row, int pass, int passRow, const QRect& part);
    void ClearStrayIndices();

    QIODevice& m_file;
    png_structp m_png = nullptr;
    png_infop m_info = nullptr;
    QSize m_size;
    qint64 m_dataAt = 0; // where the header's reading stopped
    bool m_interlaced = false;
    // What Qt's reader would make of the rows: its format and colour table.
    QImage::Format m_format = QImage::Format_Invalid;
    QList<QRgb> m_colours;
    bool m_palette = false;
    QImage m_part;
    std::vector<png_byte> m_row;
};

void PngPart::ReadFromFile(png_structp png, png_bytep data, size_t length)
{
    auto* file = static_cast<QIODevice*>(png_get_io_ptr(png));
    while (length > 0) {
        const qint64 read = file->read(reinterpret_cast<char*>(data), qint64(length));
        if (read <= 0) {
            png_error(png, "cut short");
        }
        data += read;
        length -= size_t(read);
    }
}

// An error ends the decode quietly; warnings are not errors for Qt's reader
// either.
[[noreturn]] void EndOnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

bool PngPart::ReadHeader()
{
    m_png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, EndOnError, IgnoreWarning);
    m_info = m_png != nullptr ? png_create_info_struct(m_png) : nullptr;
    if (m_info == nullptr || !m_file.seek(0)) {
        return false;
    }
    if (setjmp(png_jmpbuf(m_png))) {
        return false;
    }
#if defined(PNG_SET_OPTION_SUPPORTED) && defined(PNG_MAXIMUM_INFLATE_WINDOW)
    // As Qt's reader: the files some writers make with too short a window.
    png_set_option(m_png, PNG_MAXIMUM_INFLATE_WINDOW, PNG_OPTION_ON);
#endif
    png_set_read_fn(m_png, &m_file, ReadFromFile);
    png_read_info(m_png, m_info);
    m_size =
        QSize(int(png_get_image_width(m_png, m_info)), int(png_get_image_height(m_png, m_info)));
    m_interlaced = png_get_interlace_type(m_png, m_info) != PNG_INTERLACE_NONE;
    m_dataAt = m_file.pos();
    return !m_size.isEmpty();
}

void PngPart::SetGreyTable(int colours, int transparentGrey)
{
    m_colours.resize(colours);
    for (int i = 0; i < colours; ++i) {
        const int grey = i * 255 / (colours - 1);
        m_colours[i] = qRgb(grey, grey, grey);
    }
    if (transparentGrey >= 0 && transparentGrey < colours) {
        m_colours[transparentGrey] = 0;
    }
}

// The palette with its transparency; a 1-bit palette is given two entries
// whatever it holds, as Qt's reader gives its one-bit picture.
void PngPart::SetPaletteTable()
{
    png_colorp palette = nullptr;
    int entries = 0;
    png_get_PLTE(m_png, m_info, &palette, &entries);
    png_bytep alphas = nullptr;
    int transparent = 0;
    png_color_16p transparentColour = nullptr;
    if (!png_get_tRNS(m_png, m_info, &alphas, &transparent, &transparentColour) ||
        alphas == nullptr) {
        transparent = 0;
    }
    const int colours = png_get_bit_depth(m_png, m_info) == 1 ? 2 : entries;
    m_colours.fill(0, colours);
    for (int i = 0; i < std::min(entries, colours); ++i) {
        const int alpha = i < transparent ? alphas[i] : 0xFF;
        m_colours[i] = qRgba(palette[i].red, palette[i].green, palette[i].blue, alpha);
    }
    m_palette = true;
}

// The transformations and the target format of Qt's reader; pictures it reads
// as one bit per pixel are unpacked to a byte per pixel with the same table.
bool PngPart::SetUp()
{
    if (setjmp(png_jmpbuf(m_png))) {
        return false;
    }
    const int depth = png_get_bit_depth(m_png, m_info);
    const int type = png_get_color_type(m_png, m_info);
    const bool transparency = png_get_valid(m_png, m_info, PNG_INFO_tRNS) != 0;
    png_bytep alphas = nullptr;
    int transparent = 0;
    png_color_16p transparentColour = nullptr;
    png_get_tRNS(m_png, m_info, &alphas, &transparent, &transparentColour);
    const int transparentGrey = transparentColour != nullptr ? transparentColour->gray : -1;
    int palettes = 0;
    png_colorp palette = nullptr;
    if (type == PNG_COLOR_TYPE_GRAY && depth == 16 && !transparency) {
        m_format = QImage::Format_Grayscale16;
        png_set_swap(m_png);
    } else if (type == PNG_COLOR_TYPE_GRAY && depth == 16) {
        png_set_expand(m_png);
        png_set_gray_to_rgb(m_png);
        m_format = QImage::Format_RGBA64;
        png_set_swap(m_png);
    } else if (type == PNG_COLOR_TYPE_GRAY && depth == 8 && !transparency) {
        m_format = QImage::Format_Grayscale8;
    } else if (type == PNG_COLOR_TYPE_GRAY) {
        png_set_packing(m_png);
        m_format = QImage::Format_Indexed8;
        SetGreyTable(depth < 8 ? 1 << depth : 256, transparency ? transparentGrey : -1);
    } else if (type == PNG_COLOR_TYPE_PALETTE && png_get_PLTE(m_png, m_info, &palette, &palettes) &&
               palettes <= 256) {
        png_set_packing(m_png);
        m_format = QImage::Format_Indexed8;
        SetPaletteTable();
    } else if (depth == 16 && (type & PNG_COLOR_MASK_PALETTE) == 0) {
        m_format = QImage::Format_RGBA64;
        if ((type & PNG_COLOR_MASK_ALPHA) == 0 && !transparency) {
            png_set_filler(m_png, 0xFFFF, PNG_FILLER_AFTER);
            m_format = QImage::Format_RGBX64;
        }
        if ((type & PNG_COLOR_MASK_COLOR) == 0) {
            png_set_gray_to_rgb(m_png);
        }
        png_set_swap(m_png);
    } else {
        png_set_expand(m_png);
        if (type == PNG_COLOR_TYPE_GRAY_ALPHA) {
            png_set_gray_to_rgb(m_png);
        }
        m_format = QImage::Format_ARGB32;
        if ((type & PNG_COLOR_MASK_ALPHA) == 0 && !transparency) {
            png_set_filler(m_png, 0xFF, PNG_FILLER_AFTER);
            m_format = QImage::Format_RGB32;
        }
        png_set_bgr(m_png);
    }
    png_read_update_info(m_png, m_info);
    const size_t pixelBytes = size_t(QImage::toPixelFormat(m_format).bitsPerPixel() / 8);
    m_row.assign(std::max(png_get_rowbytes(m_png, m_info), size_t(m_size.width()) * pixelBytes), 0);
    return true;
}

// Copies the pixels of one stored row (a row of an interlace pass) that fall
// inside the part.
void PngPart::Keep(const png_byte* row, int pass, int passRow, const QRect& part)
{
    const int y = m_interlaced ? int(PNG_ROW_FROM_PASS_ROW(passRow, pass)) : passRow;
    if (y < part.top() || y > part.bottom()) {
        return;
    }
    const int pixelBytes = m_part.depth() / 8;
    uchar* target = m_part.scanLine(y - part.top());
    if (!m_interlaced) {
        std::copy_n(row + qsizetype(part.left()) * pixelBytes, qsizetype(part.width()) * pixelBytes,
                    target);
        return;
    }
    const int columns = int(PNG_PASS_COLS(png_uint_32(m_size.width()), pass));
    for (int column = 0; column < columns; ++column) {
        const int x = int(PNG_COL_FROM_PASS_COL(column, pass));
        if (x > part.right()) {
            break;
        }
        if (x >= part.left()) {
            std::copy_n(row + qsizetype(column) * pixelBytes, pixelBytes,
                        target + qsizetype(x - part.left()) * pixelBytes);
        }
    }
}

// Reads every row up to the part's bottom (every pass's, when interlaced)
// and, when that is the picture's last row, the chunks after the image data.
bool PngPart::ReadRows(const QRect& part)
{
    if (setjmp(png_jmpbuf(m_png))) {
        return false;
    }
    const auto width = png_uint_32(m_size.width());
    const auto height = png_uint_32(m_size.height());
    const int passes = m_interlaced ? kPasses : 1;
    int lastPass = 0;
    for (int pass = 0; pass < passes; ++pass) {
        if (!m_interlaced || (PNG_PASS_ROWS(height, pass) > 0 && PNG_PASS_COLS(width, pass) > 0)) {
            lastPass = pass;
        }
    }
    for (int pass = 0; pass <= lastPass; ++pass) {
        const int rows = m_interlaced ? int(PNG_PASS_ROWS(height, pass)) : m_size.height();
        if (m_interlaced && (rows == 0 || PNG_PASS_COLS(width, pass) == 0)) {
            continue; // libpng skips an empty pass
        }
        for (int row = 0; row < rows; ++row) {
            const int y = m_interlaced ? int(PNG_ROW_FROM_PASS_ROW(row, pass)) : row;
            if (pass == lastPass && y > part.bottom()) {
                return true;
            }
            png_read_row(m_png, m_row.data(), nullptr);
            Keep(m_row.data(), pass, row, part);
        }
    }
    png_read_end(m_png, nullptr);
    return true;
}

// Qt's reader gives a palette index past the palette the first colour.
void PngPart::ClearStrayIndices()
{
    if (!m_palette) {
        return;
    }
    const auto colours = uchar(std::min<qsizetype>(m_colours.size(), 256) - 1);
    for (int y = 0; y < m_part.height(); ++y) {
        uchar* row = m_part.scanLine(y);
        std::replace_if(
            row, row + m_part.width(), [colours](uchar index) { return index > colours; }, 0);
    }
}

QImage PngPart::Decode(const QRect& part)
{
    if (part.isEmpty() || !QRect(QPoint(0, 0), m_size).contains(part)) {
        return {};
    }
    if (part.bottom() < m_size.height() - 1 && !ChunksReachTheEnd(m_file)) {
        return {};
    }
    // libpng's reading goes on from where the header left off.
    if (!m_file.seek(m_dataAt) || !SetUp()) {
        return {};
    }
    m_part = AllocatePart(part.size(), m_format);
    if (m_part.isNull()) {
        return {};
    }
    if (m_format == QImage::Format_Indexed8) {
        m_part.setColorTable(m_colours);
    }
    if (!ReadRows(part)) {
        return {};
    }
    ClearStrayIndices();
    return std::exchange(m_part, {});
}

} // namespace

OpenedPart OpenPngPart(QIODevice& file)
{
    auto png = std::make_unique<PngPart>(file);
    if (!png->ReadHeader()) {
        return {true, nullptr};
    }
    return {true, std::move(png)};
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class PartDecoder;
class QFile;
class QImageReader;
class QPainter;

// A picture decoded from a file of any format the image readers know, decided
// from the content. EXIF orientation is applied; a picture whose decoding
// would need more than 512 MiB for any buffer is not read. A picture that
// cannot be loaded leaves the object empty.
class CPictureImage
{
public:
    static constexpr int kSuccess = 0;
    static constexpr int kFailure = -1;

    CPictureImage();
    virtual ~CPictureImage();
    CPictureImage(const CPictureImage&) = delete;
    CPictureImage& operator=(const CPictureImage&) = delete;

    // Opens and decodes the whole picture. The object must be empty.
    int LoadFile(const std::string& path);
    // Two steps for callers that place the picture before decoding it: Open
    // reads the header (Width and Height are then known, the object is still
    // empty); Decode decodes the part of the picture inside `visible` and
    // holds no more than it (picture coordinates; an empty rectangle means the
    // whole picture).
    int Open(const std::string& path);
    int Decode(const QRect& visible = {});
    void Release();

    bool IsEmpty() const;
    int Width() const; // full picture size, also when only a part is decoded
    int Height() const;
    bool HasAlpha() const;
    // Memory held for drawing: the decoded part and any transparency copy.
    qint64 HeldBytes() const;
    // Colour 0x00BBGGRR of a decoded pixel; 0 outside the decoded part.
    std::uint32_t PixelAt(int x, int y) const;

    // Draws the picture unscaled with its top-left corner at (x, y), blended
    // by its alpha channel.
    void BlitTo(QPainter& target, int x, int y) const;
    // Draws it unscaled at (x, y), leaving out every pixel of colour `key`.
    // A pixel with partial alpha is compared by its un-premultiplied colour,
    // the one PixelAt reports: on a match it is left out entirely, otherwise
    // it is blended by its alpha. Only the part inside the target is worked.
    void BlitTransparentTo(QPainter& target, int x, int y, std::uint32_t key) const;
    // Works out BlitTransparentTo's transparency for `key` ahead, over the
    // whole decoded part, so that a later draw with that key only blends.
    void PrepareTransparent(std::uint32_t key);
    // Draws the source rectangle stretched into the destination rectangle.
    void StretchTo(QPainter& target, const QRect& destination, const QRect& source) const;

    // Appends the open dialog filter text and the format list: optional
    // "all formats" entry, then one entry per image reader format not
    // excluded by `excludeMask` (bit 0 GIF, 1 BMP, 2 EMF, 3 WMF, 4 JPEG,
    // 5 PNG, 6 TIFF, 7 icon, 31 any other), each as
    // "description (patterns)" sep patterns sep; then one more separator.
    static int BuildOpenFilter(std::string& filter, std::vector<std::string>& formatIds,
                               std::string_view allDescription, std::uint32_t excludeMask,
                               char separator);

private:
    int ReadImage(const QRect& clip);
    int DecodePart(const QRect& part);
    int Keep(QImage image, const QRect& part);
    void ReleaseReader();
    void KeepOnly(const QRect& part);
    const QImage& KeyOut(const QRect& part, std::uint32_t key) const;

    std::unique_ptr<QFile> m_file; // opened by byte path, read by m_reader
    std::unique_ptr<QImageReader> m_reader;
    // Our own decoder, for the formats it knows, instead of the reader.
    std::unique_ptr<PartDecoder> m_decoder;
    QImage m_image; // decoded part, top-left at m_decodedOrigin
    QPoint m_decodedOrigin;
    QSize m_size{0, 0};
    // Reused by BlitTransparentTo: the visible part with the key colour cleared.
    mutable QImage m_keyedScratch;
    // Set when m_keyedScratch holds the whole decoded part keyed by this colour.
    mutable std::optional<std::uint32_t> m_keyedWhole;
};

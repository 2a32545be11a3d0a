// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QList>

#include <QPoint>
#include <QSize>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

// Picture files made on the spot for the image object's tests.

// A palette picture whose pixel (x, y) has colour (x + 2y) mod colours, so
// that flipped rows, a lost column or swapped channels change some pixel.
QImage PatternPicture(QImage::Format format, int width, int height, const QList<QRgb>& colors);

// A picture of `block`-sized squares, each of its own colour; lossy formats
// keep the colour near each square's centre.
QImage BlockPicture(int width, int height, int block);

// The file bytes of `picture` in a format the image writers know, by a writer that `setUp`
// may set up first (its quality, compression or turn).
QByteArray EncodePicture(const QImage& picture, const char* format,
                         const std::function<void(QImageWriter&)>& setUp = {});

// An uncompressed-code GIF of a palette picture (the image writers have none).
QByteArray EncodeGif(const QImage& palettePicture);

// Where a GIF's one frame lies on its logical screen, and how it is drawn.
struct GifLayout
{
    QSize screen;
    QPoint offset;
    int transparentIndex = -1;
    int backgroundIndex = 0;
    bool interlaced = false;
};
QByteArray EncodeGif(const QImage& palettePicture, const GifLayout& layout);

// A PNG of any colour type and bit depth, which the image writers do not all
// make; `sample` gives the value of each channel of each pixel.
struct PngLayout
{
    QSize size;
    int colourType = 2; // 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGBA
    int bitDepth = 8;
    bool interlaced = false;
    QByteArray palette;      // PLTE data
    QByteArray transparency; // tRNS data
    QByteArray exif{};       // eXIf data
};
using PngSample = std::function<int(int x, int y, int channel)>;
QByteArray EncodePng(const PngLayout& layout, const PngSample& sample);

// An uncompressed BMP of any depth and header; `sample` gives the stored
// value of each pixel (a palette index, or the bits the masks pick from).
struct BmpLayout
{
    QSize size;
    int bits = 24;
    int headerBytes = 40; // 12 (the oldest), 40, 108 (with masks and alpha)
    bool topDown = false;
    int compression = 0;                // 0 none, 1 and 2 run-length (8, 4 bits), 3 bit fields
    std::array<std::uint32_t, 4> masks; // red, green, blue, alpha
    int colours = 0;                    // palette entries, written as they are used
};
using BmpSample = std::function<std::uint32_t(int x, int y)>;
QByteArray EncodeBmp(const BmpLayout& layout, const BmpSample& sample);

// A PNG of one colour, made quickly at any size: one bit per pixel.
QByteArray SolidPalettePng(QSize size, QRgb colour);

// `jpeg` with an EXIF block holding the given orientation tag value.
QByteArray WithExifOrientation(const QByteArray& jpeg, int orientation);

// A PNG whose header claims the given size, followed by a few bytes of data.
QByteArray PngHeaderOnly(std::uint32_t width, std::uint32_t height);

void WriteFile(const std::string& path, const QByteArray& bytes);

// A test that writes its picture files into a temporary folder of its own.
class PictureFileTest : public ::testing::Test
{
protected:
    // Writes `bytes` as the file `name` of the folder; its path.
    std::string Write(const std::string& name, const QByteArray& bytes) const
    {
        const std::string path = m_dir.path().toStdString() + "/" + name;
        WriteFile(path, bytes);
        return path;
    }

    QTemporaryDir m_dir;
};

// The colour value 0x00BBGGRR of a Qt colour.
std::uint32_t ColorRefOf(QRgb color);

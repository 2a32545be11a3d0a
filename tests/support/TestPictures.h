#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

#include <cstdint>
#include <string>

// Picture files made on the spot for the image object's tests.

// A palette picture whose pixel (x, y) has colour (x + 2y) mod colours, so
// that flipped rows, a lost column or swapped channels change some pixel.
QImage PatternPicture(QImage::Format format, int width, int height, const QList<QRgb>& colors);

// A picture of `block`-sized squares, each of its own colour; lossy formats
// keep the colour near each square's centre.
QImage BlockPicture(int width, int height, int block);

// The file bytes of `picture` in a format the image writers know.
QByteArray EncodePicture(const QImage& picture, const char* format);

// An uncompressed-code GIF of a palette picture (the image writers have none).
QByteArray EncodeGif(const QImage& palettePicture);

// `jpeg` with an EXIF block holding the given orientation tag value.
QByteArray WithExifOrientation(const QByteArray& jpeg, int orientation);

// A PNG whose header claims the given size, followed by a few bytes of data.
QByteArray PngHeaderOnly(std::uint32_t width, std::uint32_t height);

void WriteFile(const std::string& path, const QByteArray& bytes);

// The colour value 0x00BBGGRR of a Qt colour.
std::uint32_t ColorRefOf(QRgb color);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/content/PictureFile.h"

#include "platform/files/Paths.h"
#include "tools/content/GifWriter.h"

#include <QImageWriter>

#include <algorithm>
#include <cctype>

namespace {

constexpr int kJpegQuality = 92;

std::string LowerExtension(const std::string& path)
{
    std::string extension(ExtensionOf(path));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

bool WriteWithQt(const QImage& image, const std::string& path, const char* format)
{
    QImageWriter writer(QString::fromStdString(path), format);
    if (std::string_view(format) == "jpeg") {
        writer.setQuality(kJpegQuality);
    }
    return writer.write(image);
}

} // namespace

bool SavePicture(const QImage& image, const std::string& path)
{
    const std::string extension = LowerExtension(path);
    if (extension == "gif") {
        return WriteGif(image, path);
    }
    if (extension == "png") {
        return WriteWithQt(image, path, "png");
    }
    if (extension == "bmp") {
        return WriteWithQt(image, path, "bmp");
    }
    if (extension == "jpg") {
        return WriteWithQt(image, path, "jpeg");
    }
    return false;
}

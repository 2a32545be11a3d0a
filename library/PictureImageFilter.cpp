// SPDX-License-Identifier: GPL-3.0-or-later
// The open dialog's file-type filter, built from the formats the image
// readers offer.
#include "library/PictureImage.h"

#include "library/ContentLibrary.h"

#include <QImageReader>

#include <array>
#include <map>

namespace {

// One entry of the filter: a format with all the names its reader goes by.
struct Decoder
{
    std::string id;
    std::string description;
    std::string patterns;
    int excludeBit;
};

// The common formats, in the order the filter lists them, with the reader
// format names that select each of them.
struct KnownDecoder
{
    const char* id;
    const char* description;
    const char* patterns;
    std::array<const char*, 2> readerFormats;
    int excludeBit;
};

constexpr std::array kKnownDecoders{
    KnownDecoder{"bmp", "BMP", "*.BMP;*.DIB;*.RLE", {"bmp"}, 1},
    KnownDecoder{"jpeg", "JPEG", "*.JPG;*.JPEG;*.JPE;*.JFIF", {"jpeg", "jpg"}, 4},
    KnownDecoder{"gif", "GIF", "*.GIF", {"gif"}, 0},
    KnownDecoder{"tiff", "TIFF", "*.TIF;*.TIFF", {"tif", "tiff"}, 6},
    KnownDecoder{"png", "PNG", "*.PNG", {"png"}, 5},
};
constexpr std::string_view kPatternStart = "*.";
constexpr int kOtherFormatBit = 31;

void AppendToList(std::string& list, std::string_view item)
{
    if (!list.empty()) {
        list += ';';
    }
    list += item;
}

// Reader format name -> its MIME type, so that aliases ("svg", "svgz") of
// one format become one entry.
std::map<QByteArray, QByteArray> MimeTypesOfFormats()
{
    std::map<QByteArray, QByteArray> mimeOf;
    for (const QByteArray& mime : QImageReader::supportedMimeTypes()) {
        for (const QByteArray& format : QImageReader::imageFormatsForMimeType(mime)) {
            mimeOf.emplace(format, mime);
        }
    }
    return mimeOf;
}

// Takes from `formats` the first one and every other of the same MIME type.
std::vector<QByteArray> TakeFormatGroup(QList<QByteArray>& formats,
                                        const std::map<QByteArray, QByteArray>& mimeOf)
{
    std::vector<QByteArray> group{formats.takeFirst()};
    const auto mime = mimeOf.find(group.front());
    if (mime == mimeOf.end()) {
        return group;
    }
    for (auto format = formats.begin(); format != formats.end();) {
        const auto formatMime = mimeOf.find(*format);
        if (formatMime != mimeOf.end() && formatMime->second == mime->second) {
            group.push_back(*format);
            format = formats.erase(format);
        } else {
            ++format;
        }
    }
    return group;
}

Decoder OtherDecoder(const std::vector<QByteArray>& names)
{
    Decoder decoder{
        names.front().toStdString(), names.front().toUpper().toStdString(), {}, kOtherFormatBit};
    for (const QByteArray& name : names) {
        AppendToList(decoder.patterns, "*." + name.toUpper().toStdString());
    }
    return decoder;
}

// The patterns of `decoder` for extensions the library takes; a picture the
// dialog offers that no group would list would be copied in for nothing.
std::string PatternsTheLibraryTakes(const Decoder& decoder)
{
    std::string kept;
    std::string_view patterns = decoder.patterns;
    while (!patterns.empty()) {
        const std::size_t end = std::min(patterns.find(';'), patterns.size());
        const std::string_view pattern = patterns.substr(0, end);
        if (pattern.starts_with(kPatternStart) &&
            IsPictureExtension(pattern.substr(kPatternStart.size()))) {
            AppendToList(kept, pattern);
        }
        patterns.remove_prefix(std::min(end + 1, patterns.size()));
    }
    return kept;
}

// The readers' formats that the library takes: the common ones first in
// their fixed order, then every other format in the readers' order.
std::vector<Decoder> ListDecoders()
{
    QList<QByteArray> remaining = QImageReader::supportedImageFormats();
    std::vector<Decoder> decoders;
    for (const KnownDecoder& known : kKnownDecoders) {
        bool present = false;
        for (const char* format : known.readerFormats) {
            present = (format != nullptr && remaining.removeAll(format) > 0) || present;
        }
        if (present) {
            decoders.push_back({known.id, known.description, known.patterns, known.excludeBit});
        }
    }
    const auto mimeOf = MimeTypesOfFormats();
    while (!remaining.isEmpty()) {
        decoders.push_back(OtherDecoder(TakeFormatGroup(remaining, mimeOf)));
    }
    std::vector<Decoder> taken;
    for (Decoder& decoder : decoders) {
        decoder.patterns = PatternsTheLibraryTakes(decoder);
        if (!decoder.patterns.empty()) {
            taken.push_back(std::move(decoder));
        }
    }
    return taken;
}

} // namespace

int CPictureImage::BuildOpenFilter(std::string& filter, std::vector<std::string>& formatIds,
                                   std::string_view allDescription, std::uint32_t excludeMask,
                                   char separator)
{
    const bool withAllEntry = !allDescription.empty();
    if (withAllEntry) {
        formatIds.emplace_back();
    }
    std::string entries;
    std::string allPatterns;
    for (const Decoder& decoder : ListDecoders()) {
        if ((excludeMask >> decoder.excludeBit) & 1u) {
            continue;
        }
        entries += decoder.description + " (" + decoder.patterns + ")" + separator +
                   decoder.patterns + separator;
        formatIds.push_back(decoder.id);
        AppendToList(allPatterns, decoder.patterns);
    }
    if (withAllEntry) {
        filter.append(allDescription).append(1, separator);
        filter.append(allPatterns).append(1, separator);
    }
    filter += entries;
    filter += separator;
    if (formatIds.empty()) {
        filter += separator;
    }
    return kSuccess;
}

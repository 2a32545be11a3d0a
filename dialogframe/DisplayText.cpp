// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogframe/DisplayText.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

// Windows-1252 from 0x80 to 0x9F, where it differs from Latin-1. The five bytes the code page
// leaves undefined keep their C1 control code points.
constexpr char16_t kWindows1252High[] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromWindows1252(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    std::ranges::transform(bytes, text.begin(), [](char byte) {
        const auto code = static_cast<unsigned char>(byte);
        return QChar(code >= 0x80 && code < 0xA0 ? kWindows1252High[code - 0x80] : code);
    });
    return text;
}

QString FromLibraryBytes(std::string_view bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return utf8.hasError() ? FromWindows1252(bytes) : text;
}

// The first `limit` bytes at most, cut in front of a character's first byte, so that valid
// UTF-8 is not taken for another code page for a character split at the cut.
std::string_view HeadOf(std::string_view bytes, std::size_t limit)
{
    if (bytes.size() <= limit)
        return bytes;
    // A UTF-8 character has at most three bytes after its first, each 10xxxxxx.
    const auto followsFirstByte = [bytes](std::size_t at) {
        return (static_cast<unsigned char>(bytes[at]) & 0xC0) == 0x80;
    };
    std::size_t end = limit;
    while (end > limit - 3 && followsFirstByte(end))
        --end;
    return bytes.substr(0, end);
}

} // namespace

QString DisplayText(std::string_view bytes)
{
    // A character takes four bytes at most: no more is converted than is shown.
    QString text = FromLibraryBytes(HeadOf(bytes, 4 * kLongestShownText + 4));
    if (text.size() > kLongestShownText) {
        const bool splitsPair = text[kLongestShownText - 1].isHighSurrogate();
        text.truncate(kLongestShownText - (splitsPair ? 1 : 0));
        text += QChar(0x2026); // an ellipsis
    }
    return text;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/BinaryIo.h"

#include <QString>

#include <limits>

namespace {

constexpr std::uint8_t kLongerLength8 = 0xFF;
constexpr std::uint16_t kWideTag = 0xFFFE;
constexpr std::uint16_t kLongerLength16 = 0xFFFF;
constexpr std::uint32_t kLongerLength32 = 0xFFFFFFFF;
constexpr std::uint64_t kLengthLimit64 = std::uint64_t{1} << 31;

// UTF-16LE code units as the file holds them, in UTF-8.
std::string WideToUtf8(std::string_view bytes)
{
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                         static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
    }
    return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()))
        .toUtf8()
        .toStdString();
}

std::string_view UpToFirstZero(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

} // namespace

BinaryReader::BinaryReader(std::string_view bytes) : m_bytes(bytes) {}

std::size_t BinaryReader::Remaining() const
{
    return m_bytes.size() - m_position;
}

template <typename T> bool BinaryReader::ReadLittleEndian(T& value)
{
    if (Remaining() < sizeof(T))
        return false;
    T read = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        read |= static_cast<T>(static_cast<std::uint8_t>(m_bytes[m_position + i])) << (8 * i);
    m_position += sizeof(T);
    value = read;
    return true;
}

bool BinaryReader::ReadInt32(std::int32_t& value)
{
    std::uint32_t bits = 0;
    if (!ReadLittleEndian(bits))
        return false;
    value = static_cast<std::int32_t>(bits);
    return true;
}

// Reads one length in the narrow forms; the wide tag may stand once in front
// of it and sets `wide`.
bool BinaryReader::ReadLength(std::uint64_t& length, bool& wide)
{
    std::uint8_t length8 = 0;
    if (!ReadLittleEndian(length8))
        return false;
    if (length8 != kLongerLength8) {
        length = length8;
        return true;
    }
    std::uint16_t length16 = 0;
    if (!ReadLittleEndian(length16))
        return false;
    if (length16 == kWideTag) {
        if (wide)
            return false; // a second tag is no length
        wide = true;
        return ReadLength(length, wide);
    }
    if (length16 != kLongerLength16) {
        length = length16;
        return true;
    }
    std::uint32_t length32 = 0;
    if (!ReadLittleEndian(length32))
        return false;
    if (length32 != kLongerLength32) {
        length = length32;
        return true;
    }
    std::uint64_t length64 = 0;
    if (!ReadLittleEndian(length64) || length64 >= kLengthLimit64)
        return false;
    length = length64;
    return true;
}

bool BinaryReader::ReadCountedString(std::string& text)
{
    const std::size_t start = m_position;
    bool wide = false;
    std::uint64_t length = 0;
    // Lengths are below 2^32, so doubling them cannot overflow.
    if (!ReadLength(length, wide) || (wide ? 2 * length : length) > Remaining()) {
        m_position = start;
        return false;
    }
    const std::size_t size = static_cast<std::size_t>(wide ? 2 * length : length);
    const std::string_view stored = m_bytes.substr(m_position, size);
    m_position += size;
    text =
        wide ? std::string(UpToFirstZero(WideToUtf8(stored))) : std::string(UpToFirstZero(stored));
    return true;
}

template <typename T> void BinaryWriter::WriteLittleEndian(T value)
{
    for (std::size_t i = 0; i < sizeof(T); ++i)
        m_bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void BinaryWriter::WriteInt32(std::int32_t value)
{
    WriteLittleEndian(static_cast<std::uint32_t>(value));
}

void BinaryWriter::WriteCountedString(std::string_view text)
{
    const std::uint64_t length = text.size();
    if (length < kLongerLength8) {
        WriteLittleEndian(static_cast<std::uint8_t>(length));
    } else {
        WriteLittleEndian(kLongerLength8);
        if (length < kWideTag) {
            WriteLittleEndian(static_cast<std::uint16_t>(length));
        } else {
            WriteLittleEndian(kLongerLength16);
            if (length < kLongerLength32) {
                WriteLittleEndian(static_cast<std::uint32_t>(length));
            } else {
                WriteLittleEndian(kLongerLength32);
                WriteLittleEndian(length);
            }
        }
    }
    m_bytes.append(text);
}

const std::string& BinaryWriter::Bytes() const
{
    return m_bytes;
}

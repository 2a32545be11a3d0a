// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Reads the program's binary files: 32-bit little-endian integers and counted
// strings. Every read fails, consuming nothing more, when the bytes left are
// fewer than the value claims.
class BinaryReader
{
public:
    explicit BinaryReader(std::string_view bytes);

    bool ReadInt32(std::int32_t& value);
    // One length byte below 255; else 0xFF and a 16-bit length below 0xFFFF;
    // else 0xFF, 0xFFFF and a 32-bit length, or 0xFFFFFFFF and a 64-bit
    // length below 2^31. 0xFF 0xFFFE tags UTF-16LE text of that many units,
    // converted to UTF-8. The text ends at its first zero byte.
    bool ReadCountedString(std::string& text);
    std::size_t Remaining() const;

private:
    template <typename T> bool ReadLittleEndian(T& value);
    bool ReadLength(std::uint64_t& length, bool& wide);

    std::string_view m_bytes;
    std::size_t m_position = 0;
};

// Writes what BinaryReader reads; never the wide form.
class BinaryWriter
{
public:
    void WriteInt32(std::int32_t value);
    void WriteCountedString(std::string_view text);
    const std::string& Bytes() const;

private:
    template <typename T> void WriteLittleEndian(T value);

    std::string m_bytes;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class ChmChild;

// The largest object of a help file that is read; a damaged directory entry may claim any
// length, and no page or picture of a help file comes near this.
inline constexpr std::uint64_t kMaxHelpObjectBytes = 64u << 20;
// What is shown of a contents file or a page at most: the start of a longer one. A real help
// file's are a small part of this; parsing and laying out more would hold up the program.
inline constexpr std::uint64_t kMaxHelpContentsBytes = 4u << 20;
inline constexpr std::uint64_t kMaxHelpPageBytes = 256u << 10;

// A compiled HTML Help file (.chm) opened for reading through chmlib, which also expands its
// LZX-compressed section, in a child process (see ChmChild): a damaged file can neither hang
// nor crash the program, and once it misbehaves every object counts as missing. Objects are
// named by their path inside the file, such as "/index.html", and found ignoring letter case.
class ChmFile
{
public:
    // The help file at `path`; nullptr when it is missing, no help file, or damaged.
    static std::unique_ptr<ChmFile> Open(const std::string& path);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    const std::string& Path() const { return m_path; }
    bool Holds(std::string_view objectPath) const;
    // The bytes of an object, the first `maxBytes` of a longer one; nullopt when it is missing,
    // unreadable or larger than kMaxHelpObjectBytes.
    std::optional<std::string> Read(std::string_view objectPath,
                                    std::uint64_t maxBytes = kMaxHelpObjectBytes) const;

    // What the file says of itself; empty when it does not say. The contents file is an
    // object path like "/Help.hhc"; the default topic is relative, like "index.html".
    const std::string& ContentsFile() const { return m_contentsFile; }
    const std::string& DefaultTopic() const { return m_defaultTopic; }
    const std::string& Title() const { return m_title; }

private:
    ChmFile(std::string path, std::unique_ptr<ChmChild> child);
    void ReadSystemData();
    std::string FindContentsFile() const;

    std::string m_path;
    std::unique_ptr<ChmChild> m_child;
    std::string m_contentsFile;
    std::string m_defaultTopic;
    std::string m_title;
};

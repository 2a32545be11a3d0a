#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct chmFile;
struct chmUnitInfo;

// The largest object of a help file that is read; a damaged directory entry may claim any
// length, and no page or picture of a help file comes near this.
inline constexpr std::uint64_t kMaxHelpObjectBytes = 64u << 20;

// A compiled HTML Help file (.chm) opened for reading through chmlib, which also expands its
// LZX-compressed section. Objects are named by their path inside the file, such as
// "/index.html", and found ignoring letter case.
class ChmFile
{
public:
    // The help file at `path`; nullptr when it is missing, no help file, or damaged.
    static std::unique_ptr<ChmFile> Open(const std::string& path);

    const std::string& Path() const { return m_path; }
    bool Holds(std::string_view objectPath) const;
    // The bytes of an object; nullopt when it is missing, unreadable or larger than
    // kMaxHelpObjectBytes.
    std::optional<std::string> Read(std::string_view objectPath) const;

    // What the file says of itself; empty when it does not say. The contents file is an
    // object path like "/Help.hhc"; the default topic is relative, like "index.html".
    const std::string& ContentsFile() const { return m_contentsFile; }
    const std::string& DefaultTopic() const { return m_defaultTopic; }
    const std::string& Title() const { return m_title; }

private:
    struct Closer
    {
        void operator()(chmFile* handle) const;
    };

    ChmFile(std::string path, chmFile* handle);
    bool Resolve(std::string_view objectPath, chmUnitInfo& unit) const;
    void ReadSystemData();
    std::string FindContentsFile() const;

    std::string m_path;
    std::unique_ptr<chmFile, Closer> m_handle;
    std::string m_contentsFile;
    std::string m_defaultTopic;
    std::string m_title;
};

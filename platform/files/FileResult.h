// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The outcome of a change on disk: success, or the path that could not be changed and the
// system's reason in plain words (such as "No space left on device"), so that the parent who
// asked for the change can be told.
class [[nodiscard]] FileResult
{
public:
    FileResult() = default; // success

    // A failure on `path` for the reason errno holds now.
    static FileResult FromErrno(std::string path);
    static FileResult Failure(std::string path, std::string reason);

    explicit operator bool() const { return !m_failed; }
    const std::string& Path() const { return m_path; }
    const std::string& Reason() const { return m_reason; }

private:
    bool m_failed = false;
    std::string m_path;
    std::string m_reason;
};

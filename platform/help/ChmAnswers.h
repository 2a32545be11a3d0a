// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/help/HelpReaderProtocol.h"

#include <chm_lib.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// The help file's reader's side of a request: chmlib, which trusts the sizes, counts and
// links in a file's headers. Used only by the reader's own process (tapnest-help-reader).

struct ChmClose
{
    void operator()(chmFile* file) const { chm_close(file); }
};
using ChmHandle = std::unique_ptr<chmFile, ChmClose>;

// The help file at `path`; empty when it is none, or compressed in blocks larger than a help
// file needs.
ChmHandle OpenHelpFile(const std::string& path);

// The answer to `request` for `objectPath`: nullopt when the object is not there. A Read
// gives the first `maxBytes` bytes of a longer object, and nothing of one over
// kMaxHelpObjectBytes.
std::optional<std::string> AnswerHelpRequest(chmFile* file, HelpRequest request,
                                             const std::string& objectPath, std::uint64_t maxBytes);

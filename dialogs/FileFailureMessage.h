// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files/FileResult.h"

#include <string_view>

class QWidget;

// Tells the parent of a change on disk that failed, in a message box captioned with the
// program's name over `owner` (which stays open with what the parent typed): the headline
// (string `headlineId`, its "%s" taking `subject`), the path and the system's reason, then
// `advice` when there is any. Names and paths are shown as the library's texts are.
void TellFileFailure(QWidget* owner, int headlineId, std::string_view subject,
                     const FileResult& failure, std::string_view advice);

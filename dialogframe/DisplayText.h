// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string_view>

// How a byte text of the library (a group's name or description, a file or folder name) is
// shown in a widget: as UTF-8 when it is valid UTF-8, else as Windows-1252, the code page a
// library made on another system is most often written in. A text longer than
// kLongestShownText characters is shown up to there, then an ellipsis: laying out megabytes
// of text would stall the dialog.
constexpr qsizetype kLongestShownText = 4096;
QString DisplayText(std::string_view bytes);

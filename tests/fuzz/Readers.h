// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Every reader of the program fed with the bytes of one file, as the program would read them
// from the library or the install folder. The fuzz targets call them with each input, and the
// regression test with each file of tests/fuzz/regressions. They only read: a damaged input must
// end as one that cannot be read, without a crash, a hang or a huge allocation.
namespace fuzz {

void ReadSettings(std::string_view bytes);
void ReadCountedStrings(std::string_view bytes);
void ReadGroupFile(std::string_view bytes);
void ReadCutList(std::string_view bytes);
void ReadPicture(std::string_view bytes);
void ReadSound(std::string_view bytes);
void ReadContents(std::string_view bytes);
void ReadHelpFile(std::string_view bytes);

// The reader for a regression file, by the prefix of its name ("picture-...", ...); nullptr
// for a name without a known prefix.
using Reader = void (*)(std::string_view);
Reader ReaderFor(std::string_view fileName);

} // namespace fuzz

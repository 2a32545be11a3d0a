// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/files/FileSearch.h"

#include <string>
#include <string_view>
#include <vector>

// Name of the default-sound folder below installDir (found ignoring case).
inline constexpr std::string_view kDefaultSoundFolder = "DefVoice";

// Name of the settings file in installDir.
inline constexpr std::string_view kSettingsFileName = "Kipo.ini";

// A directory below installDir, other than DefVoice in any letter case, that
// holds a file named after it with ".ini" appended (ignoring letter case).
bool IsGroupFolder(const std::string& installDir, const FoundEntry& entry);
// Whether an entry of installDir is part of the content library, the part a new
// user's folder is seeded with: a group folder, the DefVoice folder or the
// settings file, each in any letter case.
bool IsLibraryItem(const std::string& installDir, const FoundEntry& entry);
// Group folder names in directory listing order.
std::vector<std::string> ListGroupFolders(const std::string& installDir);

// The picture path with everything after its last '.' replaced by "wav".
std::string OwnSoundPath(std::string_view picturePath);
// The own sound of each of `pictures`, files of the group folder `groupPath`:
// the full path of the file OwnSoundPath names, found ignoring letter case
// (an exact spelling preferred), or an empty text when there is none. Reads
// the folder once, however many pictures there are.
std::vector<std::string> FindOwnSounds(const std::string& groupPath,
                                       const std::vector<FoundEntry>& pictures);
// A new upper-case UUID text, 36 characters, without braces.
std::string NewGroupFolderName();
// Whether `name` has the form NewGroupFolderName gives (in any letter case).
bool IsNewGroupFolderName(std::string_view name);

// Full paths of the "*.wav" files of DefVoice, in listing order.
std::vector<std::string> ListDefaultSounds(const std::string& installDir);

// The picture extensions, in the order pictures are collected: the one list
// of what the library takes, which the groups' listings, the play's deck and
// the open dialog's filter all follow. "JPE" also matches ".jpeg" and "TIF"
// also matches ".tiff".
inline constexpr std::string_view kPictureExtensions[] = {"BMP",  "DIB", "RLE", "JPG", "JPE",
                                                          "JFIF", "GIF", "TIF", "PNG", "WEBP"};
// Whether a file with this extension (any letter case, without the dot) is a
// picture the library takes.
bool IsPictureExtension(std::string_view extension);
// The picture files of a group folder: extension by extension in the order
// above, listing order within one extension, each file once; directories are
// not pictures.
std::vector<FoundEntry> ListPictureFiles(const std::string& groupPath);

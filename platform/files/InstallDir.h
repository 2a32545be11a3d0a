// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TestSeam.h"
#include "platform/files/FileSearch.h"

#include <functional>
#include <string>
#include <string_view>

// Where the settings file and the content library live.
//
// A program that runs from a folder the user may write to, and that is not an
// installed package, keeps them beside itself: the build tree and portable
// copies. An installed program (its folder is <prefix>/lib/tapnest and the
// shipped data lies in <prefix>/share/tapnest) or one in a read-only folder
// keeps them in the user's own folder <data home>/tapnest. That folder is made
// on the first start with a copy of the content library of the shipped data
// (or, without any, of the program's folder); once it exists it is never
// touched again, so a newer package never overwrites a parent's changes. The
// other shipped files (the help file, the greeting sounds) are not copied, so
// that a newer package brings its own: see ShippedFilePath.

// The data home of the XDG base directories: `xdgDataHome` ($XDG_DATA_HOME) when it is
// absolute, otherwise ~/.local/share of `home`; empty when there is neither.
std::string UserDataHomeOf(std::string_view xdgDataHome, std::string_view home);

// The folder the shipped data of a program in `programDir` is installed to.
std::string ShippedDataDir(const std::string& programDir);

// Whether `entry`, listed in the folder `dir`, is part of the content library.
using LibraryItemCheck = std::function<bool(const std::string& dir, const FoundEntry& entry)>;

// The installation directory for the program file `programFile`, creating and
// seeding the user's folder when it is needed and missing: the entries of the
// folder it is seeded from that `isLibraryItem` accepts are copied, nothing else.
// When that folder cannot be made, the folder it would have been seeded from is
// used as it is. It asks the system whether the program's folder is writable (as
// the process may write) and where the user's data home is (UserDataHomeOf the
// environment).
std::string ResolveInstallDir(const std::string& programFile,
                              const LibraryItemCheck& isLibraryItem);

// A file the program ships that a parent may replace with their own, such as the
// help file or a greeting sound: `name` in installDir when it is there, else in
// the shipped data of the running program (ProgramFilePath), else beside the
// program, each found ignoring letter case; the path in installDir when it is
// nowhere.
std::string ShippedFilePath(const std::string& installDir, std::string_view name);

// Test seam: while an object of this class lives, ResolveInstallDir asks it instead of the
// system whether a folder is writable and where the user's data home is (empty: the user has
// none).
class ScriptedInstallSystem : public TestSeam<ScriptedInstallSystem>
{
public:
    using WriteCheck = std::function<bool(const std::string& dir)>;
    ScriptedInstallSystem(WriteCheck isWritable, std::string userDataHome)
        : m_isWritable(std::move(isWritable)), m_userDataHome(std::move(userDataHome))
    {
    }

    bool IsWritable(const std::string& dir) const { return m_isWritable(dir); }
    const std::string& UserDataHome() const { return m_userDataHome; }

private:
    WriteCheck m_isWritable;
    std::string m_userDataHome;
};

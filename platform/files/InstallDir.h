#pragma once

#include <functional>
#include <string>

// Where the settings file and the content library live.
//
// A program that runs from a folder the user may write to, and that is not an
// installed package, keeps them beside itself: the build tree and portable
// copies. An installed program (its folder is <prefix>/lib/tapnest and the
// shipped data lies in <prefix>/share/tapnest) or one in a read-only folder
// keeps them in the user's own folder <data home>/tapnest. That folder is made
// on the first start as a copy of the shipped data (or, without any, of the
// program's folder); once it exists it is never touched again, so a newer
// package never overwrites a parent's changes.

// What the rule asks of the system; tests supply their own.
struct InstallDirSystem
{
    std::function<bool(const std::string& dir)> isWritable;
    std::string userDataHome; // empty when the user has no home
};

// The running system: write access as the process has it, and the data home
// of the XDG base directories ($XDG_DATA_HOME when absolute, otherwise
// ~/.local/share).
InstallDirSystem RunningSystem();

// The folder the shipped data of a program in `programDir` is installed to.
std::string ShippedDataDir(const std::string& programDir);

// The installation directory for the program file `programFile`, creating and
// seeding the user's folder when it is needed and missing. When that folder
// cannot be made, the folder it would have been copied from is used as it is.
std::string ResolveInstallDir(const std::string& programFile, const InstallDirSystem& system);

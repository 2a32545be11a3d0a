// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Ids of the string table.
inline constexpr int kStrAboutMenu = 101;      // "&About Tapnest..."
inline constexpr int kStrInformation = 111;    // caption "Information"
inline constexpr int kStrWarning = 116;        // caption "Warning"
inline constexpr int kStrQuitHint = 125;       // hint drawn on the first play frame
inline constexpr int kStrKeysNotLocked = 126;  // under the hint, when the lock failed
inline constexpr int kStrTouchNotLocked = 134; // under the hint, where touch gestures stay
// The welcome dialog's note when the desktop, asked before any play, will not
// hold its shortcuts back: on any desktop, on GNOME, and on GNOME for a copy
// it does not know by name.
inline constexpr int kStrKeysWillNotLock = 127;
inline constexpr int kStrKeysWillNotLockGnome = 132;
inline constexpr int kStrKeysWillNotLockGnomeCopy = 133;
inline constexpr int kStrNoGroupToShow = 140;    // no picture in the switched-on groups
inline constexpr int kStrPlayWindowFailed = 141; // the play window could not be created
inline constexpr int kStrTimeToRest = 142;       // the time limit ended the play
inline constexpr int kStrError = 143;            // caption "Error"

// Strings of the setup dialog and the dialogs it opens.
inline constexpr int kStrFileNameColumn = 102;        // heading of the default sounds' names
inline constexpr int kStrOverwriteDefaultSound = 123; // "%s": the file that exists
inline constexpr int kStrDeleteDefaultSounds = 124;   // "%d": how many files
inline constexpr int kStrFileSizeColumn = 131;        // heading of the default sounds' sizes
inline constexpr int kStrDeleteGroupQuestion = 160;   // "%s": name, name, folder path
inline constexpr int kStrNoGroupLeft = 161;           // the setup's info line with no group
inline constexpr int kStrGroupNameMissing = 162;      // adding a group without a name

// Messages of reading dialog fields.
inline constexpr int kStrProgramName = 0xE000; // "Tapnest": caption of the field checks
inline constexpr int kStrNotAnInteger = 0xF110;
inline constexpr int kStrIntegerOutOfRange = 0xF111; // "%1" and "%2": the bounds
inline constexpr int kStrTextTooLong = 0xF118;       // "%1": the most characters

// Texts of the Manage Picture Group dialog.
inline constexpr int kStrPictureNameHeading = 103; // list column headings
inline constexpr int kStrPictureSizeHeading = 104;
inline constexpr int kStrPictureCutHeading = 105;
inline constexpr int kStrCutYes = 106; // the cut column's texts
inline constexpr int kStrCutNo = 107;
inline constexpr int kStrPictureExists = 114;         // "%s": full destination path
inline constexpr int kStrDeletePictureAndSound = 115; // "%s": picture file name
inline constexpr int kStrDeletePicture = 117;         // "%s": picture file name
inline constexpr int kStrReplaceOwnSound = 118;
inline constexpr int kStrSoundFileFilter = 119;
inline constexpr int kStrDeleteOwnSound = 120; // "%s": sound file name
inline constexpr int kStrCancelCutting = 121;  // captions of the cut button
inline constexpr int kStrCutToDisplay = 122;

// What the parent is told when a change on disk failed: a headline, the path and the system's
// reason, and what to do next.
inline constexpr int kStrSettingsNotSaved = 170;
inline constexpr int kStrGroupNotSaved = 171; // "%s": the group's name
inline constexpr int kStrFileNotCopied = 172; // "%s": the file's name
inline constexpr int kStrNotDeleted = 173;    // "%s": the file's or the group's name
inline constexpr int kStrTryAgain = 174;      // after a save or a copy that failed
inline constexpr int kStrLaterFilesNotCopied = 175;

// Names a screen reader gives controls whose labels do not tell them apart.
inline constexpr int kStrTimeLimitName = 180;
inline constexpr int kStrKeyDelayName = 181;
inline constexpr int kStrAutoDisplayName = 182;
inline constexpr int kStrSoundListName = 183;

// The text of a string-table entry; empty for an unknown id.
std::string LoadString(int id);

// `text` with its first `marker` (such as "%s", "%d" or "%1") replaced by
// `value`; unchanged when the marker is missing.
std::string FillIn(std::string text, std::string_view marker, std::string_view value);

// `text` with its markers replaced by `values` in turn, in one pass, so that a value that
// holds the marker itself stays as it is; markers beyond the values stay.
std::string FillInEach(std::string_view text, std::string_view marker,
                       std::initializer_list<std::string_view> values);

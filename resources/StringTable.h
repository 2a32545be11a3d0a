#pragma once

#include <string>
#include <string_view>

// Ids of the string table.
inline constexpr int kStrAboutMenu = 101;        // "&About Tapnest..."
inline constexpr int kStrInformation = 111;      // caption "Information"
inline constexpr int kStrWarning = 116;          // caption "Warning"
inline constexpr int kStrQuitHint = 125;         // hint drawn on the first play frame
inline constexpr int kStrNoGroupToShow = 140;    // no picture in the switched-on groups
inline constexpr int kStrPlayWindowFailed = 141; // the play window could not be created
inline constexpr int kStrTimeToRest = 142;       // the time limit ended the play
inline constexpr int kStrError = 143;            // caption "Error"

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

// The text of a string-table entry; empty for an unknown id.
std::string LoadString(int id);

// `text` with its first `marker` (such as "%s", "%d" or "%1") replaced by
// `value`; unchanged when the marker is missing.
std::string FillIn(std::string text, std::string_view marker, std::string_view value);

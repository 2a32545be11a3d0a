// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/StringTable.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// The texts are English, the source language of the catalogues, and are looked up in the
// "StringTable" context when loaded.
constexpr const char* kContext = "StringTable";

struct StringEntry
{
    int id;
    const char* text;
};

constexpr std::array kStrings{
    StringEntry{kStrAboutMenu, QT_TRANSLATE_NOOP("StringTable", "&About Tapnest...")},
    StringEntry{kStrInformation, QT_TRANSLATE_NOOP("StringTable", "Information")},
    StringEntry{kStrWarning, QT_TRANSLATE_NOOP("StringTable", "Warning")},
    StringEntry{kStrPictureNameHeading, QT_TRANSLATE_NOOP("StringTable", "Picture File Name")},
    StringEntry{kStrPictureSizeHeading,
                QT_TRANSLATE_NOOP("StringTable", "Picture File Size(Bytes)")},
    StringEntry{kStrPictureCutHeading, QT_TRANSLATE_NOOP("StringTable", "Cut to be displayed")},
    StringEntry{kStrCutYes, QT_TRANSLATE_NOOP("StringTable", "Yes")},
    StringEntry{kStrCutNo, QT_TRANSLATE_NOOP("StringTable", "No")},
    StringEntry{kStrPictureExists,
                QT_TRANSLATE_NOOP("StringTable", "File %s has existed. Overwrite it?")},
    StringEntry{
        kStrDeletePictureAndSound,
        QT_TRANSLATE_NOOP(
            "StringTable",
            "Do you want to delete the picture file %s? Its sound will be deleted with it.")},
    StringEntry{kStrDeletePicture,
                QT_TRANSLATE_NOOP("StringTable",
                                  "Do you assure that you want to delete the picture file %s?")},
    StringEntry{
        kStrReplaceOwnSound,
        QT_TRANSLATE_NOOP("StringTable",
                          "The specified sound file will overwrite the old one. Continue?")},
    StringEntry{kStrSoundFileFilter,
                QT_TRANSLATE_NOOP("StringTable", "Sound wave files (*.wav) | *.wav||")},
    StringEntry{kStrDeleteOwnSound,
                QT_TRANSLATE_NOOP("StringTable", "Are you sure to delete the sound file %s?")},
    StringEntry{kStrCancelCutting, QT_TRANSLATE_NOOP("StringTable", "Cancel Cu&tting")},
    StringEntry{kStrCutToDisplay, QT_TRANSLATE_NOOP("StringTable", "Cu&t to display")},
    StringEntry{kStrQuitHint, QT_TRANSLATE_NOOP("StringTable", "Type \"kolo486\" to quit.")},
    StringEntry{
        kStrKeysNotLocked,
        QT_TRANSLATE_NOOP("StringTable", "The system keys are not locked on this desktop.")},
    StringEntry{kStrTouchNotLocked,
                QT_TRANSLATE_NOOP("StringTable", "Touch gestures are not locked on this desktop.")},
    StringEntry{kStrKeysWillNotLock,
                QT_TRANSLATE_NOOP(
                    "StringTable",
                    "The system keys will not be locked on this desktop: see Help, What does my "
                    "desktop need?")},
    StringEntry{
        kStrKeysWillNotLockGnome,
        QT_TRANSLATE_NOOP("StringTable",
                          "System keys not locked: allow it in Settings, Applications, Tapnest.")},
    StringEntry{
        kStrKeysWillNotLockGnomeCopy,
        QT_TRANSLATE_NOOP("StringTable",
                          "System keys not locked: allow it when GNOME asks at each play.")},
    StringEntry{kStrNoGroupToShow,
                QT_TRANSLATE_NOOP("StringTable", "Please select one picture group to display.")},
    StringEntry{kStrPlayWindowFailed,
                QT_TRANSLATE_NOOP("StringTable", "Create the playing window failed.")},
    StringEntry{
        kStrTimeToRest,
        QT_TRANSLATE_NOOP("StringTable", "You have played for a long time. Please have a rest.")},
    StringEntry{kStrError, QT_TRANSLATE_NOOP("StringTable", "Error")},
    StringEntry{kStrFileNameColumn, QT_TRANSLATE_NOOP("StringTable", "File Name")},
    StringEntry{kStrOverwriteDefaultSound,
                QT_TRANSLATE_NOOP("StringTable", "File %s has existed. Overwrite it?")},
    StringEntry{kStrDeleteDefaultSounds,
                QT_TRANSLATE_NOOP("StringTable", "Delete the chosen %d sounds files?")},
    StringEntry{kStrFileSizeColumn, QT_TRANSLATE_NOOP("StringTable", "File Size (Bytes)")},
    StringEntry{
        kStrDeleteGroupQuestion,
        QT_TRANSLATE_NOOP(
            "StringTable",
            "Assure that you want to delete the pictures group %s and the path of %s is \n%s?")},
    StringEntry{kStrNoGroupLeft,
                QT_TRANSLATE_NOOP("StringTable", "No pictures group temporarily.")},
    StringEntry{kStrGroupNameMissing,
                QT_TRANSLATE_NOOP("StringTable",
                                  "You must enter the picture group name into \"group name\". "
                                  "\n Please go on entering after having pressed the button OK.")},
    StringEntry{kStrSettingsNotSaved,
                QT_TRANSLATE_NOOP("StringTable", "The settings could not be saved.")},
    StringEntry{kStrGroupNotSaved,
                QT_TRANSLATE_NOOP("StringTable", "The picture group \"%s\" could not be saved.")},
    StringEntry{kStrFileNotCopied,
                QT_TRANSLATE_NOOP("StringTable", "The file %s could not be copied.")},
    StringEntry{kStrNotDeleted, QT_TRANSLATE_NOOP("StringTable", "%s could not be deleted.")},
    StringEntry{kStrTryAgain,
                QT_TRANSLATE_NOOP("StringTable",
                                  "Make room on the disk or allow writing there, then try again.")},
    StringEntry{kStrLaterFilesNotCopied,
                QT_TRANSLATE_NOOP("StringTable", "The files after it were not copied.")},
    StringEntry{kStrTimeLimitName, QT_TRANSLATE_NOOP("StringTable", "Time limit (minutes)")},
    StringEntry{kStrKeyDelayName, QT_TRANSLATE_NOOP("StringTable", "Key delay (milliseconds)")},
    StringEntry{kStrAutoDisplayName, QT_TRANSLATE_NOOP("StringTable", "Auto display (seconds)")},
    StringEntry{kStrSoundListName, QT_TRANSLATE_NOOP("StringTable", "Default sounds")},
    StringEntry{kStrProgramName, QT_TRANSLATE_NOOP("StringTable", "Tapnest")},
    StringEntry{kStrNotAnInteger, QT_TRANSLATE_NOOP("StringTable", "Please enter an integer.")},
    StringEntry{kStrIntegerOutOfRange,
                QT_TRANSLATE_NOOP("StringTable", "Please enter an integer between %1 and %2.")},
    StringEntry{kStrTextTooLong,
                QT_TRANSLATE_NOOP("StringTable", "Please enter no more than %1 characters.")},
};

} // namespace

std::string LoadString(int id)
{
    const auto found = std::ranges::find(kStrings, id, &StringEntry::id);
    return found == kStrings.end()
               ? std::string()
               : QCoreApplication::translate(kContext, found->text).toStdString();
}

std::string FillIn(std::string text, std::string_view marker, std::string_view value)
{
    const std::size_t at = text.find(marker);
    if (at != std::string::npos)
        text.replace(at, marker.size(), value);
    return text;
}

std::string FillInEach(std::string_view text, std::string_view marker,
                       std::initializer_list<std::string_view> values)
{
    std::string filled;
    for (const std::string_view value : values) {
        const std::size_t at = text.find(marker);
        if (at == std::string_view::npos)
            break;
        filled.append(text.substr(0, at)).append(value);
        text.remove_prefix(at + marker.size());
    }
    return filled.append(text);
}

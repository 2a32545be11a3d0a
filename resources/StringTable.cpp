#include "resources/StringTable.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct StringEntry
{
    int id;
    std::string_view text;
};

constexpr std::array kStrings{
    StringEntry{kStrAboutMenu, "&About Tapnest..."},
    StringEntry{kStrInformation, "Information"},
    StringEntry{kStrWarning, "Warning"},
    StringEntry{kStrPictureNameHeading, "Picture File Name"},
    StringEntry{kStrPictureSizeHeading, "Picture File Size(Bytes)"},
    StringEntry{kStrPictureCutHeading, "Cut to be displayed"},
    StringEntry{kStrCutYes, "Yes"},
    StringEntry{kStrCutNo, "No"},
    StringEntry{kStrPictureExists, "File %s has existed. Overwrite it?"},
    StringEntry{kStrDeletePictureAndSound,
                "Do you want to delete the picture file %s? Its sound will be deleted with it."},
    StringEntry{kStrDeletePicture, "Do you assure that you want to delete the picture file %s?"},
    StringEntry{kStrReplaceOwnSound,
                "The specified sound file will overwrite the old one. Continue?"},
    StringEntry{kStrSoundFileFilter, "Sound wave files (*.wav) | *.wav||"},
    StringEntry{kStrDeleteOwnSound, "Are you sure to delete the sound file %s?"},
    StringEntry{kStrCancelCutting, "Cancel Cu&tting"},
    StringEntry{kStrCutToDisplay, "Cu&t to display"},
    StringEntry{kStrQuitHint, "Type \"kolo486\" to quit."},
    StringEntry{kStrKeysNotLocked, "The system keys are not locked on this desktop."},
    StringEntry{kStrTouchNotLocked, "Touch gestures are not locked on this desktop."},
    StringEntry{kStrKeysWillNotLock,
                "The system keys will not be locked on this desktop: see Help, What does my "
                "desktop need?"},
    StringEntry{kStrKeysWillNotLockGnome,
                "System keys not locked: allow it in Settings, Applications, Tapnest."},
    StringEntry{kStrKeysWillNotLockGnomeCopy,
                "System keys not locked: allow it when GNOME asks at each play."},
    StringEntry{kStrNoGroupToShow, "Please select one picture group to display."},
    StringEntry{kStrPlayWindowFailed, "Create the playing window failed."},
    StringEntry{kStrTimeToRest, "You have played for a long time. Please have a rest."},
    StringEntry{kStrError, "Error"},
    StringEntry{kStrFileNameColumn, "File Name"},
    StringEntry{kStrOverwriteDefaultSound, "File %s has existed. Overwrite it?"},
    StringEntry{kStrDeleteDefaultSounds, "Delete the chosen %d sounds files?"},
    StringEntry{kStrFileSizeColumn, "File Size (Bytes)"},
    StringEntry{kStrDeleteGroupQuestion,
                "Assure that you want to delete the pictures group %s and the path of %s is \n%s?"},
    StringEntry{kStrNoGroupLeft, "No pictures group temporarily."},
    StringEntry{kStrGroupNameMissing,
                "You must enter the picture group name into \"group name\". "
                "\n Please go on entering after having pressed the button OK."},
    StringEntry{kStrSettingsNotSaved, "The settings could not be saved."},
    StringEntry{kStrGroupNotSaved, "The picture group \"%s\" could not be saved."},
    StringEntry{kStrFileNotCopied, "The file %s could not be copied."},
    StringEntry{kStrNotDeleted, "%s could not be deleted."},
    StringEntry{kStrTryAgain, "Make room on the disk or allow writing there, then try again."},
    StringEntry{kStrLaterFilesNotCopied, "The files after it were not copied."},
    StringEntry{kStrTimeLimitName, "Time limit (minutes)"},
    StringEntry{kStrKeyDelayName, "Key delay (milliseconds)"},
    StringEntry{kStrAutoDisplayName, "Auto display (seconds)"},
    StringEntry{kStrSoundListName, "Default sounds"},
    StringEntry{kStrProgramName, "Tapnest"},
    StringEntry{kStrNotAnInteger, "Please enter an integer."},
    StringEntry{kStrIntegerOutOfRange, "Please enter an integer between %1 and %2."},
    StringEntry{kStrTextTooLong, "Please enter no more than %1 characters."},
};

} // namespace

std::string LoadString(int id)
{
    const auto found = std::ranges::find(kStrings, id, &StringEntry::id);
    return found == kStrings.end() ? std::string() : std::string(found->text);
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

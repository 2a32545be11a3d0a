// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <type_traits>

// Ids shared by the dialog templates and the code that handles their controls.

// Dialog templates.
inline constexpr int kAboutDialogId = 100;
inline constexpr int kWelcomeDialogId = 102;
inline constexpr int kSetupDialogId = 129;
inline constexpr int kManageVoiceDialogId = 130;
inline constexpr int kAddPicTermDialogId = 132;
inline constexpr int kManagePicTermDialogId = 133;
inline constexpr int kThanksDialogId = 136;

// The program's icon.
inline constexpr int kAppIconId = 128;

// Buttons every dialog may have: 1 accepts the dialog, 2 rejects it, 9 opens its help.
inline constexpr int kOkButtonId = 1;
inline constexpr int kCancelButtonId = 2;
inline constexpr int kHelpButtonId = 9;

// The controls of each dialog are named by a scoped enumeration of their own, so that an id
// of one dialog cannot name a control of another: the same number means different controls
// in different dialogs.
template <class Id>
concept ControlId = std::is_enum_v<Id> && !std::is_convertible_v<Id, int>;

// The number the dialog template gives the control.
template <ControlId Id> constexpr int IdNumber(Id id)
{
    return static_cast<int>(id);
}

// The dialog template whose controls an id type names.
template <ControlId Id> inline constexpr int kTemplateOf = 0;

enum class WelcomeId {
    Close = kOkButtonId,
    Start = 1000,
    Setup = 1001,
    MoreFiles = 1003,
    HelpButton = 1004,
};
template <> inline constexpr int kTemplateOf<WelcomeId> = kWelcomeDialogId;

enum class AboutId {
    Ok = kOkButtonId,
    Link = 1045,
};
template <> inline constexpr int kTemplateOf<AboutId> = kAboutDialogId;

enum class ThanksId {
    Close = kOkButtonId,
    ImagesLink = 1043,
    ClipArtLink = 1044,
    VectorsLink = 1046,
    PicturesLink = 1047,
    SoundsLink = 1048,
    GameArtLink = 1049,
};
template <> inline constexpr int kTemplateOf<ThanksId> = kThanksDialogId;
inline constexpr ThanksId kThanksLinks[] = {ThanksId::ImagesLink,  ThanksId::ClipArtLink,
                                            ThanksId::VectorsLink, ThanksId::PicturesLink,
                                            ThanksId::SoundsLink,  ThanksId::GameArtLink};

enum class SetupId {
    None = -1, // a setting no control of its own shows
    Ok = kOkButtonId,
    Cancel = kCancelButtonId,
    Help = kHelpButtonId,
    ClearBackground = 1005,
    RandomColor = 1006,
    KeyDelayOn = 1007,
    KeyDelayEdit = 1008,
    AutoDisplayOn = 1009,
    KeyDelaySpin = 1010,
    GroupList = 1011,
    TimeLimitEdit = 1012,
    TimeLimitSpin = 1013,
    ColourSwatch = 1014,
    AutoDisplayEdit = 1015,
    GroupInfo = 1016,
    ManageDefaultSounds = 1017,
    ManageGroup = 1018,
    AddGroup = 1019,
    DeleteGroup = 1020,
    AutoDisplaySpin = 1021,
    TimeLimitOn = 1022,
};
template <> inline constexpr int kTemplateOf<SetupId> = kSetupDialogId;

enum class AddGroupId {
    Ok = kOkButtonId,
    Cancel = kCancelButtonId,
    Help = kHelpButtonId,
    Name = 1020,
    Description = 1021,
    Path = 1022,
};
template <> inline constexpr int kTemplateOf<AddGroupId> = kAddPicTermDialogId;

enum class DefaultSoundsId {
    Close = kOkButtonId,
    Help = kHelpButtonId,
    Play = 1000,
    Stop = 1001,
    Add = 1002,
    Delete = 1003,
    List = 1018,
};
template <> inline constexpr int kTemplateOf<DefaultSoundsId> = kManageVoiceDialogId;

enum class ManageGroupId {
    Ok = kOkButtonId,
    Cancel = kCancelButtonId,
    Help = kHelpButtonId,
    DeleteSounds = 1005,
    Name = 1020,
    Description = 1021,
    Path = 1022,
    PictureTotal = 1024,
    CurrentSound = 1025,
    AddPictures = 1026,
    DeletePicture = 1027,
    PictureList = 1028,
    Preview = 1029,
    PlaySounds = 1030,
    SpecifySounds = 1031,
    DisplayGroup = 1032,
    CutToDisplay = 1033,
};
template <> inline constexpr int kTemplateOf<ManageGroupId> = kManagePicTermDialogId;

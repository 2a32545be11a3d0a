// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/DialogTemplate.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QtGlobal>

#include <map>

namespace {

using enum ControlKind;

DialogTemplate WelcomeTemplate()
{
    return {
        kWelcomeDialogId,
        "WelcomeDialog",
        QT_TRANSLATE_NOOP("WelcomeDialog", "Welcome to Tapnest 2.2 !"),
        "MS Shell Dlg",
        8,
        230,
        127,
        {
            {kNoControlId, StaticCentre,
             QT_TRANSLATE_NOOP("WelcomeDialog", "Create the baby's movie and baby's game!"), 7, 7,
             216, 8},
            {kNoControlId, StaticLeft,
             QT_TRANSLATE_NOOP(
                 "WelcomeDialog",
                 "Press the button \"Start\", then your baby can play with the computer,  pressing "
                 "the keyboard and clicking the mouse at will.  And this will make your baby "
                 "feeling satisfied. Be sure that you attend your baby, instead of letting it "
                 "alone."),
             7, 20, 216, 43},
            {WelcomeId::Start, DefaultPushButton, QT_TRANSLATE_NOOP("WelcomeDialog", "&Start..."),
             7, 67, 103, 14},
            {WelcomeId::Setup, PushButton, QT_TRANSLATE_NOOP("WelcomeDialog", "Se&tup..."), 120, 67,
             103, 14},
            {WelcomeId::MoreFiles, PushButton,
             QT_TRANSLATE_NOOP("WelcomeDialog", "Get more picture &and voice files ..."), 7, 86,
             216, 14},
            {WelcomeId::Close, PushButton, QT_TRANSLATE_NOOP("WelcomeDialog", "&Close"), 7, 105,
             103, 14},
            {WelcomeId::HelpButton, PushButton, QT_TRANSLATE_NOOP("WelcomeDialog", "&Help"), 120,
             105, 103, 14},
        }};
}

// Label 1045 links to the program's web page.
DialogTemplate AboutTemplate()
{
    return {
        kAboutDialogId,
        "AboutDialog",
        QT_TRANSLATE_NOOP("AboutDialog", "About Tapnest"),
        "Microsoft Sans Serif",
        9,
        183,
        95,
        {
            {kNoControlId, Icon, "", 7, 7, 20, 20},
            {kNoControlId, StaticCentre, QT_TRANSLATE_NOOP("AboutDialog", "Tapnest Ver 2.2"), 40, 7,
             129, 8},
            {kNoControlId, StaticLeft,
             QT_TRANSLATE_NOOP("AboutDialog", "Pictures and sounds for little hands."), 40, 18, 129,
             8},
            {kNoControlId, StaticLeft,
             QT_TRANSLATE_NOOP("AboutDialog", "Every key and every click brings a"), 40, 29, 129,
             8},
            {kNoControlId, StaticLeft,
             QT_TRANSLATE_NOOP("AboutDialog", "new picture with its own sound."), 40, 40, 129, 8},
            {kNoControlId, StaticLeft, QT_TRANSLATE_NOOP("AboutDialog", "Welcome to Visit:"), 40,
             51, 129, 8},
            {AboutId::Link, StaticLeft, "https://tapnest.org/", 40, 62, 129, 8},
            {AboutId::Ok, DefaultPushButton, QT_TRANSLATE_NOOP("AboutDialog", "&OK"), 58, 76, 67,
             13},
        }};
}

// Three volumes of free pictures and sounds, two places to get each.
DialogTemplate ThanksTemplate()
{
    return {
        kThanksDialogId,
        "ThanksDialog",
        QT_TRANSLATE_NOOP("ThanksDialog", "Thanks"),
        "MS Shell Dlg",
        8,
        291,
        159,
        {
            {kNoControlId, StaticCentre,
             QT_TRANSLATE_NOOP("ThanksDialog", "We appreciate your supporting!"), 4, 5, 281, 8},
            {kNoControlId, StaticLeft,
             QT_TRANSLATE_NOOP("ThanksDialog", "You can get more picture and voice files:"), 4, 18,
             281, 8},
            {kNoControlId, StaticLeft, QT_TRANSLATE_NOOP("ThanksDialog", "1.Volume 1"), 4, 30, 149,
             8},
            {kNoControlId, StaticLeft, "a. ", 13, 41, 15, 8},
            {ThanksId::ImagesLink, StaticLeft, "https://commons.wikimedia.org", 34, 41, 251, 8},
            {kNoControlId, StaticLeft, "b. ", 13, 52, 15, 8},
            {ThanksId::ClipArtLink, StaticLeft, "https://openclipart.org", 34, 52, 251, 8},
            {kNoControlId, StaticLeft, QT_TRANSLATE_NOOP("ThanksDialog", "2. Volume 2"), 4, 65, 185,
             8},
            {kNoControlId, StaticLeft, "a. ", 13, 76, 15, 8},
            {ThanksId::VectorsLink, StaticLeft, "https://publicdomainvectors.org", 34, 76, 251, 8},
            {kNoControlId, StaticLeft, "b. ", 13, 87, 15, 8},
            {ThanksId::PicturesLink, StaticLeft, "https://www.publicdomainpictures.net", 34, 87,
             251, 8},
            {kNoControlId, StaticLeft, QT_TRANSLATE_NOOP("ThanksDialog", "3. Volume 3"), 4, 101,
             185, 8},
            {kNoControlId, StaticLeft, "a. ", 13, 112, 15, 8},
            {ThanksId::SoundsLink, StaticLeft, "https://freesound.org", 34, 112, 251, 8},
            {kNoControlId, StaticLeft, "b. ", 13, 122, 15, 8},
            {ThanksId::GameArtLink, StaticLeft, "https://opengameart.org", 34, 122, 251, 8},
            {ThanksId::Close, DefaultPushButton, QT_TRANSLATE_NOOP("ThanksDialog", "&Close"), 88,
             139, 99, 14},
        }};
}

DialogTemplate SetupTemplate()
{
    return {
        kSetupDialogId,
        "SetupDialog",
        QT_TRANSLATE_NOOP("SetupDialog", "Setup"),
        "MS Shell Dlg",
        8,
        342,
        191,
        {
            {kNoControlId, GroupBox, QT_TRANSLATE_NOOP("SetupDialog", "Background"), 7, 7, 161, 53},
            {SetupId::ClearBackground, CheckBox,
             QT_TRANSLATE_NOOP("SetupDialog", "Cl&ear BackGround"), 14, 17, 146, 10},
            {SetupId::RandomColor, CheckBox,
             QT_TRANSLATE_NOOP("SetupDialog", "Change the Color &Randomly"), 14, 32, 146, 10},
            {SetupId::ColourSwatch, OwnerDrawButton,
             QT_TRANSLATE_NOOP("SetupDialog", "Selcet the Color of BackGround"), 14, 45, 148, 11},
            {kNoControlId, GroupBox, QT_TRANSLATE_NOOP("SetupDialog", "Time"), 174, 7, 161, 53},
            {SetupId::TimeLimitOn, CheckBox, QT_TRANSLATE_NOOP("SetupDialog", "Time &Limit:"), 179,
             17, 59, 10},
            {kNoControlId, StaticLeft, QT_TRANSLATE_NOOP("SetupDialog", "&Time:"), 241, 18, 20, 8},
            {SetupId::TimeLimitEdit, Edit, "", 265, 16, 40, 12, NoStyle, kStrTimeLimitName},
            {SetupId::TimeLimitSpin, UpDown, "", 304, 16, 11, 13, Wrap},
            {kNoControlId, StaticCentre, QT_TRANSLATE_NOOP("SetupDialog", "Min"), 317, 18, 13, 8},
            {SetupId::KeyDelayOn, CheckBox, QT_TRANSLATE_NOOP("SetupDialog", "Key &Delay"), 179, 32,
             59, 10},
            {kNoControlId, StaticLeft, QT_TRANSLATE_NOOP("SetupDialog", "T&ime:"), 241, 32, 20, 8},
            {SetupId::KeyDelayEdit, Edit, "", 265, 30, 40, 12, NoStyle, kStrKeyDelayName},
            {SetupId::KeyDelaySpin, UpDown, "", 304, 30, 11, 13, Wrap},
            {kNoControlId, StaticCentre, QT_TRANSLATE_NOOP("SetupDialog", "ms"), 317, 32, 13, 8},
            {SetupId::AutoDisplayOn, CheckBox, QT_TRANSLATE_NOOP("SetupDialog", "Aut&o Display"),
             179, 46, 59, 10},
            {kNoControlId, StaticLeft, QT_TRANSLATE_NOOP("SetupDialog", "Ti&me:"), 241, 46, 20, 8},
            {SetupId::AutoDisplayEdit, Edit, "", 265, 44, 40, 12, NoStyle, kStrAutoDisplayName},
            {SetupId::AutoDisplaySpin, UpDown, "", 304, 44, 11, 13, Wrap},
            {kNoControlId, StaticCentre, QT_TRANSLATE_NOOP("SetupDialog", "s"), 317, 45, 13, 8},
            {kNoControlId, GroupBox, QT_TRANSLATE_NOOP("SetupDialog", "Sounds and Pictures"), 7, 62,
             328, 101},
            {SetupId::ManageDefaultSounds, PushButton,
             QT_TRANSLATE_NOOP("SetupDialog", "Manage Default &Sounds..."), 14, 73, 115, 14},
            {SetupId::ManageGroup, PushButton,
             QT_TRANSLATE_NOOP("SetupDialog", "Ma&nage Pictures Group..."), 14, 90, 115, 14},
            {SetupId::AddGroup, PushButton,
             QT_TRANSLATE_NOOP("SetupDialog", "&Add Pictures Group..."), 14, 107, 115, 14},
            {SetupId::DeleteGroup, PushButton,
             QT_TRANSLATE_NOOP("SetupDialog", "Delete &Pictures Group..."), 14, 124, 115, 14},
            {SetupId::GroupList, ListBox, "", 134, 73, 194, 65, Sorted},
            {SetupId::GroupInfo, StaticLeft, "", 14, 146, 311, 8},
            {SetupId::Ok, DefaultPushButton, QT_TRANSLATE_NOOP("SetupDialog", "&OK"), 7, 170, 99,
             14},
            {SetupId::Cancel, PushButton, QT_TRANSLATE_NOOP("SetupDialog", "&Cancel"), 121, 170, 99,
             14},
            {SetupId::Help, PushButton, QT_TRANSLATE_NOOP("SetupDialog", "&Help"), 236, 170, 99,
             14},
        }};
}

DialogTemplate ManageVoiceTemplate()
{
    return {
        kManageVoiceDialogId,
        "ManageDefaultSoundsDialog",
        QT_TRANSLATE_NOOP("ManageDefaultSoundsDialog", "Manage Default Sounds"),
        "MS Shell Dlg",
        8,
        314,
        175,
        {
            {kNoControlId, StaticLeft,
             QT_TRANSLATE_NOOP(
                 "ManageDefaultSoundsDialog",
                 "If you have not specified a sound for the picture you will display, the picture "
                 "will be displayed going with the sound chosen random from the sounds below."),
             7, 7, 300, 21},
            {DefaultSoundsId::Play, PushButton,
             QT_TRANSLATE_NOOP("ManageDefaultSoundsDialog", "&Play"), 7, 29, 72, 14},
            {DefaultSoundsId::Stop, PushButton,
             QT_TRANSLATE_NOOP("ManageDefaultSoundsDialog", "&Stop"), 83, 29, 72, 14},
            {DefaultSoundsId::Add, PushButton,
             QT_TRANSLATE_NOOP("ManageDefaultSoundsDialog", "&Add..."), 159, 29, 72, 14},
            {DefaultSoundsId::Delete, PushButton,
             QT_TRANSLATE_NOOP("ManageDefaultSoundsDialog", "&Delete..."), 235, 29, 72, 14},
            {DefaultSoundsId::List, ListView, "", 7, 47, 300, 101, Sorted, kStrSoundListName},
            {DefaultSoundsId::Close, DefaultPushButton,
             QT_TRANSLATE_NOOP("ManageDefaultSoundsDialog", "&Close"), 54, 154, 89, 14},
            {DefaultSoundsId::Help, PushButton,
             QT_TRANSLATE_NOOP("ManageDefaultSoundsDialog", "&Help"), 169, 154, 89, 14},
        }};
}

DialogTemplate AddPicTermTemplate()
{
    return {kAddPicTermDialogId,
            "AddPictureGroupDialog",
            QT_TRANSLATE_NOOP("AddPictureGroupDialog", "Add Picture Group"),
            "MS Shell Dlg",
            8,
            304,
            78,
            {
                {kNoControlId, StaticLeft,
                 QT_TRANSLATE_NOOP("AddPictureGroupDialog", "&Group Path:"), 7, 8, 56, 8},
                {AddGroupId::Path, Edit, "", 68, 7, 229, 12, ReadOnly | NoTabStop},
                {kNoControlId, StaticLeft,
                 QT_TRANSLATE_NOOP("AddPictureGroupDialog", "Group &Name:"), 7, 24, 56, 8},
                {AddGroupId::Name, Edit, "", 68, 23, 229, 12},
                {kNoControlId, StaticLeft,
                 QT_TRANSLATE_NOOP("AddPictureGroupDialog", "&Description:"), 7, 40, 56, 8},
                {AddGroupId::Description, Edit, "", 68, 39, 229, 12},
                {AddGroupId::Ok, DefaultPushButton,
                 QT_TRANSLATE_NOOP("AddPictureGroupDialog", "&OK"), 7, 57, 93, 14},
                {AddGroupId::Cancel, PushButton,
                 QT_TRANSLATE_NOOP("AddPictureGroupDialog", "&Cancel"), 105, 57, 93, 14},
                {AddGroupId::Help, PushButton, QT_TRANSLATE_NOOP("AddPictureGroupDialog", "&Help"),
                 204, 57, 93, 14},
            }};
}

// One picture group: its texts, its pictures with sizes and cut marks, a preview and the
// pictures' own sounds.
DialogTemplate ManagePicTermTemplate()
{
    return {
        kManagePicTermDialogId,
        "ManagePictureGroupDialog",
        QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "Manage Picture Group"),
        "MS Shell Dlg",
        8,
        368,
        221,
        {
            {kNoControlId, StaticLeft,
             QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "Group &Name:"), 7, 8, 52, 8},
            {ManageGroupId::Name, Edit, "", 61, 7, 179, 12},
            {ManageGroupId::DisplayGroup, CheckBox,
             QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "Display This &Group"), 244, 9, 117, 10},
            {kNoControlId, StaticLeft,
             QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "&Description:"), 7, 24, 52, 8},
            {ManageGroupId::Description, Edit, "", 61, 22, 300, 12},
            {kNoControlId, StaticLeft,
             QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "Group &Path:"), 7, 40, 52, 8},
            {ManageGroupId::Path, Edit, "", 61, 38, 300, 12, ReadOnly},
            {kNoControlId, GroupBox, QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "Pictures"), 7,
             52, 354, 142},
            {ManageGroupId::AddPictures, PushButton,
             QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "&Add Pictures..."), 13, 63, 73, 14},
            {ManageGroupId::DeletePicture, PushButton,
             QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "D&elete Picture..."), 88, 63, 73, 14},
            {ManageGroupId::CutToDisplay, PushButton,
             QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "Cu&t to Display"), 163, 63, 73, 14},
            {kNoControlId, StaticLeft,
             QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "Total Pictures:"), 242, 65, 64, 8},
            {ManageGroupId::PictureTotal, Edit, "", 309, 64, 45, 12, ReadOnly},
            {ManageGroupId::PictureList, ListView, "", 13, 80, 223, 76, Sorted | SingleSelection},
            {ManageGroupId::Preview, Frame, "", 242, 80, 113, 76},
            {kNoControlId, StaticLeft,
             QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "Current Sou&nd:"), 13, 161, 66, 8},
            {ManageGroupId::CurrentSound, Edit, "", 81, 160, 274, 12, ReadOnly},
            {ManageGroupId::PlaySounds, PushButton,
             QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "P&lay Sounds"), 13, 175, 109, 14},
            {ManageGroupId::SpecifySounds, PushButton,
             QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "&Specify Sounds..."), 129, 175, 109,
             14},
            {ManageGroupId::DeleteSounds, PushButton,
             QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "Delete So&unds..."), 245, 175, 109, 14},
            {ManageGroupId::Ok, DefaultPushButton,
             QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "&OK"), 7, 200, 105, 14},
            {ManageGroupId::Cancel, PushButton,
             QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "&Cancel"), 131, 200, 105, 14},
            {ManageGroupId::Help, PushButton,
             QT_TRANSLATE_NOOP("ManagePictureGroupDialog", "&Help"), 256, 200, 105, 14},
        }};
}

const std::map<int, DialogTemplate>& AllTemplates()
{
    static const std::map<int, DialogTemplate> templates = [] {
        std::map<int, DialogTemplate> all;
        for (DialogTemplate t :
             {WelcomeTemplate(), AboutTemplate(), ThanksTemplate(), SetupTemplate(),
              ManageVoiceTemplate(), AddPicTermTemplate(), ManagePicTermTemplate()})
            all.emplace(t.id, std::move(t));
        return all;
    }();
    return templates;
}

} // namespace

const DialogTemplate& DialogTemplateById(int id)
{
    static const DialogTemplate empty;
    const auto& all = AllTemplates();
    const auto found = all.find(id);
    return found == all.end() ? empty : found->second;
}

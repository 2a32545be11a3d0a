#pragma once

// Ids shared by the dialog templates and the code that handles their controls.

// Buttons every dialog may have.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdHelp = 9;

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

// Controls of the welcome dialog.
inline constexpr int kIdStart = 1000;
inline constexpr int kIdSetup = 1001;
inline constexpr int kIdMoreFiles = 1003;
inline constexpr int kIdWelcomeHelp = 1004;

// Link labels of the About and Thanks dialogs.
inline constexpr int kIdAboutLink = 1045;
inline constexpr int kIdThanksLinks[] = {1043, 1044, 1046, 1047, 1048, 1049};

// Controls of the setup dialog.
inline constexpr int kIdClearBackground = 1005;
inline constexpr int kIdRandomColor = 1006;
inline constexpr int kIdKeyDelayOn = 1007;
inline constexpr int kIdKeyDelayEdit = 1008;
inline constexpr int kIdAutoDisplayOn = 1009;
inline constexpr int kIdKeyDelaySpin = 1010;
inline constexpr int kIdGroupList = 1011;
inline constexpr int kIdTimeLimitEdit = 1012;
inline constexpr int kIdTimeLimitSpin = 1013;
inline constexpr int kIdColourSwatch = 1014;
inline constexpr int kIdAutoDisplayEdit = 1015;
inline constexpr int kIdGroupInfo = 1016;
inline constexpr int kIdManageDefaultSounds = 1017;
inline constexpr int kIdManageGroup = 1018;
inline constexpr int kIdAddGroup = 1019;
inline constexpr int kIdDeleteGroup = 1020;
inline constexpr int kIdAutoDisplaySpin = 1021;
inline constexpr int kIdTimeLimitOn = 1022;

// Controls of the add picture group dialog.
inline constexpr int kIdNewGroupName = 1020;
inline constexpr int kIdNewGroupDescription = 1021;
inline constexpr int kIdNewGroupPath = 1022;

// Controls of the manage default sounds dialog.
inline constexpr int kIdDefaultSoundPlay = 1000;
inline constexpr int kIdDefaultSoundStop = 1001;
inline constexpr int kIdDefaultSoundAdd = 1002;
inline constexpr int kIdDefaultSoundDelete = 1003;
inline constexpr int kIdDefaultSoundList = 1018;

// Controls of the Manage Picture Group dialog.
inline constexpr int kIdManageDeleteSounds = 1005;
inline constexpr int kIdManageGroupName = 1020;
inline constexpr int kIdManageDescription = 1021;
inline constexpr int kIdManageGroupPath = 1022;
inline constexpr int kIdManagePictureTotal = 1024;
inline constexpr int kIdManageCurrentSound = 1025;
inline constexpr int kIdManageAddPictures = 1026;
inline constexpr int kIdManageDeletePicture = 1027;
inline constexpr int kIdManagePictureList = 1028;
inline constexpr int kIdManagePreview = 1029;
inline constexpr int kIdManagePlaySounds = 1030;
inline constexpr int kIdManageSpecifySounds = 1031;
inline constexpr int kIdManageDisplayGroup = 1032;
inline constexpr int kIdManageCutToDisplay = 1033;

#pragma once

// Ids shared by the dialog templates and the code that handles their controls.

// Buttons every dialog may have.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdHelp = 9;

// Dialog templates.
inline constexpr int kAboutDialogId = 100;
inline constexpr int kWelcomeDialogId = 102;
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

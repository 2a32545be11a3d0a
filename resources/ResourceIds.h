#pragma once

// Ids shared by the dialog templates and the code that handles their controls.

// Buttons every dialog may have.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdHelp = 9;

// Dialog templates.
inline constexpr int kAboutDialogId = 100;
inline constexpr int kWelcomeDialogId = 102;
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/KipoApp.h"

#include "app/KipoDlg.h"
#include "app/SessionBackdrop.h"
#include "dialogframe/HelpTopic.h"
#include "library/LibraryCleanup.h"
#include "platform/DisplayPlatform.h"
#include "platform/ModalDialog.h"
#include "platform/sound/Sound.h"
#include "resources/AppIcon.h"

#include <memory>

CKipoApp::CKipoApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("tapnest"));
    setOrganizationName(QStringLiteral("Quillwork"));
    // The desktop entry's name: Wayland desktops match the windows to the menu
    // entry by it and remember what the parent allowed the program.
    setDesktopFileName(QStringLiteral("org.quillwork.tapnest"));
    // Every window without an icon of its own, such as the help window, shows the program's.
    setWindowIcon(AppIcon());
    // A missing or short settings file leaves the defaults in memory.
    m_settings.Load();
    RemoveKilledSessionLeftovers(m_settings.installDir);
    SetHelpFolder(m_settings.installDir);
}

CKipoApp::~CKipoApp()
{
    // Nobody is left to tell of a failure here; the "tapnest.files" trail keeps it.
    (void)m_settings.Save();
}

int CKipoApp::InitInstance()
{
    // The greeting of a play started at once is heard too.
    PrepareSound();
    std::unique_ptr<SessionBackdrop> backdrop;
    if (RunsInOwnSession()) {
        backdrop = std::make_unique<SessionBackdrop>();
        backdrop->showFullScreen();
    }
    CKipoDlg dialog(m_settings, backdrop.get());
    RunMainDialog(dialog);
    return 0;
}

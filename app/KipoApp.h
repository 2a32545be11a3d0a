// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Translations.h"
#include "library/Settings.h"

#include <QApplication>

// The application: installs the catalogues of the desktop's language and loads
// the settings before the welcome dialog opens, runs that dialog as the
// program's only window, and saves the settings when the process ends.
class CKipoApp : public QApplication
{
    Q_OBJECT

public:
    CKipoApp(int& argc, char** argv);
    ~CKipoApp() override;

    // Runs the welcome dialog; returns the process exit code.
    int InitInstance();

private:
    // Before any window, so that every text is shown in the desktop's language.
    Translations m_translations;
    Settings m_settings;
};

#pragma once

#include "library/Settings.h"

#include <QApplication>

// The application: loads the settings before the welcome dialog opens, runs
// that dialog as the program's only window, and saves the settings when the
// process ends.
class CKipoApp : public QApplication
{
    Q_OBJECT

public:
    CKipoApp(int& argc, char** argv);
    ~CKipoApp() override;

    // Runs the welcome dialog; returns the process exit code.
    int InitInstance();

private:
    Settings m_settings;
};

#pragma once

#include "dialogframe/TypedDialog.h"
#include "play/PlaySession.h"

struct Settings;
class QMenu;

// The welcome dialog: the program's main window. From it the parent starts a play, opens the
// setup, the list of further picture and sound volumes, the help and, from the dialog's
// context menu (standing in for the window menu), the About dialog.
class CKipoDlg : public CTypedDialog<WelcomeId>
{
    Q_OBJECT

public:
    explicit CKipoDlg(Settings& settings, QWidget* parent = nullptr);

    // The play every Start runs; read by tests.
    PlaySession& Play() { return m_play; }

protected:
    void OnInitDialog() override;
    void OnHelp() override;
    void contextMenuEvent(QContextMenuEvent* event) override;

    // A command of the window menu; 16 (low four bits ignored) opens the About dialog.
    void OnSysCommand(int id);
    virtual void OnAbout();

    void OnStart();
    void OnSetup();
    void OnMoreFiles();
    void OnHelpButton();

private:
    // The dialog's part in a play: out of the way while it runs, back in
    // front after it.
    void ConnectPlay();
    void OnPlayEnded();

    Settings& m_settings;
    QMenu* m_systemMenu;
    PlaySession m_play;
};

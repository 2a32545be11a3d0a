// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogframe/TypedDialog.h"
#include "play/PlaySession.h"

#include <QPointer>

#include <vector>

struct Settings;
class QLabel;
class QMenu;
class QWindow;

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
    // The note that the system keys will not be locked; null while there is none.
    const QLabel* LockNote() const { return m_lockNote; }

protected:
    void OnInitDialog() override;
    void OnHelp() override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Shift+F10 and the Menu key open the same menu at the control that has the focus.
    void keyPressEvent(QKeyEvent* event) override;

    // A command of the window menu; 16 (low four bits ignored) opens the About dialog.
    void OnSysCommand(int id);
    virtual void OnAbout();

    void OnStart();
    void OnSetup();
    void OnMoreFiles();
    void OnHelpButton();

private:
    // The dialog's part in a play: the desktop asked ahead whether the plays
    // may lock the system keys, out of the way while a play runs, back in
    // front after it.
    void ConnectPlay();
    void StepAsideFromPlay(QWindow* focus);
    void OnPlayEnded();
    // One line under the dialog's text, above its buttons, when the desktop
    // will not let the plays lock the system keys: what that means and how
    // to allow it later.
    void ShowLockRefusedNote();

    Settings& m_settings;
    QMenu* m_systemMenu;
    PlaySession m_play;
    QLabel* m_lockNote = nullptr;
    std::vector<QPointer<QWidget>> m_asideFromPlay; // hidden while the play runs
};

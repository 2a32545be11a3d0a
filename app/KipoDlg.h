#pragma once

#include "dialogframe/TypedDialog.h"
#include "play/MyGameWnd.h"

#include <QTimer>

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

    // The play window every Start uses; read by tests.
    CMyGameWnd& GameWnd() { return m_gameWnd; }
    const QTimer& TimeLimitTimer() const { return m_timeLimitTimer; }
    const QTimer& AutoDisplayTimer() const { return m_autoDisplayTimer; }

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
    // The play: its start sequence, the window, and the two timers of a play.
    void ConnectPlay();
    bool CreateGameWindow();
    void OnTimeLimitTimer();
    void OnAutoDisplayTimer();
    void OnPlayEnded();

    Settings& m_settings;
    QMenu* m_systemMenu;
    CMyGameWnd m_gameWnd;
    QTimer m_timeLimitTimer;
    QTimer m_autoDisplayTimer;
};

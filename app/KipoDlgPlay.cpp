#include "app/KipoDlg.h"

void CKipoDlg::ConnectPlay()
{
    // Behind the play the dialog takes no key and no click, whichever window
    // manager lets it have the focus.
    connect(&m_play, &PlaySession::starting, this, [this] { setEnabled(false); });
    connect(&m_play, &PlaySession::ended, this, &CKipoDlg::OnPlayEnded);
}

void CKipoDlg::OnStart()
{
    m_play.Start();
}

void CKipoDlg::OnPlayEnded()
{
    setEnabled(true);
    raise();
    activateWindow();
}

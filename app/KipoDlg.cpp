// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/KipoDlg.h"

#include "app/AboutDialog.h"
#include "app/ThankDialog.h"
#include "dialogframe/HelpTopic.h"
#include "dialogs/SetupDialog.h"
#include "library/Settings.h"
#include "platform/AppPath.h"
#include "platform/ModalDialog.h"
#include "resources/AppIcon.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace {

constexpr int kSysCommandAbout = 16;

} // namespace

CKipoDlg::CKipoDlg(Settings& settings, QWidget* parent)
    : CTypedDialog("index.html", parent), m_settings(settings), m_systemMenu(new QMenu(this)),
      m_play(settings, *this)
{
    ConnectPlay();
    BindButton(WelcomeId::Start, [this] { OnStart(); });
    BindButton(WelcomeId::Setup, [this] { OnSetup(); });
    BindButton(WelcomeId::MoreFiles, [this] { OnMoreFiles(); });
    BindButton(WelcomeId::HelpButton, [this] { OnHelpButton(); });
}

void CKipoDlg::OnInitDialog()
{
    const std::string about = LoadString(kStrAboutMenu);
    if (!about.empty()) {
        connect(m_systemMenu->addAction(QString::fromStdString(about)), &QAction::triggered, this,
                [this] { OnSysCommand(kSysCommandAbout); });
    }
    setWindowIcon(AppIcon());
    WriteAppPath(m_settings.installDir);
    m_play.AskLockAhead(*this);
}

void CKipoDlg::OnHelp()
{
    OnHelpButton();
}

void CKipoDlg::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_systemMenu->isEmpty())
        m_systemMenu->popup(event->globalPos());
    event->accept();
}

void CKipoDlg::keyPressEvent(QKeyEvent* event)
{
    // Where the platform turns these keys into a context-menu event, the menu is open by now
    // and has the keys; elsewhere they arrive here as presses. The menu goes where Qt puts
    // the Menu key's: the middle of the focus control's text cursor, or of the control.
    const bool menuKey = event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier;
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (!menuKey && !shiftF10) {
        CTypedDialog::keyPressEvent(event);
        return;
    }
    const QWidget* target = focusWidget() ? focusWidget() : this;
    const QPoint at = target->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    if (!m_systemMenu->isEmpty())
        m_systemMenu->popup(target->mapToGlobal(at));
    event->accept();
}

void CKipoDlg::OnSysCommand(int id)
{
    if ((id & ~0xF) == kSysCommandAbout)
        OnAbout();
}

void CKipoDlg::OnAbout()
{
    CAboutDialog about(this);
    RunModal(about);
}

void CKipoDlg::OnSetup()
{
    CSetupDialog setup(m_settings, this);
    RunModal(setup);
}

void CKipoDlg::OnMoreFiles()
{
    CThankDialog thanks(this);
    RunModal(thanks);
}

void CKipoDlg::OnHelpButton()
{
    ShowHelpTopic(HelpTopic());
}

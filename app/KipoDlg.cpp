#include "app/KipoDlg.h"

#include "app/AboutDialog.h"
#include "app/ThankDialog.h"
#include "dialogframe/HelpTopic.h"
#include "dialogs/SetupDialog.h"
#include "library/Settings.h"
#include "platform/AppPath.h"
#include "resources/AppIcon.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace {

constexpr int kSysCommandAbout = 16;

} // namespace

CKipoDlg::CKipoDlg(Settings& settings, QWidget* parent)
    : CKipoDialog(kWelcomeDialogId, "index.html", parent), m_settings(settings),
      m_systemMenu(new QMenu(this)), m_play(settings, *this)
{
    ConnectPlay();
    BindButton(kIdStart, [this] { OnStart(); });
    BindButton(kIdSetup, [this] { OnSetup(); });
    BindButton(kIdMoreFiles, [this] { OnMoreFiles(); });
    BindButton(kIdWelcomeHelp, [this] { OnHelpButton(); });
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

void CKipoDlg::OnSysCommand(int id)
{
    if ((id & ~0xF) == kSysCommandAbout)
        OnAbout();
}

void CKipoDlg::OnAbout()
{
    CAboutDialog about(this);
    about.exec();
}

void CKipoDlg::OnSetup()
{
    CSetupDialog setup(m_settings, this);
    setup.exec();
}

void CKipoDlg::OnMoreFiles()
{
    CThankDialog thanks(this);
    thanks.exec();
}

void CKipoDlg::OnHelpButton()
{
    ShowHelpTopic(HelpTopic());
}

#include "dialogs/AddPicTerm.h"

#include "dialogs/CharacterLimit.h"
#include "dialogs/FieldReader.h"
#include "library/ContentLibrary.h"
#include "library/PictureGroup.h"
#include "platform/MessageBox.h"
#include "platform/files/Folders.h"
#include "platform/files/Paths.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QLineEdit>

namespace {

constexpr int kMaxCharacters = 200;

} // namespace

CAddPicTerm::CAddPicTerm(std::string installDir, QWidget* parent)
    : CKipoDialog(kAddPicTermDialogId, "Faq.html", parent), m_installDir(std::move(installDir))
{
    for (const int id : {kIdNewGroupName, kIdNewGroupDescription})
        ControlAs<QLineEdit>(id)->setValidator(new CharacterLimit(kMaxCharacters, this));
}

void CAddPicTerm::OnInitDialog()
{
    m_folderName = NewGroupFolderName();
    m_groupPath = JoinPath(m_installDir, m_folderName);
    ControlAs<QLineEdit>(kIdNewGroupPath)->setText(QString::fromStdString(m_groupPath));
    ControlAs<QLineEdit>(kIdNewGroupName)->setText(QString::fromStdString(m_groupName));
    ControlAs<QLineEdit>(kIdNewGroupDescription)->setText(QString::fromStdString(m_description));
    Control(kIdNewGroupName)->setFocus(Qt::OtherFocusReason);
}

void CAddPicTerm::accept()
{
    FieldReader read(this);
    read.Text(*ControlAs<QLineEdit>(kIdNewGroupName), kMaxCharacters, m_groupName)
        .Text(*ControlAs<QLineEdit>(kIdNewGroupDescription), kMaxCharacters, m_description);
    if (!read.Ok())
        return;
    if (m_groupName.empty()) {
        ShowMessage({.owner = this,
                     .text = LoadString(kStrGroupNameMissing),
                     .caption = LoadString(kStrWarning),
                     .icon = MessageIcon::Exclamation});
        return;
    }
    if (MakeFolder(m_groupPath)) {
        WriteGroupFile(m_groupPath, m_folderName, m_groupName, m_description, 1);
        WriteCutList(m_groupPath, {});
    }
    CKipoDialog::accept();
}

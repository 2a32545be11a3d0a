// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/AddPicTerm.h"

#include "dialogframe/DisplayText.h"
#include "dialogs/CharacterLimit.h"
#include "dialogs/FieldReader.h"
#include "dialogs/FileFailureMessage.h"
#include "dialogs/GroupFolders.h"
#include "library/ContentLibrary.h"
#include "library/PictureGroup.h"
#include "platform/MessageBox.h"
#include "platform/files/Folders.h"
#include "platform/files/Paths.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QLineEdit>

CAddPicTerm::CAddPicTerm(std::string installDir, QWidget* parent)
    : CTypedDialog("Faq.html", parent), m_controls{.path = Bind<QLineEdit>(AddGroupId::Path),
                                                   .name = Bind<QLineEdit>(AddGroupId::Name),
                                                   .description =
                                                       Bind<QLineEdit>(AddGroupId::Description)},
      m_installDir(std::move(installDir))
{
    for (QLineEdit* edit : {m_controls.name, m_controls.description})
        LimitCharacters(*edit, kLongestGroupText);
}

void CAddPicTerm::OnInitDialog()
{
    m_folderName = NewGroupFolderName();
    m_groupPath = JoinPath(m_installDir, m_folderName);
    m_controls.path->setText(DisplayText(m_groupPath));
    m_controls.name->setText(DisplayText(m_groupName));
    m_controls.description->setText(DisplayText(m_description));
    m_controls.name->setFocus(Qt::OtherFocusReason);
}

void CAddPicTerm::accept()
{
    FieldReader read(this);
    read.Text(*m_controls.name, kLongestGroupText, m_groupName)
        .Text(*m_controls.description, kLongestGroupText, m_description);
    if (!read.Ok())
        return;
    if (m_groupName.empty()) {
        ShowMessage({.owner = this,
                     .text = LoadString(kStrGroupNameMissing),
                     .caption = LoadString(kStrWarning),
                     .icon = MessageIcon::Exclamation});
        return;
    }
    if (const FileResult saved = SaveNewGroup(); !saved) {
        TellFileFailure(this, kStrGroupNotSaved, m_groupName, saved, LoadString(kStrTryAgain));
        return;
    }
    CKipoDialog::accept();
}

FileResult CAddPicTerm::SaveNewGroup() const
{
    if (FileResult made = MakeFolder(m_groupPath); !made)
        return made;
    FileResult written = WriteGroupFile(m_groupPath, m_folderName, m_groupName, m_description, 1);
    if (written)
        written = WriteCutList(m_groupPath, {});
    // A group that could not be saved leaves no folder behind.
    if (!written)
        (void)DeleteGroupFolder(m_groupPath);
    return written;
}

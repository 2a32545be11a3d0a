// SPDX-License-Identifier: GPL-3.0-or-later
// The Manage Picture Group dialog's file operations: each acts on the group folder at once,
// after the user has confirmed what it would replace or delete, and rebuilds the list.
#include "dialogs/ManagePicTerm.h"

#include "dialogs/CopyIntoFolder.h"
#include "dialogs/FileFailureMessage.h"
#include "dialogs/PicturePreview.h"
#include "dialogs/PictureRow.h"
#include "library/ContentLibrary.h"
#include "library/PictureImage.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/files/FileIo.h"
#include "platform/files/Paths.h"
#include "resources/StringTable.h"

#include <QCoreApplication>
#include <QTreeWidget>

namespace {

constexpr std::uint32_t kExcludeVectorAndIconFormats = 140; // EMF, WMF and icons

// A Yes/No question with No as the default; "%s" in the text takes `value`.
bool Confirmed(QWidget* owner, int textId, std::string_view value, int captionId)
{
    return ShowMessage({.owner = owner,
                        .text = FillIn(LoadString(textId), "%s", value),
                        .caption = LoadString(captionId),
                        .icon = MessageIcon::Question,
                        .buttons = MessageButtons::YesNo,
                        .defaultButton = MessageResult::No}) == MessageResult::Yes;
}

// Tells the parent that `name` could not be deleted.
void TellNotDeleted(QWidget* owner, std::string_view name, const FileResult& failure)
{
    TellFileFailure(owner, kStrNotDeleted, name, failure, {});
}

} // namespace

void CManagePicTerm::OnAddPictures()
{
    std::string filter;
    std::vector<std::string> formats;
    const std::string allImageFiles =
        QCoreApplication::translate("ManagePictureGroupDialog", "All Image Files").toStdString();
    if (CPictureImage::BuildOpenFilter(filter, formats, allImageFiles, kExcludeVectorAndIconFormats,
                                       '|') != CPictureImage::kSuccess)
        return;
    const auto chosen = ChooseFiles(
        {.owner = this, .filter = filter, .defaultExtension = "bmp", .multipleSelection = true});
    if (!chosen)
        return;
    // What the user typed meanwhile survives the exchange below.
    ControlsToMembers();
    CopyIntoFolder(this, *chosen, m_groupPath, LoadString(kStrPictureExists));
    RebuildPictureList();
    MembersToControls();
}

void CManagePicTerm::OnDeletePicture()
{
    ControlsToMembers();
    if (const int row = FirstSelectedRow(); row >= 0) {
        const std::string name = Row(row).FileName();
        m_selectedPicture = JoinPath(m_groupPath, name);
        const std::string sound = FindOwnSound(m_selectedPicture);
        const bool confirmed = Confirmed(
            this, sound.empty() ? kStrDeletePicture : kStrDeletePictureAndSound, name, kStrWarning);
        // The sound goes only together with its picture.
        FileResult deleted;
        if (confirmed)
            deleted = RemoveFile(m_selectedPicture);
        if (confirmed && deleted && !sound.empty())
            deleted = RemoveFile(sound);
        if (!deleted)
            TellNotDeleted(this, FileNameOf(deleted.Path()), deleted);
    }
    RebuildPictureList();
    MembersToControls();
    UpdateSelection();
    m_preview->Clear();
}

void CManagePicTerm::OnSpecifySounds()
{
    // Without a picture there is no sound name inside the group folder to write to.
    if (m_selectedPicture.empty())
        return;
    const std::string existing = FindOwnSound(m_selectedPicture);
    if (!existing.empty() && !Confirmed(this, kStrReplaceOwnSound, {}, kStrInformation))
        return;
    RememberSelectedRow();
    const auto chosen = ChooseFiles({.owner = this,
                                     .filter = LoadString(kStrSoundFileFilter),
                                     .defaultExtension = "wav",
                                     .multipleSelection = false});
    if (chosen && !chosen->empty()) {
        if (const FileResult copied = CopyFileAtomically(
                chosen->front(), existing.empty() ? OwnSoundPath(m_selectedPicture) : existing);
            !copied)
            TellFileFailure(this, kStrFileNotCopied, FileNameOf(chosen->front()), copied,
                            LoadString(kStrTryAgain));
    }
    RebuildPictureList();
    UpdateSelection();
    RestoreRememberedRow();
}

void CManagePicTerm::OnDeleteSounds()
{
    const std::string path = JoinPath(m_groupPath, m_currentSound);
    RememberSelectedRow();
    if (!m_currentSound.empty() &&
        Confirmed(this, kStrDeleteOwnSound, m_currentSound, kStrWarning)) {
        if (const FileResult deleted = RemoveFile(path); !deleted)
            TellNotDeleted(this, m_currentSound, deleted);
    }
    RebuildPictureList();
    UpdateSelection();
    RestoreRememberedRow();
}

void CManagePicTerm::RememberSelectedRow()
{
    if (const int row = FirstSelectedRow(); row >= 0)
        m_rememberedRow = row;
}

// The remembered row becomes the current one and is scrolled into view, without being
// selected: the user selects it again to see its new sound.
void CManagePicTerm::RestoreRememberedRow()
{
    if (m_rememberedRow >= m_controls.pictureList->topLevelItemCount())
        return;
    QTreeWidgetItem* row = m_controls.pictureList->topLevelItem(m_rememberedRow);
    m_controls.pictureList->setCurrentItem(row, 0, QItemSelectionModel::NoUpdate);
    m_controls.pictureList->scrollToItem(row);
}

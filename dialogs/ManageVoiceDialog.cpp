// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ManageVoiceDialog.h"

#include "dialogframe/DisplayText.h"
#include "dialogs/CopyIntoFolder.h"
#include "dialogs/FileFailureMessage.h"
#include "library/ContentLibrary.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/files/FileFacts.h"
#include "platform/files/FileIo.h"
#include "platform/files/FileSearch.h"
#include "platform/files/Folders.h"
#include "platform/files/Paths.h"
#include "platform/sound/Sound.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace {

constexpr int kNameColumn = 0;
constexpr int kSizeColumn = 1;
constexpr int kNameWidth = 200;
constexpr int kSizeWidth = 100;
// The file name's bytes as found on disk; the shown text may have lost some.
constexpr int kFileNameRole = Qt::UserRole;

// A row sorts by its file name ignoring letter case.
class SoundRow : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override
    {
        return text(kNameColumn).compare(other.text(kNameColumn), Qt::CaseInsensitive) < 0;
    }
};

std::string FileNameOfRow(const QTreeWidgetItem& row)
{
    return row.data(kNameColumn, kFileNameRole).toByteArray().toStdString();
}

} // namespace

CManageVoiceDialog::CManageVoiceDialog(std::string installDir, QWidget* parent)
    : CTypedDialog("Faq.html", parent), m_installDir(std::move(installDir)),
      m_controls{.soundList = Bind<QTreeWidget>(DefaultSoundsId::List),
                 .play = Bind<QAbstractButton>(DefaultSoundsId::Play),
                 .deleteSounds = Bind<QAbstractButton>(DefaultSoundsId::Delete)}
{
    BindButton(DefaultSoundsId::Play, [this] { OnPlay(); });
    BindButton(DefaultSoundsId::Stop, [this] { OnStop(); });
    BindButton(DefaultSoundsId::Add, [this] { OnAdd(); });
    BindButton(DefaultSoundsId::Delete, [this] { OnDelete(); });
    connect(m_controls.soundList, &QTreeWidget::itemSelectionChanged, this,
            [this] { OnSoundItemChanged(); });
    connect(m_controls.soundList, &QTreeWidget::itemDoubleClicked, this, [this] { OnPlay(); });
}

void CManageVoiceDialog::OnInitDialog()
{
    m_controls.soundList->setColumnCount(2);
    m_controls.soundList->setHeaderLabels({QString::fromStdString(LoadString(kStrFileNameColumn)),
                                           QString::fromStdString(LoadString(kStrFileSizeColumn))});
    m_controls.soundList->headerItem()->setTextAlignment(kSizeColumn,
                                                         Qt::AlignRight | Qt::AlignVCenter);
    m_controls.soundList->header()->setStretchLastSection(false);
    m_controls.soundList->setColumnWidth(kNameColumn, kNameWidth);
    m_controls.soundList->setColumnWidth(kSizeColumn, kSizeWidth);
    FillSoundList();
    m_selectedSounds.clear();
    m_controls.play->setEnabled(false);
    m_controls.deleteSounds->setEnabled(false);
}

std::string CManageVoiceDialog::SoundFolder() const
{
    const std::string folder = JoinPath(m_installDir, kDefaultSoundFolder);
    return ResolveNoCase(folder).value_or(folder);
}

void CManageVoiceDialog::FillSoundList()
{
    m_controls.soundList->clear();
    for (const std::string& path : ListDefaultSounds(m_installDir)) {
        const std::string name(FileNameOf(path));
        auto* row = new SoundRow;
        row->setText(kNameColumn, DisplayText(name));
        row->setData(kNameColumn, kFileNameRole, QByteArray::fromStdString(name));
        if (const std::optional<std::uint64_t> size = FileSizeOf(path))
            row->setText(kSizeColumn, QString::number(*size));
        row->setTextAlignment(kSizeColumn, Qt::AlignRight | Qt::AlignVCenter);
        m_controls.soundList->addTopLevelItem(row);
    }
    m_controls.soundList->sortItems(kNameColumn, Qt::AscendingOrder);
}

void CManageVoiceDialog::OnSoundItemChanged()
{
    m_selectedSounds.clear();
    const std::string folder = SoundFolder();
    for (int i = 0; i < m_controls.soundList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = m_controls.soundList->topLevelItem(i);
        if (row->isSelected())
            m_selectedSounds.push_back(JoinPath(folder, FileNameOfRow(*row)));
    }
    const bool any = !m_selectedSounds.empty();
    m_controls.play->setEnabled(any);
    m_controls.deleteSounds->setEnabled(any);
}

void CManageVoiceDialog::OnPlay()
{
    if (!m_selectedSounds.empty())
        PlaySoundFile(m_selectedSounds.front());
}

void CManageVoiceDialog::OnStop()
{
    StopSound();
}

void CManageVoiceDialog::OnAdd()
{
    const std::optional<std::vector<std::string>> files =
        ChooseFiles({.owner = this,
                     .filter = LoadString(kStrSoundFileFilter),
                     .defaultExtension = "wav",
                     .multipleSelection = true});
    if (!files || files->empty())
        return;
    // Default sounds can be added back to a library that lost its folder for them.
    const std::string folder = SoundFolder();
    if (!PathExists(folder)) {
        if (const FileResult made = MakeFolder(folder); !made) {
            TellFileFailure(this, kStrFileNotCopied, FileNameOf(files->front()), made,
                            LoadString(kStrTryAgain));
            return;
        }
    }
    CopyIntoFolder(this, *files, folder, LoadString(kStrOverwriteDefaultSound));
    FillSoundList();
}

void CManageVoiceDialog::OnDelete()
{
    const std::vector<std::string> doomed = m_selectedSounds;
    if (doomed.empty())
        return;
    const MessageResult answer = ShowMessage(
        {.owner = this,
         .text = FillIn(LoadString(kStrDeleteDefaultSounds), "%d", std::to_string(doomed.size())),
         .caption = LoadString(kStrWarning),
         .icon = MessageIcon::Question,
         .buttons = MessageButtons::YesNo,
         .defaultButton = MessageResult::No});
    if (answer != MessageResult::Yes)
        return;
    // The rows of the deleted files go; the folder is not read again. A file that stayed keeps
    // its row and is told.
    FileResult firstFailure;
    for (const std::string& path : doomed) {
        if (FileResult deleted = RemoveFile(path); !deleted) {
            if (firstFailure)
                firstFailure = std::move(deleted);
            continue;
        }
        const std::string name(FileNameOf(path));
        for (int i = 0; i < m_controls.soundList->topLevelItemCount(); ++i) {
            if (FileNameOfRow(*m_controls.soundList->topLevelItem(i)) == name) {
                delete m_controls.soundList->takeTopLevelItem(i);
                break;
            }
        }
    }
    if (!firstFailure)
        TellFileFailure(this, kStrNotDeleted, FileNameOf(firstFailure.Path()), firstFailure, {});
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ManagePicTerm.h"

#include "dialogframe/DisplayText.h"
#include "dialogs/CharacterLimit.h"
#include "dialogs/FileFailureMessage.h"
#include "dialogs/PicturePreview.h"
#include "dialogs/PictureRow.h"
#include "library/ContentLibrary.h"
#include "platform/files/Paths.h"
#include "platform/sound/Sound.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>

#include <array>
#include <map>

namespace {

struct ColumnLayout
{
    int heading; // string id
    int width;   // pixels
    Qt::Alignment alignment;
};
constexpr ColumnLayout kColumns[PictureRow::kColumnCount] = {
    {kStrPictureNameHeading, 140, Qt::AlignLeft},
    {kStrPictureSizeHeading, 100, Qt::AlignRight},
    {kStrPictureCutHeading, 130, Qt::AlignHCenter},
};

// Every heading is shown whole: a column narrower than its heading is widened to it, and the
// name column, whose names are elided anyway, gives the room back while it can.
void AddColumns(QTreeWidget& list)
{
    QHeaderView& header = *list.header();
    const int margins = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    list.setColumnCount(PictureRow::kColumnCount);
    header.setStretchLastSection(false);
    std::array<int, PictureRow::kColumnCount> widths{};
    int widened = 0;
    for (int column = 0; column < PictureRow::kColumnCount; ++column) {
        const ColumnLayout& layout = kColumns[column];
        const QString heading = DisplayText(LoadString(layout.heading));
        list.headerItem()->setText(column, heading);
        list.headerItem()->setTextAlignment(column, layout.alignment | Qt::AlignVCenter);
        widths[column] =
            std::max(layout.width, header.fontMetrics().horizontalAdvance(heading) + margins);
        widened += widths[column] - layout.width;
    }
    const int nameHeading =
        header.fontMetrics().horizontalAdvance(list.headerItem()->text(0)) + margins;
    widths[0] = std::max(nameHeading, widths[0] - widened);
    for (int column = 0; column < PictureRow::kColumnCount; ++column)
        header.resizeSection(column, widths[column]);
}

} // namespace

CManagePicTerm::CManagePicTerm(std::string groupPath, const PictureGroup& group,
                               std::int32_t display, QWidget* parent)
    : CTypedDialog("Faq.html", parent),
      m_controls{.pictureList = Bind<QTreeWidget>(ManageGroupId::PictureList),
                 .groupName = Bind<QLineEdit>(ManageGroupId::Name),
                 .description = Bind<QLineEdit>(ManageGroupId::Description),
                 .groupPath = Bind<QLineEdit>(ManageGroupId::Path),
                 .currentSound = Bind<QLineEdit>(ManageGroupId::CurrentSound),
                 .pictureTotal = Bind<QLineEdit>(ManageGroupId::PictureTotal),
                 .displayGroup = Bind<QCheckBox>(ManageGroupId::DisplayGroup),
                 .deletePicture = Bind<QAbstractButton>(ManageGroupId::DeletePicture),
                 .playSounds = Bind<QAbstractButton>(ManageGroupId::PlaySounds),
                 .specifySounds = Bind<QAbstractButton>(ManageGroupId::SpecifySounds),
                 .deleteSounds = Bind<QAbstractButton>(ManageGroupId::DeleteSounds),
                 .cutToDisplay = Bind<QAbstractButton>(ManageGroupId::CutToDisplay)},
      m_preview(new CPicturePreview(*Bind(ManageGroupId::Preview))),
      m_groupNameField(m_controls.groupName, kLongestGroupText),
      m_descriptionField(m_controls.description, kLongestGroupText), m_groupName(group.name),
      m_description(group.description), m_groupPath(std::move(groupPath)),
      m_folderName(group.folderName), m_display(display)
{
    BindButton(ManageGroupId::AddPictures, [this] { OnAddPictures(); });
    BindButton(ManageGroupId::DeletePicture, [this] { OnDeletePicture(); });
    BindButton(ManageGroupId::PlaySounds, [this] { OnPlaySounds(); });
    BindButton(ManageGroupId::SpecifySounds, [this] { OnSpecifySounds(); });
    BindButton(ManageGroupId::DeleteSounds, [this] { OnDeleteSounds(); });
    BindButton(ManageGroupId::CutToDisplay, [this] { OnCutToDisplay(); });
    connect(m_controls.pictureList, &QTreeWidget::itemSelectionChanged, this,
            [this] { UpdateSelection(); });
    connect(m_controls.pictureList, &QTreeWidget::itemDoubleClicked, this,
            [this] { OnPlaySounds(); });
}

void CManagePicTerm::OnInitDialog()
{
    AddColumns(*m_controls.pictureList);
    RebuildPictureList();
    EnableButtons({m_controls.deletePicture, m_controls.playSounds, m_controls.specifySounds,
                   m_controls.cutToDisplay},
                  false);
    MembersToControls();
}

void CManagePicTerm::ControlsToMembers()
{
    m_groupName = m_groupNameField.Read();
    m_description = m_descriptionField.Read();
    m_display = m_controls.displayGroup->isChecked() ? 1 : 0;
}

void CManagePicTerm::MembersToControls()
{
    m_groupNameField.Show(m_groupName);
    m_descriptionField.Show(m_description);
    m_controls.groupPath->setText(DisplayText(m_groupPath));
    m_controls.currentSound->setText(DisplayText(m_currentSound));
    m_controls.displayGroup->setChecked(m_display != 0);
    m_controls.pictureTotal->setText(QString::number(m_pictureCount));
}

// Marks shown in the list and not saved yet are kept; the others come from
// the cut list as it is on disk.
void CManagePicTerm::RebuildPictureList()
{
    std::map<std::string, bool> shownMarks;
    for (int row = 0; row < m_controls.pictureList->topLevelItemCount(); ++row)
        shownMarks.emplace(Row(row).FileName(), Row(row).IsCut());

    // Rebuilding reports no selection change; the handlers update the selection themselves.
    const QSignalBlocker quiet(m_controls.pictureList);
    m_controls.pictureList->clear();
    const std::vector<FoundEntry> pictures = ListPictureFiles(m_groupPath);
    const std::vector<bool> savedMarks = ReadCutMarks(m_groupPath, pictures);
    m_pictureCount = static_cast<int>(pictures.size());
    QList<QTreeWidgetItem*> rows;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const auto shown = shownMarks.find(pictures[i].name);
        rows.append(
            new PictureRow(pictures[i], shown != shownMarks.end() ? shown->second : savedMarks[i]));
    }
    m_controls.pictureList->addTopLevelItems(rows);
}

void CManagePicTerm::UpdateSelection()
{
    ControlsToMembers();
    const int row = FirstSelectedRow();
    if (row < 0) {
        EnableButtons({m_controls.deletePicture, m_controls.specifySounds, m_controls.playSounds,
                       m_controls.deleteSounds, m_controls.cutToDisplay},
                      false);
        m_currentSound.clear();
    } else {
        const PictureRow& picture = Row(row);
        m_selectedPicture = JoinPath(m_groupPath, picture.FileName());
        EnableButtons({m_controls.deletePicture, m_controls.specifySounds, m_controls.cutToDisplay},
                      true);
        SetCutCaption(picture.IsCut());
        const std::string sound = FindOwnSound(m_selectedPicture);
        EnableButtons({m_controls.playSounds, m_controls.deleteSounds}, !sound.empty());
        m_currentSound = FileNameOf(sound);
        m_preview->Draw(m_selectedPicture);
    }
    MembersToControls();
}

void CManagePicTerm::SetCutCaption(bool cut)
{
    m_controls.cutToDisplay->setText(
        DisplayText(LoadString(cut ? kStrCancelCutting : kStrCutToDisplay)));
}

void CManagePicTerm::EnableButtons(std::initializer_list<QAbstractButton*> buttons, bool enabled)
{
    for (QAbstractButton* button : buttons)
        button->setEnabled(enabled);
}

void CManagePicTerm::OnCutToDisplay()
{
    ControlsToMembers();
    if (const int row = FirstSelectedRow(); row >= 0) {
        PictureRow& picture = Row(row);
        picture.SetCut(!picture.IsCut());
        SetCutCaption(picture.IsCut());
    }
    MembersToControls();
}

void CManagePicTerm::OnPlaySounds()
{
    if (!m_currentSound.empty())
        PlaySoundFile(JoinPath(m_groupPath, m_currentSound));
}

void CManagePicTerm::accept()
{
    ControlsToMembers();
    std::vector<std::string> cutNames;
    for (int row = 0; row < m_controls.pictureList->topLevelItemCount(); ++row) {
        if (Row(row).IsCut())
            cutNames.push_back(Row(row).FileName());
    }
    FileResult saved =
        WriteGroupFile(m_groupPath, m_folderName, m_groupName, m_description, m_display);
    if (saved)
        saved = WriteCutList(m_groupPath, cutNames);
    if (!saved) {
        TellFileFailure(this, kStrGroupNotSaved, m_groupName, saved, LoadString(kStrTryAgain));
        return;
    }
    CKipoDialog::accept();
}

int CManagePicTerm::FirstSelectedRow() const
{
    for (int row = 0; row < m_controls.pictureList->topLevelItemCount(); ++row) {
        if (m_controls.pictureList->topLevelItem(row)->isSelected())
            return row;
    }
    return -1;
}

// The list holds only picture rows; anything else is a fault of this dialog.
PictureRow& CManagePicTerm::Row(int index) const
{
    auto* row = dynamic_cast<PictureRow*>(m_controls.pictureList->topLevelItem(index));
    if (!row)
        qFatal("row %d of the picture list is not a picture", index);
    return *row;
}

std::string CManagePicTerm::FindOwnSound(const std::string& picturePath) const
{
    const FoundEntry picture{std::string(FileNameOf(picturePath)), picturePath, false};
    return FindOwnSounds(m_groupPath, {picture}).front();
}

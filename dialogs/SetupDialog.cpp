// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/SetupDialog.h"

#include "dialogframe/DisplayText.h"
#include "dialogframe/OwnerDrawButton.h"
#include "dialogframe/UpDown.h"
#include "dialogs/AddPicTerm.h"
#include "dialogs/ColourSwatch.h"
#include "dialogs/FileFailureMessage.h"
#include "dialogs/GroupCheckList.h"
#include "dialogs/ManagePicTerm.h"
#include "dialogs/ManageVoiceDialog.h"
#include "dialogs/SetupFieldsTable.h"
#include "library/Settings.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/ModalDialog.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

CSetupDialog::CSetupDialog(Settings& settings, QWidget* parent)
    : CTypedDialog("Faq.html", parent),
      m_settings(settings), m_controls{.swatch = Bind<COwnerDrawButton>(SetupId::ColourSwatch),
                                       .manageGroup = Bind<QAbstractButton>(SetupId::ManageGroup),
                                       .deleteGroup = Bind<QAbstractButton>(SetupId::DeleteGroup)},
      m_fields(*this, BindSettingControls(), *Bind<QLabel>(SetupId::GroupInfo)),
      m_groupList(new GroupCheckList(*Bind<QListWidget>(SetupId::GroupList)))
{
    for (const SetupFieldSpec& field : kSetupFieldTable) {
        if (SettingRow(field.setting).kind == SettingKind::Flag)
            BindButton(field.shownBy, [this] { UpdateEnabling(); });
    }
    BindButton(SetupId::ColourSwatch, [this] { OnColourSwatch(); });
    BindButton(SetupId::ManageDefaultSounds, [this] { OnManageDefaultSounds(); });
    BindButton(SetupId::ManageGroup, [this] { OnManageGroup(); });
    BindButton(SetupId::AddGroup, [this] { OnAddGroup(); });
    BindButton(SetupId::DeleteGroup, [this] { OnDeleteGroup(); });
    connect(m_groupList, &GroupCheckList::SelectionChanged, this, [this] { UpdateGroupInfo(); });
    connect(m_groupList, &GroupCheckList::EntryDoubleClicked, this, [this] { OnManageGroup(); });
    m_controls.swatch->SetDrawFunction([this](QPainter& painter, const QRect& rect) {
        DrawColourSwatch(painter, rect, m_fields.SwatchActive(), m_fields.Values().backgroundColor);
    });
}

CSetupDialog::~CSetupDialog() = default;

SettingControlsTable CSetupDialog::BindSettingControls() const
{
    SettingControlsTable controls;
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        const SetupFieldSpec& field = kSetupFieldTable[i];
        switch (kSettingTable[i].kind) {
        case SettingKind::Flag:
            controls[i].check = Bind<QAbstractButton>(field.shownBy);
            break;
        case SettingKind::Number:
            controls[i].edit = Bind<QLineEdit>(field.shownBy);
            controls[i].upDown = Bind<CUpDown>(field.upDown);
            break;
        case SettingKind::Colour:
            controls[i].colourButton = Bind<QAbstractButton>(field.shownBy);
            break;
        }
    }
    return controls;
}

void CSetupDialog::OnInitDialog()
{
    // The dialog always starts from what the settings file holds, or from the defaults.
    m_settings.Load();
    m_fields.Values() = m_settings;
    m_fields.SetRanges();
    m_fields.Write();
    UpdateEnabling();
    RefreshGroups();
    SetGroupButtonsEnabled(false);
}

void CSetupDialog::accept()
{
    if (CommitChanges())
        CKipoDialog::accept();
}

void CSetupDialog::UpdateEnabling()
{
    m_fields.UpdateEnabling();
}

void CSetupDialog::OnColourSwatch()
{
    const std::optional<std::uint32_t> colour =
        ChooseColor(this, m_fields.Values().backgroundColor);
    if (!colour)
        return;
    m_fields.Values().backgroundColor = *colour;
    activateWindow();
    m_controls.swatch->update();
}

void CSetupDialog::RefreshGroups()
{
    std::map<std::string, bool> unsavedTicks; // by folder path
    for (int row = 0; row < m_groupList->Count(); ++row) {
        const std::optional<std::size_t> index = m_groupList->GroupOfRow(row);
        const bool ticked = m_groupList->IsTicked(row);
        if (index && *index < m_groups.size() && ticked != (m_groups[*index].group.displayed != 0))
            unsavedTicks.emplace(m_groups[*index].path, ticked);
    }
    m_groups = ScanGroups(m_settings.installDir);
    std::vector<PictureGroup> groups;
    groups.reserve(m_groups.size());
    for (const FoundGroup& found : m_groups)
        groups.push_back(found.group);
    m_groupList->Fill(groups);
    for (int row = 0; row < m_groupList->Count(); ++row) {
        const std::optional<std::size_t> index = m_groupList->GroupOfRow(row);
        if (const auto unsaved = unsavedTicks.find(m_groups[index.value()].path);
            unsaved != unsavedTicks.end())
            m_groupList->SetTicked(row, unsaved->second);
    }
}

const FoundGroup* CSetupDialog::SelectedGroup() const
{
    const std::optional<int> row = m_groupList->SelectedRow();
    if (!row)
        return nullptr;
    const std::optional<std::size_t> index = m_groupList->GroupOfRow(*row);
    return index && *index < m_groups.size() ? &m_groups[*index] : nullptr;
}

void CSetupDialog::SetGroupButtonsEnabled(bool enabled)
{
    m_controls.manageGroup->setEnabled(enabled);
    m_controls.deleteGroup->setEnabled(enabled);
}

void CSetupDialog::UpdateGroupInfo()
{
    m_fields.Read();
    const bool hasEntries = m_groupList->Count() > 0;
    if (hasEntries) {
        if (const FoundGroup* found = SelectedGroup())
            m_fields.SetGroupInfo(found->group.description);
    }
    SetGroupButtonsEnabled(hasEntries);
    m_fields.Write();
}

bool CSetupDialog::CommitChanges()
{
    if (!m_fields.Read())
        return false;
    static_cast<StoredSettings&>(m_settings) = m_fields.Values();
    if (const FileResult saved = m_settings.Save(); !saved) {
        TellFileFailure(this, kStrSettingsNotSaved, {}, saved, LoadString(kStrTryAgain));
        return false;
    }
    for (int row = 0; row < m_groupList->Count(); ++row) {
        const std::optional<std::size_t> index = m_groupList->GroupOfRow(row);
        if (!index || *index >= m_groups.size())
            continue;
        PictureGroup& group = m_groups[*index].group;
        const std::int32_t tick = m_groupList->IsTicked(row) ? 1 : 0;
        if (tick == group.displayed)
            continue;
        if (const FileResult written = WriteGroupFile(m_groups[*index].path, group.folderName,
                                                      group.name, group.description, tick);
            !written) {
            TellFileFailure(this, kStrGroupNotSaved, group.name, written, LoadString(kStrTryAgain));
            return false;
        }
        group.displayed = tick;
    }
    return true;
}

void CSetupDialog::OnManageDefaultSounds()
{
    CManageVoiceDialog dialog(m_settings.installDir, this);
    RunModal(dialog);
}

void CSetupDialog::OnManageGroup()
{
    CommitChanges();
    const std::optional<int> row = m_groupList->SelectedRow();
    if (const FoundGroup* found = SelectedGroup()) {
        const FoundGroup managed = *found; // the rescan below replaces the list
        CManagePicTerm dialog(managed.path, managed.group, m_groupList->IsTicked(*row) ? 1 : 0,
                              this);
        if (RunModal(dialog) == QDialog::Accepted)
            RefreshGroups();
    }
    m_groupList->Select(row.value_or(-1));
    UpdateGroupInfo();
}

void CSetupDialog::OnAddGroup()
{
    CAddPicTerm dialog(m_settings.installDir, this);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    RefreshGroups();
    m_groupList->Select(0);
    UpdateGroupInfo();
}

void CSetupDialog::OnDeleteGroup()
{
    if (const FoundGroup* found = SelectedGroup()) {
        // The message is UTF-8: the group's texts go in as they are shown.
        const std::string name = DisplayText(found->group.name).toStdString();
        const std::string path = DisplayText(found->path).toStdString();
        const MessageResult answer = ShowMessage(
            {.owner = this,
             .text = FillInEach(LoadString(kStrDeleteGroupQuestion), "%s", {name, name, path}),
             .caption = LoadString(kStrWarning),
             .icon = MessageIcon::Question,
             .buttons = MessageButtons::YesNo,
             .defaultButton = MessageResult::No});
        if (answer == MessageResult::Yes) {
            if (const FileResult deleted = DeleteGroupFolder(found->path); !deleted)
                TellFileFailure(this, kStrNotDeleted, found->group.name, deleted, {});
            RefreshGroups();
        }
    }
    if (m_groupList->Count() > 0) {
        m_groupList->Select(0);
        UpdateGroupInfo();
        return;
    }
    SetGroupButtonsEnabled(false);
    m_fields.SetGroupInfo(LoadString(kStrNoGroupLeft));
    m_fields.Write();
}

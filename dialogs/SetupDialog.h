// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogframe/TypedDialog.h"
#include "dialogs/GroupFolders.h"
#include "dialogs/SetupFields.h"

#include <map>
#include <string>
#include <vector>

struct Settings;
class COwnerDrawButton;
class GroupCheckList;
class QAbstractButton;

// The setup dialog: edits a working copy of the nine settings, lists the picture groups with a
// tick for those shown during play, and adds, manages and deletes groups and manages the
// default sounds. The settings and the changed ticks are saved by OK and before a group is
// managed; adding, managing and deleting act on the disk at once, and the ticks the parent
// changed and has not saved yet stay as they are across them. A save that fails is told.
class CSetupDialog : public CTypedDialog<SetupId>
{
    Q_OBJECT

public:
    explicit CSetupDialog(Settings& settings, QWidget* parent = nullptr);
    ~CSetupDialog() override;

    // OK: saves and closes, or stays open after a field's or the disk's message.
    void accept() override;

protected:
    void OnInitDialog() override;

    void OnColourSwatch();
    void OnManageDefaultSounds();
    void OnManageGroup();
    void OnAddGroup();
    void OnDeleteGroup();

private:
    struct Controls
    {
        COwnerDrawButton* swatch;
        QAbstractButton* manageGroup;
        QAbstractButton* deleteGroup;
    };

    SettingControlsTable BindSettingControls() const;
    void UpdateEnabling();
    void UpdateGroupInfo();
    // Lists the groups on disk again, keeping the ticks changed and not saved yet.
    void RefreshGroups();
    // Reads the fields, then saves the settings and rewrites the group files whose tick
    // changed; false, with nothing saved, when a field fails, and false after telling the
    // parent when a file cannot be saved.
    bool CommitChanges();
    // The group of the selected entry.
    const FoundGroup* SelectedGroup() const;
    void SetGroupButtonsEnabled(bool enabled);

    Settings& m_settings;
    const Controls m_controls;
    SetupFields m_fields;
    GroupCheckList* m_groupList;
    std::vector<FoundGroup> m_groups;
};

#pragma once

#include "dialogframe/KipoDialog.h"
#include "dialogs/GroupFolders.h"
#include "dialogs/SetupFields.h"

#include <vector>

struct Settings;
class GroupCheckList;

// The setup dialog: edits a working copy of the nine settings, lists the picture groups with a
// tick for those shown during play, and adds, manages and deletes groups and manages the
// default sounds. The settings and the changed ticks are saved by OK and before a group is
// managed; adding, managing and deleting act on the disk at once.
class CSetupDialog : public CKipoDialog
{
    Q_OBJECT

public:
    explicit CSetupDialog(Settings& settings, QWidget* parent = nullptr);
    ~CSetupDialog() override;

    // OK: saves and closes, or stays open after a field's message.
    void accept() override;

protected:
    void OnInitDialog() override;

    void OnColourSwatch();
    void OnManageDefaultSounds();
    void OnManageGroup();
    void OnAddGroup();
    void OnDeleteGroup();

private:
    void UpdateEnabling();
    void UpdateGroupInfo();
    void ScanGroups();
    void FillGroupList();
    // Reads the fields, then saves the settings and rewrites the group files whose tick
    // changed; false, with nothing saved, when a field fails.
    bool CommitChanges();
    // The group of the selected entry.
    const FoundGroup* SelectedGroup() const;
    void SetGroupButtonsEnabled(bool enabled);

    Settings& m_settings;
    SetupFields m_fields;
    GroupCheckList* m_groupList;
    std::vector<FoundGroup> m_groups;
};

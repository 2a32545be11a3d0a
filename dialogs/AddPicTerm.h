// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogframe/TypedDialog.h"
#include "platform/files/FileResult.h"

#include <string>

class QLineEdit;

// The "Add Picture Group" dialog: shows the path of a new group folder with a fresh upper-case
// UUID name, and on OK creates that folder with the group file (the typed name and
// description, shown during play) and an empty cut list. When that cannot be saved the parent
// is told why, nothing of the group is left on disk, and the dialog stays open.
class CAddPicTerm : public CTypedDialog<AddGroupId>
{
    Q_OBJECT

public:
    explicit CAddPicTerm(std::string installDir, QWidget* parent = nullptr);

    // OK: creates the group, or stays open after a message about the fields or the disk.
    void accept() override;

protected:
    void OnInitDialog() override;

private:
    FileResult SaveNewGroup() const;

    struct Controls
    {
        QLineEdit* path;
        QLineEdit* name;
        QLineEdit* description;
    };

    const Controls m_controls;
    std::string m_installDir;
    std::string m_folderName;
    std::string m_groupPath;
    std::string m_groupName;
    std::string m_description;
};

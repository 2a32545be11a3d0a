#pragma once

#include "dialogframe/TypedDialog.h"

#include <string>

class QLineEdit;

// The "Add Picture Group" dialog: shows the path of a new group folder with a fresh upper-case
// UUID name, and on OK creates that folder with the group file (the typed name and
// description, shown during play) and an empty cut list. OK ends the dialog even when the
// folder cannot be made; the caller rescans the library to see what exists.
class CAddPicTerm : public CTypedDialog<AddGroupId>
{
    Q_OBJECT

public:
    explicit CAddPicTerm(std::string installDir, QWidget* parent = nullptr);

    // OK: creates the group, or stays open after a message about the fields.
    void accept() override;

protected:
    void OnInitDialog() override;

private:
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

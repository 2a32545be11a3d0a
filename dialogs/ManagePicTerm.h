// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogframe/TypedDialog.h"
#include "dialogs/ByteTextField.h"
#include "library/PictureGroup.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

class CPicturePreview;
class PictureRow;
class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QTreeWidget;

// "Manage Picture Group": renames and describes one picture group, switches it on or off for
// play, lists its pictures with their sizes and cut marks, previews the selected one, and
// copies pictures in, deletes them, and gives them their own sounds. The file operations act
// on the group folder at once; the texts, the display switch and the cut marks are written by
// OK (the group file and cutshow.ini) and dropped by Cancel.
class CManagePicTerm : public CTypedDialog<ManageGroupId>
{
    Q_OBJECT

public:
    // `groupPath`: the group folder; `group` gives its folder name, name and description;
    // `display`: the initial state of "Display This Group".
    CManagePicTerm(std::string groupPath, const PictureGroup& group, std::int32_t display,
                   QWidget* parent = nullptr);

    // OK: writes the group file and the cut list, then closes the dialog.
    void accept() override;

protected:
    void OnInitDialog() override;

private:
    // The dialog's data exchange. Read-only fields only ever show their members, so a path
    // that is not valid UTF-8 is never read back from what is shown.
    void ControlsToMembers();
    void MembersToControls();

    // Lists the folder's pictures anew. Rows still there keep the cut marks they show, also
    // when those are not saved yet; new rows take theirs from the cut list.
    void RebuildPictureList();
    void UpdateSelection();
    void SetCutCaption(bool cut);
    static void EnableButtons(std::initializer_list<QAbstractButton*> buttons, bool enabled);

    void OnCutToDisplay();
    void OnPlaySounds();

    // The file operations.
    void OnAddPictures();
    void OnDeletePicture();
    void OnSpecifySounds();
    void OnDeleteSounds();
    void RememberSelectedRow();
    void RestoreRememberedRow();

    // -1 when no row is selected.
    int FirstSelectedRow() const;
    PictureRow& Row(int index) const;
    // The full path of the picture's own sound found in the group folder; empty when none.
    std::string FindOwnSound(const std::string& picturePath) const;

    struct Controls
    {
        QTreeWidget* pictureList;
        QLineEdit* groupName;
        QLineEdit* description;
        QLineEdit* groupPath;
        QLineEdit* currentSound;
        QLineEdit* pictureTotal;
        QCheckBox* displayGroup;
        QAbstractButton* deletePicture;
        QAbstractButton* playSounds;
        QAbstractButton* specifySounds;
        QAbstractButton* deleteSounds;
        QAbstractButton* cutToDisplay;
    };

    const Controls m_controls;
    CPicturePreview* m_preview;
    ByteTextField m_groupNameField;
    ByteTextField m_descriptionField;

    std::string m_groupName;
    std::string m_description;
    std::string m_groupPath;
    std::string m_currentSound; // file name of the selected picture's own sound
    std::string m_folderName;
    std::int32_t m_display;
    std::int32_t m_pictureCount = 0;
    std::string m_selectedPicture; // full path of the picture selected last
    std::int32_t m_rememberedRow = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/SetupFieldsTable.h"

#include <array>
#include <string>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;
class CUpDown;

// The controls of the setup dialog that show one setting, as dialogs/SetupFieldsTable.def
// names them: a check box for a flag, an edit and its up-down for a number, the colour button
// for the colour.
struct SettingControls
{
    QAbstractButton* check = nullptr;
    QLineEdit* edit = nullptr;
    CUpDown* upDown = nullptr;
    QAbstractButton* colourButton = nullptr;
};
using SettingControlsTable = std::array<SettingControls, kSettingCount>;

// The fields of the setup dialog: the working copy of the settings and the group information
// line, moved between these values and the dialog's controls, and the enabling that follows
// the check boxes.
class SetupFields
{
public:
    // `controls`: one entry per row of the settings table, in its order.
    SetupFields(QWidget& dialog, const SettingControlsTable& controls, QLabel& groupInfoLabel);

    StoredSettings& Values() { return m_values; }
    const StoredSettings& Values() const { return m_values; }
    void SetGroupInfo(std::string text) { m_groupInfo = std::move(text); }
    const std::string& GroupInfo() const { return m_groupInfo; }
    // Whether the colour button shows the background colour (else grey with a red cross).
    bool SwatchActive() const { return m_swatchActive; }

    // Gives the up-down controls their ranges.
    void SetRanges();
    // Copies the controls into the values in the table's order, validating the numbers;
    // false, after the message, at the first that fails.
    bool Read();
    // Copies the values into the controls.
    void Write();
    // Reads, enables the controls that the ticks switch on, and writes.
    void UpdateEnabling();

private:
    QWidget& m_dialog;
    const SettingControlsTable m_controls;
    QLabel& m_groupInfoLabel;

    StoredSettings m_values;
    std::string m_groupInfo;
    bool m_swatchActive = true;
};

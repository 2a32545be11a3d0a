// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/SetupFields.h"

#include "dialogframe/DisplayText.h"
#include "dialogframe/UpDown.h"
#include "dialogs/FieldReader.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

SetupFields::SetupFields(QWidget& dialog, const SettingControlsTable& controls,
                         QLabel& groupInfoLabel)
    : m_dialog(dialog), m_controls(controls), m_groupInfoLabel(groupInfoLabel)
{
}

void SetupFields::SetRanges()
{
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        if (CUpDown* upDown = m_controls[i].upDown)
            upDown->SetRange(kSettingTable[i].lowest, kSettingTable[i].highest);
    }
}

bool SetupFields::Read()
{
    FieldReader read(&m_dialog);
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        const SettingSpec& row = kSettingTable[i];
        std::int32_t value = row.get(m_values);
        if (row.kind == SettingKind::Flag)
            read.Check(*m_controls[i].check, value);
        else if (row.kind == SettingKind::Number)
            read.Integer(*m_controls[i].edit, row.lowest, row.highest, value);
        row.set(m_values, value);
    }
    return read.Ok();
}

void SetupFields::Write()
{
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        const std::int32_t value = kSettingTable[i].get(m_values);
        if (QAbstractButton* check = m_controls[i].check)
            check->setChecked(value != 0);
        if (QLineEdit* edit = m_controls[i].edit)
            edit->setText(QString::number(value));
    }
    m_groupInfoLabel.setText(DisplayText(m_groupInfo));
}

void SetupFields::UpdateEnabling()
{
    Read();
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        const SettingSpec& row = kSettingTable[i];
        if (row.switchedOnBy == SettingName::None)
            continue;
        const bool on = SettingRow(row.switchedOnBy).get(m_values) != 0;
        for (QWidget* control : std::initializer_list<QWidget*>{
                 m_controls[i].check, m_controls[i].edit, m_controls[i].upDown}) {
            if (control)
                control->setEnabled(on);
        }
    }
    // Random colours leave nothing to choose.
    m_swatchActive = !(m_values.clearBackground != 0 && m_values.randomColor != 0);
    QAbstractButton& swatch = *m_controls[SettingIndex(SettingName::backgroundColor)].colourButton;
    swatch.setEnabled(m_swatchActive);
    swatch.update();
    Write();
}

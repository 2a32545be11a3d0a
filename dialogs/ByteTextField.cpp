// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ByteTextField.h"

#include "dialogframe/DisplayText.h"
#include "dialogs/CharacterLimit.h"
#include "dialogs/FieldReader.h"

#include <QLineEdit>

#include <algorithm>

ByteTextField::ByteTextField(QLineEdit* edit, int maxLength) : m_edit(edit), m_maxLength(maxLength)
{
}

void ByteTextField::Show(const std::string& bytes)
{
    m_bytes = bytes;
    m_shown = DisplayText(bytes);
    if (m_edit) {
        LimitCharacters(*m_edit, std::max(m_maxLength, CharacterCount(m_shown)));
        m_edit->setText(m_shown);
    }
}

std::string ByteTextField::Read()
{
    if (m_edit && m_edit->text() != m_shown) {
        m_shown = m_edit->text();
        m_bytes = m_shown.toStdString();
    }
    return m_bytes;
}

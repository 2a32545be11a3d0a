#include "dialogs/ByteTextField.h"

#include <QLineEdit>

#include <algorithm>

QString DisplayText(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

ByteTextField::ByteTextField(QLineEdit* edit, int maxLength) : m_edit(edit), m_maxLength(maxLength)
{
}

void ByteTextField::Show(const std::string& bytes)
{
    m_bytes = bytes;
    m_shown = DisplayText(bytes);
    if (m_edit) {
        m_edit->setMaxLength(std::max(m_maxLength, static_cast<int>(m_shown.size())));
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

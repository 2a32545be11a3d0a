#include "dialogs/ByteTextField.h"

#include "dialogs/CharacterLimit.h"
#include "dialogs/FieldReader.h"

#include <QLineEdit>

#include <algorithm>

QString DisplayText(std::string_view bytes)
{
    // A character takes four bytes at most: no more is converted than is shown.
    const std::string_view head = bytes.substr(0, 4 * kLongestShownText + 4);
    QString text = QString::fromUtf8(head.data(), static_cast<qsizetype>(head.size()));
    if (text.size() > kLongestShownText) {
        const bool splitsPair = text[kLongestShownText - 1].isHighSurrogate();
        text.truncate(kLongestShownText - (splitsPair ? 1 : 0));
        text += QChar(0x2026); // an ellipsis
    }
    return text;
}

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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/FieldReader.h"

#include "platform/MessageBox.h"
#include "resources/StringTable.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <limits>
#include <optional>

namespace {

// The integer a field's text spells: optional blanks, an optional sign, decimal digits,
// optional blanks. Nullopt for anything else, and for numbers beyond 32 bits.
std::optional<std::int32_t> ParseFieldInteger(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype at = 0;
    const bool negative = trimmed.startsWith(u'-');
    if (negative || trimmed.startsWith(u'+'))
        ++at;
    if (at == trimmed.size())
        return std::nullopt;
    // Accumulated as a negative number, whose range reaches the lowest 32-bit value.
    std::int64_t magnitude = 0;
    for (; at < trimmed.size(); ++at) {
        const char16_t c = trimmed[at].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            return std::nullopt;
    }
    const std::int64_t number = negative ? -magnitude : magnitude;
    if (number > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(number);
}

} // namespace

int CharacterCount(const QString& text)
{
    int count = 0;
    for (const QChar c : text)
        count += !c.isLowSurrogate();
    return count;
}

FieldReader& FieldReader::Check(const QAbstractButton& box, std::int32_t& value)
{
    if (m_ok)
        value = box.isChecked() ? 1 : 0;
    return *this;
}

FieldReader& FieldReader::Integer(QLineEdit& edit, std::int32_t lower, std::int32_t upper,
                                  std::int32_t& value)
{
    if (!m_ok)
        return *this;
    const std::optional<std::int32_t> number = ParseFieldInteger(edit.text());
    if (!number) {
        Fail(edit, LoadString(kStrNotAnInteger));
        return *this;
    }
    value = *number;
    if (value < lower || value > upper) {
        const std::string message =
            FillIn(LoadString(kStrIntegerOutOfRange), "%1", std::to_string(lower));
        Fail(edit, FillIn(message, "%2", std::to_string(upper)));
    }
    return *this;
}

FieldReader& FieldReader::Text(QLineEdit& edit, int maxCharacters, std::string& value)
{
    if (!m_ok)
        return *this;
    if (CharacterCount(edit.text()) > maxCharacters)
        Fail(edit, FillIn(LoadString(kStrTextTooLong), "%1", std::to_string(maxCharacters)));
    else
        value = edit.text().toStdString();
    return *this;
}

void FieldReader::Fail(QLineEdit& edit, const std::string& message)
{
    m_ok = false;
    ShowMessage({.owner = m_dialog,
                 .text = message,
                 .caption = LoadString(kStrProgramName),
                 .icon = MessageIcon::Exclamation});
    edit.setFocus(Qt::OtherFocusReason);
    edit.selectAll();
}

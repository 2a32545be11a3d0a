// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

class QAbstractButton;
class QLineEdit;
class QString;
class QWidget;

// Reads dialog fields one after the other into their values. The first field that fails shows
// its message (exclamation icon, owned by the dialog), takes the focus with its whole text
// selected, and ends the reading: the fields after it are not read and their values stay.
class FieldReader
{
public:
    explicit FieldReader(QWidget* dialog) : m_dialog(dialog) {}

    // True while no field has failed.
    bool Ok() const { return m_ok; }

    // A tick reads as 1, no tick as 0.
    FieldReader& Check(const QAbstractButton& box, std::int32_t& value);
    // A decimal integer; one outside [lower, upper] is stored and then fails.
    FieldReader& Integer(QLineEdit& edit, std::int32_t lower, std::int32_t upper,
                         std::int32_t& value);
    // The text as UTF-8; more than `maxCharacters` characters fail and leave `value` alone.
    FieldReader& Text(QLineEdit& edit, int maxCharacters, std::string& value);

private:
    void Fail(QLineEdit& edit, const std::string& message);

    QWidget* m_dialog;
    bool m_ok = true;
};

// The number of characters (Unicode code points) of a text.
int CharacterCount(const QString& text);

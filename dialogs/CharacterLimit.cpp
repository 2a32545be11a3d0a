// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CharacterLimit.h"

#include "dialogs/FieldReader.h"

#include <QLineEdit>

void LimitCharacters(QLineEdit& edit, int maxCharacters)
{
    if (auto* limit = edit.findChild<CharacterLimit*>(QString(), Qt::FindDirectChildrenOnly))
        limit->SetMaximum(maxCharacters);
    else
        edit.setValidator(new CharacterLimit(maxCharacters, &edit));
}

CharacterLimit::CharacterLimit(int maxCharacters, QObject* parent)
    : QValidator(parent), m_maxCharacters(maxCharacters)
{
}

QValidator::State CharacterLimit::validate(QString& input, int&) const
{
    return CharacterCount(input) <= m_maxCharacters ? Acceptable : Invalid;
}

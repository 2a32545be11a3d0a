#include "dialogs/CharacterLimit.h"

#include "dialogs/FieldReader.h"

CharacterLimit::CharacterLimit(int maxCharacters, QObject* parent)
    : QValidator(parent), m_maxCharacters(maxCharacters)
{
}

QValidator::State CharacterLimit::validate(QString& input, int&) const
{
    return CharacterCount(input) <= m_maxCharacters ? Acceptable : Invalid;
}

#pragma once

#include <QValidator>

// Refuses any edit that would make the text longer than a number of characters. Characters are
// Unicode code points, so a letter outside the basic plane counts once.
class CharacterLimit : public QValidator
{
    Q_OBJECT

public:
    CharacterLimit(int maxCharacters, QObject* parent);

    State validate(QString& input, int& position) const override;

private:
    int m_maxCharacters;
};

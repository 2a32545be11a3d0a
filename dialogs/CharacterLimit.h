// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

class QLineEdit;

// The most characters a group's name or description holds.
inline constexpr int kLongestGroupText = 200;

// Keeps the user from typing more than `maxCharacters` characters into `edit`; a longer text
// the program puts there is still shown whole. Characters are Unicode code points, so a letter
// outside the basic plane counts once. Called again, it changes the limit.
void LimitCharacters(QLineEdit& edit, int maxCharacters);

// The validator LimitCharacters gives an edit: refuses any edit that would make the text
// longer than its limit.
class CharacterLimit : public QValidator
{
    Q_OBJECT

public:
    CharacterLimit(int maxCharacters, QObject* parent);

    void SetMaximum(int maxCharacters) { m_maxCharacters = maxCharacters; }
    State validate(QString& input, int& position) const override;

private:
    int m_maxCharacters;
};

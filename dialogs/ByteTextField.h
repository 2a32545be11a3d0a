// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

class QLineEdit;

// A line edit that shows a byte text (see DisplayText) and gives back the very same bytes as
// long as the user has not changed what it shows, so that a text that is not valid UTF-8, or
// one shown shortened, survives a round trip.
class ByteTextField
{
public:
    // `maxLength`: the most characters the user may type (see LimitCharacters); a longer
    // text is still shown whole.
    ByteTextField(QLineEdit* edit, int maxLength);

    void Show(const std::string& bytes);
    // The edit's text as bytes: the shown bytes when the text is unchanged, else its UTF-8.
    std::string Read();

private:
    QLineEdit* m_edit;
    int m_maxLength;
    std::string m_bytes;
    QString m_shown;
};

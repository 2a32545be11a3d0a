// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/FileFailureMessage.h"

#include "dialogframe/DisplayText.h"
#include "platform/MessageBox.h"
#include "resources/StringTable.h"

#include <string>

void TellFileFailure(QWidget* owner, int headlineId, std::string_view subject,
                     const FileResult& failure, std::string_view advice)
{
    std::string text = FillIn(LoadString(headlineId), "%s", DisplayText(subject).toStdString());
    text += "\n\n" + DisplayText(failure.Path()).toStdString() + ":\n" + failure.Reason() + '.';
    if (!advice.empty())
        text.append("\n\n").append(advice);
    ShowMessage({.owner = owner,
                 .text = std::move(text),
                 .caption = LoadString(kStrProgramName),
                 .icon = MessageIcon::Exclamation});
}

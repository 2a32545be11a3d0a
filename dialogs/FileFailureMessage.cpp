#include "dialogs/FileFailureMessage.h"

#include "platform/MessageBox.h"
#include "resources/StringTable.h"

#include <string>

void TellFileFailure(QWidget* owner, std::string_view headline, const FileResult& failure,
                     std::string_view advice)
{
    std::string text(headline);
    text += "\n\n" + failure.Path() + ":\n" + failure.Reason() + '.';
    if (!advice.empty())
        text.append("\n\n").append(advice);
    ShowMessage({.owner = owner,
                 .text = std::move(text),
                 .caption = LoadString(kStrProgramName),
                 .icon = MessageIcon::Exclamation});
}

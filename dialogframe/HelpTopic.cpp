#include "dialogframe/HelpTopic.h"

#include "platform/files/FileSearch.h"
#include "platform/files/Paths.h"
#include "platform/help/HelpViewer.h"

namespace {

constexpr std::string_view kHelpFileName = "Kipo2Help.chm";

std::string& HelpFolder()
{
    static std::string folder = DirectoryOf(ProgramFilePath());
    return folder;
}

} // namespace

void ShowHelpTopic(const std::string& topic)
{
    if (RecordedHelpTopics* const recorder = RecordedHelpTopics::Active()) {
        recorder->m_topics.push_back(topic);
        return;
    }
    // Found in any letter case, like the program's other files.
    const std::string helpFile = JoinPath(HelpFolder(), kHelpFileName);
    ShowHelpPath(ResolveNoCase(helpFile).value_or(helpFile) + "::/" + topic);
}

void SetHelpFolder(std::string folder)
{
    HelpFolder() = std::move(folder);
}

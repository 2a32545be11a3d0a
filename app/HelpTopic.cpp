#include "app/HelpTopic.h"

#include "platform/FileSearch.h"
#include "platform/HelpViewer.h"
#include "platform/Paths.h"

namespace {

constexpr std::string_view kHelpFileName = "Kipo2Help.chm";

std::string& HelpFolder()
{
    static std::string folder = DirectoryOf(ProgramFilePath());
    return folder;
}

std::function<void(const std::string&)>& ViewerOverride()
{
    static std::function<void(const std::string&)> viewer;
    return viewer;
}

} // namespace

void ShowHelpTopic(const std::string& topic)
{
    if (const auto& viewer = ViewerOverride()) {
        viewer(topic);
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

void OverrideHelpViewer(std::function<void(const std::string& topic)> viewer)
{
    ViewerOverride() = std::move(viewer);
}

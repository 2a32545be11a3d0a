#include "app/HelpTopic.h"

#include "platform/FileSearch.h"
#include "platform/HelpViewer.h"
#include "platform/Paths.h"

namespace {

constexpr std::string_view kHelpFileName = "Kipo2Help.chm";

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
    // The help file lies beside the program, found in any letter case like the program's
    // other files.
    const std::string helpFile = JoinPath(DirectoryOf(ProgramFilePath()), kHelpFileName);
    ShowHelpPath(ResolveNoCase(helpFile).value_or(helpFile) + "::/" + topic);
}

void OverrideHelpViewer(std::function<void(const std::string& topic)> viewer)
{
    ViewerOverride() = std::move(viewer);
}

#include "app/HelpTopic.h"

namespace {

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
    // No help viewer is built in yet; like every help failure, that is silent.
}

void OverrideHelpViewer(std::function<void(const std::string& topic)> viewer)
{
    ViewerOverride() = std::move(viewer);
}

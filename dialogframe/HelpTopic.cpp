// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogframe/HelpTopic.h"

#include "platform/files/InstallDir.h"
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
    ShowHelpPath(ShippedFilePath(HelpFolder(), kHelpFileName) + "::/" + topic);
}

void SetHelpFolder(std::string folder)
{
    HelpFolder() = std::move(folder);
}

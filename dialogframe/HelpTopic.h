// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TestSeam.h"

#include <string>
#include <vector>

// The installation directory, where a help file Kipo2Help.chm of the parent's own is looked for
// before the shipped one (see ShippedFilePath). Until it is set, the program file's folder.
void SetHelpFolder(std::string folder);

// Opens the program's help file at a topic ("index.html", "Faq.html"). Returns at once; a
// missing help file or viewer is not reported.
void ShowHelpTopic(const std::string& topic);

// Test seam: while an object of this class lives, ShowHelpTopic records each topic here
// instead of opening it.
class RecordedHelpTopics : public TestSeam<RecordedHelpTopics>
{
public:
    const std::vector<std::string>& Topics() const { return m_topics; }

private:
    friend void ShowHelpTopic(const std::string& topic);
    std::vector<std::string> m_topics;
};

#pragma once

#include <functional>
#include <string>

// The folder the help file Kipo2Help.chm lies in: the installation directory. Until it is set,
// the program file's folder.
void SetHelpFolder(std::string folder);

// Opens the program's help file at a topic ("index.html", "Faq.html"). Returns at once; a
// missing help file or viewer is not reported.
void ShowHelpTopic(const std::string& topic);

// Test seam: hands every topic to `viewer` instead of opening it; an empty function restores
// the normal behaviour.
void OverrideHelpViewer(std::function<void(const std::string& topic)> viewer);

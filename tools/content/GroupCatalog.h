// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <functional>
#include <string>
#include <vector>

// How to make one picture of a default group.
struct PictureRecipe
{
    std::string fileName; // with the extension that picks its format
    std::function<QImage()> draw;
    bool cutToDisplay = false; // its paper-white background is cut away in a play
    std::string spokenText;    // its own sound; empty: the default sounds play for it
};

// How to make one default picture group. Folder names are fixed UUID texts,
// so every build lays out the same library.
struct GroupRecipe
{
    std::string folderName;
    std::string name;
    std::string description;
    std::vector<PictureRecipe> pictures;
};

// The default groups: letters, numbers, shapes and animals.
std::vector<GroupRecipe> DefaultGroupRecipes();

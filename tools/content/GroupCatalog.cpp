// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/content/GroupCatalog.h"

#include "tools/content/AnimalPictures.h"
#include "tools/content/LetterPictures.h"
#include "tools/content/NumberPictures.h"
#include "tools/content/PaintKit.h"
#include "tools/content/Palette.h"
#include "tools/content/ShapePictures.h"

#include <array>
#include <iterator>
#include <string_view>

namespace {

GroupRecipe Letters()
{
    GroupRecipe group{"6E1C3A52-9B4F-4D27-8A61-3F0B2C7D9E14",
                      "Letters A to Z",
                      "Big colourful letters that say their names",
                      {}};
    constexpr int kCount = 26;
    for (int i = 0; i < kCount; ++i) {
        const char letter = static_cast<char>('A' + i);
        const int size = SpreadSize(i, kCount, 220, 420);
        // Transparent around the letter for viewers that honour it, and cut
        // for the play, which draws by the corner colour.
        group.pictures.push_back(
            {std::string(1, letter) + ".png",
             [=] { return PaperToTransparent(DrawLetterPicture(letter, size, BrightColor(i))); },
             true, std::string(1, letter)});
    }
    return group;
}

GroupRecipe Numbers()
{
    GroupRecipe group{"2B8F4E7A-1C63-4A95-B0D2-7E5F9A3C1D86",
                      "Numbers 1 to 10",
                      "Counting cards with shiny balls that say their number",
                      {}};
    constexpr std::array<std::string_view, 10> kWords{"One!", "Two!",   "Three!", "Four!", "Five!",
                                                      "Six!", "Seven!", "Eight!", "Nine!", "Ten!"};
    constexpr int kCount = static_cast<int>(kWords.size());
    for (int i = 0; i < kCount; ++i) {
        const int count = i + 1;
        const int width = SpreadSize(i, kCount, 300, 500);
        const QSize size(width, std::max(200, width * 2 / 3));
        group.pictures.push_back(
            {std::to_string(count) + ".jpg",
             [=] { return DrawNumberPicture(count, size, BrightColor(i + 3)); }, false,
             std::string(kWords[static_cast<std::size_t>(i)])});
    }
    return group;
}

GroupRecipe Shapes()
{
    GroupRecipe group{"C47D1E93-5A2B-4F68-9E0C-B13A6D8F2E57",
                      "Bright Shapes",
                      "Smiling circles, stars, hearts and more",
                      {}};
    const int count = static_cast<int>(std::size(kShapes));
    for (int i = 0; i < count; ++i) {
        const NamedShape& named = kShapes[i];
        const int size = SpreadSize(i, count, 200, 400);
        // Flat colours: a palette keeps them exactly, in 8-bit BMP and in GIF.
        const char* extension = i % 2 == 0 ? ".bmp" : ".gif";
        group.pictures.push_back({std::string(named.name) + extension,
                                  [=] {
                                      return ReduceToPalette(DrawShapePicture(
                                          named.shape, size, BrightColor(named.colorIndex)));
                                  },
                                  true, ""});
    }
    return group;
}

GroupRecipe Animals()
{
    GroupRecipe group{"9A3E6C15-D742-4B8E-A5F1-08C2E47B3D69",
                      "Animal Friends",
                      "Happy animal faces that say hello",
                      {}};
    constexpr std::array<std::string_view, std::size(kAnimals)> kSayings{
        "Kitty cat says meow!",  "Puppy says woof woof!",  "Big bear says hello!",
        "Piggy says oink oink!", "Froggy says ribbit!",    "Little mouse says squeak!",
        "Lion says roar!",       "Chick says cheep cheep!"};
    const int count = static_cast<int>(std::size(kAnimals));
    for (int i = 0; i < count; ++i) {
        const NamedAnimal& named = kAnimals[i];
        const int size = SpreadSize(i, count, 260, 480);
        group.pictures.push_back({std::string(named.name) + ".png",
                                  [=] { return DrawAnimalPicture(named.animal, size); }, true,
                                  std::string(kSayings[static_cast<std::size_t>(i)])});
    }
    return group;
}

} // namespace

std::vector<GroupRecipe> DefaultGroupRecipes()
{
    return {Letters(), Numbers(), Shapes(), Animals()};
}

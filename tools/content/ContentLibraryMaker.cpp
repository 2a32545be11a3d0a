// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/content/ContentLibraryMaker.h"

#include "library/ContentLibrary.h"
#include "library/PictureGroup.h"
#include "platform/files/Paths.h"
#include "tools/content/DefaultSounds.h"
#include "tools/content/GroupCatalog.h"
#include "tools/content/PictureFile.h"
#include "tools/content/SpokenWords.h"
#include "tools/content/WavFile.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace {

constexpr float kSpeechPeak = 0.8f;

bool MakeFolder(const std::string& path)
{
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

// Speech for a picture's own sound; false only when it was spoken but could
// not be written. Without a speech engine the picture simply has no own sound.
bool WriteSpokenSound(const std::string& text, const std::string& path)
{
    Samples speech = SpeakWords(text);
    if (speech.empty()) {
        return true;
    }
    NormalisePeak(speech, kSpeechPeak);
    return WriteWav(path, speech);
}

std::string MakeGroup(const std::string& dir, const GroupRecipe& group)
{
    const std::string groupPath = JoinPath(dir, group.folderName);
    if (!MakeFolder(groupPath)) {
        return "cannot create " + groupPath;
    }
    std::vector<std::string> cutNames;
    for (const PictureRecipe& picture : group.pictures) {
        const std::string picturePath = JoinPath(groupPath, picture.fileName);
        if (!SavePicture(picture.draw(), picturePath)) {
            return "cannot write " + picturePath;
        }
        if (picture.cutToDisplay) {
            cutNames.push_back(picture.fileName);
        }
        if (!picture.spokenText.empty() &&
            !WriteSpokenSound(picture.spokenText, OwnSoundPath(picturePath))) {
            return "cannot write " + OwnSoundPath(picturePath);
        }
    }
    if (!WriteGroupFile(groupPath, group.folderName, group.name, group.description, 1) ||
        !WriteCutList(groupPath, cutNames)) {
        return "cannot write the group files of " + groupPath;
    }
    return {};
}

std::string MakeDefaultSoundFolder(const std::string& dir)
{
    const std::string folder = JoinPath(dir, kDefaultSoundFolder);
    if (!MakeFolder(folder)) {
        return "cannot create " + folder;
    }
    for (const NamedSound& sound : MakeDefaultSounds()) {
        const std::string path = JoinPath(folder, sound.fileName);
        if (!WriteWav(path, sound.sound)) {
            return "cannot write " + path;
        }
    }
    return {};
}

std::string MakeGreetings(const std::string& dir)
{
    const std::string hello = JoinPath(dir, "Hello.wav");
    const std::string goodBye = JoinPath(dir, "GoodBye.wav");
    if (!WriteWav(hello, MakeHelloSound(SpeakWords("Hello!")))) {
        return "cannot write " + hello;
    }
    if (!WriteWav(goodBye, MakeGoodByeSound(SpeakWords("Goodbye!")))) {
        return "cannot write " + goodBye;
    }
    return {};
}

} // namespace

std::string MakeContentLibrary(const std::string& dir)
{
    if (!MakeFolder(dir)) {
        return "cannot create " + dir;
    }
    for (const GroupRecipe& group : DefaultGroupRecipes()) {
        if (std::string error = MakeGroup(dir, group); !error.empty()) {
            return error;
        }
    }
    if (std::string error = MakeDefaultSoundFolder(dir); !error.empty()) {
        return error;
    }
    return MakeGreetings(dir);
}

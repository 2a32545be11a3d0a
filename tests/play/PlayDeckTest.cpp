// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayLibrary.h"

#include "platform/files/Paths.h"
#include "play/PlayDeck.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> FileNames(const PlayDeck& deck)
{
    std::vector<std::string> names;
    for (const DeckEntry& entry : deck.entries)
        names.push_back(entry.picturePath.substr(entry.picturePath.rfind('/') + 1));
    return names;
}

} // namespace

TEST(PlayDeck, CollectsAGroupExtensionByExtensionWithOwnSounds)
{
    PlayLibrary library;
    const std::string group = library.AddGroup("Zoo");
    for (const char* name : {"c.png", "b.gif", "a.bmp"})
        PlayLibrary::WriteBytes(JoinPath(group, name), "picture");
    PlayLibrary::WriteBytes(JoinPath(group, "a.wav"), "RIFF");
    PlayLibrary::WriteBytes(JoinPath(group, "notes.txt"), "no picture");

    const PlayDeck deck = BuildPlayDeck(library.Dir());
    EXPECT_EQ(FileNames(deck), (std::vector<std::string>{"a.bmp", "b.gif", "c.png"}));
    EXPECT_EQ(deck.entries[0].ownSoundPath, JoinPath(group, "a.wav"));
    EXPECT_FALSE(deck.entries[1].HasOwnSound());
    EXPECT_FALSE(deck.entries[2].HasOwnSound());
    EXPECT_EQ(deck.entries[1].picturePath, JoinPath(group, "b.gif"));
}

TEST(PlayDeck, OwnSoundsAreFoundInAnyLetterCaseAndSharedAcrossExtensions)
{
    PlayLibrary library;
    const std::string group = library.AddGroup("Zoo");
    PlayLibrary::WriteBytes(JoinPath(group, "Cat.PNG"), "picture");
    PlayLibrary::WriteBytes(JoinPath(group, "Cat.jpeg"), "picture");
    PlayLibrary::WriteBytes(JoinPath(group, "CAT.WAV"), "RIFF");

    const PlayDeck deck = BuildPlayDeck(library.Dir());
    ASSERT_EQ(deck.entries.size(), 2u);
    for (const DeckEntry& entry : deck.entries)
        EXPECT_EQ(entry.ownSoundPath, JoinPath(group, "CAT.WAV"));
}

TEST(PlayDeck, JpegAndTiffFilesAreCollectedOnceAndDirectoriesNever)
{
    PlayLibrary library;
    const std::string group = library.AddGroup("Photos");
    PlayLibrary::WriteBytes(JoinPath(group, "d.jpeg"), "picture");
    PlayLibrary::WriteBytes(JoinPath(group, "e.tiff"), "picture");
    PlayLibrary::WriteBytes(JoinPath(group, "f.jpe"), "picture");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(JoinPath(group, "pics.bmp"))));

    const PlayDeck deck = BuildPlayDeck(library.Dir());
    auto names = FileNames(deck);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"d.jpeg", "e.tiff", "f.jpe"}));
}

TEST(PlayDeck, OnlyShownReadableGroupsTakePart)
{
    PlayLibrary library;
    PlayLibrary::WriteBytes(JoinPath(library.AddGroup("Shown", 2), "shown.png"), "picture");
    PlayLibrary::WriteBytes(JoinPath(library.AddGroup("Hidden", 0), "hidden.png"), "picture");
    PlayLibrary::WriteBytes(JoinPath(library.AddGroup("defVOICE"), "voice.png"), "picture");
    const std::string broken = library.AddGroup("Broken");
    PlayLibrary::WriteBytes(JoinPath(broken, "broken.png"), "picture");
    PlayLibrary::WriteBytes(JoinPath(broken, "Broken.ini"), std::string("\x06"
                                                                        "Broken\x00",
                                                                        8));
    const std::string loose = JoinPath(library.Dir(), "Loose");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(loose)));
    PlayLibrary::WriteBytes(JoinPath(loose, "loose.png"), "picture");

    EXPECT_EQ(FileNames(BuildPlayDeck(library.Dir())), std::vector<std::string>{"shown.png"});
}

TEST(PlayDeck, CutMarksBelongToTheirGroupAndMatchLetterCase)
{
    PlayLibrary library;
    const std::string first = library.AddGroup("First", 1, {"x.png", "Y.png"});
    const std::string second = library.AddGroup("Second", 1);
    PlayLibrary::WriteBytes(JoinPath(first, "x.png"), "picture");
    PlayLibrary::WriteBytes(JoinPath(first, "y.png"), "picture");
    PlayLibrary::WriteBytes(JoinPath(second, "x.png"), "picture");

    const PlayDeck deck = BuildPlayDeck(library.Dir());
    ASSERT_EQ(deck.entries.size(), 3u);
    for (const DeckEntry& entry : deck.entries) {
        const bool expectCut = entry.picturePath == JoinPath(first, "x.png");
        EXPECT_EQ(entry.cutToDisplay, expectCut) << entry.picturePath;
    }
}

TEST(PlayDeck, DefaultSoundsComeFromDefVoiceInAnyLetterCase)
{
    PlayLibrary library;
    const std::string voices = JoinPath(library.Dir(), "DEFVOICE");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(voices)));
    for (const char* name : {"one.wav", "two.WAV", "three.wav", "readme.txt"})
        PlayLibrary::WriteBytes(JoinPath(voices, name), "RIFF");

    auto sounds = BuildPlayDeck(library.Dir()).defaultSounds;
    std::sort(sounds.begin(), sounds.end());
    EXPECT_EQ(sounds,
              (std::vector<std::string>{JoinPath(voices, "one.wav"), JoinPath(voices, "three.wav"),
                                        JoinPath(voices, "two.WAV")}));
}

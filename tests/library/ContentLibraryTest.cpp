// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/ContentLibrary.h"

#include "library/PictureGroup.h"
#include "tests/support/TempLibrary.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class ContentLibraryTest : public ::testing::Test
{
protected:
    TempLibrary m_library;
};

TEST_F(ContentLibraryTest, GroupFoldersAreDirectoriesHoldingTheirOwnNamedFile)
{
    m_library.AddGroup(TestGroup("Animals"));
    m_library.AddGroup(TestGroup("Zoo", {"lion.jpg"}));
    m_library.WriteFile("Farm/farm.INI");           // found ignoring case
    m_library.MakeDir("Broken/Broken.ini");         // exists, though unreadable
    m_library.WriteFile("\xff\xfeG/\xff\xfeG.ini"); // not UTF-8
    m_library.WriteFile("store/Shared/Shared.ini"); // reached through a link
    m_library.MakeSymlink("Shared", m_library.PathOf("store/Shared"));

    m_library.WriteFile("Pets/cat.jpg");          // no group file
    m_library.WriteFile("Pets/Zoo.ini");          // someone else's group file
    m_library.WriteFile("DefVoice/DefVoice.ini"); // the default sounds
    m_library.WriteFile("defVOICE/DEFVOICE.ini");
    m_library.WriteFile("Loose.ini"); // a file, no folder
    m_library.WriteFile("Loose");
    m_library.MakeSymlink("Dangling", m_library.PathOf("nowhere"));

    const std::vector<std::string> groups = ListGroupFolders(m_library.InstallDir());
    EXPECT_EQ(groups, m_library.InListingOrder(
                          "", {"Animals", "Zoo", "Farm", "Broken", "\xff\xfeG", "Shared"}));
    EXPECT_FALSE(ReadGroupFile(m_library.PathOf("Broken"), "Broken").opened);
}

TEST_F(ContentLibraryTest, PicturesComeExtensionByExtensionInListingOrder)
{
    const std::string groupPath = m_library.AddGroup(
        TestGroup("G", {"z.png", "y.TIFF",    "x.gif", "w.jfif",   "v.jpeg",   "u.JPE",     "t.jpg",
                        "s.rle", "r.dib",     "q.BMP", "p.tif",    "o.bmp",    "notes.txt", "q.wav",
                        "bmp",   "x.bmp.bak", ".png",  "sun.webp", "icon.ico", "moon.WebP"}));
    m_library.MakeDir("G/pics.bmp");
    m_library.MakeDir("G/inner.jpg");

    std::vector<std::string> expected;
    for (const std::vector<std::string>& sameExtension :
         std::vector<std::vector<std::string>>{{"q.BMP", "o.bmp"},
                                               {"r.dib"},
                                               {"s.rle"},
                                               {"t.jpg"},
                                               {"v.jpeg", "u.JPE"},
                                               {"w.jfif"},
                                               {"x.gif"},
                                               {"y.TIFF", "p.tif"},
                                               {"z.png", ".png"},
                                               {"sun.webp", "moon.WebP"}}) {
        for (const std::string& name : m_library.InListingOrder("G", sameExtension))
            expected.push_back(name);
    }
    std::vector<std::string> names;
    for (const FoundEntry& picture : ListPictureFiles(groupPath)) {
        names.push_back(picture.name);
        EXPECT_EQ(picture.path, groupPath + "/" + picture.name);
        EXPECT_FALSE(picture.isDirectory);
    }
    EXPECT_EQ(names, expected);
    EXPECT_TRUE(ListPictureFiles(m_library.PathOf("Missing")).empty());
}

TEST_F(ContentLibraryTest, OwnSoundReplacesTheLastExtension)
{
    EXPECT_EQ(OwnSoundPath("/play/Zoo/cat.jpg"), "/play/Zoo/cat.wav");
    EXPECT_EQ(OwnSoundPath("/play/Zoo/cat.jpeg"), "/play/Zoo/cat.wav");
    EXPECT_EQ(OwnSoundPath("/play/Zoo/cat.PNG"), "/play/Zoo/cat.wav");
    EXPECT_EQ(OwnSoundPath("/play/Zoo/cat.tar.gif"), "/play/Zoo/cat.tar.wav");
    EXPECT_EQ(OwnSoundPath("/play/Zoo/cat."), "/play/Zoo/cat.wav");
    EXPECT_EQ(OwnSoundPath("/play/Zoo/\xff.bmp"), "/play/Zoo/\xff.wav");
    // Without an extension in the file name the sound is the name plus ".wav".
    EXPECT_EQ(OwnSoundPath("/play/Zoo.d/cat"), "/play/Zoo.d/cat.wav");
    EXPECT_EQ(OwnSoundPath("cat"), "cat.wav");
}

TEST_F(ContentLibraryTest, OwnSoundsAreFoundIgnoringCaseWithTheExactSpellingFirst)
{
    const std::string groupPath = m_library.AddGroup(TestGroup(
        "G", {"cat.jpg", "cat.png", "cat.wav", "dog.bmp", "DOG.WAV", "bird.gif", "Bird.wav",
              "bird.WAV", "eel.png", "EEL.wav", "eel.wav", "fish.tif", "ant.jpeg"}));
    m_library.MakeDir("G/fish.wav");

    const std::vector<FoundEntry> pictures = ListPictureFiles(groupPath);
    const std::vector<std::string> sounds = FindOwnSounds(groupPath, pictures);
    ASSERT_EQ(sounds.size(), pictures.size());
    std::map<std::string, std::string> soundOf;
    for (std::size_t i = 0; i < pictures.size(); ++i)
        soundOf[pictures[i].name] = sounds[i];

    const std::string firstBird = m_library.InListingOrder("G", {"Bird.wav", "bird.WAV"}).front();
    EXPECT_EQ(soundOf, (std::map<std::string, std::string>{
                           {"cat.jpg", groupPath + "/cat.wav"},
                           {"cat.png", groupPath + "/cat.wav"},
                           {"dog.bmp", groupPath + "/DOG.WAV"},
                           {"bird.gif", groupPath + "/" + firstBird},
                           {"eel.png", groupPath + "/eel.wav"},
                           {"fish.tif", ""},
                           {"ant.jpeg", ""},
                       }));
}

TEST_F(ContentLibraryTest, DefaultSoundsAreTheWavFilesOfTheFolderInAnyCase)
{
    EXPECT_TRUE(ListDefaultSounds(m_library.InstallDir()).empty());

    for (const char* name : {"a.wav", "B.WAV", "c.mp3", "wav", "d.Wav"})
        m_library.WriteFile(std::string("defvoice/") + name);
    m_library.MakeDir("defvoice/folder.wav");

    std::vector<std::string> expected;
    for (const std::string& name :
         m_library.InListingOrder("defvoice", {"a.wav", "B.WAV", "d.Wav"}))
        expected.push_back(m_library.PathOf("defvoice/" + name));
    EXPECT_EQ(ListDefaultSounds(m_library.InstallDir()), expected);
}

} // namespace

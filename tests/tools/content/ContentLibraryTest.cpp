// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/ContentLibrary.h"
#include "library/PictureGroup.h"
#include "platform/files/FileSearch.h"
#include "platform/files/Paths.h"
#include "tests/support/TempLibrary.h"
#include "tests/tools/content/WavFacts.h"
#include "tools/content/ContentLibraryMaker.h"

#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QStandardPaths>
#include <QUuid>

#include <sndfile.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>

namespace {

// The made library is shared by the tests below: making it takes seconds.
class ContentLibraryTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_library = std::make_unique<TempLibrary>();
        s_error = MakeContentLibrary(s_library->InstallDir());
    }
    static void TearDownTestSuite() { s_library.reset(); }

    void SetUp() override { ASSERT_EQ(s_error, "") << "the library could not be made"; }

    static const std::string& Dir() { return s_library->InstallDir(); }

    static bool CanSpeak() { return !QStandardPaths::findExecutable("espeak-ng").isEmpty(); }

    static std::unique_ptr<TempLibrary> s_library;
    static std::string s_error;
};

std::unique_ptr<TempLibrary> ContentLibraryTest::s_library;
std::string ContentLibraryTest::s_error;

QImage LoadByContent(const std::string& path, QByteArray* format = nullptr)
{
    QImageReader reader(QString::fromStdString(path));
    reader.setDecideFormatFromContent(true);
    if (format != nullptr) {
        *format = reader.format();
    }
    return reader.read();
}

std::string LowerExtension(const std::string& name)
{
    return QString::fromStdString(std::string(ExtensionOf(name))).toLower().toStdString();
}

// A sound a child may hear: decodable, of a playable rate, neither silent nor
// clipped nor endless, and without a click at either end.
void ExpectPleasantWav(const std::string& path)
{
    SCOPED_TRACE(path);
    const WavFacts facts = ReadWavFacts(path);
    ASSERT_TRUE(facts.opened);
    EXPECT_EQ(facts.format & SF_FORMAT_TYPEMASK, SF_FORMAT_WAV);
    EXPECT_EQ(facts.format & SF_FORMAT_SUBMASK, SF_FORMAT_PCM_16);
    EXPECT_TRUE(facts.sampleRate == 22050 || facts.sampleRate == 44100) << facts.sampleRate;
    EXPECT_GE(facts.seconds, 0.15);
    EXPECT_LE(facts.seconds, 5.0);
    EXPECT_GT(facts.peak, 0.2);
    EXPECT_LT(facts.peak, 0.99);
    EXPECT_LT(facts.ends, 0.02) << "starts or stops with a click";
}

std::map<std::string, std::string> FilesBelow(const std::string& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[std::filesystem::relative(entry.path(), dir).string()] =
                std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return files;
}

TEST_F(ContentLibraryTest, GroupsAreShownAndNamedByUuid)
{
    const std::vector<std::string> folders = ListGroupFolders(Dir());
    ASSERT_GE(folders.size(), 3u);
    std::set<std::string> names;
    for (const std::string& folder : folders) {
        SCOPED_TRACE(folder);
        const QString text = QString::fromStdString(folder);
        EXPECT_EQ(folder.size(), 36u);
        EXPECT_FALSE(QUuid::fromString(text).isNull());
        EXPECT_EQ(text, text.toUpper());
        const GroupFileContents group = ReadGroupFile(JoinPath(Dir(), folder), folder);
        EXPECT_TRUE(group.opened && group.complete);
        EXPECT_EQ(group.displayed, 1);
        EXPECT_FALSE(group.name.empty());
        names.insert(group.name);
    }
    EXPECT_EQ(names.size(), folders.size()) << "two groups share a name";
}

TEST_F(ContentLibraryTest, PicturesLoadFitTheScreenAndComeInSeveralFormats)
{
    std::set<std::string> formats;
    for (const std::string& folder : ListGroupFolders(Dir())) {
        const std::vector<FoundEntry> pictures = ListPictureFiles(JoinPath(Dir(), folder));
        EXPECT_GE(pictures.size(), 5u) << folder;
        for (const FoundEntry& picture : pictures) {
            SCOPED_TRACE(picture.path);
            QByteArray format;
            const QImage image = LoadByContent(picture.path, &format);
            ASSERT_FALSE(image.isNull());
            // Room to be placed anywhere on the smallest screen, big enough to see.
            EXPECT_GE(std::min(image.width(), image.height()), 150);
            EXPECT_LE(image.width(), 640);
            EXPECT_LE(image.height(), 480);
            const std::string extension = LowerExtension(picture.name);
            EXPECT_EQ(format.toStdString(), extension == "jpg" ? "jpeg" : extension)
                << "the extension does not match the content";
            formats.insert(format.toStdString());
        }
    }
    EXPECT_GE(formats.size(), 3u);
}

TEST_F(ContentLibraryTest, CutPicturesExistAndStandOnTheirCornerColour)
{
    std::size_t cutCount = 0;
    for (const std::string& folder : ListGroupFolders(Dir())) {
        const std::string groupPath = JoinPath(Dir(), folder);
        std::set<std::string> pictureNames;
        for (const FoundEntry& picture : ListPictureFiles(groupPath)) {
            pictureNames.insert(picture.name);
        }
        for (const std::string& name : ReadCutList(groupPath)) {
            SCOPED_TRACE(folder + "/" + name);
            ASSERT_TRUE(pictureNames.count(name)) << "names no picture, letter case included";
            ++cutCount;
            const QImage image =
                LoadByContent(JoinPath(groupPath, name)).convertToFormat(QImage::Format_ARGB32);
            ASSERT_FALSE(image.isNull());
            // The play leaves out every pixel of the top-left colour: that
            // must be a background around the figure, not part of it.
            const QRgb key = image.pixel(0, 0) & 0xFFFFFF;
            const int right = image.width() - 1;
            const int bottom = image.height() - 1;
            for (const QPoint corner :
                 {QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
                EXPECT_EQ(image.pixel(corner) & 0xFFFFFF, key);
            }
            std::size_t keyPixels = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    keyPixels += (image.pixel(x, y) & 0xFFFFFF) == key ? 1 : 0;
                }
            }
            const double share = static_cast<double>(keyPixels) / (image.width() * image.height());
            EXPECT_GT(share, 0.15);
            EXPECT_LT(share, 0.9);
        }
    }
    EXPECT_GT(cutCount, 0u);
}

TEST_F(ContentLibraryTest, OwnSoundsBelongToPicturesAndArePleasant)
{
    if (!CanSpeak()) {
        GTEST_SKIP() << "espeak-ng is not installed: pictures have no own sounds";
    }
    std::size_t withOwnSound = 0;
    for (const std::string& folder : ListGroupFolders(Dir())) {
        const std::string groupPath = JoinPath(Dir(), folder);
        std::set<std::string> ownSounds;
        for (const FoundEntry& picture : ListPictureFiles(groupPath)) {
            const std::string sound = OwnSoundPath(picture.path);
            if (std::filesystem::exists(sound)) {
                ExpectPleasantWav(sound);
                ownSounds.insert(sound);
                ++withOwnSound;
            }
        }
        for (const FoundEntry& wav : FindFiles(groupPath, "*.wav")) {
            EXPECT_TRUE(ownSounds.count(wav.path)) << wav.path << " belongs to no picture";
        }
    }
    EXPECT_GT(withOwnSound, 0u);
}

TEST_F(ContentLibraryTest, DefaultSoundsAndGreetingsArePleasant)
{
    const std::vector<std::string> sounds = ListDefaultSounds(Dir());
    EXPECT_GE(sounds.size(), 3u);
    for (const std::string& sound : sounds) {
        ExpectPleasantWav(sound);
    }
    ExpectPleasantWav(JoinPath(Dir(), "Hello.wav"));
    ExpectPleasantWav(JoinPath(Dir(), "GoodBye.wav"));
}

TEST_F(ContentLibraryTest, MakingAgainGivesTheSameFiles)
{
    const TempLibrary again;
    ASSERT_EQ(MakeContentLibrary(again.InstallDir()), "");
    const auto first = FilesBelow(Dir());
    const auto second = FilesBelow(again.InstallDir());
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [name, bytes] : first) {
        const auto other = second.find(name);
        ASSERT_NE(other, second.end()) << name;
        EXPECT_TRUE(other->second == bytes) << name << " differs";
    }
}

TEST(ContentLibraryMakerTest, UnwritableFolderIsReportedNotCrashed)
{
    const TempLibrary library;
    const std::string blocker = library.WriteFile("plain-file", "not a folder");
    EXPECT_NE(MakeContentLibrary(JoinPath(blocker, "library")), "");
    EXPECT_EQ(library.ReadFile("plain-file"), "not a folder");
}

} // namespace

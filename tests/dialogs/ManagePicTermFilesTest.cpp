// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManagePicTermFixture.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"

#include <deque>
#include <filesystem>

namespace {

using Rows = std::vector<std::string>;

// Message boxes answered in turn (No once the answers run out) and file dialogs that choose
// m_chosen.
class ManagePicTermFilesTest : public ManagePicTermTest
{
protected:
    const MessageRequest& LastQuestion() const { return m_messages.Shown().back(); }
    bool IsLink(std::string_view relative) const
    {
        return std::filesystem::is_symlink(m_library.PathOf(relative));
    }

    std::deque<MessageResult> m_answers;
    ScriptedMessages m_messages{[this](const MessageRequest&) {
        if (m_answers.empty())
            return MessageResult::No;
        const MessageResult answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }};
    std::vector<std::string> m_chosen;
    ScriptedFileDialogs m_fileDialogs{
        [this](const OpenFilesRequest&) -> std::optional<Rows> { return m_chosen; }};
};

TEST_F(ManagePicTermFilesTest, AddPicturesCopiesAskingBeforeEachOverwriteAndKeepsUnsavedCutMarks)
{
    for (const char* name : {"b.png", "c.png", "d.png"})
        Put(name, "old");
    for (const char* name : {"a.png", "b.png", "c.png", "d.png", "e.png"})
        m_chosen.push_back(m_library.WriteFile(std::string("in/") + name, "new"));
    Open({"d.png"});
    Select("c.png");
    Click(ManageGroupId::CutToDisplay);
    m_answers = {MessageResult::Yes, MessageResult::No, MessageResult::Cancel};
    Click(ManageGroupId::AddPictures);

    const OpenFilesRequest& request = m_fileDialogs.FileRequests().at(0);
    EXPECT_EQ(request.owner, m_dialog.get());
    EXPECT_TRUE(request.filter.starts_with("All Image Files|*.BMP;"));
    EXPECT_TRUE(request.filter.ends_with("||"));
    EXPECT_EQ(request.defaultExtension, "bmp");
    EXPECT_TRUE(request.multipleSelection);
    ASSERT_EQ(m_messages.Shown().size(), 3u);
    EXPECT_EQ(m_messages.Shown()[0].text,
              "File " + m_groupPath + "/b.png has existed. Overwrite it?");
    EXPECT_EQ(m_messages.Shown()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(m_messages.Shown()[0].defaultButton, MessageResult::No);
    EXPECT_EQ(GroupFile("a.png") + GroupFile("b.png") + GroupFile("c.png") + GroupFile("d.png"),
              "newnewoldold");
    EXPECT_EQ(Column(0), (Rows{"a.png", "b.png", "c.png", "d.png"}));
    EXPECT_EQ(Text(ManageGroupId::PictureTotal), "4");

    // The mark toggled before the copy is still shown and is what OK saves.
    EXPECT_EQ(Column(2), (Rows{"No", "No", "Yes", "Yes"}));
    Click(ManageGroupId::Ok);
    EXPECT_EQ(ReadCutList(m_groupPath), (Rows{"c.png", "d.png"}));
}

TEST_F(ManagePicTermFilesTest, DeletePictureAsksWithItsSoundOrWithoutAndClearsThePreview)
{
    PutPicture("cat.jpg", {20, 20}, Qt::red);
    Put("cat.bmp");
    Put("cat.wav");
    Put("dog.png");
    Open();
    Select("cat.jpg");
    m_answers = {MessageResult::No};
    Click(ManageGroupId::DeletePicture);
    EXPECT_NE(LastQuestion().text.find("picture file cat.jpg"), std::string::npos);
    EXPECT_NE(LastQuestion().text.find("sound"), std::string::npos);
    EXPECT_EQ(LastQuestion().caption, "Warning");
    EXPECT_EQ(LastQuestion().buttons, MessageButtons::YesNo);
    EXPECT_EQ(LastQuestion().defaultButton, MessageResult::No);
    EXPECT_EQ(Column(0), (Rows{"cat.bmp", "cat.jpg", "dog.png"}));
    EXPECT_TRUE(List().selectedItems().isEmpty());
    EXPECT_FALSE(Enabled(ManageGroupId::DeletePicture) || Enabled(ManageGroupId::DeleteSounds));

    Select("cat.jpg");
    m_answers = {MessageResult::Yes};
    Click(ManageGroupId::DeletePicture);
    EXPECT_EQ(m_library.ListingOrder("Zoo").size(), 4u); // cat.bmp, dog.png and the group files
    EXPECT_EQ(Column(0), (Rows{"cat.bmp", "dog.png"}));
    const QImage preview = Preview();
    EXPECT_NE(preview.pixelColor(preview.rect().center()), QColor(Qt::red));
    Select("cat.bmp");
    EXPECT_EQ(Text(ManageGroupId::CurrentSound), "");

    Select("dog.png");
    m_answers = {MessageResult::Yes};
    Click(ManageGroupId::DeletePicture);
    EXPECT_EQ(LastQuestion().text,
              "Do you assure that you want to delete the picture file dog.png?");
    EXPECT_EQ(Column(0), (Rows{"cat.bmp"}));
    EXPECT_EQ(Text(ManageGroupId::PictureTotal), "1");
}

TEST_F(ManagePicTermFilesTest, SpecifySoundsGivesEveryPictureOfThatNameTheChosenWave)
{
    Put("dog.png");
    Put("cat.jpg");
    Put("cat.bmp");
    Put("cat.WAV", "old"); // found ignoring letter case, and replaced in place
    Open();
    Select("dog.png");
    m_chosen = {m_library.WriteFile("in/bark.wav", "bark")};
    Click(ManageGroupId::SpecifySounds);
    EXPECT_EQ(GroupFile("dog.wav"), "bark");
    EXPECT_TRUE(m_messages.Shown().empty());
    const OpenFilesRequest& request = m_fileDialogs.FileRequests().at(0);
    EXPECT_EQ(request.filter, "Sound wave files (*.wav) | *.wav||");
    EXPECT_EQ(request.defaultExtension, "wav");
    EXPECT_FALSE(request.multipleSelection);
    // The row stays in view as the current one, but unselected.
    EXPECT_TRUE(List().selectedItems().isEmpty());
    EXPECT_EQ(List().currentItem(), RowNamed("dog.png"));
    EXPECT_FALSE(Enabled(ManageGroupId::SpecifySounds));

    Select("cat.jpg");
    m_answers = {MessageResult::No};
    Click(ManageGroupId::SpecifySounds);
    EXPECT_EQ(LastQuestion().text,
              "The specified sound file will overwrite the old one. Continue?");
    EXPECT_EQ(LastQuestion().caption, "Information");
    EXPECT_EQ(m_fileDialogs.FileRequests().size(), 1u);

    m_answers = {MessageResult::Yes};
    m_chosen = {m_library.WriteFile("in/meow.wav", "meow")};
    Click(ManageGroupId::SpecifySounds);
    EXPECT_EQ(GroupFile("cat.WAV"), "meow");
    EXPECT_EQ(m_library.ListingOrder("Zoo").size(), 7u);
    Select("cat.bmp");
    EXPECT_EQ(Text(ManageGroupId::CurrentSound), "cat.WAV");
}

TEST_F(ManagePicTermFilesTest, DeleteSoundsAsksAndKeepsTheRowInView)
{
    Put("cat.jpg");
    Put("cat.wav");
    Open();
    // Enabled from the start; with no sound it asks nothing but still lists the folder anew.
    Put("emu.png");
    Click(ManageGroupId::DeleteSounds);
    EXPECT_TRUE(m_messages.Shown().empty());
    EXPECT_EQ(Column(0), (Rows{"cat.jpg", "emu.png"}));

    Select("cat.jpg");
    Click(ManageGroupId::DeleteSounds);
    EXPECT_EQ(LastQuestion().text, "Are you sure to delete the sound file cat.wav?");
    EXPECT_EQ(LastQuestion().caption, "Warning");
    EXPECT_EQ(GroupFile("cat.wav"), "x");

    Select("cat.jpg");
    m_answers = {MessageResult::Yes};
    Click(ManageGroupId::DeleteSounds);
    EXPECT_FALSE(std::filesystem::exists(m_library.PathOf("Zoo/cat.wav")));
    EXPECT_TRUE(List().selectedItems().isEmpty());
    EXPECT_EQ(List().currentItem(), RowNamed("cat.jpg"));
}

TEST_F(ManagePicTermFilesTest, LinksAreReplacedOrRemovedAsLinksAndNamesNeedNotBeUtf8)
{
    m_library.WriteFile("outside/keep.png", "keep");
    m_library.WriteFile("outside/keep.wav", "keep");
    m_library.MakeSymlink("Zoo/link.png", m_library.PathOf("outside/keep.png"));
    Put("cat.png");
    m_library.MakeSymlink("Zoo/cat.wav", m_library.PathOf("outside/keep.wav"));
    PutPicture("\xff\xfe.png", {10, 10}, Qt::green);
    Open();
    const QString oddName = QStringLiteral("ÿþ.png"); // shown through Windows-1252
    EXPECT_EQ(Text(ManageGroupId::PictureTotal), "3");
    Select(oddName);
    const QImage preview = Preview();
    EXPECT_EQ(preview.pixelColor(preview.rect().center()), QColor(Qt::green));

    Select("cat.png");
    m_answers = {MessageResult::Yes};
    m_chosen = {m_library.WriteFile("in/new.wav", "new")};
    Click(ManageGroupId::SpecifySounds);
    EXPECT_FALSE(IsLink("Zoo/cat.wav"));
    EXPECT_EQ(GroupFile("cat.wav"), "new");

    Select("link.png");
    m_answers = {MessageResult::Yes};
    Click(ManageGroupId::DeletePicture);
    EXPECT_FALSE(IsLink("Zoo/link.png"));
    EXPECT_EQ(m_library.ReadFile("outside/keep.png") + m_library.ReadFile("outside/keep.wav"),
              "keepkeep");

    m_chosen = {m_library.WriteFile("in/\xfa.gif", "odd")};
    Click(ManageGroupId::AddPictures);
    EXPECT_EQ(GroupFile("\xfa.gif"), "odd");
    Select(oddName);
    m_answers = {MessageResult::Yes};
    Click(ManageGroupId::DeletePicture);
    EXPECT_EQ(LastQuestion().text,
              "Do you assure that you want to delete the picture file \xff\xfe.png?");
    EXPECT_FALSE(std::filesystem::exists(m_library.PathOf("Zoo/\xff\xfe.png")));
    EXPECT_EQ(Column(0).size(), 2u);
}

} // namespace

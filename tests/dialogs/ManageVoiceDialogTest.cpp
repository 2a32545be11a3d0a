// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/ManageVoiceDialog.h"
#include "DialogTestHelpers.h"
#include "platform/FileDialogs.h"
#include "platform/sound/Sound.h"
#include "resources/ResourceIds.h"
#include "tests/support/TempLibrary.h"
#include "tests/support/WidgetTestHelpers.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include <sys/stat.h>

namespace {

class ManageVoiceDialogTest : public ::testing::Test
{
protected:
    ManageVoiceDialogTest()
    {
        library.WriteFile("DefVoice/cow.wav", "moo");
        library.WriteFile("DefVoice/DOG.WAV", "woof!");
        library.WriteFile("DefVoice/bird.wav", "tweet-tweet");
        library.WriteFile("DefVoice/notes.txt", "not a sound");
        library.MakeDir("DefVoice/folder.wav");
    }

    void Open()
    {
        dialog = std::make_unique<CManageVoiceDialog>(library.InstallDir());
        ASSERT_TRUE(ShowActive(*dialog));
    }

    QTreeWidget& List() { return *dialog->Find<QTreeWidget>(DefaultSoundsId::List); }
    QPushButton& Button(DefaultSoundsId id) { return *dialog->Find<QPushButton>(id); }

    std::vector<std::string> Rows(int column = 0)
    {
        std::vector<std::string> rows;
        for (int i = 0; i < List().topLevelItemCount(); ++i)
            rows.push_back(List().topLevelItem(i)->text(column).toStdString());
        return rows;
    }

    void SelectRows(std::initializer_list<int> rows)
    {
        List().clearSelection();
        for (const int row : rows)
            List().topLevelItem(row)->setSelected(true);
    }

    TempLibrary library;
    ScriptedAnswers answers;
    SoundRecorder sounds;
    std::unique_ptr<CManageVoiceDialog> dialog;
};

TEST_F(ManageVoiceDialogTest, ListsTheWavFilesSortedWithTheirSizes)
{
    // Reading the size of a pipe must not wait for a writer.
    ASSERT_EQ(mkfifo(library.PathOf("DefVoice/pipe.wav").c_str(), 0600), 0);
    Open();
    EXPECT_EQ(Rows(0), (std::vector<std::string>{"bird.wav", "cow.wav", "DOG.WAV", "pipe.wav"}));
    EXPECT_EQ(Rows(1), (std::vector<std::string>{"11", "3", "5", "0"}));
    EXPECT_EQ(List().headerItem()->text(0), "File Name");
    EXPECT_EQ(List().headerItem()->text(1), "File Size (Bytes)");
    EXPECT_EQ(List().columnWidth(0), 200);
    EXPECT_EQ(List().columnWidth(1), 100);
    EXPECT_TRUE(List().topLevelItem(0)->textAlignment(1) & Qt::AlignRight);
    EXPECT_EQ(List().selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST_F(ManageVoiceDialogTest, PlayTakesTheLowestSelectedRowAndIsOnlyEnabledWithASelection)
{
    Open();
    EXPECT_FALSE(Button(DefaultSoundsId::Play).isEnabled());
    EXPECT_FALSE(Button(DefaultSoundsId::Delete).isEnabled());
    EXPECT_TRUE(Button(DefaultSoundsId::Stop).isEnabled());
    EXPECT_TRUE(Button(DefaultSoundsId::Add).isEnabled());

    SelectRows({2, 0});
    EXPECT_TRUE(Button(DefaultSoundsId::Play).isEnabled());
    EXPECT_TRUE(Button(DefaultSoundsId::Delete).isEnabled());
    Button(DefaultSoundsId::Play).click();
    Button(DefaultSoundsId::Stop).click();
    EXPECT_EQ(sounds.Played(), std::vector<std::string>{library.PathOf("DefVoice/bird.wav")});
    EXPECT_EQ(sounds.StopCount(), 1);

    const QRect cow = List().visualItemRect(List().topLevelItem(1));
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, cow.center());
    QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, cow.center());
    EXPECT_EQ(sounds.Played().back(), library.PathOf("DefVoice/cow.wav"));

    List().clearSelection();
    EXPECT_FALSE(Button(DefaultSoundsId::Play).isEnabled());
    EXPECT_FALSE(Button(DefaultSoundsId::Delete).isEnabled());
}

TEST_F(ManageVoiceDialogTest, DeleteAsksWithTheCountAndRemovesFilesAndRowsOnYes)
{
    Open();
    SelectRows({0, 2});
    answers.Queue({MessageResult::No});
    Button(DefaultSoundsId::Delete).click();
    ASSERT_EQ(answers.Shown().size(), 1u);
    EXPECT_EQ(answers.Shown()[0].text, "Delete the chosen 2 sounds files?");
    EXPECT_EQ(answers.Shown()[0].caption, "Warning");
    EXPECT_EQ(answers.Shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(answers.Shown()[0].defaultButton, MessageResult::No);
    EXPECT_EQ(Rows().size(), 3u);

    answers.Queue({MessageResult::Yes});
    Button(DefaultSoundsId::Delete).click();
    EXPECT_EQ(Rows(), std::vector<std::string>{"cow.wav"});
    EXPECT_EQ(library.InListingOrder("DefVoice", {"bird.wav", "cow.wav", "DOG.WAV"}),
              std::vector<std::string>{"cow.wav"});
    EXPECT_FALSE(Button(DefaultSoundsId::Delete).isEnabled());
}

TEST_F(ManageVoiceDialogTest, AddCopiesTheChosenFilesAskingBeforeEachOverwrite)
{
    const std::vector<std::string> chosen = {
        library.WriteFile("in/cow.wav", "new moo"), library.WriteFile("in/hen.wav", "cluck"),
        library.WriteFile("in/DOG.WAV", "new woof"), library.WriteFile("in/pig.wav", "oink")};
    ScriptedFileDialogs files([&](const OpenFilesRequest&) { return chosen; });
    Open();
    SelectRows({0});
    answers.Queue({MessageResult::No, MessageResult::Cancel});
    Button(DefaultSoundsId::Add).click();
    // The refilled list shows no selection, so nothing unseen can be played or deleted.
    EXPECT_TRUE(List().selectedItems().isEmpty());
    EXPECT_FALSE(Button(DefaultSoundsId::Play).isEnabled());
    EXPECT_FALSE(Button(DefaultSoundsId::Delete).isEnabled());

    ASSERT_EQ(files.FileRequests().size(), 1u);
    EXPECT_EQ(files.FileRequests()[0].filter, "Sound wave files (*.wav) | *.wav||");
    EXPECT_EQ(files.FileRequests()[0].defaultExtension, "wav");
    EXPECT_TRUE(files.FileRequests()[0].multipleSelection);
    EXPECT_EQ(answers.Texts(),
              (std::vector<std::string>{
                  "File " + library.PathOf("DefVoice/cow.wav") + " has existed. Overwrite it?",
                  "File " + library.PathOf("DefVoice/DOG.WAV") + " has existed. Overwrite it?"}));
    EXPECT_EQ(library.ReadFile("DefVoice/cow.wav"), "moo");
    EXPECT_EQ(library.ReadFile("DefVoice/hen.wav"), "cluck");
    EXPECT_EQ(library.ReadFile("DefVoice/DOG.WAV"), "woof!");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"bird.wav", "cow.wav", "DOG.WAV", "hen.wav"}));

    answers.Queue({MessageResult::Yes, MessageResult::Yes, MessageResult::Yes});
    Button(DefaultSoundsId::Add).click();
    EXPECT_EQ(library.ReadFile("DefVoice/cow.wav"), "new moo");
    EXPECT_EQ(library.ReadFile("DefVoice/pig.wav"), "oink");
    EXPECT_EQ(Rows(1), (std::vector<std::string>{"11", "7", "8", "5", "4"}));
}

TEST_F(ManageVoiceDialogTest, AMissingFolderListsNothingAndAddMakesIt)
{
    TempLibrary empty;
    const std::vector<std::string> chosen = {library.PathOf("DefVoice/cow.wav")};
    ScriptedFileDialogs files([&](const OpenFilesRequest&) { return chosen; });
    CManageVoiceDialog bare(empty.InstallDir());
    ASSERT_TRUE(ShowActive(bare));
    auto& list = *bare.Find<QTreeWidget>(DefaultSoundsId::List);
    EXPECT_EQ(list.topLevelItemCount(), 0);
    bare.Find<QPushButton>(DefaultSoundsId::Add)->click();
    EXPECT_EQ(list.topLevelItemCount(), 1);
    EXPECT_EQ(empty.ReadFile("DefVoice/cow.wav"), "moo");
    EXPECT_TRUE(answers.Shown().empty());
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SetupDialogTestFixture.h"
#include "dialogs/AddPicTerm.h"
#include "dialogs/ManagePicTerm.h"
#include "dialogs/ManageVoiceDialog.h"
#include "tests/support/FileSizeLimit.h"

namespace {

const std::string kUuid = "0F8FAD5B-D9CB-469F-A165-70867728950E";

TEST_F(SetupDialogTest, EntriesShowNameAndFolderSortedIgnoringCaseWithTheirTicks)
{
    AddGroup("cherry", "cherry", 0);
    AddGroup(kUuid, "Banana", 1);
    AddGroup("Apple", "apple", 2);
    AddGroup("nameless", "", 1);
    AddGroup("Cyr", "Жираф", 1);
    Open();
    EXPECT_EQ(Entries(),
              (std::vector<std::string>{"  [NAMELESS]", "apple  [APPLE]", "Banana  [" + kUuid + "]",
                                        "cherry  [CHERRY]", "Жираф  [CYR]"}));
    EXPECT_EQ((std::vector<bool>{Ticked(0), Ticked(1), Ticked(2), Ticked(3), Ticked(4)}),
              (std::vector<bool>{true, true, true, false, true}));
    EXPECT_EQ(List().selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_TRUE(List().selectedItems().isEmpty());
}

TEST_F(SetupDialogTest, OkRewritesOnlyTheGroupFilesWhoseTickChangedByteForByte)
{
    const std::string oddName = "Caf\xE9 \xFF"; // not UTF-8
    AddGroup("on", "On", 1, "stays on");
    AddGroup("off", oddName, 0, "d\xE9j\xE0");
    AddGroup("two", "Two", 2);
    AddGroup("kept", "Kept", 0);
    const std::string kept = GroupFile("kept");
    Open();
    // The texts that are not UTF-8 are shown through Windows-1252 and written back unchanged.
    const int odd = RowOf("Caf\xC3\xA9 \xC3\xBF  [OFF]");
    ASSERT_LT(odd, List().count());
    ClickEntry(odd);
    EXPECT_EQ(InfoLine(), "d\xC3\xA9j\xC3\xA0");
    List().item(RowOf("On  [ON]"))->setCheckState(Qt::Unchecked);
    for (int row = 0; row < List().count(); ++row) {
        if (List().item(row)->text().endsWith("[OFF]"))
            List().item(row)->setCheckState(Qt::Checked);
    }
    Button(SetupId::Ok).click();
    EXPECT_EQ(GroupFile("on"), GroupFileBytes("On", "stays on", 0));
    EXPECT_EQ(GroupFile("off"), GroupFileBytes(oddName, "d\xE9j\xE0", 1));
    EXPECT_EQ(GroupFile("two"), GroupFileBytes("Two", "", 1));
    EXPECT_EQ(GroupFile("kept"), kept);
}

TEST_F(SetupDialogTest, OkWithNothingTickedSavesEveryChangedGroupWithZero)
{
    AddGroup("a", "A", 1);
    AddGroup("b", "B", 1);
    AddGroup("c", "C", 0);
    Open();
    for (int row = 0; row < List().count(); ++row)
        List().item(row)->setCheckState(Qt::Unchecked);
    Button(SetupId::Ok).click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    for (const char* folder : {"a", "b", "c"})
        EXPECT_EQ(GroupFile(folder).back(), '\0') << folder;
    EXPECT_EQ(GroupFile("a"), GroupFileBytes("A", "", 0));
}

TEST_F(SetupDialogTest, TheTickBoxTogglesOnClickAndSpaceAndADoubleClickOnItCountsTwice)
{
    AddGroup("a", "A", 0, "first");
    AddGroup("b", "B", 0, "second");
    Open();
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, TickBoxPoint(1));
    EXPECT_TRUE(Ticked(1));
    EXPECT_EQ(List().currentRow(), 1);
    EXPECT_EQ(InfoLine(), "second");
    EXPECT_TRUE(Button(SetupId::ManageGroup).isEnabled());
    EXPECT_TRUE(Button(SetupId::DeleteGroup).isEnabled());

    QTest::keyClick(&List(), Qt::Key_Space);
    EXPECT_FALSE(Ticked(1));

    ClickEntry(0);
    EXPECT_FALSE(Ticked(0));
    EXPECT_EQ(InfoLine(), "first");

    // A double-click on the box: press, release, press, double-click, release.
    DialogScript<CManagePicTerm> manage([](CManagePicTerm& opened) { opened.reject(); });
    const QPoint box = TickBoxPoint(0);
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, box);
    QTest::mousePress(List().viewport(), Qt::LeftButton, {}, box);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, box, List().viewport()->mapToGlobal(box),
                            Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(List().viewport(), &doubleClick);
    QTest::mouseRelease(List().viewport(), Qt::LeftButton, {}, box);
    EXPECT_FALSE(Ticked(0));
    QTest::qWait(50);
    EXPECT_EQ(manage.Runs(), 0);
}

TEST_F(SetupDialogTest, ManageSavesFirstThenOpensTheGroupAndReselectsItsRow)
{
    AddGroup("a", "A", 1, "first");
    AddGroup("b", "B", 0, "second");
    Open();
    List().item(0)->setCheckState(Qt::Unchecked);
    ClickEntry(1);
    Edit(SetupId::KeyDelayEdit).setText("777");

    std::string iniWhenOpened;
    std::string groupFileWhenOpened;
    QString pathShown;
    DialogScript<CManagePicTerm> manage([&](CManagePicTerm& opened) {
        iniWhenOpened = library.ReadFile("Kipo.ini");
        groupFileWhenOpened = GroupFile("a");
        pathShown = opened.Find<QLineEdit>(ManageGroupId::Path)->text();
        opened.reject();
    });
    Button(SetupId::ManageGroup).click();
    ASSERT_EQ(manage.Runs(), 1);
    EXPECT_EQ(iniWhenOpened, library.ReadFile("Kipo.ini"));
    EXPECT_EQ(SavedSettings().keyDelayMs, 777);
    EXPECT_EQ(groupFileWhenOpened, GroupFileBytes("A", "first", 0));
    EXPECT_EQ(pathShown.toStdString(), library.PathOf("b"));
    EXPECT_EQ(List().currentRow(), 1);
    EXPECT_EQ(InfoLine(), "second");

    // A failing field saves nothing, yet the group still opens; Cancel keeps the earlier save.
    Edit(SetupId::KeyDelayEdit).setText("x");
    DialogScript<CManagePicTerm> again([](CManagePicTerm& opened) { opened.reject(); });
    QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, TextPoint(1));
    EXPECT_EQ(again.Runs(), 1);
    // Once by the save before the group opens, once by the reading after it closed.
    EXPECT_EQ(answers.Texts(), std::vector<std::string>(2, "Please enter an integer."));
    Button(SetupId::Cancel).click();
    EXPECT_EQ(SavedSettings().keyDelayMs, 777);
    EXPECT_EQ(settings.keyDelayMs, 777);
}

TEST_F(SetupDialogTest, ManageEndingWithOkRescansAndSelectsTheRowAtTheSamePlace)
{
    AddGroup("a", "A", 1, "first");
    AddGroup("b", "Bee", 1, "second");
    Open();
    ClickEntry(1);
    List().item(1)->setCheckState(Qt::Unchecked);
    DialogScript<CManagePicTerm> manage([](CManagePicTerm& opened) {
        EXPECT_FALSE(opened.Find<QCheckBox>(ManageGroupId::DisplayGroup)->isChecked());
        opened.Find<QLineEdit>(ManageGroupId::Name)->setText("0 Bee");
        opened.accept();
    });
    Button(SetupId::ManageGroup).click();
    ASSERT_EQ(manage.Runs(), 1);
    // The renamed group now sorts first; the second row, now the other group, is selected.
    EXPECT_EQ(Entries(), (std::vector<std::string>{"0 Bee  [B]", "A  [A]"}));
    EXPECT_FALSE(Ticked(0));
    EXPECT_EQ(List().currentRow(), 1);
    EXPECT_EQ(InfoLine(), "first");
    EXPECT_EQ(GroupFile("b"), GroupFileBytes("0 Bee", "second", 0));
}

TEST_F(SetupDialogTest, GroupsOfAnyFolderNameAndEmptyNamesCanBeManagedTickedAndDeleted)
{
    AddGroup("pets", "", 1);
    AddGroup("toys", "Toys", 1);
    Open();
    ASSERT_EQ(Entries(), (std::vector<std::string>{"  [PETS]", "Toys  [TOYS]"}));
    List().item(0)->setCheckState(Qt::Unchecked);
    ClickEntry(0);
    DialogScript<CManagePicTerm> manage([](CManagePicTerm& opened) { opened.reject(); });
    Button(SetupId::ManageGroup).click();
    EXPECT_EQ(manage.Runs(), 1);
    EXPECT_EQ(GroupFile("pets"), GroupFileBytes("", "", 0));

    ClickEntry(0);
    answers.Queue({MessageResult::Yes});
    Button(SetupId::DeleteGroup).click();
    EXPECT_EQ(library.InListingOrder({}, {"pets", "toys"}), std::vector<std::string>{"toys"});
    EXPECT_EQ(Entries(), std::vector<std::string>{"Toys  [TOYS]"});
}

TEST_F(SetupDialogTest, DeleteAsksFirstAndAlwaysSelectsTheFirstEntry)
{
    AddGroup("a", "A", 1, "first");
    AddGroup("b", "B\xEA", 1, "second"); // not UTF-8
    Open();
    ClickEntry(1);
    answers.Queue({MessageResult::No});
    Button(SetupId::DeleteGroup).click();
    ASSERT_EQ(answers.Shown().size(), 1u);
    const MessageRequest& question = answers.Shown()[0];
    EXPECT_EQ(question.text, "Assure that you want to delete the pictures group B\xC3\xAA and the "
                             "path of B\xC3\xAA is \n" +
                                 library.PathOf("b") + "?");
    EXPECT_EQ(question.caption, "Warning");
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.defaultButton, MessageResult::No);
    EXPECT_EQ(library.ReadFile("b/b.ini"), GroupFileBytes("B\xEA", "second", 1));
    EXPECT_EQ(List().currentRow(), 0);
    EXPECT_EQ(InfoLine(), "first");

    answers.Queue({MessageResult::Yes});
    Button(SetupId::DeleteGroup).click();
    EXPECT_EQ(Entries(), std::vector<std::string>{"B\xC3\xAA  [B]"});
    EXPECT_EQ(InfoLine(), "second");

    answers.Queue({MessageResult::Yes});
    Button(SetupId::DeleteGroup).click();
    EXPECT_EQ(List().count(), 0);
    EXPECT_EQ(InfoLine(), "No pictures group temporarily.");
    EXPECT_FALSE(Button(SetupId::ManageGroup).isEnabled());
    EXPECT_FALSE(Button(SetupId::DeleteGroup).isEnabled());
    EXPECT_TRUE(library.InListingOrder({}, {"a", "b"}).empty());
}

TEST_F(SetupDialogTest, AddRescansAndSelectsTheFirstEntryAndCancelChangesNothing)
{
    AddGroup("zoo", "Zoo", 1, "animals");
    Open();
    DialogScript<CAddPicTerm> cancelled([](CAddPicTerm& opened) { opened.reject(); });
    Button(SetupId::AddGroup).click();
    EXPECT_EQ(cancelled.Runs(), 1);
    EXPECT_TRUE(List().selectedItems().isEmpty());

    DialogScript<CAddPicTerm> added([](CAddPicTerm& opened) {
        opened.Find<QLineEdit>(AddGroupId::Name)->setText("Birds");
        opened.Find<QLineEdit>(AddGroupId::Description)->setText("feathers");
        opened.accept();
    });
    Button(SetupId::AddGroup).click();
    ASSERT_EQ(added.Runs(), 1);
    ASSERT_EQ(List().count(), 2);
    EXPECT_TRUE(List().item(0)->text().startsWith("Birds  ["));
    EXPECT_TRUE(Ticked(0));
    EXPECT_EQ(List().currentRow(), 0);
    EXPECT_EQ(InfoLine(), "feathers");
    EXPECT_EQ(library.ListingOrder().size(), 2u); // zoo and the new folder

    DialogScript<CManageVoiceDialog> sounds([](CManageVoiceDialog& opened) { opened.reject(); });
    Button(SetupId::ManageDefaultSounds).click();
    EXPECT_EQ(sounds.Runs(), 1);
}

TEST_F(SetupDialogTest, UnsavedTicksSurviveAddAndDeleteAndAFailedOkKeepsThem)
{
    AddGroup("a", "A", 1);
    AddGroup("b", "B", 0);
    AddGroup("c", "C", 1);
    Open();
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, TickBoxPoint(RowOf("A  [A]")));
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, TickBoxPoint(RowOf("B  [B]")));

    DialogScript<CAddPicTerm> added([](CAddPicTerm& opened) {
        opened.Find<QLineEdit>(AddGroupId::Name)->setText("New");
        opened.accept();
    });
    Button(SetupId::AddGroup).click();
    ASSERT_EQ(added.Runs(), 1);
    ClickEntry(RowOf("C  [C]"));
    answers.Queue({MessageResult::Yes});
    Button(SetupId::DeleteGroup).click();
    ASSERT_EQ(List().count(), 3);
    EXPECT_FALSE(Ticked(RowOf("A  [A]")));
    EXPECT_TRUE(Ticked(RowOf("B  [B]")));
    EXPECT_TRUE(List().item(2)->text().startsWith("New  ["));
    EXPECT_TRUE(Ticked(2)); // as it was made
    EXPECT_EQ(GroupFile("a"), GroupFileBytes("A", "", 1));

    // A library that no longer takes files: OK tells why and keeps the dialog and its ticks.
    const std::string kept = library.ReadFile("Kipo.ini");
    {
        const FileSizeLimit full(0);
        answers.Queue({MessageResult::Ok});
        dialog->accept();
    }
    ASSERT_EQ(answers.Shown().size(), 2u);
    EXPECT_EQ(answers.Shown()[1].text.rfind("The settings could not be saved.\n\n" +
                                                library.PathOf("Kipo.ini") + ":\nFile too large.",
                                            0),
              0u);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(library.ReadFile("Kipo.ini"), kept);
    EXPECT_FALSE(Ticked(RowOf("A  [A]")));

    dialog->accept();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(GroupFile("a"), GroupFileBytes("A", "", 0));
    EXPECT_EQ(GroupFile("b"), GroupFileBytes("B", "", 1));
}

} // namespace

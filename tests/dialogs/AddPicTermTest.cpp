// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/AddPicTerm.h"
#include "DialogTestHelpers.h"
#include "library/PictureGroup.h"
#include "resources/ResourceIds.h"
#include "tests/support/Bytes.h"
#include "tests/support/TempLibrary.h"
#include "tests/support/WidgetTestHelpers.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QUuid>

namespace {

class AddPicTermTest : public ::testing::Test
{
protected:
    QLineEdit& Edit(CAddPicTerm& dialog, AddGroupId id) { return *dialog.Find<QLineEdit>(id); }

    // The folder name the dialog offers: the last part of its path.
    std::string OfferedFolder(CAddPicTerm& dialog)
    {
        const std::string path = Edit(dialog, AddGroupId::Path).text().toStdString();
        return path.substr(path.rfind('/') + 1);
    }

    void PressOk(CAddPicTerm& dialog) { dialog.Find<QPushButton>(AddGroupId::Ok)->click(); }

    TempLibrary library;
    ScriptedAnswers answers;
};

TEST_F(AddPicTermTest, EachOpeningOffersANewUpperCaseUuidFolderAndFocusesTheName)
{
    CAddPicTerm first(library.InstallDir());
    CAddPicTerm second(library.InstallDir());
    ASSERT_TRUE(ShowActive(first));
    ASSERT_TRUE(ShowActive(second));
    const std::string name = OfferedFolder(first);
    ASSERT_EQ(name.size(), 36u);
    EXPECT_EQ(QUuid::fromString(QString::fromStdString(name)).version(), QUuid::Random) << name;
    EXPECT_EQ(QString::fromStdString(name).toUpper().toStdString(), name);
    EXPECT_EQ(Edit(first, AddGroupId::Path).text().toStdString(), library.PathOf(name));
    EXPECT_NE(OfferedFolder(second), name);
    EXPECT_TRUE(Edit(first, AddGroupId::Path).isReadOnly());
    EXPECT_EQ(QApplication::focusWidget(), &Edit(second, AddGroupId::Name));
    EXPECT_TRUE(library.ListingOrder().empty());
}

TEST_F(AddPicTermTest, OkCreatesOneFolderWithTheGroupFileAndAnEmptyCutList)
{
    CAddPicTerm dialog(library.InstallDir());
    ASSERT_TRUE(ShowActive(dialog));
    const std::string folder = OfferedFolder(dialog);
    QTest::keyClicks(&Edit(dialog, AddGroupId::Name), "Cats");
    Edit(dialog, AddGroupId::Description).setText("Big and small");
    QTest::keyClick(&Edit(dialog, AddGroupId::Description), Qt::Key_Return);

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(answers.Shown().empty());
    EXPECT_EQ(library.ListingOrder(), std::vector<std::string>{folder});
    EXPECT_EQ(library.ListingOrder(folder).size(), 2u);
    EXPECT_EQ(library.ReadFile(folder + "/" + folder + ".ini"),
              "\4Cats\15Big and small" + Bytes({1, 0, 0, 0}));
    EXPECT_EQ(library.ReadFile(folder + "/cutshow.ini"), Bytes({0, 0, 0, 0}));
}

TEST_F(AddPicTermTest, AnEmptyNameIsRefusedButASpaceIsAName)
{
    CAddPicTerm dialog(library.InstallDir());
    ASSERT_TRUE(ShowActive(dialog));
    PressOk(dialog);
    ASSERT_EQ(answers.Shown().size(), 1u);
    EXPECT_EQ(answers.Shown()[0].caption, "Warning");
    EXPECT_EQ(answers.Shown()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(answers.Shown()[0].text,
              "You must enter the picture group name into \"group name\". \n Please go on "
              "entering after having pressed the button OK.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(library.ListingOrder().empty());

    Edit(dialog, AddGroupId::Name).setText(" ");
    PressOk(dialog);
    EXPECT_FALSE(dialog.isVisible());
    const std::string folder = OfferedFolder(dialog);
    EXPECT_EQ(ReadGroupFile(library.PathOf(folder), folder).name, " ");
}

TEST_F(AddPicTermTest, NamesHoldTwoHundredCharactersOfAnyScriptByteForByte)
{
    CAddPicTerm dialog(library.InstallDir());
    ASSERT_TRUE(ShowActive(dialog));
    QLineEdit& name = Edit(dialog, AddGroupId::Name);
    // Cyrillic, CJK and a letter outside the basic plane: 2, 3 and 4 bytes each in UTF-8.
    const QString mixed = QString::fromUtf8("Жи名\xF0\x9D\x90\x80");
    name.setText(mixed.repeated(50));
    QTest::keyClicks(&name, "x");
    EXPECT_EQ(name.text(), mixed.repeated(50)) << "the 201st character was taken";

    name.setText(mixed.repeated(50).chopped(2));
    QTest::keyClicks(&name, "xy");
    EXPECT_TRUE(name.text().endsWith("x"));
    EXPECT_FALSE(name.text().endsWith("y"));

    name.setText(mixed.repeated(50));
    Edit(dialog, AddGroupId::Description).setText(QString(201, u'd'));
    PressOk(dialog);
    ASSERT_EQ(answers.Texts(),
              std::vector<std::string>{"Please enter no more than 200 characters."});
    EXPECT_EQ(QApplication::focusWidget(), &Edit(dialog, AddGroupId::Description));
    EXPECT_TRUE(library.ListingOrder().empty());

    Edit(dialog, AddGroupId::Description).setText("ok");
    PressOk(dialog);
    const std::string folder = OfferedFolder(dialog);
    std::string expected;
    for (int i = 0; i < 50; ++i)
        expected += "Жи名\xF0\x9D\x90\x80";
    EXPECT_EQ(ReadGroupFile(library.PathOf(folder), folder).name, expected);
}

TEST_F(AddPicTermTest, CancelOrAnUnwritableLibraryLeavesNothingBehind)
{
    {
        CAddPicTerm dialog(library.InstallDir());
        ASSERT_TRUE(ShowActive(dialog));
        Edit(dialog, AddGroupId::Name).setText("Cats");
        dialog.Find<QPushButton>(AddGroupId::Cancel)->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_TRUE(library.ListingOrder().empty());

    // A library that cannot take the folder: told, and the dialog stays with the typed name.
    CAddPicTerm dialog(library.PathOf("missing/dir"));
    ASSERT_TRUE(ShowActive(dialog));
    Edit(dialog, AddGroupId::Name).setText("Cats");
    PressOk(dialog);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(answers.Shown().size(), 1u);
    EXPECT_EQ(answers.Shown()[0].text.rfind("The picture group \"Cats\" could not be saved.", 0),
              0u);
    EXPECT_EQ(Edit(dialog, AddGroupId::Name).text(), "Cats");
    EXPECT_TRUE(library.ListingOrder().empty());
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManagePicTermFixture.h"
#include "dialogs/PicturePreview.h"
#include "platform/sound/Sound.h"
#include "tests/support/Bytes.h"

#include <QCheckBox>
#include <QHeaderView>

namespace {

constexpr QColor kOrange(255, 128, 64);

using Rows = std::vector<std::string>;

TEST_F(ManagePicTermTest, ListsThePicturesByNameIgnoringCaseWithSizesCutMarksAndTotal)
{
    Put("b.PNG", "abc");
    Put("a.bmp", "hello");
    Put("A.BMP", "hi");
    Put("C.jpg");
    Put("cat.jpeg");
    Put("x.tiff");
    Put("notes.txt");
    m_library.MakeDir("Zoo/dir.png");
    m_library.MakeSymlink("Zoo/gone.gif", m_library.PathOf("Zoo/nothing"));
    Open({"a.bmp", "Cat.jpeg"});

    EXPECT_EQ(Column(0),
              (Rows{"A.BMP", "a.bmp", "b.PNG", "C.jpg", "cat.jpeg", "gone.gif", "x.tiff"}));
    EXPECT_EQ(Column(1), (Rows{"2", "5", "3", "1", "1", "", "1"}));
    EXPECT_EQ(Column(2), (Rows{"No", "Yes", "No", "No", "No", "No", "No"}));
    EXPECT_EQ(Text(ManageGroupId::PictureTotal), "7");
    // Every heading whole, in columns as wide as the three of the template together.
    const QTreeWidgetItem& headings = *List().headerItem();
    const QHeaderView& header = *List().header();
    const QStringList expected{"Picture File Name", "Picture File Size(Bytes)",
                               "Cut to be displayed"};
    int total = 0;
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(headings.text(column), expected[column]);
        EXPECT_GT(header.sectionSize(column),
                  header.fontMetrics().horizontalAdvance(expected[column]));
        total += header.sectionSize(column);
    }
    EXPECT_EQ(total, 140 + 100 + 130);
}

TEST_F(ManagePicTermTest, SelectionEnablesTheButtonsAndShowsAndPlaysTheOwnSound)
{
    PutPicture("cat.jpg", {8, 8}, Qt::red);
    Put("cat.wav");
    PutPicture("dog.png", {8, 8}, Qt::red);
    PutPicture("bird.gif", {8, 8}, Qt::red);
    Put("BIRD.WAV");
    Open();
    SoundRecorder sounds;
    EXPECT_FALSE(Enabled(ManageGroupId::DeletePicture) || Enabled(ManageGroupId::PlaySounds) ||
                 Enabled(ManageGroupId::SpecifySounds) || Enabled(ManageGroupId::CutToDisplay));
    EXPECT_TRUE(Enabled(ManageGroupId::DeleteSounds));

    Select("cat.jpg");
    EXPECT_TRUE(Enabled(ManageGroupId::DeletePicture) && Enabled(ManageGroupId::PlaySounds) &&
                Enabled(ManageGroupId::SpecifySounds) && Enabled(ManageGroupId::CutToDisplay) &&
                Enabled(ManageGroupId::DeleteSounds));
    EXPECT_EQ(Text(ManageGroupId::CurrentSound), "cat.wav");
    Click(ManageGroupId::PlaySounds);

    Select("bird.gif");
    EXPECT_EQ(Text(ManageGroupId::CurrentSound), "BIRD.WAV");
    QTest::mouseDClick(List().viewport(), Qt::LeftButton, {},
                       List().visualItemRect(RowNamed("bird.gif")).center());
    EXPECT_EQ(sounds.Played(), (Rows{m_groupPath + "/cat.wav", m_groupPath + "/BIRD.WAV"}));

    Select("dog.png");
    EXPECT_EQ(Text(ManageGroupId::CurrentSound), "");
    EXPECT_FALSE(Enabled(ManageGroupId::PlaySounds) || Enabled(ManageGroupId::DeleteSounds));
    EXPECT_TRUE(Enabled(ManageGroupId::DeletePicture) && Enabled(ManageGroupId::SpecifySounds));
    Click(ManageGroupId::PlaySounds);
    EXPECT_EQ(sounds.Played().size(), 2u);
}

TEST_F(ManagePicTermTest, PreviewScalesIntoTheFrameBetweenEqualOrangeBandsAndStays)
{
    EXPECT_EQ(CPicturePreview::FitRect({100, 50}, {200, 50}), QRect(0, 12, 100, 26));
    EXPECT_EQ(CPicturePreview::FitRect({100, 50}, {50, 100}), QRect(37, 0, 26, 50));
    EXPECT_EQ(CPicturePreview::FitRect({100, 50}, {10, 5}), QRect(0, 0, 100, 50));

    PutPicture("wide.png", {300, 40}, Qt::red);
    PutPicture("tall.png", {40, 300}, Qt::blue);
    Put("broken.png", "not a picture");
    Open();
    const QSize frame = m_dialog->Find(ManageGroupId::Preview)->size();
    const QSize buffer = frame - QSize(10, 10);

    Select("wide.png");
    const QRect wide = CPicturePreview::FitRect(buffer, {300, 40}).translated(5, 5);
    QImage shown = Preview();
    EXPECT_EQ(shown.pixelColor(wide.center()), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(wide.left(), wide.top()), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(wide.right(), wide.bottom()), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(wide.center().x(), wide.top() - 1), kOrange);
    EXPECT_EQ(shown.pixelColor(wide.center().x(), wide.bottom() + 1), kOrange);
    EXPECT_EQ(wide.top() - 5, frame.height() - 5 - (wide.bottom() + 1));

    // An undecodable picture leaves the preview as it was, also when it is painted again.
    Select("broken.png");
    m_dialog->repaint();
    EXPECT_EQ(Preview().pixelColor(wide.center()), QColor(Qt::red));

    Select("tall.png");
    const QRect tall = CPicturePreview::FitRect(buffer, {40, 300}).translated(5, 5);
    shown = Preview();
    EXPECT_EQ(shown.pixelColor(tall.center()), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(tall.left(), tall.bottom()), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(tall.left() - 1, tall.center().y()), kOrange);
    EXPECT_EQ(shown.pixelColor(tall.right() + 1, tall.center().y()), kOrange);
}

TEST_F(ManagePicTermTest, CutToDisplayTogglesAndOkWritesTheGroupFilesByteForByte)
{
    Put("a.bmp");
    Put("b.png");
    Put("c.gif");
    Open({"a.bmp"}, "Z\xffoo");

    Select("b.png");
    EXPECT_EQ(Text(ManageGroupId::CutToDisplay), "Cu&t to display");
    Click(ManageGroupId::CutToDisplay);
    EXPECT_EQ(Text(ManageGroupId::CutToDisplay), "Cancel Cu&tting");
    EXPECT_EQ(Column(2), (Rows{"Yes", "Yes", "No"}));
    Click(ManageGroupId::CutToDisplay);
    EXPECT_EQ(Text(ManageGroupId::CutToDisplay), "Cu&t to display");
    EXPECT_EQ(Column(2), (Rows{"Yes", "No", "No"}));
    Click(ManageGroupId::CutToDisplay);
    Select("a.bmp");
    EXPECT_EQ(Text(ManageGroupId::CutToDisplay), "Cancel Cu&tting");
    Click(ManageGroupId::CutToDisplay);
    Select("c.gif");
    Click(ManageGroupId::CutToDisplay);

    // The name that is not UTF-8 is shown through Windows-1252 and stays as it was; the
    // description is typed anew.
    EXPECT_EQ(m_dialog->Find<QLineEdit>(ManageGroupId::Name)->text(), QStringLiteral("Zÿoo"));
    auto& description = *m_dialog->Find<QLineEdit>(ManageGroupId::Description);
    description.selectAll();
    QTest::keyClicks(&description, "Big");
    m_dialog->Find<QCheckBox>(ManageGroupId::DisplayGroup)->click();
    Click(ManageGroupId::Ok);

    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    EXPECT_EQ(GroupFile("cutshow.ini"),
              Bytes({2, 0, 0, 0, 5, 'b', '.', 'p', 'n', 'g', 5, 'c', '.', 'g', 'i', 'f'}));
    EXPECT_EQ(GroupFile("Zoo.ini"), Bytes({4, 'Z', 0xff, 'o', 'o', 3, 'B', 'i', 'g', 0, 0, 0, 0}));
}

TEST_F(ManagePicTermTest, CancelWritesNothing)
{
    Put("a.bmp");
    Open({"a.bmp"});
    const std::string groupFile = GroupFile("Zoo.ini");
    const std::string cutList = GroupFile("cutshow.ini");
    Select("a.bmp");
    Click(ManageGroupId::CutToDisplay);
    QTest::keyClicks(m_dialog->Find<QLineEdit>(ManageGroupId::Name), " and more");
    m_dialog->Find<QCheckBox>(ManageGroupId::DisplayGroup)->click();
    Click(ManageGroupId::Cancel);

    EXPECT_EQ(m_dialog->result(), QDialog::Rejected);
    EXPECT_EQ(GroupFile("Zoo.ini"), groupFile);
    EXPECT_EQ(GroupFile("cutshow.ini"), cutList);
}

} // namespace

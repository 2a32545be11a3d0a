// SPDX-License-Identifier: GPL-3.0-or-later
#include "SetupDialogTestFixture.h"
#include "dialogs/SetupFieldsTable.h"
#include "platform/ColorRef.h"
#include "platform/FileDialogs.h"

namespace {

const std::string kNotAnInteger = "Please enter an integer.";

std::string Range(int lower, int upper)
{
    return "Please enter an integer between " + std::to_string(lower) + " and " +
           std::to_string(upper) + ".";
}

TEST_F(SetupDialogTest, OpensWithWhatTheSettingsFileHolds)
{
    WriteSettings([](Settings& file) {
        file.clearBackground = 1;
        file.randomColor = 0;
        file.timeLimitOn = 0;
        file.timeLimitMinutes = 25;
        file.keyDelayOn = 1;
        file.keyDelayMs = 450;
        file.autoDisplayOn = 0;
        file.autoDisplaySeconds = 7;
    });
    settings.timeLimitMinutes = 99;
    Open();
    EXPECT_EQ(settings.timeLimitMinutes, 25);
    EXPECT_TRUE(Box(SetupId::ClearBackground).isChecked());
    EXPECT_FALSE(Box(SetupId::RandomColor).isChecked());
    EXPECT_FALSE(Box(SetupId::TimeLimitOn).isChecked());
    EXPECT_EQ(Edit(SetupId::TimeLimitEdit).text(), "25");
    EXPECT_EQ(Edit(SetupId::KeyDelayEdit).text(), "450");
    EXPECT_EQ(Edit(SetupId::AutoDisplayEdit).text(), "7");
    EXPECT_TRUE(answers.Shown().empty());

    EXPECT_EQ(List().count(), 0);
    EXPECT_FALSE(Button(SetupId::ManageGroup).isEnabled());
    EXPECT_FALSE(Button(SetupId::DeleteGroup).isEnabled());
    EXPECT_EQ(InfoLine(), "");
}

TEST_F(SetupDialogTest, OutOfRangeValuesAreShownAsTheyAreAndReportedAtOnce)
{
    WriteSettings([](Settings& file) {
        file.timeLimitMinutes = 0;
        file.keyDelayMs = 40000;
    });
    Open();
    EXPECT_EQ(answers.Texts(), std::vector<std::string>{Range(1, 1200)});
    EXPECT_EQ(answers.Shown()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(answers.Shown()[0].caption, "Tapnest") << "the program's name, not its file's";
    EXPECT_EQ(Edit(SetupId::TimeLimitEdit).text(), "0");
    EXPECT_EQ(Edit(SetupId::KeyDelayEdit).text(), "40000");
}

TEST_F(SetupDialogTest, OkReadsTheEditsInOrderAndSavesOnlyWhenAllAreValid)
{
    WriteSettings([](Settings&) {});
    const std::string before = library.ReadFile("Kipo.ini");
    Open();
    Edit(SetupId::TimeLimitEdit).setText("ten");
    Edit(SetupId::KeyDelayEdit).setText("4294967296"); // 2^32: no 32-bit integer
    Edit(SetupId::AutoDisplayEdit).setText("0");

    struct Step
    {
        SetupId edit;
        std::string message;
        const char* fix;
    };
    const Step steps[] = {
        {SetupId::TimeLimitEdit, kNotAnInteger, "0"},
        {SetupId::TimeLimitEdit, Range(1, 1200), " +12 "},
        {SetupId::KeyDelayEdit, kNotAnInteger, "99999"},
        {SetupId::KeyDelayEdit, Range(0, 30000), "0"},
        {SetupId::AutoDisplayEdit, Range(1, 3600), "3600"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.message);
        const std::size_t shown = answers.Shown().size();
        Button(SetupId::Ok).click();
        ASSERT_EQ(answers.Shown().size(), shown + 1);
        EXPECT_EQ(answers.Shown().back().text, step.message);
        EXPECT_EQ(QApplication::focusWidget(), &Edit(step.edit));
        EXPECT_EQ(Edit(step.edit).selectedText(), Edit(step.edit).text());
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(library.ReadFile("Kipo.ini"), before);
        Edit(step.edit).setText(step.fix);
    }
    Button(SetupId::Ok).click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const Settings saved = SavedSettings();
    EXPECT_EQ(saved.timeLimitMinutes, 12);
    EXPECT_EQ(saved.keyDelayMs, 0);
    EXPECT_EQ(saved.autoDisplaySeconds, 3600);
    EXPECT_EQ(settings.autoDisplaySeconds, 3600);
}

TEST_F(SetupDialogTest, AFailingEditUndoesALaterClickButNotAnEarlierOne)
{
    WriteSettings([](Settings& file) {
        file.clearBackground = 1;
        file.keyDelayOn = 1;
        file.timeLimitMinutes = 10;
    });
    Open();
    Edit(SetupId::TimeLimitEdit).setText("abc");
    ClickBox(SetupId::KeyDelayOn);
    EXPECT_EQ(answers.Texts(), std::vector<std::string>{kNotAnInteger});
    EXPECT_TRUE(Box(SetupId::KeyDelayOn).isChecked());
    EXPECT_TRUE(Edit(SetupId::KeyDelayEdit).isEnabled());
    EXPECT_EQ(Edit(SetupId::TimeLimitEdit).text(), "10");

    Edit(SetupId::TimeLimitEdit).setText("abc");
    ClickBox(SetupId::ClearBackground);
    EXPECT_EQ(answers.Shown().size(), 2u);
    EXPECT_FALSE(Box(SetupId::ClearBackground).isChecked());
    EXPECT_FALSE(Box(SetupId::RandomColor).isEnabled());
}

TEST_F(SetupDialogTest, TicksEnableTheirControlsAndDisabledEditsAreStillValidated)
{
    WriteSettings([](Settings& file) {
        file.clearBackground = 1;
        file.randomColor = 0;
        file.timeLimitOn = 1;
        file.keyDelayOn = 1;
        file.autoDisplayOn = 1;
    });
    Open();
    ClickBox(SetupId::RandomColor);
    EXPECT_FALSE(Button(SetupId::ColourSwatch).isEnabled());
    ClickBox(SetupId::ClearBackground);
    EXPECT_FALSE(Box(SetupId::RandomColor).isEnabled());
    EXPECT_TRUE(Box(SetupId::RandomColor).isChecked());
    EXPECT_TRUE(Button(SetupId::ColourSwatch).isEnabled());

    const std::pair<SetupId, std::pair<SetupId, SetupId>> switches[] = {
        {SetupId::TimeLimitOn, {SetupId::TimeLimitEdit, SetupId::TimeLimitSpin}},
        {SetupId::KeyDelayOn, {SetupId::KeyDelayEdit, SetupId::KeyDelaySpin}},
        {SetupId::AutoDisplayOn, {SetupId::AutoDisplayEdit, SetupId::AutoDisplaySpin}},
    };
    for (const auto& [box, controls] : switches) {
        ClickBox(box);
        EXPECT_FALSE(dialog->Find(controls.first)->isEnabled()) << IdNumber(box);
        EXPECT_FALSE(dialog->Find(controls.second)->isEnabled()) << IdNumber(box);
    }
    ClickBox(SetupId::KeyDelayOn);
    EXPECT_TRUE(Edit(SetupId::KeyDelayEdit).isEnabled());
    EXPECT_FALSE(Edit(SetupId::TimeLimitEdit).isEnabled());
    EXPECT_TRUE(answers.Shown().empty());

    Edit(SetupId::AutoDisplayEdit).setText("");
    Button(SetupId::Ok).click();
    EXPECT_EQ(answers.Texts(), std::vector<std::string>{kNotAnInteger});
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(SetupDialogTest, SwatchShowsTheColourOrGreyWithARedCrossWhenBothBoxesAreTicked)
{
    WriteSettings([](Settings& file) {
        file.clearBackground = 1;
        file.randomColor = 0;
        file.backgroundColor = 0x00336699;
    });
    Open();
    QWidget& swatch = Button(SetupId::ColourSwatch);
    QImage image = swatch.grab().toImage();
    const QColor colour = ColorFromRef(0x00336699);
    for (const QPoint at : {QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1),
                            QPoint(image.width() / 2, image.height() / 2)})
        EXPECT_EQ(image.pixelColor(at), colour) << at.x() << "," << at.y();

    ClickBox(SetupId::RandomColor);
    image = swatch.grab().toImage();
    const int cx = image.width() / 2;
    const int cy = image.height() / 2;
    const QColor grey(50, 50, 50);
    const QColor red(255, 0, 0);
    for (const QPoint at : {QPoint(0, 0), QPoint(image.width() - 1, 0), QPoint(cx - 9, cy - 9),
                            QPoint(cx + 7, cy + 7), QPoint(cx - 8, cy + 7), QPoint(cx, cy + 3)})
        EXPECT_EQ(image.pixelColor(at), grey) << at.x() - cx << "," << at.y() - cy;
    for (const QPoint at : {QPoint(cx - 8, cy - 8), QPoint(cx, cy), QPoint(cx + 6, cy + 6),
                            QPoint(cx + 7, cy - 8), QPoint(cx - 7, cy + 6)})
        EXPECT_EQ(image.pixelColor(at), red) << at.x() - cx << "," << at.y() - cy;
}

TEST_F(SetupDialogTest, TheColourDialogStartsAtTheColourAndOnlyOkChangesIt)
{
    WriteSettings([](Settings& file) { file.backgroundColor = 0x00FF0000; });
    std::optional<std::uint32_t> answer;
    ScriptedFileDialogs colours({}, [&](std::uint32_t) { return answer; });
    Open();
    Button(SetupId::ColourSwatch).click();
    EXPECT_EQ(CentreColour(Button(SetupId::ColourSwatch)), QColor(0, 0, 255));

    answer = 0x0000FF00;
    Button(SetupId::ColourSwatch).click();
    EXPECT_EQ(colours.ColorRequests(), (std::vector<std::uint32_t>{0x00FF0000, 0x00FF0000}));
    EXPECT_EQ(CentreColour(Button(SetupId::ColourSwatch)), QColor(0, 255, 0));
    EXPECT_EQ(SavedSettings().backgroundColor, 0x00FF0000u);

    Button(SetupId::Ok).click();
    EXPECT_EQ(SavedSettings().backgroundColor, 0x0000FF00u);
}

TEST_F(SetupDialogTest, UpDownsFollowTheirEditsAndWrapAtBothEnds)
{
    WriteSettings([](Settings& file) {
        file.timeLimitMinutes = 1200;
        file.keyDelayMs = 30000;
        file.autoDisplaySeconds = 3600;
    });
    Open();
    const std::tuple<SetupId, const char*, const char*> cases[] = {
        {SetupId::TimeLimitEdit, "1", "1200"},
        {SetupId::KeyDelayEdit, "0", "30000"},
        {SetupId::AutoDisplayEdit, "1", "3600"},
    };
    for (const auto& [id, afterUp, afterDown] : cases) {
        QTest::keyClick(&Edit(id), Qt::Key_Up);
        EXPECT_EQ(Edit(id).text(), afterUp);
        QTest::keyClick(&Edit(id), Qt::Key_Down);
        EXPECT_EQ(Edit(id).text(), afterDown);
    }
    Edit(SetupId::KeyDelayEdit).setText("299");
    QWidget& arrows = *dialog->Find(SetupId::KeyDelaySpin);
    QTest::mouseClick(&arrows, Qt::LeftButton, {}, QPoint(arrows.width() / 2, 2));
    EXPECT_EQ(Edit(SetupId::KeyDelayEdit).text(), "300");
    EXPECT_TRUE(answers.Shown().empty());
}

TEST_F(SetupDialogTest, CancelSavesNothingAndKeepsWhatWasLoaded)
{
    WriteSettings([](Settings& file) { file.keyDelayMs = 123; });
    const std::string before = library.ReadFile("Kipo.ini");
    Open();
    Edit(SetupId::KeyDelayEdit).setText("456");
    ClickBox(SetupId::TimeLimitOn);
    QTest::keyClick(&Edit(SetupId::KeyDelayEdit), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(library.ReadFile("Kipo.ini"), before);
    EXPECT_EQ(settings.keyDelayMs, 123);
}

TEST(SetupFieldsTable, ANumberAndOnlyANumberHasAnUpDown)
{
    for (const SetupFieldSpec& field : kSetupFieldTable) {
        const SettingSpec& row = SettingRow(field.setting);
        EXPECT_EQ(row.kind == SettingKind::Number, field.upDown != SetupId::None) << row.name;
    }
}

TEST(SetupFieldsTable, FollowsTheSettingsTableRowForRow)
{
    auto swapped = std::to_array(kSetupFieldTable);
    std::swap(swapped[0], swapped[1]);
    EXPECT_FALSE(FollowsTheSettingsTable(swapped));
    EXPECT_FALSE(FollowsTheSettingsTable(std::span(kSetupFieldTable).first(kSettingCount - 1)));
}

} // namespace

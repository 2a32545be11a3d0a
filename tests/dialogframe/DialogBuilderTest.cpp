// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogframe/DialogBuilder.h"
#include "dialogframe/DialogColours.h"
#include "dialogframe/GroupFrame.h"
#include "dialogframe/OwnerDrawButton.h"
#include "dialogframe/UpDown.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "tests/support/WidgetTestHelpers.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

using enum ControlKind;

// One control of every kind, in the order a form would have them.
DialogTemplate EveryKindTemplate()
{
    return {1,
            "EveryKind",
            "Every kind",
            "MS Shell Dlg",
            8,
            300,
            200,
            {
                {kNoControlId, GroupBox, "Group", 5, 5, 290, 190},
                {kNoControlId, StaticLeft, "&Time:", 10, 15, 30, 8},
                {10, Edit, "5", 45, 14, 40, 12},
                {11, UpDown, "", 85, 14, 11, 13, Wrap},
                {12, Edit, "", 100, 14, 60, 12, ReadOnly | NoTabStop},
                {13, Edit, "", 165, 14, 60, 24, MultiLine},
                {14, CheckBox, "&Check", 10, 40, 60, 10},
                {15, ListBox, "", 10, 55, 80, 40, Sorted},
                {16, ListView, "", 95, 55, 80, 40, Sorted | SingleSelection},
                {17, Icon, "", 180, 55, 20, 20},
                {18, OwnerDrawButton, "swatch", 205, 55, 40, 12},
                {19, Frame, "", 180, 80, 60, 40},
                {20, StaticRight, "a && b", 10, 100, 60, 8},
                {21, StaticCentre, "mid", 10, 110, 60, 8},
                {kOkButtonId, DefaultPushButton, "&OK", 10, 170, 50, 14},
                {kCancelButtonId, PushButton, "&Cancel", 70, 170, 50, 14},
            }};
}

TEST(DialogBuilder, WelcomeDialogHasItsButtonsTextsAndDefault)
{
    QDialog dialog;
    const DialogBuilder builder(DialogTemplateById(kWelcomeDialogId), dialog);
    EXPECT_EQ(dialog.windowTitle(), "Welcome to Tapnest 2.2 !");

    const std::pair<WelcomeId, const char*> buttons[] = {
        {WelcomeId::Start, "&Start..."},
        {WelcomeId::Setup, "Se&tup..."},
        {WelcomeId::MoreFiles, "Get more picture &and voice files ..."},
        {WelcomeId::Close, "&Close"},
        {WelcomeId::HelpButton, "&Help"}};
    for (const auto& [id, text] : buttons) {
        auto* button = builder.ControlAs<QPushButton>(IdNumber(id));
        ASSERT_NE(button, nullptr) << IdNumber(id);
        EXPECT_EQ(button->text(), text);
        EXPECT_EQ(button->isDefault(), id == WelcomeId::Start) << IdNumber(id);
    }

    QStringList statics;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        statics << label->text();
    ASSERT_EQ(statics.size(), 2);
    EXPECT_TRUE(statics.contains("Create the baby's movie and baby's game!"));
    const QString intro = statics.filter("Press the button").value(0);
    EXPECT_TRUE(intro.contains("computer,  pressing")) << intro.toStdString();
    EXPECT_TRUE(intro.contains("at will.  And")) << intro.toStdString();
    EXPECT_EQ(builder.Control(kNoControlId), nullptr);
    EXPECT_EQ(builder.Control(4242), nullptr);
}

TEST(DialogBuilder, GeometryIsProportionalToDialogUnits)
{
    QDialog dialog;
    const DialogTemplate& welcome = DialogTemplateById(kWelcomeDialogId);
    const DialogBuilder builder(welcome, dialog);
    const double pixelsPerUnitX = double(dialog.width()) / welcome.width;
    const double pixelsPerUnitY = double(dialog.height()) / welcome.height;
    EXPECT_GT(pixelsPerUnitX, 1.0);
    EXPECT_GT(pixelsPerUnitY, 1.0);
    for (const ControlTemplate& control : welcome.controls) {
        if (control.id == kNoControlId)
            continue;
        SCOPED_TRACE(control.id);
        const QRect pixels = builder.Control(control.id)->geometry();
        EXPECT_NEAR(pixels.x(), control.x * pixelsPerUnitX, 1.5);
        EXPECT_NEAR(pixels.y(), control.y * pixelsPerUnitY, 1.5);
        EXPECT_NEAR(pixels.width(), control.width * pixelsPerUnitX, 1.5);
        EXPECT_NEAR(pixels.height(), control.height * pixelsPerUnitY, 1.5);
    }
    // A quarter of the average character width and an eighth of the character height.
    const QFontMetrics metrics(dialog.font());
    EXPECT_NEAR(pixelsPerUnitX * 4, metrics.averageCharWidth(), metrics.averageCharWidth() * 0.25);
    EXPECT_NEAR(pixelsPerUnitY * 8, metrics.height(), 1.0);
}

// A text drawn from a font with taller lines than the dialog font's (Japanese here) makes the
// vertical unit an eighth of its line, so a static of eight units holds it; the horizontal unit
// stays the dialog font's.
TEST(DialogBuilder, ATallerLineOfTextMakesTheVerticalUnitTaller)
{
    DialogTemplate tall = EveryKindTemplate();
    tall.controls[1].text = "時間(&T):";
    QDialog latinDialog;
    QDialog tallDialog;
    const DialogBuilder latin(EveryKindTemplate(), latinDialog);
    const DialogBuilder builder(tall, tallDialog);
    const QFontMetrics metrics(tallDialog.font());
    const int line =
        metrics.boundingRect(QRect(), Qt::TextSingleLine | Qt::TextShowMnemonic, "時間(&T):")
            .height();
    ASSERT_GT(line, metrics.height()) << "no font with Japanese glyphs and taller lines";
    EXPECT_EQ(builder.Units().BaseY(), line);
    EXPECT_EQ(builder.Units().BaseX(), latin.Units().BaseX());
    EXPECT_GT(tallDialog.height(), latinDialog.height());
    EXPECT_EQ(tallDialog.width(), latinDialog.width());
}

TEST(DialogBuilder, EachKindBecomesItsWidgetWithItsStyles)
{
    QDialog dialog;
    const DialogBuilder builder(EveryKindTemplate(), dialog);
    EXPECT_EQ(dialog.findChildren<QGroupBox*>().size(), 1);
    EXPECT_NE(builder.ControlAs<QLineEdit>(10), nullptr);

    auto* readOnly = builder.ControlAs<QLineEdit>(12);
    ASSERT_NE(readOnly, nullptr);
    EXPECT_TRUE(readOnly->isReadOnly());
    EXPECT_EQ(readOnly->focusPolicy(), Qt::ClickFocus);
    EXPECT_FALSE(builder.ControlAs<QLineEdit>(10)->isReadOnly());

    EXPECT_NE(builder.ControlAs<QPlainTextEdit>(13), nullptr);
    EXPECT_NE(builder.ControlAs<QCheckBox>(14), nullptr);
    ASSERT_NE(builder.ControlAs<QListWidget>(15), nullptr);
    EXPECT_TRUE(builder.ControlAs<QListWidget>(15)->isSortingEnabled());

    auto* view = builder.ControlAs<QTreeWidget>(16);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->selectionMode(), QAbstractItemView::SingleSelection);
    view->setColumnCount(1);
    for (const char* name : {"pear", "apple", "fig"})
        view->addTopLevelItem(new QTreeWidgetItem(QStringList{name}));
    EXPECT_EQ(view->topLevelItem(0)->text(0), "apple");
    EXPECT_EQ(view->topLevelItem(2)->text(0), "pear");

    auto* icon = builder.ControlAs<QLabel>(17);
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_NE(builder.ControlAs<COwnerDrawButton>(18), nullptr);
    EXPECT_NE(builder.ControlAs<QFrame>(19), nullptr);
    EXPECT_EQ(builder.ControlAs<QLabel>(21)->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(builder.ControlAs<QLabel>(20)->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
}

TEST(DialogBuilder, StaticMnemonicsFocusTheNextControlOrAreRemoved)
{
    QDialog dialog;
    const DialogBuilder builder(EveryKindTemplate(), dialog);
    QLabel* timeLabel = nullptr;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == "&Time:")
            timeLabel = label;
    ASSERT_NE(timeLabel, nullptr);
    EXPECT_EQ(timeLabel->buddy(), builder.Control(10));
    // No control after it takes the focus, so the doubled '&' shows as one.
    EXPECT_EQ(builder.ControlAs<QLabel>(20)->text(), "a & b");

    ASSERT_TRUE(ShowActive(dialog));
    builder.Control(14)->setFocus();
    QTest::keyClick(&dialog, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), builder.Control(10));
}

// Edits and lists around a group box "Sounds", labelled or not.
DialogTemplate UnlabelledControlsTemplate()
{
    return {1,
            "Names",
            "Names",
            "MS Shell Dlg",
            8,
            300,
            200,
            {
                {kNoControlId, GroupBox, "&Sounds", 5, 5, 200, 100},
                {kNoControlId, StaticLeft, "Group &Path:", 10, 15, 40, 8},
                {10, Edit, "", 55, 14, 60, 12, ReadOnly},
                {kNoControlId, StaticLeft, "Total && count :", 10, 30, 40, 8},
                {11, Edit, "", 55, 29, 60, 12},
                {12, PushButton, "&Add", 10, 45, 40, 14},
                {13, ListBox, "", 55, 45, 60, 40},
                {kNoControlId, StaticLeft, "", 120, 50, 40, 8},
                {14, Edit, "", 120, 60, 40, 12},
                {15, ListView, "", 210, 5, 80, 80},
                {kNoControlId, StaticLeft, "&Time:", 10, 110, 30, 8},
                {16, Edit, "", 45, 110, 40, 12, NoStyle, kStrKeyDelayName},
            }};
}

TEST(DialogBuilder, EditsAndListsAreNamedByTheirLabelOrGroupUnlessTheTemplateNamesThem)
{
    QDialog dialog;
    const DialogBuilder builder(UnlabelledControlsTemplate(), dialog);
    const std::pair<int, QString> names[] = {
        {10, "Group Path"},               // the label before it, without '&' and ':'
        {11, "Total & count"},            // a doubled '&' is one
        {12, "Add"},                      // a button is called by its own text
        {13, "Sounds"},                   // after a button: the group box around it
        {14, "Sounds"},                   // after an empty static: the group box around it
        {15, ""},                         // after an edit, in no group box
        {16, "Key delay (milliseconds)"}, // the template's name rather than the label's
    };
    for (const auto& [id, name] : names) {
        SCOPED_TRACE(id);
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(builder.Control(id));
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), name);
    }
}

TEST(UpDown, StepsTheNumberOfThePreviousEditAndWrapsAtBothEnds)
{
    QDialog dialog;
    const DialogBuilder builder(EveryKindTemplate(), dialog);
    auto* upDown = builder.ControlAs<CUpDown>(11);
    auto* edit = builder.ControlAs<QLineEdit>(10);
    ASSERT_NE(upDown, nullptr);
    ASSERT_EQ(upDown->Buddy(), edit);
    upDown->SetRange(0, 30000);
    edit->setText("30000");
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "0");
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), "30000");
    edit->setText("7");
    QTest::mouseClick(upDown, Qt::LeftButton, {}, QPoint(upDown->width() / 2, 1));
    EXPECT_EQ(edit->text(), "8");
    QTest::mouseClick(upDown, Qt::LeftButton, {},
                      QPoint(upDown->width() / 2, upDown->height() - 2));
    EXPECT_EQ(edit->text(), "7");
}

// The frame's top line runs through the middle of the title, etched dark and light so that it
// shows on the dialog's orange, and leaves a gap for the title.
TEST(DialogBuilder, GroupFramesDrawTheirTopLineThroughTheTitle)
{
    QDialog dialog;
    const DialogBuilder builder(EveryKindTemplate(), dialog);
    ApplyDialogColours(dialog);
    auto* frame = dialog.findChild<CGroupFrame*>();
    ASSERT_NE(frame, nullptr);
    const QImage drawn = frame->grab().toImage();
    const int line = frame->TopLineY();
    ASSERT_GT(line, 3);
    const int right = drawn.width() - 20;
    const QRgb dark = frame->palette().color(QPalette::Dark).rgb();
    const QRgb light = frame->palette().color(QPalette::Light).rgb();
    EXPECT_EQ(drawn.pixel(right, line), dark);
    EXPECT_EQ(drawn.pixel(right, line + 1), light);
    EXPECT_EQ(drawn.pixel(0, drawn.height() / 2), dark);
    EXPECT_EQ(drawn.pixel(right, drawn.height() - 1), light);
    EXPECT_NE(drawn.pixel(right, line - 2), dark) << "the line sits at the title's middle";
    // Under the title the line is left out.
    const int underTitle = frame->fontMetrics().averageCharWidth() + 4;
    EXPECT_NE(drawn.pixel(underTitle, line), dark);
    EXPECT_NE(dark, kDialogBackground.rgb());
    EXPECT_NE(light, kDialogBackground.rgb());
}

TEST(UpDown, WithoutWrapStopsAtTheEndsAndSkipsTextThatIsNoNumber)
{
    QLineEdit edit;
    CUpDown upDown;
    upDown.SetBuddy(&edit);
    upDown.SetRange(1, 3600);
    upDown.SetPosition(3600);
    upDown.Step(+1);
    EXPECT_EQ(edit.text(), "3600");
    edit.setText("abc");
    upDown.Step(-1);
    EXPECT_EQ(edit.text(), "3599") << "steps from the last position";
    edit.setText("99999");
    EXPECT_EQ(upDown.Position(), 3600) << "typed numbers are kept within the range";
}

} // namespace

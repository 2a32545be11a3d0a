// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogframe/KipoDialog.h"
#include "dialogframe/DialogColours.h"
#include "dialogframe/HelpTopic.h"
#include "dialogframe/TypedDialog.h"
#include "resources/ResourceIds.h"
#include "tests/support/WidgetTestHelpers.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <string>
#include <vector>

namespace {

using enum ControlKind;

constexpr QColor kOrange(255, 128, 64);
constexpr QColor kNavy(0, 0, 128);

enum class FormId {
    Ok = kOkButtonId,
    Cancel = kCancelButtonId,
    Help = kHelpButtonId,
    Label = 30,
    Edit = 31,
    ReadOnlyEdit = 32,
    List = 33,
    View = 34,
    Check = 35,
    Missing = 36,
};

// A dialog of its own, whose bindings the tests call.
class Form : public CTypedDialog<FormId>
{
public:
    Form();
    using CTypedDialog::Bind;
};

DialogTemplate FormTemplate()
{
    return {2,
            "Form",
            "Form",
            "MS Shell Dlg",
            8,
            200,
            120,
            {
                {FormId::Label, StaticLeft, "Lorem ipsum HHH", 7, 7, 100, 8},
                {FormId::Edit, Edit, "", 7, 20, 80, 12},
                {FormId::ReadOnlyEdit, Edit, "", 100, 20, 80, 12, ReadOnly},
                {FormId::List, ListBox, "", 7, 40, 80, 40},
                {FormId::View, ListView, "", 100, 40, 80, 40},
                {FormId::Check, CheckBox, "HHHH", 7, 85, 60, 10},
                {FormId::Ok, DefaultPushButton, "&OK", 7, 100, 50, 14},
                {FormId::Cancel, PushButton, "&Cancel", 70, 100, 50, 14},
                {FormId::Help, PushButton, "&Help", 133, 100, 50, 14},
            }};
}

Form::Form() : CTypedDialog(FormTemplate(), "Faq.html") {}

bool IsNavy(const QColor& colour)
{
    return colour.red() < 40 && colour.green() < 40 && colour.blue() > 100;
}

TEST(DialogColours, DialogAndStaticsAreOrangeAndNavyEditsAndListsAreNot)
{
    Form dialog;
    const QImage whole = dialog.grab().toImage();
    EXPECT_EQ(whole.pixelColor(2, 2), kOrange);
    EXPECT_EQ(whole.pixelColor(whole.width() - 3, whole.height() - 3), kOrange);

    QWidget* label = dialog.Find(FormId::Label);
    const QImage text = whole.copy(label->geometry());
    EXPECT_TRUE(IsNavy(DarkestPixel(text))) << DarkestPixel(text).name().toStdString();
    EXPECT_EQ(text.pixelColor(text.width() - 1, text.height() - 1), kOrange);

    // The check box's text, right of its indicator.
    const QRect checkBox = dialog.Find(FormId::Check)->geometry();
    const QImage checkText = whole.copy(checkBox.adjusted(checkBox.height() + 6, 0, 0, 0));
    EXPECT_TRUE(IsNavy(DarkestPixel(checkText))) << DarkestPixel(checkText).name().toStdString();

    EXPECT_NE(CentreColour(*dialog.Find(FormId::Edit)), kOrange);
    EXPECT_EQ(CentreColour(*dialog.Find(FormId::ReadOnlyEdit)), kOrange);
    EXPECT_NE(CentreColour(*dialog.Find(FormId::List)), kOrange);
    EXPECT_NE(CentreColour(*dialog.Find(FormId::View)), kOrange);
    // The header of a list view, also where no column covers it.
    auto* view = dialog.Find<QTreeWidget>(FormId::View);
    view->setHeaderLabels({"A"});
    view->header()->setStretchLastSection(false);
    view->header()->resizeSection(0, 4);
    const QImage header = view->header()->grab().toImage();
    EXPECT_NE(header.pixelColor(header.width() - 3, header.height() / 2), kOrange);
}

TEST(DialogColours, PushButtonTextIsNavyAndDisabledTextIsNot)
{
    Form dialog;
    auto* button = dialog.Find<QPushButton>(FormId::Cancel);
    EXPECT_EQ(button->palette().color(QPalette::Active, QPalette::ButtonText), kNavy);
    EXPECT_NE(button->palette().color(QPalette::Active, QPalette::Button), kOrange);
    EXPECT_NE(button->palette().color(QPalette::Disabled, QPalette::ButtonText), kNavy);
    EXPECT_NE(dialog.Find(FormId::Label)->palette().color(QPalette::Disabled, QPalette::WindowText),
              kNavy);
}

TEST(KipoDialog, F1FromAnyControlAndTheHelpButtonOpenTheDialogsTopic)
{
    RecordedHelpTopics help;
    Form dialog;
    ASSERT_TRUE(ShowActive(dialog));
    for (const FormId id : {FormId::Edit, FormId::List, FormId::View, FormId::Cancel}) {
        dialog.Find(id)->setFocus();
        QTest::keyClick(dialog.Find(id), Qt::Key_F1);
    }
    QTest::mouseClick(dialog.Find(FormId::Help), Qt::LeftButton);
    EXPECT_EQ(help.Topics(), std::vector<std::string>(5, "Faq.html"));
    EXPECT_TRUE(dialog.isVisible());
}

TEST(KipoDialog, OkAcceptsAndCancelRejects)
{
    Form dialog;
    ASSERT_TRUE(ShowActive(dialog));
    QTest::mouseClick(dialog.Find(FormId::Ok), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    ASSERT_TRUE(ShowActive(dialog));
    QTest::keyClick(dialog.Find(FormId::Ok), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(WaitUntil([&] { return !dialog.isVisible(); }));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(TypedDialog, BindingFindsTheControlOrEndsTheProgram)
{
    Form dialog;
    EXPECT_EQ(dialog.Bind<QLineEdit>(FormId::Edit), dialog.Find(FormId::Edit));
    EXPECT_EQ(dialog.Find<QLineEdit>(FormId::Check), nullptr);
    EXPECT_EQ(dialog.Find(FormId::Missing), nullptr);

    // A template and its code that disagree stop the program in every build.
    EXPECT_DEATH(Form().Bind(FormId::Missing), "dialog 2 has no control 36 of the kind QWidget");
    EXPECT_DEATH(Form().Bind<QLineEdit>(FormId::Check), "no control 35 of the kind QLineEdit");
}

// Records where the dialog is when its initialisation runs.
class PlacedDialog : public CKipoDialog
{
public:
    using CKipoDialog::CKipoDialog;
    QPoint placeAtInit;

protected:
    void OnInitDialog() override { placeAtInit = geometry().center(); }
};

TEST(KipoDialog, InitialisationRunsWithTheDialogAlreadyCentredOverItsParent)
{
    QWidget parent;
    parent.setGeometry(300, 200, 600, 400);
    parent.show();
    PlacedDialog dialog(FormTemplate(), "Faq.html", &parent);
    ASSERT_TRUE(ShowActive(dialog));
    EXPECT_LE((dialog.geometry().center() - parent.geometry().center()).manhattanLength(), 2);
    EXPECT_EQ(dialog.placeAtInit, dialog.geometry().center());
}

} // namespace

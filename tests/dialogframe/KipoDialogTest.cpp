#include "dialogframe/KipoDialog.h"
#include "dialogframe/DialogColours.h"
#include "dialogframe/HelpTopic.h"
#include "resources/ResourceIds.h"
#include "tests/support/WidgetTestHelpers.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include <string>
#include <vector>

namespace {

using enum ControlKind;

constexpr QColor kOrange(255, 128, 64);
constexpr QColor kNavy(0, 0, 128);

DialogTemplate FormTemplate()
{
    return {2,
            "Form",
            "MS Shell Dlg",
            8,
            200,
            120,
            {
                {30, StaticLeft, "Lorem ipsum HHH", 7, 7, 100, 8},
                {31, Edit, "", 7, 20, 80, 12},
                {32, Edit, "", 100, 20, 80, 12, ReadOnly},
                {33, ListBox, "", 7, 40, 80, 40},
                {34, ListView, "", 100, 40, 80, 40},
                {35, CheckBox, "HHHH", 7, 85, 60, 10},
                {kIdOk, DefaultPushButton, "&OK", 7, 100, 50, 14},
                {kIdCancel, PushButton, "&Cancel", 70, 100, 50, 14},
                {kIdHelp, PushButton, "&Help", 133, 100, 50, 14},
            }};
}

bool IsNavy(const QColor& colour)
{
    return colour.red() < 40 && colour.green() < 40 && colour.blue() > 100;
}

TEST(DialogColours, DialogAndStaticsAreOrangeAndNavyEditsAndListsAreNot)
{
    CKipoDialog dialog(FormTemplate(), "Faq.html");
    const QImage whole = dialog.grab().toImage();
    EXPECT_EQ(whole.pixelColor(2, 2), kOrange);
    EXPECT_EQ(whole.pixelColor(whole.width() - 3, whole.height() - 3), kOrange);

    QWidget* label = dialog.Control(30);
    const QImage text = whole.copy(label->geometry());
    EXPECT_TRUE(IsNavy(DarkestPixel(text))) << DarkestPixel(text).name().toStdString();
    EXPECT_EQ(text.pixelColor(text.width() - 1, text.height() - 1), kOrange);

    // The check box's text, right of its indicator.
    const QRect checkBox = dialog.Control(35)->geometry();
    const QImage checkText = whole.copy(checkBox.adjusted(checkBox.height() + 6, 0, 0, 0));
    EXPECT_TRUE(IsNavy(DarkestPixel(checkText))) << DarkestPixel(checkText).name().toStdString();

    EXPECT_NE(CentreColour(*dialog.Control(31)), kOrange);
    EXPECT_EQ(CentreColour(*dialog.Control(32)), kOrange);
    EXPECT_NE(CentreColour(*dialog.Control(33)), kOrange);
    EXPECT_NE(CentreColour(*dialog.Control(34)), kOrange);
    // The header of a list view, also where no column covers it.
    auto* view = dialog.ControlAs<QTreeWidget>(34);
    view->setHeaderLabels({"A"});
    view->header()->setStretchLastSection(false);
    view->header()->resizeSection(0, 4);
    const QImage header = view->header()->grab().toImage();
    EXPECT_NE(header.pixelColor(header.width() - 3, header.height() / 2), kOrange);
}

TEST(DialogColours, PushButtonTextIsNavyAndDisabledTextIsNot)
{
    CKipoDialog dialog(FormTemplate(), "Faq.html");
    auto* button = dialog.ControlAs<QPushButton>(kIdCancel);
    EXPECT_EQ(button->palette().color(QPalette::Active, QPalette::ButtonText), kNavy);
    EXPECT_NE(button->palette().color(QPalette::Active, QPalette::Button), kOrange);
    EXPECT_NE(button->palette().color(QPalette::Disabled, QPalette::ButtonText), kNavy);
    EXPECT_NE(dialog.Control(30)->palette().color(QPalette::Disabled, QPalette::WindowText), kNavy);
}

TEST(KipoDialog, F1FromAnyControlAndTheHelpButtonOpenTheDialogsTopic)
{
    RecordedHelpTopics help;
    CKipoDialog dialog(FormTemplate(), "Faq.html");
    ASSERT_TRUE(ShowActive(dialog));
    for (const int id : {31, 33, 34, kIdCancel}) {
        dialog.Control(id)->setFocus();
        QTest::keyClick(dialog.Control(id), Qt::Key_F1);
    }
    QTest::mouseClick(dialog.Control(kIdHelp), Qt::LeftButton);
    EXPECT_EQ(help.Topics(), std::vector<std::string>(5, "Faq.html"));
    EXPECT_TRUE(dialog.isVisible());
}

TEST(KipoDialog, OkAcceptsAndCancelRejects)
{
    CKipoDialog dialog(FormTemplate(), "Faq.html");
    ASSERT_TRUE(ShowActive(dialog));
    QTest::mouseClick(dialog.Control(kIdOk), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    ASSERT_TRUE(ShowActive(dialog));
    QTest::keyClick(dialog.Control(kIdOk), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(WaitUntil([&] { return !dialog.isVisible(); }));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
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

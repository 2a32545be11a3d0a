// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ModalDialog.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(ScriptedDialogs, TheScriptActsOnTheShownModalDialogAndItsResultIsReturned)
{
    QWidget owner;
    QDialog dialog(&owner);
    auto* const field = new QLineEdit(&dialog);
    ScriptedDialogs dialogs([&](QDialog& shown) {
        EXPECT_EQ(&shown, &dialog);
        EXPECT_TRUE(shown.isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), &shown);
        QTest::keyClicks(field, "Birds");
        shown.accept();
    });
    EXPECT_EQ(RunModal(dialog), QDialog::Accepted);
    EXPECT_EQ(field->text(), "Birds");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(dialogs.Runs(), 1);
    EXPECT_EQ(dialogs.LeftOpen(), 0);
}

TEST(ScriptedDialogs, ADialogLeftOpenIsRejectedAndCountedAndInnerScriptsHideOuterOnes)
{
    QDialog dialog;
    ScriptedDialogs outer([](QDialog& shown) { shown.accept(); });
    {
        ScriptedDialogs inner([](QDialog&) {});
        EXPECT_EQ(RunModal(dialog), QDialog::Rejected);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(inner.LeftOpen(), 1);
        ScriptedDialogs silent; // no script: rejected, as Esc would, and not counted
        EXPECT_EQ(RunModal(dialog), QDialog::Rejected);
        EXPECT_EQ(silent.LeftOpen(), 0);
    }
    EXPECT_EQ(RunModal(dialog), QDialog::Accepted);
    EXPECT_EQ(outer.Runs(), 1);
}

TEST(MainDialog, LeavingTheScreenDoesNotEndItOnlyDoneDoes)
{
    QDialog dialog;
    bool shownAgain = false;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.hide();
        QTimer::singleShot(0, &dialog, [&] {
            dialog.show();
            shownAgain = dialog.isVisible();
            dialog.accept();
        });
    });
    EXPECT_EQ(RunMainDialog(dialog), QDialog::Accepted);
    EXPECT_TRUE(shownAgain);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace

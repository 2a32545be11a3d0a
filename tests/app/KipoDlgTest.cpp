// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/KipoDlg.h"
#include "app/ThankDialog.h"
#include "dialogframe/HelpTopic.h"
#include "dialogs/SetupDialog.h"
#include "library/Settings.h"
#include "platform/MessageBox.h"
#include "platform/sound/Sound.h"
#include "resources/ResourceIds.h"
#include "tests/dialogs/DialogTestHelpers.h"
#include "tests/support/TempLibrary.h"
#include "tests/support/WidgetTestHelpers.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>

#include <string>
#include <vector>

namespace {

// The welcome dialog with its About step observed.
class ObservedKipoDlg : public CKipoDlg
{
public:
    using CKipoDlg::CKipoDlg;
    using CKipoDlg::OnSysCommand;
    int aboutRuns = 0;

protected:
    void OnAbout() override { ++aboutRuns; }
};

class WelcomeDialog : public ::testing::Test
{
protected:
    WelcomeDialog()
    {
        library.PointProgramHere();
        settings.Load();
    }

    QPushButton* Button(WelcomeId id) { return dialog.Find<QPushButton>(id); }

    // Start finds an empty library: it answers with a scripted warning.
    TempLibrary library;
    ScriptedMessages messages;
    SoundRecorder sounds;
    Settings settings;
    ObservedKipoDlg dialog{settings};
    RecordedHelpTopics help;
};

TEST_F(WelcomeDialog, MnemonicsClickTheirButtons)
{
    ASSERT_TRUE(ShowActive(dialog));
    QSignalSpy start(Button(WelcomeId::Start), &QPushButton::clicked);
    QSignalSpy setup(Button(WelcomeId::Setup), &QPushButton::clicked);
    QSignalSpy moreFiles(Button(WelcomeId::MoreFiles), &QPushButton::clicked);

    DialogScript<CSetupDialog> setupDialog([](CSetupDialog& opened) { opened.reject(); });
    QTest::keyClick(&dialog, Qt::Key_T, Qt::AltModifier);
    EXPECT_TRUE(WaitUntil([&] { return setup.count() == 1; }));
    EXPECT_EQ(setupDialog.Runs(), 1);
    ASSERT_TRUE(ShowActive(dialog)); // the closed setup leaves no window active here
    EXPECT_EQ(start.count(), 0);
    QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(WaitUntil([&] { return start.count() == 1; }));
    EXPECT_EQ(setup.count(), 1);
    DialogScript<CThankDialog> thanks([](CThankDialog& opened) { opened.reject(); });
    QTest::keyClick(&dialog, Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(WaitUntil([&] { return moreFiles.count() == 1; }));
    EXPECT_EQ(thanks.Runs(), 1);
    ASSERT_TRUE(ShowActive(dialog));
    EXPECT_TRUE(dialog.isVisible());

    QTest::keyClick(&dialog, Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(WaitUntil([&] { return !help.Topics().empty(); }));
    EXPECT_EQ(help.Topics(), std::vector<std::string>{"index.html"});
    QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(WaitUntil([&] { return !dialog.isVisible(); }));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(WelcomeDialog, StartHasTheFocusAndEnterPressesIt)
{
    ASSERT_TRUE(ShowActive(dialog));
    EXPECT_EQ(QApplication::focusWidget(), Button(WelcomeId::Start));
    QSignalSpy start(Button(WelcomeId::Start), &QPushButton::clicked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(start.count(), 1);
}

TEST_F(WelcomeDialog, F1AnywhereOpensTheIndexTopic)
{
    ASSERT_TRUE(ShowActive(dialog));
    for (const WelcomeId id : {WelcomeId::Start, WelcomeId::Setup, WelcomeId::Close}) {
        Button(id)->setFocus();
        QTest::keyClick(Button(id), Qt::Key_F1);
    }
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(help.Topics(), std::vector<std::string>(4, "index.html"));
}

TEST_F(WelcomeDialog, EscAndClosingTheWindowEndTheDialog)
{
    ASSERT_TRUE(ShowActive(dialog));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());

    ASSERT_TRUE(ShowActive(dialog));
    EXPECT_TRUE(dialog.close());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(WelcomeDialog, ContextMenuOffersAboutWhichRunsTheAboutCommand)
{
    ASSERT_TRUE(ShowActive(dialog));
    EXPECT_FALSE(dialog.windowIcon().isNull());

    QWidget* clicked = dialog.childAt(3, 3) ? dialog.childAt(3, 3) : &dialog;
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3),
                            clicked->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(clicked, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    for (const QAction* action : menu->actions())
        entries << action->text();
    EXPECT_EQ(entries, QStringList{"&About Tapnest..."});

    menu->actions().first()->trigger();
    menu->close();
    EXPECT_EQ(dialog.aboutRuns, 1);
}

TEST_F(WelcomeDialog, ShiftF10AndTheMenuKeyOpenTheMenuAtTheFocusControl)
{
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool opens;
    } presses[] = {
        {Qt::Key_F10, Qt::ShiftModifier, true},
        {Qt::Key_Menu, Qt::NoModifier, true},
        {Qt::Key_F10, Qt::NoModifier, false},
        {Qt::Key_F10, Qt::ShiftModifier | Qt::ControlModifier, false},
    };
    ASSERT_TRUE(ShowActive(dialog));
    for (const auto& press : presses) {
        SCOPED_TRACE(QKeySequence(press.key | press.modifiers).toString().toStdString());
        QWidget* focus = Button(WelcomeId::Setup);
        focus->setFocus();
        QTest::keyClick(focus, press.key, press.modifiers);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!press.opens) {
            EXPECT_EQ(menu, nullptr);
            continue;
        }
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->isVisible());
        EXPECT_EQ(menu->actions().size(), 1);
        const QRect button(focus->mapToGlobal(QPoint(0, 0)), focus->size());
        EXPECT_TRUE(button.contains(menu->pos())) << menu->pos().x() << "," << menu->pos().y();
        menu->close();
    }
    EXPECT_EQ(dialog.aboutRuns, 0);
}

TEST_F(WelcomeDialog, OnlyTheAboutCommandRunsAboutWhateverItsLowBits)
{
    dialog.OnSysCommand(16);
    dialog.OnSysCommand(16 | 0xF);
    EXPECT_EQ(dialog.aboutRuns, 2);
    dialog.OnSysCommand(32);
    dialog.OnSysCommand(0xF060);
    dialog.OnSysCommand(0);
    EXPECT_EQ(dialog.aboutRuns, 2);
}

} // namespace

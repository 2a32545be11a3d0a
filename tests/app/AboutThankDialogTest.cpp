// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDialog.h"
#include "app/KipoDlg.h"
#include "app/ThankDialog.h"
#include "dialogframe/HelpTopic.h"
#include "dialogframe/LinkLabel.h"
#include "library/Settings.h"
#include "platform/DesktopOpen.h"
#include "platform/MessageBox.h"
#include "platform/help/HelpBrowser.h"
#include "platform/help/HelpWindow.h"
#include "resources/ResourceIds.h"
#include "tests/dialogs/DialogTestHelpers.h"
#include "tests/support/HelpFileMaker.h"
#include "tests/support/TempLibrary.h"
#include "tests/support/WidgetTestHelpers.h"

#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<HelpWindow*> HelpWindows()
{
    std::vector<HelpWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<HelpWindow*>(widget))
            windows.push_back(window);
    }
    return windows;
}

class AboutAndThanks : public ::testing::Test
{
protected:
    AboutAndThanks()
    {
        library.PointProgramHere();
        settings.Load();
    }
    ~AboutAndThanks() override
    {
        for (HelpWindow* window : HelpWindows())
            delete window;
    }

    // Runs `inspect` on each dialog that the welcome dialog runs, once it shows; the inspection
    // must end that dialog.
    void WhenDialogRuns(std::function<void(CKipoDialog&)> inspect)
    {
        dialogs.emplace([this, inspect](CKipoDialog& dialog) {
            ASSERT_NE(&dialog, &welcome);
            inspect(dialog);
        });
    }

    int DialogsRun() const { return dialogs ? dialogs->Runs() : 0; }

    void OpenAboutFromTheContextMenu()
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3),
                                welcome.mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(&welcome, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->actions().size(), 1);
        menu->actions().first()->trigger();
        menu->close();
    }

    TempLibrary library;
    ScriptedMessages messages;
    Settings settings;
    CKipoDlg welcome{settings};
    std::optional<RecordedHelpTopics> help{std::in_place};
    std::optional<DialogScript<CKipoDialog>> dialogs;
};

TEST_F(AboutAndThanks, AboutRunsFromTheContextMenuWithItsLinkAndIndexHelp)
{
    ASSERT_TRUE(ShowActive(welcome));
    RecordedDesktopOpens opens;
    WhenDialogRuns([&](CKipoDialog& dialog) {
        auto* about = qobject_cast<CAboutDialog*>(&dialog);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(dialog.windowTitle(), "About Tapnest");
        EXPECT_EQ(dialog.parentWidget(), &welcome);
        auto* link = about->Find<CLinkLabel>(AboutId::Link);
        ASSERT_NE(link, nullptr);
        EXPECT_TRUE(link->text().startsWith("https://"));
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, link->geometry().center());
        EXPECT_EQ(opens.Opened(), std::vector<std::string>{link->text().toStdString()});

        QTest::keyClick(&dialog, Qt::Key_F1);
        QTest::mouseClick(about->Find(AboutId::Ok), Qt::LeftButton);
    });
    OpenAboutFromTheContextMenu();
    EXPECT_EQ(DialogsRun(), 1);
    EXPECT_EQ(help->Topics(), std::vector<std::string>{"index.html"});
    EXPECT_TRUE(welcome.isVisible());
}

TEST_F(AboutAndThanks, ThanksRunsFromItsButtonWithSixLinksAndItsOwnHelpTopic)
{
    ASSERT_TRUE(ShowActive(welcome));
    RecordedDesktopOpens opens;
    std::vector<std::string> addresses;
    WhenDialogRuns([&](CKipoDialog& dialog) {
        auto* thanks = qobject_cast<CThankDialog*>(&dialog);
        ASSERT_NE(thanks, nullptr);
        EXPECT_EQ(dialog.windowTitle(), "Thanks");
        for (const ThanksId id : kThanksLinks) {
            auto* link = thanks->Find<CLinkLabel>(id);
            ASSERT_NE(link, nullptr) << IdNumber(id);
            EXPECT_EQ(link->cursor().shape(), Qt::BitmapCursor);
            addresses.push_back(link->text().toStdString());
            QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, link->geometry().center());
        }
        QTest::keyClick(thanks->Find(ThanksId::Close), Qt::Key_F1);
        QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
        EXPECT_TRUE(WaitUntil([&] { return !dialog.isVisible(); }));
    });
    QTest::mouseClick(welcome.Find(WelcomeId::MoreFiles), Qt::LeftButton);
    EXPECT_EQ(DialogsRun(), 1);
    EXPECT_EQ(opens.Opened(), addresses);
    ASSERT_EQ(addresses.size(), 6u);
    for (const std::string& address : addresses)
        EXPECT_EQ(address.rfind("https://", 0), 0u) << address;
    EXPECT_EQ(help->Topics(), std::vector<std::string>{"MorePictures.html"});
}

// The help window belongs to no dialog: it takes clicks while dialogs run and stays when
// they close. The help file is found beside the program in any letter case.
TEST_F(AboutAndThanks, HelpWindowOutlivesTheDialogAndTakesClicksWhileDialogsRun)
{
    help.reset(); // the real help window
    library.MakeSymlink("tapnest-help-reader", TAPNEST_HELP_READER);
    CompileHelpFile(library, "KIPO2HELP.CHM", SampleHelpSources());
    ASSERT_TRUE(ShowActive(welcome));
    WhenDialogRuns([&](CKipoDialog& dialog) {
        QTest::keyClick(&dialog, Qt::Key_F1);
        ASSERT_EQ(HelpWindows().size(), 1u);
        HelpWindow& help = *HelpWindows().front();
        EXPECT_TRUE(help.isVisible());
        EXPECT_EQ(help.parentWidget(), nullptr);
        EXPECT_TRUE(help.Browser().toPlainText().contains("Index page"));

        // A click into the help's contents while the dialog runs over the welcome dialog.
        QTreeWidget& contents = help.Contents();
        const QTreeWidgetItem* questions = contents.topLevelItem(0)->child(0);
        const QPoint inContents =
            contents.viewport()->mapTo(&help, contents.visualItemRect(questions).center());
        QTest::mouseClick(help.windowHandle(), Qt::LeftButton, {}, inContents);
        EXPECT_TRUE(help.Browser().toPlainText().contains("Questions page"));
        dialog.accept();
    });
    OpenAboutFromTheContextMenu();
    EXPECT_EQ(DialogsRun(), 1);
    ASSERT_EQ(HelpWindows().size(), 1u);
    EXPECT_TRUE(HelpWindows().front()->isVisible());

    QTest::keyClick(&welcome, Qt::Key_F1);
    EXPECT_EQ(HelpWindows().size(), 1u);
    EXPECT_TRUE(HelpWindows().front()->Browser().toPlainText().contains("Index page"));
}

} // namespace

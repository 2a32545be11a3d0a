// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/HelpViewer.h"
#include "platform/DesktopOpen.h"
#include "platform/help/ChmFile.h"
#include "platform/help/HelpBrowser.h"
#include "platform/help/HelpContents.h"
#include "platform/help/HelpWindow.h"
#include "tests/support/HelpFileMaker.h"
#include "tests/support/SolidPng.h"
#include "tests/support/TempLibrary.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTreeWidget>

namespace {

// The red pixels the browser shows.
int RedPixelsShown(HelpBrowser& browser)
{
    browser.resize(400, 300);
    const QImage shown = browser.viewport()->grab().toImage();
    int redPixels = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            redPixels += shown.pixelColor(x, y) == QColor(Qt::red);
    }
    return redPixels;
}

// A help file made to hold the program up: a contents entry with a name of a megabyte and more
// entries than are shown, a page twice as long as is shown, a picture too large to decode, and
// a page of three pictures (one under three names) that are each allowed but not all together,
// and a short page of tables nested so deep that laying it all out would never end.
// (The compiler packs about a megabyte a second, so the file stays this small.)
std::vector<HelpSource> HostileHelpSources()
{
    static_assert(2100 * 2100 > kMaxHelpPicturePixels);
    static_assert(2000 * 2000 <= kMaxHelpPicturePixels &&
                  2 * 2000 * 2000 <= kMaxHelpPagePicturePixels &&
                  3 * 2000 * 2000 > kMaxHelpPagePicturePixels);
    const auto entry = [](const std::string& name) {
        return "<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"" + name +
               "\"><param name=\"Local\" value=\"big.html\"></object>";
    };
    std::string contents = "<ul>" + entry(std::string(1 << 20, 'W'));
    for (std::size_t i = 0; i < 2 * kMaxContentsEntries; ++i)
        contents += entry("E");
    std::string page = "<p>First words</p>";
    while (page.size() < 2 * kMaxHelpPageBytes)
        page += "<p>" + std::string(100, 'x') + " a few words more</p>";
    std::string tables;
    for (int level = 0; level < 40; ++level)
        tables += "<table border=\"1\"><tr><td>" + std::to_string(level);
    std::string pictures;
    for (const char* name : {"pic.png", "PIC.png", "Pic.png"})
        pictures += "<img src=\"" + std::string(name) + "\" width=\"50\" height=\"50\"> ";
    return {{"index.html",
             "<p><a href=\"big.html\">Big</a> <a href=\"huge.html\">Huge</a> "
             "<a href=\"pics.html\">Pictures</a> <a href=\"tables.html\">Tables</a></p>"},
            {"pics.html", "<p>" + pictures + "</p>"},
            {"tables.html", "<p>Tables</p>" + tables},
            {"pic.png", SolidPng(QSize(2000, 2000), Qt::red)},
            {"big.html", page + "<p>Last words</p>"},
            {"huge.html", "<p><img src=\"huge.png\"></p>"},
            {"huge.png", SolidPng(QSize(2100, 2100), Qt::red)},
            {"toc.hhc", contents + "</ul>"}};
}

std::vector<HelpWindow*> HelpWindows(bool visibleOnly = true)
{
    std::vector<HelpWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<HelpWindow*>(widget);
        if (window && (window->isVisible() || !visibleOnly))
            windows.push_back(window);
    }
    return windows;
}

class HelpViewer : public ::testing::Test
{
protected:
    ~HelpViewer() override
    {
        for (HelpWindow* window : HelpWindows(false))
            delete window;
    }

    // The one help window; fails the test when there is none or more than one.
    HelpWindow* Window()
    {
        const std::vector<HelpWindow*> windows = HelpWindows();
        EXPECT_EQ(windows.size(), 1u);
        return windows.size() == 1 ? windows.front() : nullptr;
    }

    std::string Shown() { return Window()->Browser().toPlainText().toStdString(); }
    std::string ShownPath() { return HelpObjectPath(Window()->Browser().source()); }

    // Clicks the link with the given text as the user does.
    void ClickLink(const QString& text)
    {
        HelpBrowser& browser = Window()->Browser();
        const QTextCursor link = browser.document()->find(text);
        ASSERT_FALSE(link.isNull()) << text.toStdString();
        QTextCursor middle(browser.document());
        middle.setPosition((link.selectionStart() + link.selectionEnd()) / 2);
        QTest::mouseClick(browser.viewport(), Qt::LeftButton, {},
                          browser.cursorRect(middle).center());
    }

    TempLibrary library;
    const std::string file = CompileHelpFile(library, "Sample.chm", SampleHelpSources());
};

TEST(HelpPath, SplitsIntoFileAndTopic)
{
    EXPECT_EQ(SplitHelpPath("/opt/t/Kipo2Help.chm::/index.html"),
              (HelpLocation{"/opt/t/Kipo2Help.chm", "index.html"}));
    EXPECT_EQ(SplitHelpPath("/a/h.chm::/sub/page.html#part"),
              (HelpLocation{"/a/h.chm", "sub/page.html#part"}));
    EXPECT_EQ(SplitHelpPath("h.chm::Faq.html"), (HelpLocation{"h.chm", "Faq.html"}));
    EXPECT_EQ(SplitHelpPath("/a/h.chm"), (HelpLocation{"/a/h.chm", ""}));
    EXPECT_EQ(SplitHelpPath("/a/h.chm::/"), (HelpLocation{"/a/h.chm", ""}));
    EXPECT_EQ(SplitHelpPath(""), (HelpLocation{"", ""}));
}

TEST(HelpBrowser, ThePagesDarkColoursStandOnWhitePaperUnderADarkTheme)
{
    const QPalette light = QApplication::palette();
    QPalette dark(QColor(40, 40, 40), QColor(30, 30, 30));
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);
    const QPalette paper = HelpBrowser().palette();
    QApplication::setPalette(light);
    EXPECT_EQ(paper.color(QPalette::Base), QColor(Qt::white));
    EXPECT_LT(paper.color(QPalette::Text).lightness(), 64);
}

TEST_F(HelpViewer, ShowsTheTopicWithContentsAndTitleInOneWindow)
{
    ShowHelpPath(file + "::/index.html");
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(Window()->windowTitle(), "Sample Help");
    EXPECT_EQ(Window()->parentWidget(), nullptr);
    EXPECT_NE(Shown().find("Index page"), std::string::npos);
    // The test screen, 800 x 600, is smaller than the window's usual size: it fits all the same.
    EXPECT_TRUE(Window()->screen()->availableGeometry().contains(Window()->frameGeometry()));

    QTreeWidget& contents = Window()->Contents();
    ASSERT_EQ(contents.topLevelItemCount(), 1);
    const QTreeWidgetItem* top = contents.topLevelItem(0);
    EXPECT_EQ(top->text(0), "Index");
    ASSERT_EQ(top->childCount(), 2);
    EXPECT_EQ(top->child(0)->text(0), "Questions");
    EXPECT_EQ(top->child(1)->text(0), "Deeper");
    EXPECT_EQ(contents.currentItem(), top);

    // A second request, with the topic in another letter case, reuses the window.
    ShowHelpPath(file + "::/FAQ.html");
    ASSERT_NE(Window(), nullptr);
    EXPECT_NE(Shown().find("Questions page"), std::string::npos);
    EXPECT_EQ(contents.currentItem(), top->child(0));

    // Choosing a contents entry shows its page.
    contents.scrollToItem(top->child(1));
    QTest::mouseClick(contents.viewport(), Qt::LeftButton, {},
                      contents.visualItemRect(top->child(1)).center());
    EXPECT_NE(Shown().find("Deeper page"), std::string::npos);
    EXPECT_EQ(HelpWindows().size(), 1u);
}

TEST_F(HelpViewer, LinksBetweenTopicsAndBackAndForward)
{
    ShowHelpPath(file + "::/index.html");
    ASSERT_NE(Window(), nullptr);
    HelpBrowser& browser = Window()->Browser();

    ClickLink("Deeper");
    EXPECT_EQ(ShownPath(), "/sub/page.html");
    ClickLink("Home"); // "../index.html" from the subfolder
    EXPECT_EQ(ShownPath(), "/index.html");
    ClickLink("To the questions");
    EXPECT_EQ(ShownPath(), "/Faq.html");
    EXPECT_EQ(browser.source().fragment(), "second");
    // The contents pane follows to the entry of that very part of the page.
    ASSERT_NE(Window()->Contents().currentItem(), nullptr);
    EXPECT_EQ(Window()->Contents().currentItem()->text(0), "Second");

    browser.backward();
    EXPECT_EQ(ShownPath(), "/index.html");
    browser.backward();
    EXPECT_EQ(ShownPath(), "/sub/page.html");
    browser.forward();
    EXPECT_EQ(ShownPath(), "/index.html");
    EXPECT_TRUE(browser.isBackwardAvailable());
    EXPECT_TRUE(browser.isForwardAvailable());
}

TEST_F(HelpViewer, PicturesOfATopicComeFromTheFile)
{
    ShowHelpPath(file + "::/sub/page.html");
    ASSERT_NE(Window(), nullptr);
    EXPECT_GE(RedPixelsShown(Window()->Browser()), 40 * 40 * 9 / 10);
}

// Whatever the file holds, what is shown stays as small as a real help file's: the contents'
// first entries, a name cut to a line, the start of a page, and no picture too large.
TEST_F(HelpViewer, AHostileFileIsShownBounded)
{
    const std::string hostile = CompileHelpFile(library, "Hostile.chm", HostileHelpSources());
    ShowHelpPath(hostile + "::/index.html");
    ASSERT_NE(Window(), nullptr);

    QTreeWidget& contents = Window()->Contents();
    ASSERT_EQ(static_cast<std::size_t>(contents.topLevelItemCount()), kMaxContentsEntries);
    EXPECT_EQ(contents.topLevelItem(0)->text(0),
              QString(kMaxContentsNameChars, u'W') + QChar(0x2026));
    EXPECT_EQ(contents.topLevelItem(1)->text(0), "E");

    ClickLink("Big");
    EXPECT_EQ(ShownPath(), "/big.html");
    EXPECT_NE(Shown().find("First words"), std::string::npos);
    EXPECT_EQ(Shown().find("Last words"), std::string::npos);
    EXPECT_LE(static_cast<std::uint64_t>(Window()->Browser().document()->characterCount()),
              kMaxHelpPageBytes);

    Window()->Browser().backward();
    ClickLink("Huge");
    EXPECT_EQ(ShownPath(), "/huge.html");
    EXPECT_EQ(RedPixelsShown(Window()->Browser()), 0);

    Window()->Browser().backward();
    ClickLink("Pictures");
    EXPECT_EQ(ShownPath(), "/pics.html");
    const int red = RedPixelsShown(Window()->Browser());
    EXPECT_GE(red, 2 * 50 * 50 * 9 / 10);
    EXPECT_LT(red, 3 * 50 * 50 * 9 / 10);

    Window()->Browser().backward();
    ClickLink("Tables");
    EXPECT_EQ(ShownPath(), "/tables.html");
    EXPECT_NE(Shown().find("Tables"), std::string::npos);
}

TEST_F(HelpViewer, WebLinksGoToTheDesktopAndMissingTopicsGoNowhere)
{
    ShowHelpPath(file + "::/index.html");
    ASSERT_NE(Window(), nullptr);
    RecordedDesktopOpens opens;
    ClickLink("Web");
    EXPECT_EQ(opens.Opened(), std::vector<std::string>{"https://example.org/x"});
    ClickLink("Nowhere");
    EXPECT_EQ(ShownPath(), "/index.html");
    EXPECT_NE(Shown().find("Index page"), std::string::npos);
    EXPECT_FALSE(Window()->Browser().isBackwardAvailable());
}

TEST_F(HelpViewer, MissingFilesAndTopicsDoNothingEveryTime)
{
    const std::string damaged = library.WriteFile("damaged.chm", "ITSF\3\0\0\0garbage");
    for (int attempt = 0; attempt < 3; ++attempt) {
        ShowHelpPath(library.PathOf("none.chm") + "::/index.html");
        ShowHelpPath(damaged + "::/index.html");
        ShowHelpPath(file + "::/missing.html");
        ShowHelpPath(file + "::/sub/");
    }
    EXPECT_TRUE(HelpWindows().empty());

    ShowHelpPath(file + "::/Faq.html");
    for (int attempt = 0; attempt < 3; ++attempt) {
        ShowHelpPath(file + "::/missing.html");
        ShowHelpPath(damaged + "::/index.html");
    }
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(ShownPath(), "/Faq.html");
    EXPECT_FALSE(Window()->Browser().isBackwardAvailable());
}

TEST_F(HelpViewer, AnotherFileTakesTheSameWindowAndAClosedWindowComesBack)
{
    ShowHelpPath(file + "::/index.html");
    ASSERT_NE(Window(), nullptr);
    const std::string other = CompileHelpFile(
        library, "other.chm", {{"index.html", "<p>Other index</p>"}, {"toc.hhc", "<html></html>"}},
        "Other");
    ShowHelpPath(other + "::/index.html");
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(Window()->windowTitle(), "Other");
    EXPECT_NE(Shown().find("Other index"), std::string::npos);
    EXPECT_EQ(Window()->Contents().topLevelItemCount(), 0);
    EXPECT_FALSE(Window()->Browser().isBackwardAvailable());

    // Without a topic the file's default topic shows.
    Window()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(HelpWindows().empty());
    ShowHelpPath(file);
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(ShownPath(), "/index.html");
}

TEST_F(HelpViewer, EscAndCtrlWCloseTheWindow)
{
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        SCOPED_TRACE(keys.toString().toStdString());
        ShowHelpPath(file + "::/index.html");
        HelpWindow* window = Window();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keySequence(window->focusWidget() ? window->focusWidget() : window, keys);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(HelpWindows().empty());
    }
}

} // namespace

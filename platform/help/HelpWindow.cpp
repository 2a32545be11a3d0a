// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/HelpWindow.h"

#include "platform/AsciiCase.h"
#include "platform/help/ChmFile.h"
#include "platform/help/HelpBrowser.h"
#include "platform/help/HelpContents.h"
#include "platform/help/WindowFit.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace {

constexpr int kTopicRole = Qt::UserRole;
constexpr QSize kInitialSize(960, 680);
constexpr int kContentsWidth = 240;
// The desktop's title bar and borders, until the window has been shown and knows its own.
constexpr QMargins kFrameAllowance(8, 32, 8, 8);

// The title of a help file that names none.
QString DefaultTitle()
{
    return QCoreApplication::translate("HelpWindow", "Help");
}

QAction* AddNavigation(QToolBar& toolBar, QStyle::StandardPixmap icon, const QString& text,
                       QKeySequence::StandardKey key)
{
    QAction* action = toolBar.addAction(toolBar.style()->standardIcon(icon), text);
    action->setShortcut(key);
    action->setEnabled(false);
    return action;
}

} // namespace

HelpWindow::HelpWindow()
    : QWidget(nullptr, Qt::Window), m_contents(new QTreeWidget), m_browser(new HelpBrowser)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(DefaultTitle());

    auto* toolBar = new QToolBar;
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back =
        AddNavigation(*toolBar, QStyle::SP_ArrowBack,
                      QCoreApplication::translate("HelpWindow", "Back"), QKeySequence::Back);
    QAction* forward =
        AddNavigation(*toolBar, QStyle::SP_ArrowForward,
                      QCoreApplication::translate("HelpWindow", "Forward"), QKeySequence::Forward);
    connect(back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    m_contents->setHeaderHidden(true);
    m_contents->header()->setStretchLastSection(true);
    connect(m_contents, &QTreeWidget::itemClicked, this,
            [this](const QTreeWidgetItem* item) { OnContentsItemChosen(item); });
    connect(m_contents, &QTreeWidget::itemActivated, this,
            [this](const QTreeWidgetItem* item) { OnContentsItemChosen(item); });
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::MarkTopicShown);

    // Closed with Esc or Ctrl+W, as readers expect of a help viewer.
    auto* closing = new QAction(this);
    closing->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    closing->setShortcutContext(Qt::WindowShortcut);
    connect(closing, &QAction::triggered, this, &QWidget::close);
    addAction(closing);

    auto* splitter = new QSplitter;
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kContentsWidth, kInitialSize.width() - kContentsWidth});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(splitter);
    resize(kInitialSize);
}

void HelpWindow::PlaceOn(const QScreen& screen)
{
    const QWindow* handle = windowHandle();
    const QMargins known = handle ? handle->frameMargins() : QMargins();
    setGeometry(FittedWindowGeometry(kInitialSize, screen.availableGeometry(),
                                     known.isNull() ? kFrameAllowance : known));
}

// The browser points into the file, so it lets go of it first.
HelpWindow::~HelpWindow()
{
    m_browser->SetFile(nullptr);
}

bool HelpWindow::Show(std::unique_ptr<ChmFile> file, const QUrl& url)
{
    if (!file->Holds(HelpObjectPath(url)))
        return false;
    if (!m_file || m_file->Path() != file->Path())
        TakeFile(std::move(file));
    return m_browser->Open(url);
}

void HelpWindow::TakeFile(std::unique_ptr<ChmFile> file)
{
    m_browser->SetFile(file.get());
    m_file = std::move(file);
    const std::string& title = m_file->Title();
    setWindowTitle(title.empty() ? DefaultTitle() : QString::fromStdString(title));
    FillContents();
}

void HelpWindow::FillContents()
{
    m_contents->clear();
    const std::optional<std::string> sitemap =
        m_file->Read(m_file->ContentsFile(), kMaxHelpContentsBytes);
    if (!sitemap)
        return;
    // The last item of each depth so far: the parent of the entries one level deeper.
    std::vector<QTreeWidgetItem*> lastAtDepth;
    for (const HelpContentsEntry& entry : ParseHelpContents(*sitemap)) {
        const std::size_t depth = std::min<std::size_t>(entry.depth, lastAtDepth.size());
        auto* item = depth == 0 ? new QTreeWidgetItem(m_contents)
                                : new QTreeWidgetItem(lastAtDepth[depth - 1]);
        item->setText(0, QString::fromStdString(entry.name));
        if (!entry.local.empty())
            item->setData(0, kTopicRole, HelpTopicUrl(entry.local));
        lastAtDepth.resize(depth);
        lastAtDepth.push_back(item);
    }
    m_contents->expandAll();
}

void HelpWindow::OnContentsItemChosen(const QTreeWidgetItem* item)
{
    const QUrl url = item->data(0, kTopicRole).toUrl();
    if (url.isValid())
        m_browser->Open(url);
}

// Keeps the contents pane on the entry of the page shown, whichever way it was reached: the
// entry of the very part shown, else the first entry of its page.
void HelpWindow::MarkTopicShown(const QUrl& url)
{
    const std::string page = FoldedAsciiCase(HelpObjectPath(url));
    QTreeWidgetItem* samePage = nullptr;
    QTreeWidgetItem* samePart = nullptr;
    for (QTreeWidgetItemIterator it(m_contents); *it && !samePart; ++it) {
        const QUrl topic = (*it)->data(0, kTopicRole).toUrl();
        if (!topic.isValid() || FoldedAsciiCase(HelpObjectPath(topic)) != page)
            continue;
        if (!samePage)
            samePage = *it;
        if (topic.fragment() == url.fragment())
            samePart = *it;
    }
    const QSignalBlocker quiet(m_contents);
    m_contents->setCurrentItem(samePart ? samePart : samePage);
}

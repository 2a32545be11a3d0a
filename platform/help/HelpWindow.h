// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

class ChmFile;
class HelpBrowser;
class QScreen;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

// The help window: the table of contents of a help file beside its pages, with back and
// forward. It belongs to no other window.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    HelpWindow();
    ~HelpWindow() override;

    // Shows the page at `url` of `file`; the window keeps the file it has when `file` is the
    // same one. False, changing nothing, when the file lacks the page.
    bool Show(std::unique_ptr<ChmFile> file, const QUrl& url);

    // Sizes and places the window within the free area of `screen`: its usual size where that
    // fits, centred.
    void PlaceOn(const QScreen& screen);

    HelpBrowser& Browser() const { return *m_browser; }
    QTreeWidget& Contents() const { return *m_contents; }

private:
    void TakeFile(std::unique_ptr<ChmFile> file);
    void FillContents();
    void OnContentsItemChosen(const QTreeWidgetItem* item);
    void MarkTopicShown(const QUrl& url);

    std::unique_ptr<ChmFile> m_file;
    QTreeWidget* m_contents;
    HelpBrowser* m_browser;
};

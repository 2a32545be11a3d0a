// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>
#include <QUrl>

#include <string>

class ChmFile;

inline constexpr qsizetype kMaxHelpPictureBytes = 4 << 20;
inline constexpr qint64 kMaxHelpPicturePixels = 2048 * 2048;
inline constexpr qint64 kMaxHelpPagePicturePixels = 2 * kMaxHelpPicturePixels;

// The address under which the browser shows a topic of its help file; the topic is relative
// to the file's root ("index.html", "dir/page.html#part"), backslashes allowed.
QUrl HelpTopicUrl(const std::string& topic);
// The object of the help file that an address of the browser shows ("/dir/page.html").
std::string HelpObjectPath(const QUrl& url);

// Shows the pages of one help file. Pages, pictures and style sheets come from the file; links
// between its topics are followed inside it, links to the web open in the desktop's browser,
// and a link to a topic the file lacks does nothing. Back and forward walk the pages shown.
// What a page shows is bounded so that it is laid out at once: the first kMaxHelpPageBytes of
// a page or style sheet, no picture larger than kMaxHelpPictureBytes or kMaxHelpPicturePixels,
// and no more pictures than kMaxHelpPagePicturePixels in all.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // The file whose pages are shown, owned by the caller; the pages shown so far are
    // forgotten.
    void SetFile(const ChmFile* file);
    // Shows the page at `url` (from HelpTopicUrl); false, changing nothing, when the file does
    // not hold it.
    bool Open(const QUrl& url);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    QVariant LoadPicture(const QUrl& url);

    void OnAnchorClicked(const QUrl& link);
    QUrl Resolved(const QUrl& url) const;

    const ChmFile* m_file = nullptr;
    qint64 m_picturePixelsLeft = kMaxHelpPagePicturePixels; // for the page shown
};

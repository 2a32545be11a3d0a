// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/HelpBrowser.h"

#include "platform/DesktopOpen.h"
#include "platform/help/ChmFile.h"
#include "platform/help/HelpPage.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QTextDocument>

namespace {

const QString kScheme = QStringLiteral("chm");

bool IsWebLink(const QUrl& url)
{
    static const QStringList webSchemes{"http", "https", "mailto", "ftp"};
    return webSchemes.contains(url.scheme(), Qt::CaseInsensitive);
}

// The pixels of a picture as its header gives them; 0 when it gives none.
qint64 PixelsOf(const QByteArray& picture)
{
    QBuffer buffer;
    buffer.setData(picture);
    const QSize size = QImageReader(&buffer).size();
    return size.isValid() ? qint64(size.width()) * size.height() : 0;
}

} // namespace

QUrl HelpTopicUrl(const std::string& topic)
{
    QString text = QString::fromStdString(topic);
    text.replace(u'\\', u'/');
    const qsizetype hash = text.indexOf(u'#');
    QUrl url;
    url.setScheme(kScheme);
    url.setPath(u'/' + text.left(hash), QUrl::DecodedMode);
    if (hash >= 0)
        url.setFragment(text.mid(hash + 1), QUrl::DecodedMode);
    return url.adjusted(QUrl::NormalizePathSegments);
}

std::string HelpObjectPath(const QUrl& url)
{
    return url.path(QUrl::FullyDecoded).toStdString();
}

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    // The pages choose dark text colours of their own: their paper stays white on every theme.
    QPalette paper = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        paper.setColor(group, QPalette::Base, Qt::white);
        paper.setColor(group, QPalette::Text, QColor(0x20, 0x20, 0x20));
    }
    setPalette(paper);
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::OnAnchorClicked);
}

void HelpBrowser::SetFile(const ChmFile* file)
{
    m_file = file;
    clear();
    clearHistory();
}

bool HelpBrowser::Open(const QUrl& url)
{
    if (!m_file || url.scheme() != kScheme || !m_file->Holds(HelpObjectPath(url)))
        return false;
    setSource(url, QTextDocument::HtmlResource);
    return true;
}

// Nothing is fetched from the network: a help page shows what its file holds.
QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl url = Resolved(name);
    if (!m_file || url.scheme() != kScheme)
        return {};
    if (type == QTextDocument::ImageResource)
        return LoadPicture(url);
    const std::optional<std::string> bytes = m_file->Read(HelpObjectPath(url), kMaxHelpPageBytes);
    if (!bytes)
        return {};
    if (type == QTextDocument::HtmlResource)
        return QByteArray::fromStdString(std::string(BoundedHelpPage(*bytes)));
    return QByteArray::fromStdString(*bytes);
}

// A picture is decoded only when its header promises a size worth showing, within what is
// left to the page.
QVariant HelpBrowser::LoadPicture(const QUrl& url)
{
    const std::optional<std::string> bytes =
        m_file->Read(HelpObjectPath(url), kMaxHelpPictureBytes + 1);
    if (!bytes || bytes->size() > kMaxHelpPictureBytes)
        return {};
    QByteArray picture = QByteArray::fromStdString(*bytes);
    const qint64 pixels = PixelsOf(picture);
    if (pixels == 0 || pixels > kMaxHelpPicturePixels || pixels > m_picturePixelsLeft)
        return {};
    m_picturePixelsLeft -= pixels;
    return picture;
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type)
{
    m_picturePixelsLeft = kMaxHelpPagePicturePixels;
    QTextBrowser::doSetSource(name, type);
}

void HelpBrowser::OnAnchorClicked(const QUrl& link)
{
    const QUrl url = Resolved(link);
    if (IsWebLink(url))
        OpenWithDesktop(url.toString().toStdString());
    else
        Open(url);
}

QUrl HelpBrowser::Resolved(const QUrl& url) const
{
    return url.isRelative() ? source().resolved(url) : url;
}

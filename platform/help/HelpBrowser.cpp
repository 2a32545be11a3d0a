#include "platform/help/HelpBrowser.h"

#include "platform/DesktopOpen.h"
#include "platform/help/ChmFile.h"

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

// A picture is decoded only when its header promises a size worth showing.
bool IsModestPicture(const QByteArray& bytes)
{
    if (bytes.size() > kMaxHelpPictureBytes)
        return false;
    QBuffer buffer;
    buffer.setData(bytes);
    const QSize size = QImageReader(&buffer).size();
    return size.isValid() && qint64(size.width()) * size.height() <= kMaxHelpPicturePixels;
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
    const bool picture = type == QTextDocument::ImageResource;
    const std::optional<std::string> bytes =
        m_file->Read(HelpObjectPath(url), picture ? kMaxHelpPictureBytes + 1 : kMaxHelpPageBytes);
    if (!bytes)
        return {};
    QByteArray resource = QByteArray::fromStdString(*bytes);
    if (picture && !IsModestPicture(resource))
        return {};
    return resource;
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

#include "dialogs/PicturePreview.h"

#include "app/DialogColours.h"

#include <QPainter>

#include <sys/stat.h>

namespace {

constexpr int kFrameMargin = 5;

// Only regular files are decoded: opening a pipe or a device named like a picture could
// block the dialog.
bool IsRegularFile(const std::string& path)
{
    struct stat status = {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

CPicturePreview::CPicturePreview(QWidget& frame) : QWidget(&frame)
{
    setGeometry(kFrameMargin, kFrameMargin, frame.width() - 2 * kFrameMargin,
                frame.height() - 2 * kFrameMargin);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (!size().isEmpty())
        m_buffer = QImage(size(), QImage::Format_RGB32);
}

bool CPicturePreview::Draw(const std::string& picturePath)
{
    m_picture.Release();
    if (m_buffer.isNull() || !IsRegularFile(picturePath) ||
        m_picture.LoadFile(picturePath) != CPictureImage::kSuccess)
        return false;
    const QSize pictureSize(m_picture.Width(), m_picture.Height());
    QPainter painter(&m_buffer);
    painter.fillRect(m_buffer.rect(), kDialogBackground);
    m_picture.StretchTo(painter, FitRect(m_buffer.size(), pictureSize), QRect({}, pictureSize));
    m_showing = true;
    update();
    return true;
}

void CPicturePreview::Clear()
{
    m_showing = false;
    update();
}

QRect CPicturePreview::FitRect(QSize buffer, QSize picture)
{
    // The products are taken in 64 bits and the quotients in floating point, then truncated.
    const qint64 w = picture.width();
    const qint64 h = picture.height();
    const qint64 bufferW = buffer.width();
    const qint64 bufferH = buffer.height();
    if (w <= 0 || h <= 0 || bufferW <= 0 || bufferH <= 0)
        return {};
    if (double(bufferW) / double(bufferH) < double(w) / double(h)) {
        const int top = static_cast<int>((double(bufferH) - double(bufferW * h) / double(w)) * 0.5);
        return {0, top, buffer.width(), buffer.height() - 2 * top};
    }
    const int left = static_cast<int>((double(bufferW) - double(bufferH * w) / double(h)) * 0.5);
    return {left, 0, buffer.width() - 2 * left, buffer.height()};
}

void CPicturePreview::paintEvent(QPaintEvent*)
{
    if (!m_showing)
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_buffer);
}

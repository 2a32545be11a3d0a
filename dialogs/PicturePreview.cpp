// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/PicturePreview.h"

#include "dialogframe/DialogColours.h"

#include "library/PictureImage.h"
#include "platform/files/FileFacts.h"

#include <QPainter>

namespace {

constexpr int kFrameMargin = 5;

// The picture scaled into a buffer of `size` device pixels that shows at `ratio` device pixels
// to a logical one, or a null image when it cannot be loaded.
QImage DrawnPreview(const std::string& picturePath, QSize size, qreal ratio)
{
    CPictureImage picture;
    // Only regular files are decoded: opening a pipe or a device named like a picture could
    // block the dialog.
    if (!IsRegularFile(picturePath) || picture.LoadFile(picturePath) != CPictureImage::kSuccess)
        return {};
    QImage drawn(size, QImage::Format_RGB32);
    const QSize pictureSize(picture.Width(), picture.Height());
    QPainter painter(&drawn);
    painter.fillRect(drawn.rect(), kDialogBackground);
    picture.StretchTo(painter, CPicturePreview::FitRect(size, pictureSize), QRect({}, pictureSize));
    painter.end();
    drawn.setDevicePixelRatio(ratio);
    return drawn;
}

} // namespace

CPicturePreview::CPicturePreview(QWidget& frame) : QWidget(&frame)
{
    setGeometry(kFrameMargin, kFrameMargin, frame.width() - 2 * kFrameMargin,
                frame.height() - 2 * kFrameMargin);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_workers.setMaxThreadCount(1);
}

CPicturePreview::~CPicturePreview() = default;

void CPicturePreview::Draw(const std::string& picturePath)
{
    if (size().isEmpty())
        return;
    m_workers.clear(); // a picture asked for before and not begun yet
    const std::uint64_t request = ++m_lastRequest;
    m_loading = true;
    // Drawn at the screen's own resolution, so that a high-resolution screen shows it sharp.
    const qreal ratio = devicePixelRatioF();
    const QSize deviceSize = (QSizeF(size()) * ratio).toSize();
    m_workers.start([this, request, picturePath, deviceSize, ratio] {
        const QImage drawn = DrawnPreview(picturePath, deviceSize, ratio);
        QMetaObject::invokeMethod(
            this, [this, request, drawn] { Show(request, drawn); }, Qt::QueuedConnection);
    });
}

void CPicturePreview::Show(std::uint64_t request, const QImage& drawn)
{
    if (request != m_lastRequest)
        return;
    m_loading = false;
    if (drawn.isNull())
        return;
    m_buffer = drawn;
    m_showing = true;
    update();
}

void CPicturePreview::Clear()
{
    ++m_lastRequest;
    m_loading = false;
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

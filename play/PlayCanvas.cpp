// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/PlayCanvas.h"

#include "platform/ColorRef.h"
#include "platform/DisplayPlatform.h"
#include "resources/StringTable.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

// The hint text's font: the desktop's plain font at a size a parent can read
// on any screen.
constexpr int kHintPixelSize = 16;

const QString& QuitHintText()
{
    static const QString text = QString::fromStdString(LoadString(kStrQuitHint));
    return text;
}

const QString& NotLockedText()
{
    static const QString text = QString::fromStdString(LoadString(kStrKeysNotLocked));
    return text;
}

const QString& TouchNotLockedText()
{
    static const QString text = QString::fromStdString(LoadString(kStrTouchNotLocked));
    return text;
}

// GNOME's touch gestures reach the desktop whatever the lock holds: no
// program can keep them away.
bool TouchGesturesStayActive()
{
    return RunsOnGnome() && TouchScreenPresent();
}

// The back buffer covers the screen at its device pixels and is drawn on in logical pixels,
// so that a picture, the hint and every draw of the generator take the same share of the
// screen at every display scale.
QImage ScreenBackBuffer(const QScreen& screen)
{
    const qreal ratio = screen.devicePixelRatio();
    QImage buffer((QSizeF(screen.geometry().size()) * ratio).toSize(), QImage::Format_RGB32);
    buffer.setDevicePixelRatio(ratio);
    return buffer;
}

void SetHintFont(QPainter& painter)
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(kHintPixelSize);
    painter.setFont(font);
}

} // namespace

void PlayCanvas::Prepare(const QScreen& screen)
{
    m_backBuffer = ScreenBackBuffer(screen);
    m_touchNote = TouchGesturesStayActive();
    QPainter painter(&m_backBuffer);
    FillBackground(painter);
    DrawHint(painter);
}

bool PlayCanvas::Draw(const PicturePick& pick, bool cutToDisplay, bool clear)
{
    QPainter painter(&m_backBuffer);
    // A picture with fewer pixels than the device area it covers is scaled up smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (clear) {
        if (pick.colors)
            m_colors = *pick.colors;
        FillBackground(painter);
    }
    DrawHint(painter);
    if (!pick.image)
        return false;
    const CPictureImage& image = *pick.image;
    if (cutToDisplay)
        image.BlitTransparentTo(painter, pick.x, pick.y, image.PixelAt(0, 0));
    else
        image.BlitTo(painter, pick.x, pick.y);
    return true;
}

// A note that goes away leaves the background behind.
void PlayCanvas::ShowLockLost(bool lost)
{
    m_lockLost = lost;
    if (m_backBuffer.isNull() || !m_surface.isVisible())
        return;
    QPainter painter(&m_backBuffer);
    DrawHint(painter);
    if (!lost)
        painter.fillRect(NotLockedLineRect(painter), ColorFromRef(m_colors.back));
    Present();
}

void PlayCanvas::Present()
{
    m_surface.update();
}

void PlayCanvas::FillBackground(QPainter& painter) const
{
    painter.fillRect(QRect(QPoint(), ScreenSize()), ColorFromRef(m_colors.back));
}

// The hint at the top left: the quit word and, where the desktop's touch
// gestures stay active, a line that says so. While the desktop's own
// shortcuts work during the play, a line under them tells the parent that
// too. Each line is drawn on its own background, over whatever picture lies
// there.
void PlayCanvas::DrawHint(QPainter& painter) const
{
    SetHintFont(painter);
    int top = 0;
    for (const QString* text : LastingHintLines()) {
        const QRect rect = HintLineRect(painter, *text, top);
        DrawHintLine(painter, rect, *text);
        top = rect.bottom() + 1;
    }
    if (m_lockLost)
        DrawHintLine(painter, NotLockedLineRect(painter), NotLockedText());
}

std::vector<const QString*> PlayCanvas::LastingHintLines() const
{
    std::vector<const QString*> lines{&QuitHintText()};
    if (m_touchNote)
        lines.push_back(&TouchNotLockedText());
    return lines;
}

QRect PlayCanvas::HintLineRect(QPainter& painter, const QString& text, int top) const
{
    return painter.boundingRect(QRect(0, top, ScreenSize().width(), 0),
                                Qt::AlignLeft | Qt::AlignTop, text);
}

QRect PlayCanvas::NotLockedLineRect(QPainter& painter) const
{
    int top = 0;
    for (const QString* text : LastingHintLines())
        top = HintLineRect(painter, *text, top).bottom() + 1;
    return HintLineRect(painter, NotLockedText(), top);
}

void PlayCanvas::DrawHintLine(QPainter& painter, const QRect& rect, const QString& text) const
{
    painter.fillRect(rect, ColorFromRef(m_colors.back));
    painter.setPen(ColorFromRef(m_colors.text));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, text);
}

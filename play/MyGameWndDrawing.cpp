// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/MyGameWnd.h"

#include "library/Settings.h"
#include "platform/ColorRef.h"
#include "platform/DisplayPlatform.h"
#include "platform/sound/Sound.h"
#include "resources/StringTable.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

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

// The back buffer covers the primary screen at its device pixels and is drawn on in logical
// pixels, so that a picture, the hint and every draw of the generator take the same share of
// the screen at every display scale.
QImage ScreenBackBuffer()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen->devicePixelRatio();
    QImage buffer((QSizeF(screen->geometry().size()) * ratio).toSize(), QImage::Format_RGB32);
    buffer.setDevicePixelRatio(ratio);
    return buffer;
}

} // namespace

void CMyGameWnd::PrepareBackground()
{
    m_backBuffer = ScreenBackBuffer();
    m_touchNote = TouchGesturesStayActive();
    QPainter painter(&m_backBuffer);
    FillBackground(painter);
    DrawHint(painter);
    m_prefetch.Start(m_random, m_pictures, Rules());
}

void CMyGameWnd::FillBackground(QPainter& painter) const
{
    painter.fillRect(QRect(QPoint(), ScreenSize()), ColorFromRef(m_colors.back));
}

// The hint at the top left: the quit word and, where the desktop's touch
// gestures stay active, a line that says so. While the desktop's own
// shortcuts work during the play, a line under them tells the parent that
// too. Each line is drawn on its own background, over whatever picture lies
// there.
void CMyGameWnd::DrawHint(QPainter& painter) const
{
    SetHintFont(painter);
    int top = 0;
    for (const QString* text : LastingHintLines()) {
        const QRect rect = HintLineRect(painter, *text, top);
        DrawHintLine(painter, rect, *text);
        top = rect.bottom() + 1;
    }
    if (m_lock.IsLost())
        DrawHintLine(painter, NotLockedLineRect(painter), NotLockedText());
}

std::vector<const QString*> CMyGameWnd::LastingHintLines() const
{
    std::vector<const QString*> lines{&QuitHintText()};
    if (m_touchNote)
        lines.push_back(&TouchNotLockedText());
    return lines;
}

void CMyGameWnd::SetHintFont(QPainter& painter) const
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(kHintPixelSize);
    painter.setFont(font);
}

QRect CMyGameWnd::HintLineRect(QPainter& painter, const QString& text, int top) const
{
    return painter.boundingRect(QRect(0, top, ScreenSize().width(), 0),
                                Qt::AlignLeft | Qt::AlignTop, text);
}

QRect CMyGameWnd::NotLockedLineRect(QPainter& painter) const
{
    int top = 0;
    for (const QString* text : LastingHintLines())
        top = HintLineRect(painter, *text, top).bottom() + 1;
    return HintLineRect(painter, NotLockedText(), top);
}

void CMyGameWnd::DrawHintLine(QPainter& painter, const QRect& rect, const QString& text) const
{
    painter.fillRect(rect, ColorFromRef(m_colors.back));
    painter.setPen(ColorFromRef(m_colors.text));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, text);
}

// The lock can be lost or regained at any time of the play; the hint follows
// at once. A line that goes away leaves the background behind.
void CMyGameWnd::OnLockLostChanged(bool lost)
{
    if (m_backBuffer.isNull() || !isVisible())
        return;
    QPainter painter(&m_backBuffer);
    DrawHint(painter);
    if (!lost)
        painter.fillRect(NotLockedLineRect(painter), ColorFromRef(m_colors.back));
    PresentFrame();
}

// Draws the picture of the accepted input when the worker has it ready, and
// sets the worker on the one after.
bool CMyGameWnd::DrawReadyPicture()
{
    {
        const std::optional<PicturePick> pick = m_prefetch.TakeReady(m_random, Rules());
        if (!pick)
            return false;
        if (DrawPicture(*pick)) {
            PlayPictureSound();
            PresentFrame();
        }
    } // the decoded picture is let go before the next one is decoded
    // The generator now stands where the next key will find it.
    m_prefetch.Start(m_random, m_pictures, Rules());
    return true;
}

void CMyGameWnd::PlayPictureSound()
{
    const DeckEntry& entry = m_deck.entries[m_currentIndex];
    if (entry.HasOwnSound()) {
        m_currentSound = entry.ownSoundPath;
    } else if (const std::optional<int> sound =
                   DrawDefaultSound(m_random, entry, Rules().defaultSoundCount)) {
        m_currentSound = m_deck.defaultSounds[*sound];
    } else {
        return;
    }
    PlaySoundFile(m_currentSound);
}

QSize CMyGameWnd::ScreenSize() const
{
    return m_backBuffer.deviceIndependentSize().toSize();
}

PickRules CMyGameWnd::Rules() const
{
    return {.randomColors = m_settings.clearBackground && m_settings.randomColor,
            .screen = ScreenSize(),
            .defaultSoundCount = static_cast<int>(m_deck.defaultSounds.size())};
}

bool CMyGameWnd::DrawPicture(const PicturePick& pick)
{
    QPainter painter(&m_backBuffer);
    // A picture with fewer pixels than the device area it covers is scaled up smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_settings.clearBackground) {
        if (pick.colors) {
            m_colors = *pick.colors;
            m_covers.SetColor(ColorFromRef(m_colors.back));
        }
        FillBackground(painter);
    }
    DrawHint(painter);

    m_currentIndex = pick.index;
    if (!pick.image)
        return false;
    const CPictureImage& image = *pick.image;
    if (m_deck.entries[pick.index].cutToDisplay)
        image.BlitTransparentTo(painter, pick.x, pick.y, image.PixelAt(0, 0));
    else
        image.BlitTo(painter, pick.x, pick.y);
    return true;
}

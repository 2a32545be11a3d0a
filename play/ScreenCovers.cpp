// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/ScreenCovers.h"

#include "platform/lock/KeyboardLock.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>

ScreenCovers::ScreenCovers(QWidget& play, KeyboardLock& lock) : m_play(play), m_lock(lock)
{
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        if (m_shown)
            Cover(screen);
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &ScreenCovers::Uncover);
}

ScreenCovers::~ScreenCovers()
{
    Hide();
}

void ScreenCovers::Show(QScreen* playScreen, const QColor& color)
{
    Hide();
    m_shown = true;
    m_playScreen = playScreen;
    m_color = color;
    for (QScreen* screen : QGuiApplication::screens())
        Cover(screen);
}

void ScreenCovers::SetColor(const QColor& color)
{
    m_color = color;
    for (const auto& cover : m_covers)
        cover->SetColor(color);
}

void ScreenCovers::Hide()
{
    m_shown = false;
    for (const auto& cover : m_covers)
        TakeDown(*cover);
    m_covers.clear();
}

bool ScreenCovers::Owns(const QWindow& window) const
{
    return std::ranges::any_of(
        m_covers, [&window](const auto& cover) { return cover->windowHandle() == &window; });
}

void ScreenCovers::Cover(QScreen* screen)
{
    if (screen == m_playScreen)
        return;
    CoverPtr cover(new CoverWindow(m_play, screen));
    cover->SetColor(m_color);
    cover->winId(); // the lock takes the window before it is mapped
    m_lock.AddCover(cover.get());
    cover->showFullScreen();
    m_covers.push_back(std::move(cover));
}

void ScreenCovers::Uncover(QScreen* screen)
{
    const auto found = std::ranges::find_if(
        m_covers, [screen](const auto& cover) { return cover->CoveredScreen() == screen; });
    if (found == m_covers.end())
        return;
    TakeDown(**found);
    m_covers.erase(found);
}

void ScreenCovers::TakeDown(CoverWindow& cover)
{
    m_lock.RemoveCover(&cover);
    cover.hide();
}

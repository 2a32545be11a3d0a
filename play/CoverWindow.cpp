// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/CoverWindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

CoverWindow::CoverWindow(QWidget& play, QScreen* screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_play(play), m_screen(screen)
{
    setWindowTitle(play.windowTitle());
    setWindowIcon(play.windowIcon());
    setCursor(Qt::ArrowCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::StrongFocus);
    setScreen(screen);
    setGeometry(screen->geometry());
}

void CoverWindow::SetColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void CoverWindow::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), m_color);
}

void CoverWindow::keyPressEvent(QKeyEvent* event)
{
    QCoreApplication::sendEvent(&m_play, event);
}

void CoverWindow::mousePressEvent(QMouseEvent* event)
{
    QCoreApplication::sendEvent(&m_play, event);
}

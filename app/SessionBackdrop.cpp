// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SessionBackdrop.h"

#include <QPainter>

namespace {

// The dialogs' orange at half its brightness: the welcome dialog's edges show.
constexpr QColor kBackdropColour{128, 64, 32};

} // namespace

SessionBackdrop::SessionBackdrop() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("Tapnest"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void SessionBackdrop::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), kBackdropColour);
}

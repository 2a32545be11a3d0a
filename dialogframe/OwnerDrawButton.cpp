// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogframe/OwnerDrawButton.h"

#include <QPainter>

COwnerDrawButton::COwnerDrawButton(QWidget* parent) : QAbstractButton(parent) {}

void COwnerDrawButton::SetDrawFunction(DrawFunction draw)
{
    m_draw = std::move(draw);
    update();
}

void COwnerDrawButton::paintEvent(QPaintEvent*)
{
    if (!m_draw)
        return;
    QPainter painter(this);
    m_draw(painter, rect());
}

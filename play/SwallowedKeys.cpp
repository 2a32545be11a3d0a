// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/SwallowedKeys.h"

#include <QKeyEvent>

bool IsSwallowedKey(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Meta:
    case Qt::Key_F1:
    case Qt::Key_F4:
    case Qt::Key_F12:
        return true;
    case Qt::Key_Space:
        return event.modifiers().testFlag(Qt::ControlModifier);
    default:
        return false;
    }
}

bool IsSystemKey(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Alt || event.key() == Qt::Key_F10 ||
           event.modifiers().testFlag(Qt::AltModifier);
}

bool IsHeldBackKey(const QKeyEvent& event)
{
    return IsSwallowedKey(event) || IsSystemKey(event);
}

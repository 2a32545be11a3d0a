// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyEvent>

// A key press as the play window receives it.
inline QKeyEvent Press(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                       quint32 scanCode = 0)
{
    return QKeyEvent(QEvent::KeyPress, qtKey, modifiers, scanCode, 0, 0);
}

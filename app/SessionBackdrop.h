// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The screen behind the welcome dialog in the program's own locked session,
// in a darker shade of the dialogs' colour. Its kiosk compositor stretches a window without a
// parent over every screen and centres one with a parent, so the welcome
// dialog, a child of the backdrop, stands in the middle of the backdrop rather
// than in the corner of a black screen.
class SessionBackdrop : public QWidget
{
    Q_OBJECT

public:
    SessionBackdrop();

protected:
    void paintEvent(QPaintEvent* event) override;
};

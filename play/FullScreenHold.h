// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

// Keeps a shown window full screen: when the desktop takes it out of full
// screen or minimizes it (GNOME's touch drag down from a screen's top edge
// does), the window asks for full screen again at once. A desktop that keeps
// refusing is asked again once a second, not in a loop with its answers.
// A member of the window it holds.
class FullScreenHold : public QObject
{
    Q_OBJECT

public:
    explicit FullScreenHold(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnLeftFullScreen();
    void AskAgain();

    QWidget& m_window;
    QTimer m_askTimer;
    QElapsedTimer m_sinceLastLoss;
    int m_quickAsks = 0; // asks without delay since the last quiet second
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// A pair of arrows that steps a number within a range. With a buddy edit, the edit's text is
// the number: stepping starts from it and writes the new number back, and the edit's Up and
// Down keys step as well.
class CUpDown : public QWidget
{
    Q_OBJECT

public:
    explicit CUpDown(QWidget* parent = nullptr);

    void SetRange(int lower, int upper);
    // With wrapping, stepping past one end of the range gives the other end.
    void SetWrap(bool wrap);
    void SetBuddy(QLineEdit* buddy);
    QLineEdit* Buddy() const { return m_buddy; }

    // The buddy's number when it holds one (kept within the range), else the last position.
    int Position() const;
    void SetPosition(int position);
    void Step(int delta);

signals:
    void PositionChanged(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int Clamped(int value) const;
    QRect UpperHalf() const;
    QRect LowerHalf() const;

    int m_lower = 0;
    int m_upper = 100;
    int m_position = 0;
    bool m_wrap = false;
    int m_pressedDelta = 0; // +1 or -1 while an arrow is held down
    QTimer m_repeat;
    QPointer<QLineEdit> m_buddy;
};

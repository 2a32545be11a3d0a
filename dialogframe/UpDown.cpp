// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogframe/UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 60;

} // namespace

CUpDown::CUpDown(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    connect(&m_repeat, &QTimer::timeout, this, [this] {
        m_repeat.setInterval(kRepeatMs);
        Step(m_pressedDelta);
    });
}

void CUpDown::SetRange(int lower, int upper)
{
    m_lower = std::min(lower, upper);
    m_upper = std::max(lower, upper);
    m_position = Clamped(m_position);
}

void CUpDown::SetWrap(bool wrap)
{
    m_wrap = wrap;
}

void CUpDown::SetBuddy(QLineEdit* buddy)
{
    if (m_buddy)
        m_buddy->removeEventFilter(this);
    m_buddy = buddy;
    if (m_buddy)
        m_buddy->installEventFilter(this);
}

int CUpDown::Position() const
{
    if (!m_buddy)
        return m_position;
    bool isNumber = false;
    const int typed = m_buddy->text().trimmed().toInt(&isNumber, 10);
    return isNumber ? Clamped(typed) : m_position;
}

void CUpDown::SetPosition(int position)
{
    const int previous = m_position;
    m_position = Clamped(position);
    if (m_buddy)
        m_buddy->setText(QString::number(m_position));
    if (m_position != previous)
        emit PositionChanged(m_position);
}

void CUpDown::Step(int delta)
{
    const long long next = static_cast<long long>(Position()) + delta;
    if (next > m_upper)
        SetPosition(m_wrap ? m_lower : m_upper);
    else if (next < m_lower)
        SetPosition(m_wrap ? m_upper : m_lower);
    else
        SetPosition(static_cast<int>(next));
}

int CUpDown::Clamped(int value) const
{
    return std::clamp(value, m_lower, m_upper);
}

QRect CUpDown::UpperHalf() const
{
    return {0, 0, width(), height() / 2};
}

QRect CUpDown::LowerHalf() const
{
    return {0, height() / 2, width(), height() - height() / 2};
}

void CUpDown::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const auto drawArrow = [&](const QRect& half, int delta, QStyle::PrimitiveElement arrow) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = half;
        if (m_pressedDelta == delta)
            option.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, this);
        option.rect = half.adjusted(2, 1, -2, -1);
        style()->drawPrimitive(arrow, &option, &painter, this);
    };
    drawArrow(UpperHalf(), +1, QStyle::PE_IndicatorArrowUp);
    drawArrow(LowerHalf(), -1, QStyle::PE_IndicatorArrowDown);
}

void CUpDown::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    m_pressedDelta = UpperHalf().contains(event->position().toPoint()) ? +1 : -1;
    Step(m_pressedDelta);
    m_repeat.start(kFirstRepeatMs);
    update();
}

void CUpDown::mouseReleaseEvent(QMouseEvent*)
{
    m_repeat.stop();
    m_pressedDelta = 0;
    update();
}

bool CUpDown::eventFilter(QObject* watched, QEvent* event)
{
    // The type first: the buddy is also watched while it is being destroyed, when it is no
    // longer a line edit to compare with.
    if (event->type() == QEvent::KeyPress && watched == m_buddy && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

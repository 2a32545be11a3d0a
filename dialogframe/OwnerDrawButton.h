// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

#include <functional>

// A button whose face the owning dialog draws; it draws nothing itself, not even focus or a
// pressed state.
class COwnerDrawButton : public QAbstractButton
{
    Q_OBJECT

public:
    using DrawFunction = std::function<void(QPainter& painter, const QRect& rect)>;

    explicit COwnerDrawButton(QWidget* parent = nullptr);

    void SetDrawFunction(DrawFunction draw);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DrawFunction m_draw;
};

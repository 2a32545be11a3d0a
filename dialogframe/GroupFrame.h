// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

// A group box drawn as the dialog templates place it: the frame's top line runs through the
// middle of the title, which sits on it a little in from the left, and the frame is an etched
// line, dark with a light one beside it, that shows on the orange background. The controls it
// groups are its siblings, laid over it.
class CGroupFrame : public QGroupBox
{
    Q_OBJECT

public:
    explicit CGroupFrame(const QString& title);

    // The height of the top line within the frame: the middle of the title.
    int TopLineY() const;

    // Where the gap that the title makes in the top line ends, from the frame's left edge.
    int TitleRight() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int TitleLeft() const;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

#include <cstdint>

class QCursor;

// A static text that looks and acts like a web link. While it is a link it takes the mouse:
// the pointer over it shows the link cursor, and a left click opens the label's own text with
// the desktop (a web address opens the browser). Otherwise the mouse passes through it to the
// window below. Each setter returns the label, so that calls can be chained.
//
// The label draws in the desktop's plain font at 8 points and, on its own, in its text colour
// on the button-face colour. Inside a dialog of the program the dialog's colour rule has the
// last word: the label keeps its font and underline but shows navy text on the dialog's orange.
class CLinkLabel : public QLabel
{
    Q_OBJECT

public:
    // Takes over a static control's text, alignment and wrapping; the dialog then puts the
    // label in the static's place.
    explicit CLinkLabel(const QLabel& staticControl);

    CLinkLabel& SetLink(bool on);
    // A colour as 0x00BBGGRR; the label is redrawn at once.
    CLinkLabel& SetTextColor(std::uint32_t color);
    CLinkLabel& SetUnderline(bool on);
    CLinkLabel& SetLinkCursor(const QCursor& cursor);

    bool IsLink() const { return m_isLink; }
    std::uint32_t TextColor() const { return m_textColor; }

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ApplyColours();

    std::uint32_t m_textColor;
    bool m_isLink = true;
};

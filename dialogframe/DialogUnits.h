// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QStringList>

class QFont;

// Converts dialog units to pixels for one dialog font: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height, or of the tallest
// line of `texts`, where a script the font lacks (Chinese, Japanese) is drawn from a font with
// taller lines.
class DialogUnits
{
public:
    explicit DialogUnits(const QFont& font, const QStringList& texts = {});

    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
    QRect ToPixels(int x, int y, int width, int height) const;

    // Average character width and character height in pixels.
    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }

private:
    int m_baseX;
    int m_baseY;
};

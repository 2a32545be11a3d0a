// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogframe/DialogUnits.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace {

// value * numerator / denominator, rounded to the nearest integer.
int ScaleRounded(int value, int numerator, int denominator)
{
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

} // namespace

DialogUnits::DialogUnits(const QFont& font, const QStringList& texts)
{
    const QFontMetrics metrics(font);
    // The width of the 52 letters over 26 is twice the average; (2 * average + 1) / 2 rounds it.
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = (letters / 26 + 1) / 2;
    m_baseY = metrics.height();
    for (const QString& text : texts) {
        const int line =
            metrics.boundingRect(QRect(), Qt::TextSingleLine | Qt::TextShowMnemonic, text).height();
        m_baseY = std::max(m_baseY, line);
    }
}

int DialogUnits::ToPixelsX(int units) const
{
    return ScaleRounded(units, m_baseX, 4);
}

int DialogUnits::ToPixelsY(int units) const
{
    return ScaleRounded(units, m_baseY, 8);
}

QRect DialogUnits::ToPixels(int x, int y, int width, int height) const
{
    return {ToPixelsX(x), ToPixelsY(y), ToPixelsX(width), ToPixelsY(height)};
}

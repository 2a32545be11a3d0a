// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QTest>
#include <QWidget>

// Shows a top-level widget and makes it the active window, so mnemonics and shortcuts reach it.
inline bool ShowActive(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

// Buttons clicked by a mnemonic show themselves pressed for a moment before they click; waits
// until `done` holds or a second has passed.
template <class Condition> bool WaitUntil(Condition done)
{
    return QTest::qWaitFor(done, 1000);
}

// The colour of the pixel with the lowest brightness, i.e. the core of drawn text.
inline QColor DarkestPixel(const QImage& image)
{
    QColor darkest = Qt::white;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.lightness() < darkest.lightness())
                darkest = colour;
        }
    }
    return darkest;
}

// The colour at the centre of a widget as it renders itself.
inline QColor CentreColour(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon into a hicolor icon theme tree, one PNG per drawn
// size:  tapnest_render_icons <theme folder> <icon name>
// makes <theme folder>/<N>x<N>/apps/<icon name>.png.
#include "resources/AppIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <theme folder> <icon name>\n", argv[0]);
        return 2;
    }
    // A build step: it never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString themeDir = QString::fromLocal8Bit(argv[1]);
    const QString iconName = QString::fromLocal8Bit(argv[2]);

    const QIcon icon = AppIcon();
    for (const QSize& size : icon.availableSizes()) {
        const QString appsDir =
            QStringLiteral("%1/%2x%3/apps").arg(themeDir).arg(size.width()).arg(size.height());
        const QString path = QStringLiteral("%1/%2.png").arg(appsDir, iconName);
        if (!QDir().mkpath(appsDir) || !icon.pixmap(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

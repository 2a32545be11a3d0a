// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/AppIcon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

// The drawing is designed on a 64 x 64 grid and scaled to the requested size.
constexpr double kGrid = 64.0;
constexpr QPointF kCentre{32.0, 32.0};

void DrawTile(QPainter& painter)
{
    QRadialGradient sky(QPointF(24, 18), 44);
    sky.setColorAt(0.0, QColor(0xA8, 0xDD, 0xFF));
    sky.setColorAt(1.0, QColor(0x25, 0x78, 0xD8));
    painter.setPen(QPen(QColor(0x1A, 0x55, 0xA8), 2.0));
    painter.setBrush(sky);
    painter.drawEllipse(kCentre, 30.5, 30.5);
}

void DrawRays(QPainter& painter)
{
    painter.setPen(QPen(QColor(0xFF, 0xB0, 0x20), 4.0, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 8; ++ray) {
        const double angle = ray * std::numbers::pi / 4 + std::numbers::pi / 8;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(kCentre + direction * 20.0, kCentre + direction * 26.0);
    }
}

void DrawSun(QPainter& painter, double radius)
{
    QRadialGradient glow(kCentre - QPointF(radius / 3, radius / 3), radius * 1.4);
    glow.setColorAt(0.0, QColor(0xFF, 0xF5, 0x8A));
    glow.setColorAt(1.0, QColor(0xFF, 0xC2, 0x10));
    painter.setPen(QPen(QColor(0xE0, 0x80, 0x00), 1.5));
    painter.setBrush(glow);
    painter.drawEllipse(kCentre, radius, radius);
}

void DrawFace(QPainter& painter, double radius, bool withCheeks)
{
    const QColor brown(0x5A, 0x32, 0x00);
    const double eyeDx = radius * 0.38;
    const double eyeDy = radius * 0.2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(brown);
    painter.drawEllipse(kCentre + QPointF(-eyeDx, -eyeDy), radius * 0.13, radius * 0.17);
    painter.drawEllipse(kCentre + QPointF(eyeDx, -eyeDy), radius * 0.13, radius * 0.17);
    if (withCheeks) {
        painter.setBrush(QColor(0xFF, 0x70, 0x70, 0x90));
        painter.drawEllipse(kCentre + QPointF(-radius * 0.6, radius * 0.22), radius * 0.16,
                            radius * 0.12);
        painter.drawEllipse(kCentre + QPointF(radius * 0.6, radius * 0.22), radius * 0.16,
                            radius * 0.12);
    }
    painter.setPen(QPen(brown, std::max(1.6, radius * 0.14), Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    const QRectF mouth(kCentre.x() - radius * 0.5, kCentre.y() - radius * 0.3, radius,
                       radius * 0.8);
    painter.drawArc(mouth, 200 * 16, 140 * 16);
}

QImage DrawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / kGrid, size / kGrid);
    // Small sizes drop the rays and cheeks and enlarge the face so it stays readable.
    const bool detailed = size >= 24;
    const double sunRadius = detailed ? 16.0 : 22.0;
    DrawTile(painter);
    if (detailed)
        DrawRays(painter);
    DrawSun(painter, sunRadius);
    DrawFace(painter, sunRadius, detailed);
    return image;
}

} // namespace

QIcon AppIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(DrawIcon(size)));
    return icon;
}

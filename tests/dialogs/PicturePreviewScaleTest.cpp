// SPDX-License-Identifier: GPL-3.0-or-later
// Built into dialogs_tests at display scale 1 and into dialogs_hidpi_test at scale 2.
#include "dialogs/PicturePreview.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

namespace {

TEST(PicturePreview, IsDrawnAtTheScreensDevicePixels)
{
    QWidget frame;
    frame.resize(110, 60); // a preview of 100 x 50 logical pixels
    CPicturePreview preview(frame);
    const qreal ratio = preview.devicePixelRatioF();
    const QSize device = (QSizeF(100, 50) * ratio).toSize();

    // Columns of one device pixel each, which only a preview at device pixels keeps apart.
    QImage picture(device, QImage::Format_RGB32);
    for (int x = 0; x < device.width(); ++x)
        for (int y = 0; y < device.height(); ++y)
            picture.setPixel(x, y, x % 2 ? qRgb(0, 0, 255) : qRgb(255, 0, 0));
    QTemporaryDir dir;
    const QString path = dir.filePath("stripes.png");
    ASSERT_TRUE(picture.save(path));

    preview.Draw(path.toStdString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !preview.IsLoading(); }, 10000));
    EXPECT_EQ(preview.Buffer().size(), device);
    EXPECT_EQ(preview.Buffer().devicePixelRatio(), ratio);
    EXPECT_EQ(preview.Buffer().convertToFormat(QImage::Format_RGB32), picture);

    // Painted in the frame 5 logical pixels in from its edges, at the same resolution.
    const QImage shown = frame.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int inset = int(5 * ratio);
    EXPECT_EQ(shown.copy(QRect(QPoint(inset, inset), device)), picture);
}

} // namespace

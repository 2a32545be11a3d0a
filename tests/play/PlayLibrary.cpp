// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayLibrary.h"

#include "platform/files/Paths.h"

#include <gtest/gtest.h>

#include <fstream>

std::string PlayLibrary::AddGroup(const std::string& folderName, int displayed,
                                  const std::vector<std::string>& cutNames) const
{
    TestGroup group(folderName);
    group.name = folderName;
    group.displayed = displayed;
    group.cutNames = cutNames;
    return TempLibrary::AddGroup(group);
}

void PlayLibrary::SavePicture(const std::string& dir, const std::string& name, const QImage& image)
{
    EXPECT_TRUE(image.save(QString::fromStdString(JoinPath(dir, name))));
}

QImage PlayLibrary::Filled(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

void PlayLibrary::WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

PicturePick PlayLibrary::Placed(const std::string& dir, const QImage& picture, QPoint at)
{
    SavePicture(dir, "placed.png", picture);
    auto image = std::make_shared<CPictureImage>();
    EXPECT_EQ(image->LoadFile(JoinPath(dir, "placed.png")), CPictureImage::kSuccess);
    PicturePick pick;
    pick.x = at.x();
    pick.y = at.y();
    pick.image = image;
    return pick;
}

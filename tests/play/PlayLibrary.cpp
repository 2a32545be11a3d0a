#include "PlayLibrary.h"

#include "library/PictureGroup.h"
#include "platform/Paths.h"

#include <QDir>
#include <gtest/gtest.h>

#include <fstream>

PlayLibrary::PlayLibrary() : m_dir(m_temp.path().toStdString())
{
    OverrideProgramFilePath(JoinPath(m_dir, "tapnest"));
}

PlayLibrary::~PlayLibrary()
{
    OverrideProgramFilePath({});
}

std::string PlayLibrary::AddGroup(const std::string& folderName, int displayed,
                                  const std::vector<std::string>& cutNames)
{
    const std::string groupPath = JoinPath(m_dir, folderName);
    EXPECT_TRUE(QDir().mkpath(QString::fromStdString(groupPath)));
    EXPECT_TRUE(WriteGroupFile(groupPath, folderName, folderName, "test group", displayed));
    EXPECT_TRUE(WriteCutList(groupPath, cutNames));
    return groupPath;
}

void PlayLibrary::SavePicture(const std::string& dir, const std::string& name,
                              const QImage& image)
{
    EXPECT_TRUE(image.save(QString::fromStdString(JoinPath(dir, name))));
}

QImage PlayLibrary::Filled(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

void PlayLibrary::WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

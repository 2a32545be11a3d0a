#pragma once

#include <QColor>
#include <QImage>
#include <QTemporaryDir>

#include <string>
#include <vector>

// A content library in a temporary directory, with the program file path
// pointing into it so that Settings::Load takes it as installDir.
class PlayLibrary
{
public:
    PlayLibrary();
    ~PlayLibrary();

    const std::string& Dir() const { return m_dir; }
    // A group folder with its group file and cut list; returns its path.
    std::string AddGroup(const std::string& folderName, int displayed = 1,
                         const std::vector<std::string>& cutNames = {});
    // Saves `image` as dir/name in the format its suffix names.
    static void SavePicture(const std::string& dir, const std::string& name, const QImage& image);
    static QImage Filled(int width, int height, QColor color);
    static void WriteFile(const std::string& path, const std::string& bytes);

private:
    QTemporaryDir m_temp;
    std::string m_dir;
};

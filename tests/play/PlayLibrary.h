// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play/PicturePick.h"
#include "tests/support/TempLibrary.h"

#include <QColor>
#include <QImage>

#include <string>
#include <vector>

// A temporary content library that the settings take as installDir, with
// picture files made on the spot.
class PlayLibrary : public TempLibrary
{
public:
    PlayLibrary() { PointProgramHere(); }

    const std::string& Dir() const { return InstallDir(); }
    // A group folder with its group file and cut list; returns its path.
    std::string AddGroup(const std::string& folderName, int displayed = 1,
                         const std::vector<std::string>& cutNames = {}) const;

    // Saves `image` as dir/name in the format its suffix names.
    static void SavePicture(const std::string& dir, const std::string& name, const QImage& image);
    static QImage Filled(int width, int height, QColor color);
    static void WriteBytes(const std::string& path, const std::string& bytes);
    // `picture`, saved in dir and read back whole, to be drawn at `at`.
    static PicturePick Placed(const std::string& dir, const QImage& picture, QPoint at);
};

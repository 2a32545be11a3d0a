// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <string>

// Saves the picture in the format its file name's extension names: PNG, BMP,
// JPG or GIF, in any letter case. False for another extension or when the
// file cannot be written.
bool SavePicture(const QImage& image, const std::string& path);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QSize>

#include <string>

// The bytes of a PNG file of the given size, every pixel `colour`.
std::string SolidPng(QSize size, QColor colour);

// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the default content library into the folder named on the command line.
#include "tools/content/ContentLibraryMaker.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    // Fonts need a GUI application, but no window is ever shown: never ask
    // for a display, so the build works without one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string error = MakeContentLibrary(argv[1]);
    if (!error.empty()) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.c_str());
        return 1;
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/KipoApp.h"
#include "platform/DisplayPlatform.h"
#include "platform/Log.h"

#include <iostream>
#include <optional>
#include <string>

int main(int argc, char** argv)
{
    if (const std::optional<int> answered = AnswerCommandLine(argc, argv, std::cout))
        return *answered;
    InstallLogFormat();
    PreferNativeWayland();
    if (const std::string why = DisplayUnavailableReason(); !why.empty()) {
        std::cerr << "tapnest: cannot open a display: " << why << std::endl;
        return 1;
    }
    CKipoApp app(argc, argv);
    return app.InitInstance();
}

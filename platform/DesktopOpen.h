// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TestSeam.h"

#include <string>
#include <vector>

// Opens `target` with the desktop's default handler, as a shell's "open" does: a web address
// in the web browser, a mail address in the mail program, a file in the program that shows
// it. Returns at once; a target the desktop cannot open is not reported.
void OpenWithDesktop(const std::string& target);

// Test seam: while an object of this class lives, OpenWithDesktop records each target here
// instead of opening it.
class RecordedDesktopOpens : public TestSeam<RecordedDesktopOpens>
{
public:
    const std::vector<std::string>& Opened() const { return m_opened; }

private:
    friend void OpenWithDesktop(const std::string& target);
    std::vector<std::string> m_opened;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class QWidget;

// Copies each source file into `folder` under its own file name, byte for
// byte. For a destination that exists it asks `question` (a "%s" there takes
// the full destination path; caption "Information", Yes/No/Cancel, No the
// default): Yes replaces it, No skips the file, Cancel stops before it.
// A copy that takes longer than about half a second shows a progress window
// naming the file being copied, whose Cancel stops after that file; it is
// never shown while a question is open. A copy that fails is told, with the system's reason;
// when the folder could not take it, nothing after it is copied.
void CopyIntoFolder(QWidget* owner, const std::vector<std::string>& sources,
                    const std::string& folder, const std::string& question);

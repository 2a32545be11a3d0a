// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TestSeam.h"

#include <functional>

class QDialog;

// Runs `dialog` as a modal window until it ends; its result (QDialog::Accepted or Rejected).
int RunModal(QDialog& dialog);
// Runs the program's main `dialog` until it ends, without blocking other windows; it may leave
// the screen meanwhile (hidden, then shown again) without ending. Its result, as RunModal's.
int RunMainDialog(QDialog& dialog);

// Test seam: while an object of this class lives, RunModal shows the dialog modally without an
// event loop of its own, hands it to the script once it is shown and initialised, and returns
// the result the script left. A script acts as a user would (typing, clicking, accepting) and
// should end the dialog; one it leaves open is rejected, as Esc would, and counted.
class ScriptedDialogs : public TestSeam<ScriptedDialogs>
{
public:
    using Script = std::function<void(QDialog&)>;
    explicit ScriptedDialogs(Script script = {}); // default: each dialog is rejected at once

    int Runs() const { return m_runs; }
    int LeftOpen() const { return m_leftOpen; }

private:
    friend int RunModal(QDialog& dialog);
    // Runs the program's main `dialog` until it ends, without blocking other windows; it may leave
    // the screen meanwhile (hidden, then shown again) without ending. Its result, as RunModal's.
    int RunMainDialog(QDialog& dialog);
    Script m_script;
    int m_runs = 0;
    int m_leftOpen = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QKeyEvent;

// Keys as the play sees them: 'A'..'Z' for letters whatever Shift or Caps
// Lock, '0'..'9' for the digits of the main keyboard, kOtherKey for every
// other key (keypad digits and modifier keys included). With `x11KeyCodes`
// the event's native key code also names the physical key, so the digit row
// gives digits with Shift held and the letter keys give their Latin letters
// under any keyboard layout.
inline constexpr int kOtherKey = 0;
int PlayKeyOf(const QKeyEvent& event, bool x11KeyCodes);

enum class KeyAction { ShowPicture, ReplaySound, EndPlay };

// Advances `quitState` (0..6, the quit word keys typed so far) by one key and
// tells what the key does. The quit word is K O L O 4 8 6; K always starts a
// new attempt.
KeyAction AdvanceQuitWord(int& quitState, int key);

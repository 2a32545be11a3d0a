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

// How far the parent has typed the quit word, K O L O 4 8 6, on the play
// window or a cover, and what each key does. K always starts a new attempt.
class QuitWord
{
public:
    explicit QuitWord(bool x11KeyCodes) : m_x11KeyCodes(x11KeyCodes) {}

    // A key press as the play receives it. A modifier held down repeats its
    // own key presses, each an ordinary key: the quit word cannot be typed
    // with Shift or Ctrl held.
    KeyAction Press(const QKeyEvent& event);
    // One key as PlayKeyOf names it.
    KeyAction Advance(int key);
    // A new play starts the word again.
    void Reset() { m_typed = 0; }

private:
    bool m_x11KeyCodes;
    int m_typed = 0; // 0..6, the keys of the word typed so far
};

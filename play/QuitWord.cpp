// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/QuitWord.h"

#include <QKeyEvent>

#include <string_view>

namespace {

// The keys of the main keyboard by X11 key code, from code 10 on: the digit
// row, then the three letter rows as they are laid out on a US keyboard.
// Spaces stand for codes that are neither digits nor letters.
constexpr quint32 kFirstKeyCode = 10;
constexpr std::string_view kKeysByCode = "1234567890    QWERTYUIOP    ASDFGHJKL     ZXCVBNM";

int KeyOfCode(quint32 code)
{
    if (code < kFirstKeyCode || code - kFirstKeyCode >= kKeysByCode.size())
        return kOtherKey;
    const char key = kKeysByCode[code - kFirstKeyCode];
    return key == ' ' ? kOtherKey : key;
}

bool IsDigit(int key)
{
    return key >= '0' && key <= '9';
}

bool IsLetter(int key)
{
    return key >= 'A' && key <= 'Z';
}

} // namespace

int PlayKeyOf(const QKeyEvent& event, bool x11KeyCodes)
{
    if (event.modifiers().testFlag(Qt::KeypadModifier))
        return kOtherKey;
    const int physical = x11KeyCodes ? KeyOfCode(event.nativeScanCode()) : kOtherKey;
    if (IsDigit(physical))
        return physical;
    const int key = event.key(); // Qt's codes for letters and digits are their characters
    if (IsLetter(key) || IsDigit(key))
        return key;
    return physical; // a letter key under a layout without Latin letters
}

KeyAction QuitWord::Press(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))
        Reset();
    return Advance(PlayKeyOf(event, m_x11KeyCodes));
}

KeyAction QuitWord::Advance(int key)
{
    const int before = m_typed;
    m_typed = 0;
    switch (key) {
    case 'K':
        m_typed = 1;
        break;
    case 'O':
        if (before == 1 || before == 3)
            m_typed = before + 1;
        break;
    case 'L':
        if (before == 2)
            m_typed = 3;
        break;
    case '4':
        if (before == 4)
            m_typed = 5;
        break;
    case '8':
        if (before == 5)
            m_typed = 6;
        break;
    case '6':
        if (before == 6)
            return KeyAction::EndPlay;
        break;
    case 'A':
        return KeyAction::ReplaySound;
    default:
        break;
    }
    return KeyAction::ShowPicture;
}

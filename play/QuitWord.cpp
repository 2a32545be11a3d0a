#include "play/QuitWord.h"

#include <QKeyEvent>

namespace {

// X11 key codes of the digit row 1..9, 0: the same physical keys on every
// layout, also with Shift held.
constexpr quint32 kFirstDigitRowScanCode = 10;
constexpr quint32 kLastDigitRowScanCode = 19;

int DigitOfScanCode(quint32 scanCode)
{
    const int position = static_cast<int>(scanCode - kFirstDigitRowScanCode);
    return position == 9 ? '0' : '1' + position;
}

} // namespace

int PlayKeyOf(const QKeyEvent& event)
{
    if (event.modifiers().testFlag(Qt::KeypadModifier))
        return kOtherKey;
    const quint32 scanCode = event.nativeScanCode();
    if (scanCode >= kFirstDigitRowScanCode && scanCode <= kLastDigitRowScanCode)
        return DigitOfScanCode(scanCode);
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key; // Qt's codes for these are their upper-case characters
    return kOtherKey;
}

KeyAction AdvanceQuitWord(int& quitState, int key)
{
    const int before = quitState;
    quitState = 0;
    switch (key) {
    case 'K':
        quitState = 1;
        break;
    case 'O':
        if (before == 1 || before == 3)
            quitState = before + 1;
        break;
    case 'L':
        if (before == 2)
            quitState = 3;
        break;
    case '4':
        if (before == 4)
            quitState = 5;
        break;
    case '8':
        if (before == 5)
            quitState = 6;
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/QuitWord.h"
#include "tests/play/KeyPress.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {

// Feeds keys one by one and records what each did.
std::vector<KeyAction> Type(const std::string& keys, QuitWord& word)
{
    std::vector<KeyAction> actions;
    for (const char key : keys)
        actions.push_back(word.Advance(key));
    return actions;
}

int CountOf(const std::vector<KeyAction>& actions, KeyAction action)
{
    return static_cast<int>(std::count(actions.begin(), actions.end(), action));
}

} // namespace

TEST(QuitWord, TheWordEndsThePlayAfterSixPicturesAndStartsAgain)
{
    QuitWord word(false);
    const auto actions = Type("KOLO486", word);
    EXPECT_EQ(CountOf(actions, KeyAction::ShowPicture), 6);
    EXPECT_EQ(actions.back(), KeyAction::EndPlay);
    EXPECT_EQ(Type("OLO486", word).back(), KeyAction::ShowPicture);
}

TEST(QuitWord, KStartsANewAttemptAnywhere)
{
    for (const std::string typed : {"KOLKOLO486", "KOLOKOLO486", "KOLO48KOLO486"}) {
        QuitWord word(false);
        EXPECT_EQ(Type(typed, word).back(), KeyAction::EndPlay) << typed;
    }
}

// A (which replays the sound), another key or a new play: the word starts again.
TEST(QuitWord, AWrongKeyResetsTheWord)
{
    for (const std::string broken : {"KOLO48X6", "KOLO4X86", "KOOLO486", "KOLL486", "OLO486",
                                     "KOLO466", "KOLO4886", "KOLO48A6", "KOLAO486"}) {
        QuitWord word(false);
        const auto actions = Type(broken, word);
        EXPECT_EQ(CountOf(actions, KeyAction::EndPlay), 0) << broken;
    }
    QuitWord word(false);
    EXPECT_EQ(Type("KOLO48A", word).back(), KeyAction::ReplaySound);
    word.Reset();
    EXPECT_EQ(word.Advance('6'), KeyAction::ShowPicture);
}

// The keys as the play window receives them: with Shift or Ctrl held the word
// cannot be typed, and the keypad's 6 is not the word's.
TEST(QuitWord, PressesWithModifiersDoNotTypeTheWord)
{
    struct Case
    {
        Qt::KeyboardModifiers modifiers; // of every key
        Qt::KeyboardModifiers last;      // of the last key, 6
        bool ends;
    };
    for (const Case& c : {Case{Qt::NoModifier, Qt::NoModifier, true},
                          {Qt::ShiftModifier, Qt::ShiftModifier, false},
                          {Qt::ControlModifier, Qt::ControlModifier, false},
                          {Qt::NoModifier, Qt::ShiftModifier, false},
                          {Qt::NoModifier, Qt::KeypadModifier, false}}) {
        QuitWord word(false);
        for (const int key : {Qt::Key_K, Qt::Key_O, Qt::Key_L, Qt::Key_O, Qt::Key_4, Qt::Key_8})
            word.Press(Press(key, c.modifiers));
        EXPECT_EQ(word.Press(Press(Qt::Key_6, c.last)) == KeyAction::EndPlay, c.ends)
            << c.modifiers << " " << c.last;
    }
}

TEST(PlayKey, LettersIgnoreShiftAndCapsLock)
{
    for (const bool x11 : {false, true}) {
        EXPECT_EQ(PlayKeyOf(Press(Qt::Key_K), x11), 'K');
        EXPECT_EQ(PlayKeyOf(Press(Qt::Key_K, Qt::ShiftModifier), x11), 'K');
    }
}

TEST(PlayKey, MainKeyboardDigitsAreDigitsKeypadDigitsAreNot)
{
    for (const bool x11 : {false, true}) {
        EXPECT_EQ(PlayKeyOf(Press(Qt::Key_6), x11), '6');
        EXPECT_EQ(PlayKeyOf(Press(Qt::Key_6, Qt::KeypadModifier, 90), x11), kOtherKey);
        EXPECT_EQ(PlayKeyOf(Press(Qt::Key_Shift, Qt::NoModifier, 50), x11), kOtherKey);
        EXPECT_EQ(PlayKeyOf(Press(Qt::Key_Space, Qt::NoModifier, 65), x11), kOtherKey);
    }
    // The digit row on X11 keeps its digit with Shift held ("$" over 4).
    EXPECT_EQ(PlayKeyOf(Press(Qt::Key_Dollar, Qt::ShiftModifier, 13), true), '4');
    EXPECT_EQ(PlayKeyOf(Press(Qt::Key_ParenRight, Qt::ShiftModifier, 19), true), '0');
    // Native codes mean nothing on other platforms.
    EXPECT_EQ(PlayKeyOf(Press(Qt::Key_Dollar, Qt::ShiftModifier, 13), false), kOtherKey);
}

TEST(PlayKey, LetterKeysKeepTheirLatinLetterUnderAnyLayout)
{
    // K, O and L of a Cyrillic layout: the keys at those places are K, O, L.
    EXPECT_EQ(PlayKeyOf(Press(0x41B, Qt::NoModifier, 45), true), 'K');
    EXPECT_EQ(PlayKeyOf(Press(0x429, Qt::NoModifier, 32), true), 'O');
    EXPECT_EQ(PlayKeyOf(Press(0x414, Qt::NoModifier, 46), true), 'L');
    EXPECT_EQ(PlayKeyOf(Press(0x42F, Qt::NoModifier, 52), true), 'Z');
    EXPECT_EQ(PlayKeyOf(Press(0x419, Qt::NoModifier, 24), true), 'Q');
    // A layout whose letters are Latin keeps its own letters (A where Q is).
    EXPECT_EQ(PlayKeyOf(Press(Qt::Key_A, Qt::NoModifier, 24), true), 'A');
}

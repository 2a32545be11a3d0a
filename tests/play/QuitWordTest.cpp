// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/QuitWord.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {

// Feeds keys one by one and records what each did.
std::vector<KeyAction> Type(const std::string& keys, int& state)
{
    std::vector<KeyAction> actions;
    for (const char key : keys)
        actions.push_back(AdvanceQuitWord(state, key));
    return actions;
}

int CountOf(const std::vector<KeyAction>& actions, KeyAction action)
{
    return static_cast<int>(std::count(actions.begin(), actions.end(), action));
}

QKeyEvent Press(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier, quint32 scanCode = 0)
{
    return QKeyEvent(QEvent::KeyPress, qtKey, modifiers, scanCode, 0, 0);
}

} // namespace

TEST(QuitWord, TheWordEndsThePlayAfterSixPictures)
{
    int state = 0;
    const auto actions = Type("KOLO486", state);
    EXPECT_EQ(CountOf(actions, KeyAction::ShowPicture), 6);
    EXPECT_EQ(actions.back(), KeyAction::EndPlay);
    EXPECT_EQ(state, 0);
}

TEST(QuitWord, KStartsANewAttemptAnywhere)
{
    int state = 0;
    EXPECT_EQ(Type("KOLKOLO486", state).back(), KeyAction::EndPlay);
    state = 0;
    EXPECT_EQ(Type("KOLOKOLO486", state).back(), KeyAction::EndPlay);
}

TEST(QuitWord, AWrongKeyResetsTheWord)
{
    for (const std::string broken :
         {"KOLO48X6", "KOLO4X86", "KOOLO486", "KOLL486", "OLO486", "KOLO466", "KOLO4886"}) {
        int state = 0;
        const auto actions = Type(broken, state);
        EXPECT_EQ(CountOf(actions, KeyAction::EndPlay), 0) << broken;
    }
}

TEST(QuitWord, StatesFollowTheWordAndAResetsIt)
{
    int state = 0;
    const std::string word = "KOLO48";
    for (std::size_t i = 0; i < word.size(); ++i) {
        AdvanceQuitWord(state, word[i]);
        EXPECT_EQ(state, static_cast<int>(i) + 1);
    }
    EXPECT_EQ(AdvanceQuitWord(state, 'A'), KeyAction::ReplaySound);
    EXPECT_EQ(state, 0);
    state = 6;
    EXPECT_EQ(AdvanceQuitWord(state, kOtherKey), KeyAction::ShowPicture);
    EXPECT_EQ(state, 0);
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

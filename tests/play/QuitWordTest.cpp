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
    EXPECT_EQ(PlayKeyOf(Press(Qt::Key_K)), 'K');
    EXPECT_EQ(PlayKeyOf(Press(Qt::Key_K, Qt::ShiftModifier)), 'K');
}

TEST(PlayKey, MainKeyboardDigitsAreDigitsKeypadDigitsAreNot)
{
    EXPECT_EQ(PlayKeyOf(Press(Qt::Key_6)), '6');
    EXPECT_EQ(PlayKeyOf(Press(Qt::Key_6, Qt::KeypadModifier)), kOtherKey);
    // The digit row on X11 keeps its digit with Shift held ("$" over 4).
    EXPECT_EQ(PlayKeyOf(Press(Qt::Key_Dollar, Qt::ShiftModifier, 13)), '4');
    EXPECT_EQ(PlayKeyOf(Press(Qt::Key_ParenRight, Qt::ShiftModifier, 19)), '0');
    EXPECT_EQ(PlayKeyOf(Press(Qt::Key_Shift)), kOtherKey);
    EXPECT_EQ(PlayKeyOf(Press(Qt::Key_Space)), kOtherKey);
}

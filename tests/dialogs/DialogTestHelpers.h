// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBox.h"
#include "platform/ModalDialog.h"

#include <QDialog>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>

// Answers message boxes from a list, then with each box's default button, and keeps them.
class ScriptedAnswers
{
public:
    ScriptedAnswers()
        : m_messages([this](const MessageRequest& request) {
              if (m_answers.empty())
                  return request.defaultButton;
              const MessageResult answer = m_answers.front();
              m_answers.pop_front();
              return answer;
          })
    {
    }

    void Queue(std::initializer_list<MessageResult> answers)
    {
        m_answers.insert(m_answers.end(), answers);
    }
    const std::vector<MessageRequest>& Shown() const { return m_messages.Shown(); }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const MessageRequest& request : Shown())
            texts.push_back(request.text);
        return texts;
    }

private:
    std::deque<MessageResult> m_answers;
    ScriptedMessages m_messages;
};

// Runs the program's next modal dialogs through `act`, which is handed each once it is shown
// and should end it, as a user would. Every dialog run meanwhile must be a T.
template <class T> class DialogScript
{
public:
    explicit DialogScript(std::function<void(T&)> act)
        : m_act(std::move(act)), m_dialogs([this](QDialog& shown) {
              auto* const dialog = qobject_cast<T*>(&shown);
              if (!dialog) {
                  ADD_FAILURE() << "unexpected dialog " << shown.metaObject()->className();
                  return;
              }
              m_act(*dialog);
          })
    {
    }
    ~DialogScript() { EXPECT_EQ(m_dialogs.LeftOpen(), 0) << "a script left its dialog open"; }

    int Runs() const { return m_dialogs.Runs(); }

private:
    std::function<void(T&)> m_act;
    ScriptedDialogs m_dialogs;
};

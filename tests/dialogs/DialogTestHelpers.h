#pragma once

#include "platform/MessageBox.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

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

// Acts on the next modal dialog of type T as soon as it runs: `act` is called from inside the
// dialog's own event loop and should end it.
template <class T> class ModalWatch
{
public:
    explicit ModalWatch(std::function<void(T&)> act) : m_act(std::move(act))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                m_timer.stop();
                ++m_runs;
                m_act(*dialog);
            }
        });
        m_timer.start();
    }

    int Runs() const { return m_runs; }

private:
    std::function<void(T&)> m_act;
    QTimer m_timer;
    int m_runs = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TestSeam.h"

#include <functional>
#include <string>
#include <vector>

class QWidget;

enum class MessageIcon { None, Information, Exclamation, Stop, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageResult { Ok, Cancel, Yes, No };

struct MessageRequest
{
    QWidget* owner = nullptr; // none: the box belongs to no window
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageResult defaultButton = MessageResult::Ok;
};

// Shows a modal message box and returns the button chosen (Esc or closing
// gives Cancel where there is one, else No or Ok).
MessageResult ShowMessage(const MessageRequest& request);

// Test seam: while an object of this class lives, ShowMessage records each
// request and returns the answerer's result instead of showing a window.
class ScriptedMessages : public TestSeam<ScriptedMessages>
{
public:
    using Answerer = std::function<MessageResult(const MessageRequest&)>;
    explicit ScriptedMessages(Answerer answerer = {}); // default: the default button

    const std::vector<MessageRequest>& Shown() const { return m_shown; }

private:
    friend MessageResult ShowMessage(const MessageRequest& request);
    Answerer m_answerer;
    std::vector<MessageRequest> m_shown;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <algorithm>
#include <array>

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The buttons of each choice, left to right; unused places hold Ok.
struct ButtonSet
{
    int count;
    std::array<MessageResult, 3> results;
};

ButtonSet ButtonsOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel:
        return {2, {MessageResult::Ok, MessageResult::Cancel}};
    case MessageButtons::YesNo:
        return {2, {MessageResult::Yes, MessageResult::No}};
    case MessageButtons::YesNoCancel:
        return {3, {MessageResult::Yes, MessageResult::No, MessageResult::Cancel}};
    case MessageButtons::Ok:
        break;
    }
    return {1, {MessageResult::Ok}};
}

bool Offers(const ButtonSet& set, MessageResult result)
{
    return std::find(set.results.begin(), set.results.begin() + set.count, result) !=
           set.results.begin() + set.count;
}

// The requested default when the box has that button, else its first button.
MessageResult DefaultResult(const MessageRequest& request)
{
    const ButtonSet set = ButtonsOf(request.buttons);
    return Offers(set, request.defaultButton) ? request.defaultButton : set.results[0];
}

// Esc and closing the box: Cancel where there is one, else No, else Ok.
MessageResult EscapeResult(const ButtonSet& set)
{
    for (const MessageResult result : {MessageResult::Cancel, MessageResult::No}) {
        if (Offers(set, result))
            return result;
    }
    return MessageResult::Ok;
}

QMessageBox::StandardButton BoxButton(MessageResult result)
{
    switch (result) {
    case MessageResult::Cancel:
        return QMessageBox::Cancel;
    case MessageResult::Yes:
        return QMessageBox::Yes;
    case MessageResult::No:
        return QMessageBox::No;
    case MessageResult::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageResult ShowBox(const MessageRequest& request)
{
    QMessageBox box(BoxIcon(request.icon), QString::fromStdString(request.caption),
                    QString::fromStdString(request.text), QMessageBox::NoButton, request.owner);
    box.setTextFormat(Qt::PlainText);
    const ButtonSet set = ButtonsOf(request.buttons);
    for (int index = 0; index < set.count; ++index)
        box.addButton(BoxButton(set.results[index]));
    box.setDefaultButton(BoxButton(DefaultResult(request)));
    const MessageResult escape = EscapeResult(set);
    box.setEscapeButton(BoxButton(escape));
    box.exec();

    const QAbstractButton* const clicked = box.clickedButton();
    for (int index = 0; index < set.count; ++index) {
        if (clicked == box.button(BoxButton(set.results[index])))
            return set.results[index];
    }
    return escape;
}

} // namespace

MessageResult ShowMessage(const MessageRequest& request)
{
    ScriptedMessages* const script = ScriptedMessages::Active();
    if (!script)
        return ShowBox(request);
    script->m_shown.push_back(request);
    return script->m_answerer ? script->m_answerer(request) : DefaultResult(request);
}

ScriptedMessages::ScriptedMessages(Answerer answerer) : m_answerer(std::move(answerer)) {}

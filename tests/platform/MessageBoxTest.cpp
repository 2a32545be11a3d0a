// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageBox.h"
#include "tests/support/WhenShown.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

MessageRequest Request(MessageIcon icon, MessageButtons buttons, MessageResult defaultButton)
{
    return {nullptr, "Type <b>kolo486</b> & rest.", "Warning", icon, buttons, defaultButton};
}

TEST(ScriptedMessages, RecordsRequestsAndAnswersWithTheDefaultButton)
{
    ScriptedMessages outer;
    const MessageIcon icon = MessageIcon::Question;
    EXPECT_EQ(ShowMessage(Request(icon, MessageButtons::YesNo, MessageResult::No)),
              MessageResult::No);
    // A default the box does not have falls to its first button.
    EXPECT_EQ(ShowMessage(Request(icon, MessageButtons::YesNo, MessageResult::Ok)),
              MessageResult::Yes);
    {
        ScriptedMessages inner([](const MessageRequest&) { return MessageResult::Cancel; });
        EXPECT_EQ(ShowMessage(Request(icon, MessageButtons::OkCancel, MessageResult::Ok)),
                  MessageResult::Cancel);
        EXPECT_EQ(inner.Shown().size(), 1u);
    }
    ASSERT_EQ(outer.Shown().size(), 2u);
    const MessageRequest& first = outer.Shown()[0];
    EXPECT_EQ(first.text, "Type <b>kolo486</b> & rest.");
    EXPECT_EQ(first.caption, "Warning");
    EXPECT_EQ(first.icon, icon);
    EXPECT_EQ(first.buttons, MessageButtons::YesNo);
    EXPECT_EQ(first.defaultButton, MessageResult::No);
}

TEST(ShowMessage, ShowsTheRequestAsAMessageBox)
{
    using Box = QMessageBox;
    const struct
    {
        MessageRequest request;
        Box::Icon icon;
        Box::StandardButtons buttons;
        Box::StandardButton defaultButton;
        Box::StandardButton click; // NoButton: Esc
        MessageResult result;
    } cases[] = {
        {Request(MessageIcon::Exclamation, MessageButtons::Ok, MessageResult::Ok), Box::Warning,
         Box::Ok, Box::Ok, Box::NoButton, MessageResult::Ok},
        {Request(MessageIcon::Stop, MessageButtons::OkCancel, MessageResult::Cancel), Box::Critical,
         Box::Ok | Box::Cancel, Box::Cancel, Box::Ok, MessageResult::Ok},
        {Request(MessageIcon::Question, MessageButtons::YesNo, MessageResult::Ok), Box::Question,
         Box::Yes | Box::No, Box::Yes, Box::NoButton, MessageResult::No},
        {Request(MessageIcon::Information, MessageButtons::YesNoCancel, MessageResult::No),
         Box::Information, Box::Yes | Box::No | Box::Cancel, Box::No, Box::NoButton,
         MessageResult::Cancel},
        {Request(MessageIcon::None, MessageButtons::YesNoCancel, MessageResult::Yes), Box::NoIcon,
         Box::Yes | Box::No | Box::Cancel, Box::Yes, Box::No, MessageResult::No},
    };
    QWidget owner;
    for (auto boxCase : cases) {
        boxCase.request.owner = boxCase.icon == Box::Critical ? &owner : nullptr;
        const WhenShown<Box> answer([&boxCase](Box& box) {
            EXPECT_EQ(QApplication::activeModalWidget(), &box);
            EXPECT_EQ(box.parentWidget(), boxCase.request.owner);
            EXPECT_EQ(box.windowTitle(), "Warning");
            EXPECT_EQ(box.text(), "Type <b>kolo486</b> & rest.");
            EXPECT_EQ(box.textFormat(), Qt::PlainText);
            EXPECT_EQ(box.icon(), boxCase.icon);
            EXPECT_EQ(box.standardButtons(), boxCase.buttons);
            EXPECT_EQ(box.standardButton(box.defaultButton()), boxCase.defaultButton);
            if (boxCase.click == Box::NoButton)
                QTest::keyClick(&box, Qt::Key_Escape);
            else
                box.button(boxCase.click)->click();
        });
        EXPECT_EQ(ShowMessage(boxCase.request), boxCase.result);
        EXPECT_EQ(answer.Shows(), 1);
    }
}

} // namespace

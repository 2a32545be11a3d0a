#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

MessageRequest Request(MessageButtons buttons, MessageResult defaultButton)
{
    MessageRequest request;
    request.text = "Please enter an integer.";
    request.caption = "Warning";
    request.icon = MessageIcon::Exclamation;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    return request;
}

TEST(ScriptedMessages, RecordsRequestsAndAnswersWithTheDefaultButton)
{
    ScriptedMessages outer;
    EXPECT_EQ(ShowMessage(Request(MessageButtons::YesNo, MessageResult::No)), MessageResult::No);
    // A default the box does not have falls to its first button.
    EXPECT_EQ(ShowMessage(Request(MessageButtons::YesNo, MessageResult::Ok)), MessageResult::Yes);
    EXPECT_EQ(ShowMessage(Request(MessageButtons::Ok, MessageResult::Cancel)), MessageResult::Ok);
    {
        ScriptedMessages inner([](const MessageRequest& request) {
            return request.buttons == MessageButtons::OkCancel ? MessageResult::Cancel
                                                               : MessageResult::Ok;
        });
        EXPECT_EQ(ShowMessage(Request(MessageButtons::OkCancel, MessageResult::Ok)),
                  MessageResult::Cancel);
        ASSERT_EQ(inner.Shown().size(), 1u);
    }
    ASSERT_EQ(outer.Shown().size(), 3u);
    const MessageRequest& first = outer.Shown()[0];
    EXPECT_EQ(first.text, "Please enter an integer.");
    EXPECT_EQ(first.caption, "Warning");
    EXPECT_EQ(first.icon, MessageIcon::Exclamation);
    EXPECT_EQ(first.buttons, MessageButtons::YesNo);
    EXPECT_EQ(first.defaultButton, MessageResult::No);
}

// What the box looked like when it came up.
struct SeenBox
{
    QString title;
    QString text;
    Qt::TextFormat textFormat = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QWidget* parent = nullptr;
};

// Shows the request as a real box, notes it and answers it by clicking the
// given button, or by Esc when there is none.
MessageResult ShowAndAnswer(const MessageRequest& request, SeenBox& seen,
                            QMessageBox::StandardButton click)
{
    QTimer::singleShot(0, [&seen, click] {
        auto* const box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no message box came up";
            return;
        }
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.textFormat = box->textFormat();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.defaultButton = box->standardButton(box->defaultButton());
        seen.parent = box->parentWidget();
        if (click == QMessageBox::NoButton)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(click)->click();
    });
    return ShowMessage(request);
}

struct BoxCase
{
    MessageIcon icon;
    MessageButtons buttons;
    MessageResult defaultButton;
    QMessageBox::StandardButton click; // NoButton: Esc
    MessageResult expected;
    QMessageBox::Icon boxIcon;
    QMessageBox::StandardButtons boxButtons;
    QMessageBox::StandardButton boxDefault;
};

TEST(ShowMessage, ShowsTheRequestAsAMessageBox)
{
    using B = QMessageBox;
    const BoxCase cases[] = {
        {MessageIcon::Exclamation, MessageButtons::Ok, MessageResult::Ok, B::NoButton,
         MessageResult::Ok, B::Warning, B::Ok, B::Ok},
        {MessageIcon::Stop, MessageButtons::OkCancel, MessageResult::Cancel, B::Ok,
         MessageResult::Ok, B::Critical, B::Ok | B::Cancel, B::Cancel},
        {MessageIcon::Stop, MessageButtons::OkCancel, MessageResult::Ok, B::NoButton,
         MessageResult::Cancel, B::Critical, B::Ok | B::Cancel, B::Ok},
        {MessageIcon::Question, MessageButtons::YesNo, MessageResult::No, B::NoButton,
         MessageResult::No, B::Question, B::Yes | B::No, B::No},
        {MessageIcon::Information, MessageButtons::YesNoCancel, MessageResult::Ok, B::NoButton,
         MessageResult::Cancel, B::Information, B::Yes | B::No | B::Cancel, B::Yes},
        {MessageIcon::None, MessageButtons::YesNoCancel, MessageResult::No, B::Yes,
         MessageResult::Yes, B::NoIcon, B::Yes | B::No | B::Cancel, B::No},
    };
    for (const BoxCase& boxCase : cases) {
        MessageRequest request = Request(boxCase.buttons, boxCase.defaultButton);
        request.icon = boxCase.icon;
        request.text = "Type <b>kolo486</b> & rest.";
        SeenBox seen;
        EXPECT_EQ(ShowAndAnswer(request, seen, boxCase.click), boxCase.expected);
        EXPECT_EQ(seen.title, "Warning");
        EXPECT_EQ(seen.text, "Type <b>kolo486</b> & rest.");
        EXPECT_EQ(seen.textFormat, Qt::PlainText);
        EXPECT_EQ(seen.icon, boxCase.boxIcon);
        EXPECT_EQ(seen.buttons, boxCase.boxButtons);
        EXPECT_EQ(seen.defaultButton, boxCase.boxDefault);
        EXPECT_EQ(seen.parent, nullptr);
    }
}

TEST(ShowMessage, BelongsToItsOwner)
{
    QWidget owner;
    MessageRequest request = Request(MessageButtons::Ok, MessageResult::Ok);
    request.owner = &owner;
    SeenBox seen;
    EXPECT_EQ(ShowAndAnswer(request, seen, QMessageBox::Ok), MessageResult::Ok);
    EXPECT_EQ(seen.parent, &owner);
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogframe/DialogBuilder.h"

#include <QDialog>

#include <functional>
#include <string>

class CLinkLabel;
class QAbstractButton;

// The base of every dialog of the program: builds the dialog from its template, colours it
// orange with navy text, and answers F1 and the Help button (id 9) with the dialog's help
// topic. Button 1 accepts and button 2 rejects the dialog, as do Enter and Esc. Dialogs find
// their controls through CTypedDialog, by ids of their own type.
class CKipoDialog : public QDialog
{
    Q_OBJECT

public:
    CKipoDialog(int templateId, std::string helpTopic, QWidget* parent = nullptr);
    CKipoDialog(const DialogTemplate& dialogTemplate, std::string helpTopic,
                QWidget* parent = nullptr);

    const std::string& HelpTopic() const { return m_helpTopic; }

protected:
    // Runs once, when the dialog is first shown, after the controls exist.
    virtual void OnInitDialog() {}
    // F1 anywhere in the dialog and the Help button: opens the dialog's help topic.
    virtual void OnHelp();

    // The control the template numbers `number` if it is a T, else nullptr.
    template <class T> T* FindControl(int number) const { return m_builder.ControlAs<T>(number); }
    // The control the template numbers `number`, which must be there and be a T: a template
    // and the code that handles it disagree, and the program ends at once, in every build.
    template <class T> T* RequireControl(int number) const
    {
        return static_cast<T*>(RequiredControl(number, T::staticMetaObject));
    }
    // Calls `handler` whenever `button` is clicked.
    void ConnectButton(QAbstractButton& button, std::function<void()> handler);
    // Makes the static control the template numbers `number` a link label: the link cursor,
    // blue underlined text (which the colour rule shows navy), and a click opens the label's
    // text. nullptr when the dialog has no static control of that number.
    CLinkLabel* MakeLink(int number);

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* RequiredControl(int number, const QMetaObject& type) const;
    void ConnectButtonIfPresent(int number, std::function<void()> handler);

    int m_templateId;
    DialogBuilder m_builder;
    std::string m_helpTopic;
    bool m_initialised = false;
};

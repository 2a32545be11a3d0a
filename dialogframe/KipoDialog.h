#pragma once

#include "dialogframe/DialogBuilder.h"

#include <QDialog>

#include <functional>
#include <string>

class CLinkLabel;

// The base of every dialog of the program: builds the dialog from its template, colours it
// orange with navy text, and answers F1 and the Help button (id 9) with the dialog's help
// topic. Button 1 accepts and button 2 rejects the dialog, as do Enter and Esc.
class CKipoDialog : public QDialog
{
    Q_OBJECT

public:
    CKipoDialog(int templateId, std::string helpTopic, QWidget* parent = nullptr);
    CKipoDialog(const DialogTemplate& dialogTemplate, std::string helpTopic,
                QWidget* parent = nullptr);

    // The control with the given template id, or nullptr.
    QWidget* Control(int id) const { return m_builder.Control(id); }
    template <class T> T* ControlAs(int id) const { return m_builder.ControlAs<T>(id); }

    const std::string& HelpTopic() const { return m_helpTopic; }

protected:
    // Runs once, when the dialog is first shown, after the controls exist.
    virtual void OnInitDialog() {}
    // F1 anywhere in the dialog and the Help button: opens the dialog's help topic.
    virtual void OnHelp();

    // Calls `handler` whenever the button with the given id is clicked.
    void BindButton(int id, std::function<void()> handler);
    // Makes the static control with the given id a link label: the link cursor, blue
    // underlined text (which the colour rule shows navy), and a click opens the label's text.
    // nullptr when the dialog has no static control of that id.
    CLinkLabel* SetUpLink(int id);

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    DialogBuilder m_builder;
    std::string m_helpTopic;
    bool m_initialised = false;
};

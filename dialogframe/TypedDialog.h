// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogframe/KipoDialog.h"
#include "resources/ResourceIds.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

// A dialog whose controls are named by the id type Id and which is built from the template Id
// belongs to, so that an id of another dialog does not compile.
template <ControlId Id> class CTypedDialog : public CKipoDialog
{
public:
    explicit CTypedDialog(std::string helpTopic, QWidget* parent = nullptr)
        : CKipoDialog(kTemplateOf<Id>, std::move(helpTopic), parent)
    {
    }
    CTypedDialog(const DialogTemplate& dialogTemplate, std::string helpTopic,
                 QWidget* parent = nullptr)
        : CKipoDialog(dialogTemplate, std::move(helpTopic), parent)
    {
    }

    // The control with the given id if it is a T, else nullptr; tests find controls by it.
    template <class T = QWidget> T* Find(Id id) const { return FindControl<T>(IdNumber(id)); }

protected:
    // The control with the given id, which the template must have as a T; the program ends
    // at once, in every build, when it does not.
    template <class T = QWidget> T* Bind(Id id) const { return RequireControl<T>(IdNumber(id)); }
    // Calls `handler` whenever the button with the given id, which must be there, is clicked.
    void BindButton(Id id, std::function<void()> handler)
    {
        ConnectButton(*Bind<QAbstractButton>(id), std::move(handler));
    }
    // Makes the static control with the given id, which must be there, a link label.
    CLinkLabel* BindLink(Id id)
    {
        Bind<QLabel>(id);
        return MakeLink(IdNumber(id));
    }
};

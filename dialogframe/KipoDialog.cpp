// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogframe/KipoDialog.h"

#include "dialogframe/DialogColours.h"
#include "dialogframe/HelpTopic.h"
#include "dialogframe/LinkLabel.h"
#include "resources/LinkCursor.h"
#include "resources/ResourceIds.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>

#include <cstdint>

namespace {

constexpr std::uint32_t kLinkBlue = 0x00FF0000;

} // namespace

CKipoDialog::CKipoDialog(int templateId, std::string helpTopic, QWidget* parent)
    : CKipoDialog(DialogTemplateById(templateId), std::move(helpTopic), parent)
{
}

CKipoDialog::CKipoDialog(const DialogTemplate& dialogTemplate, std::string helpTopic,
                         QWidget* parent)
    : QDialog(parent), m_templateId(dialogTemplate.id), m_builder(dialogTemplate, *this),
      m_helpTopic(std::move(helpTopic))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // A dialog blocks only the windows it belongs to, so the help window, which belongs to
    // none, still takes the mouse and keys while a dialog runs.
    setWindowModality(Qt::WindowModal);
    ApplyDialogColours(*this);
    ConnectButtonIfPresent(kOkButtonId, [this] { accept(); });
    ConnectButtonIfPresent(kCancelButtonId, [this] { reject(); });
    ConnectButtonIfPresent(kHelpButtonId, [this] { OnHelp(); });
}

void CKipoDialog::OnHelp()
{
    ShowHelpTopic(m_helpTopic);
}

QWidget* CKipoDialog::RequiredControl(int number, const QMetaObject& type) const
{
    QWidget* control = m_builder.Control(number);
    if (!control || !type.cast(control))
        qFatal("dialog %d has no control %d of the kind %s", m_templateId, number,
               type.className());
    return control;
}

void CKipoDialog::ConnectButton(QAbstractButton& button, std::function<void()> handler)
{
    connect(&button, &QAbstractButton::clicked, this, std::move(handler));
}

void CKipoDialog::ConnectButtonIfPresent(int number, std::function<void()> handler)
{
    if (auto* button = FindControl<QAbstractButton>(number))
        ConnectButton(*button, std::move(handler));
}

CLinkLabel* CKipoDialog::MakeLink(int number)
{
    const auto* control = FindControl<QLabel>(number);
    if (!control)
        return nullptr;
    auto* label = new CLinkLabel(*control);
    m_builder.ReplaceControl(number, label);
    label->SetLink(true).SetTextColor(kLinkBlue).SetUnderline(true).SetLinkCursor(LinkCursor());
    return label;
}

void CKipoDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        OnHelp();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CKipoDialog::showEvent(QShowEvent* event)
{
    // The dialog takes its place over its parent first, so that a message its initialisation
    // shows appears over where the dialog will be.
    QDialog::showEvent(event);
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
}

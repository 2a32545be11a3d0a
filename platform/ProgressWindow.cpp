// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProgressWindow.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include <limits>

ProgressWindow::ProgressWindow(QWidget* owner) : m_script(ScriptedProgress::Active())
{
    if (m_script) {
        m_script->m_value = -1;
        m_script->m_shown = false;
        m_script->m_cancelled = false;
        return;
    }
    // The dialog's own Cancel button, named in the language of Qt's catalogue.
    m_dialog = std::make_unique<QProgressDialog>(owner);
    m_dialog->setRange(0, 1000);
    m_dialog->setWindowModality(Qt::WindowModal);
    // Shown by Show, never by the dialog's own timer.
    m_dialog->setMinimumDuration(std::numeric_limits<int>::max());
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::SetText(const QString& text)
{
    if (m_dialog)
        m_dialog->setLabelText(text);
    else
        m_script->Record("text " + text.toStdString());
}

void ProgressWindow::SetValue(int perMille)
{
    if (m_dialog) {
        m_dialog->setValue(perMille);
        return;
    }
    ScriptedProgress& script = *m_script;
    if (script.m_value != perMille) {
        script.m_value = perMille;
        script.Record("value " + std::to_string(perMille));
    }
}

void ProgressWindow::Show()
{
    if (m_dialog) {
        m_dialog->show();
        return;
    }
    ScriptedProgress& script = *m_script;
    if (!script.m_shown) {
        script.m_shown = true;
        script.Record("show");
    }
}

void ProgressWindow::Hide()
{
    if (m_dialog) {
        m_dialog->hide();
        return;
    }
    ScriptedProgress& script = *m_script;
    if (script.m_shown) {
        script.m_shown = false;
        script.Record("hide");
    }
}

bool ProgressWindow::IsShown() const
{
    return m_dialog ? m_dialog->isVisible() : m_script->m_shown;
}

void ProgressWindow::LetEventsThrough()
{
    if (!IsShown())
        return;
    // Shown by hand, the window is repainted and its Cancel pressed only through this.
    if (m_dialog)
        QCoreApplication::processEvents();
    else
        m_script->Record("events");
}

bool ProgressWindow::Cancelled() const
{
    return m_dialog ? m_dialog->wasCanceled() : m_script->m_cancelled;
}

ScriptedProgress::ScriptedProgress(Reaction reaction) : m_reaction(std::move(reaction)) {}

void ScriptedProgress::Record(std::string step)
{
    m_steps.push_back(std::move(step));
    if (m_reaction)
        m_reaction(m_steps.back());
}

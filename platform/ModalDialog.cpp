// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ModalDialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>

namespace {

// Shows the dialog as exec would, lets the script act on it, and ends it if the script did not.
int RunScripted(ScriptedDialogs::Script& script, QDialog& dialog, int& leftOpen)
{
    const bool wasModal = dialog.testAttribute(Qt::WA_ShowModal);
    dialog.setAttribute(Qt::WA_ShowModal, true);
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    // What the dialog posted while it initialised happens before the user acts.
    QCoreApplication::processEvents();
    if (script)
        script(dialog);
    if (dialog.isVisible()) {
        if (script)
            ++leftOpen;
        dialog.reject();
    }
    dialog.setAttribute(Qt::WA_ShowModal, wasModal);
    return dialog.result();
}

} // namespace

int RunModal(QDialog& dialog)
{
    ScriptedDialogs* const script = ScriptedDialogs::Active();
    if (!script)
        return dialog.exec();
    ++script->m_runs;
    return RunScripted(script->m_script, dialog, script->m_leftOpen);
}

// QDialog::exec ends when the dialog is hidden; this loop only when it is done.
int RunMainDialog(QDialog& dialog)
{
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    loop.exec();
    return dialog.result();
}

ScriptedDialogs::ScriptedDialogs(Script script) : m_script(std::move(script)) {}

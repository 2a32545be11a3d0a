// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/KipoDlg.h"

#include "platform/DisplayPlatform.h"
#include "resources/StringTable.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include <algorithm>

namespace {

// GNOME remembers the answer for a program it knows by its desktop entry and
// asks again at each play for any other copy; other desktops rarely refuse.
int LockRefusedNoteText()
{
    if (!RunsOnGnome())
        return kStrKeysWillNotLock;
    return DesktopEntryInstalled() ? kStrKeysWillNotLockGnome : kStrKeysWillNotLockGnomeCopy;
}

} // namespace

void CKipoDlg::ConnectPlay()
{
    // Behind the play the dialog takes no key and no click, whichever window
    // manager lets it have the focus.
    connect(&m_play, &PlaySession::starting, this, [this] { setEnabled(false); });
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &CKipoDlg::StepAsideFromPlay);
    connect(&m_play, &PlaySession::ended, this, &CKipoDlg::OnPlayEnded);
    connect(&m_play, &PlaySession::lockRefusedAhead, this, &CKipoDlg::ShowLockRefusedNote);
}

void CKipoDlg::OnStart()
{
    m_play.Start();
}

// A Wayland compositor may hand the keyboard to any window of the program (GNOME's
// touch gesture that switches applications does), and nothing holds it on the play
// there. So once a window of the play has the keyboard, the program's other windows
// leave the screen until the play ends.
void CKipoDlg::StepAsideFromPlay(QWindow* focus)
{
    if (!m_play.IsPlaying() || !focus || !m_play.Window().OwnsWindow(focus) ||
        !RunsAsWaylandClient())
        return;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !m_play.Window().OwnsWindow(window->windowHandle())) {
            m_asideFromPlay.emplace_back(window);
            window->hide();
        }
    }
    // Windows come back parents first: the compositor places a window by its
    // parent when it is mapped.
    std::stable_partition(m_asideFromPlay.begin(), m_asideFromPlay.end(),
                          [](const QPointer<QWidget>& window) { return !window->parentWidget(); });
}

void CKipoDlg::OnPlayEnded()
{
    for (const QPointer<QWidget>& window : m_asideFromPlay) {
        if (window)
            window->show();
    }
    m_asideFromPlay.clear();
    setEnabled(true);
    raise();
    activateWindow();
}

// The note goes where the buttons begin; they and the dialog's bottom edge
// move down to make room, half a line more for the gap above the buttons.
void CKipoDlg::ShowLockRefusedNote()
{
    if (m_lockNote)
        return;
    const QWidget& start = *Find<QPushButton>(WelcomeId::Start);
    const QWidget& setup = *Find<QPushButton>(WelcomeId::Setup);
    m_lockNote = new QLabel(QString::fromStdString(LoadString(LockRefusedNoteText())), this);
    m_lockNote->setWordWrap(true);
    const int width = setup.geometry().right() - start.x() + 1;
    const int height = m_lockNote->heightForWidth(width);
    const int top = start.y();
    const int shift = height + fontMetrics().height() / 2;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != m_lockNote && child->y() >= top)
            child->move(child->x(), child->y() + shift);
    }
    m_lockNote->setGeometry(start.x(), top, width, height);
    m_lockNote->show();
    setFixedSize(this->width(), this->height() + shift);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayStage.h"

#include <QTest>

PlayStage::PlayStage()
{
    m_settings.Load();
    m_settings.keyDelayOn = 0;
    m_settings.timeLimitOn = 0;
    m_settings.autoDisplayOn = 0;
}

PlaySession& PlayStage::Session()
{
    if (!m_session)
        m_session = std::make_unique<PlaySession>(m_settings, m_owner);
    return *m_session;
}

const QTimer& PlayStage::Timer(const char* name)
{
    return *Session().findChild<QTimer*>(QString::fromLatin1(name));
}

bool PlayStage::InputsAnswered()
{
    return QTest::qWaitFor([&] { return !Window().Inputs().HasWaiting(); }, 30000);
}

void PlayStage::StartSession()
{
    if (!m_settings.Save())
        ADD_FAILURE() << "the play stage's settings were not saved";
    Session().Start();
}

void PlayStage::TypeQuitWord(QWidget& target)
{
    for (const auto key : kQuitWordKeys)
        QTest::keyClick(&target, key);
}

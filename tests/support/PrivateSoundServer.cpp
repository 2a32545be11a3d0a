// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/PrivateSoundServer.h"

#include <QFileInfo>
#include <QThread>

namespace {

constexpr int kStartTries = 100;
constexpr int kTryPauseMs = 50;

} // namespace

PrivateSoundServer::PrivateSoundServer() = default;

PrivateSoundServer::~PrivateSoundServer()
{
    Stop();
}

QString PrivateSoundServer::Address() const
{
    return "unix:" + m_dir.filePath("native");
}

bool PrivateSoundServer::Start()
{
    Stop();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", m_dir.path());
    environment.insert("XDG_RUNTIME_DIR", m_dir.path());
    environment.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
    environment.remove("DISPLAY");
    environment.remove("DBUS_SESSION_BUS_ADDRESS");
    m_server.setProcessEnvironment(environment);
    m_server.setStandardOutputFile(QProcess::nullDevice());
    m_server.setStandardErrorFile(m_dir.filePath("server.log"), QIODevice::Append);
    m_server.start("pulseaudio",
                   {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
                    "--use-pid-file=no", "--log-target=stderr", "-L",
                    "module-null-sink sink_name=tapnest_test rate=48000", "-L",
                    "module-native-protocol-unix socket=" + m_dir.filePath("native")});
    if (!m_server.waitForStarted())
        return false;
    for (int attempt = 0; attempt < kStartTries; ++attempt) {
        if (QFileInfo::exists(m_dir.filePath("native")))
            return true;
        if (m_server.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(kTryPauseMs);
    }
    return false;
}

void PrivateSoundServer::Stop()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.kill();
    m_server.waitForFinished();
    QFile::remove(m_dir.filePath("native"));
}

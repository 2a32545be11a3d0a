// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/PrivateSoundServer.h"

#include <QFileInfo>
#include <QProcessEnvironment>
#include <QThread>

#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kStartTries = 100;
constexpr int kTryPauseMs = 50;

std::vector<QByteArray> Encoded(const QStringList& texts)
{
    std::vector<QByteArray> encoded;
    for (const QString& text : texts)
        encoded.push_back(text.toLocal8Bit());
    return encoded;
}

// A null-ended list of the texts, for exec.
std::vector<char*> Pointers(std::vector<QByteArray>& texts)
{
    std::vector<char*> pointers;
    for (QByteArray& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

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
    const QStringList arguments = {"pulseaudio",
                                   "-n",
                                   "--daemonize=no",
                                   "--exit-idle-time=-1",
                                   "--disallow-exit",
                                   "--use-pid-file=no",
                                   "--log-target=stderr",
                                   "-L",
                                   "module-null-sink sink_name=tapnest_test rate=48000",
                                   "-L",
                                   "module-native-protocol-unix socket=" +
                                       m_dir.filePath("native")};

    std::vector<QByteArray> argumentTexts = Encoded(arguments);
    std::vector<QByteArray> environmentTexts = Encoded(environment.toStringList());
    const std::vector<char*> argv = Pointers(argumentTexts);
    const std::vector<char*> envp = Pointers(environmentTexts);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const QByteArray log = m_dir.filePath("server.log").toLocal8Bit();
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, log.constData(),
                                     O_WRONLY | O_CREAT | O_APPEND, 0600);
    const int failure = posix_spawnp(&m_server, argv[0], &files, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&files);
    if (failure != 0) {
        m_server = 0;
        return false;
    }
    for (int attempt = 0; attempt < kStartTries; ++attempt) {
        if (QFileInfo::exists(m_dir.filePath("native")))
            return true;
        if (!Running())
            return false;
        QThread::msleep(kTryPauseMs);
    }
    return false;
}

bool PrivateSoundServer::Running()
{
    if (m_server == 0)
        return false;
    if (waitpid(m_server, nullptr, WNOHANG) == 0)
        return true;
    m_server = 0;
    return false;
}

void PrivateSoundServer::Stop()
{
    if (!Running())
        return;
    kill(m_server, SIGKILL);
    waitpid(m_server, nullptr, 0);
    m_server = 0;
    QFile::remove(m_dir.filePath("native"));
}

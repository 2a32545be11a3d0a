// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>

// A sound server of the test's own: PulseAudio with one null sink, reached
// through a socket in a private directory, so a test never touches the
// desktop's sound. The server may be started and stopped again. It is started
// with posix_spawn rather than QProcess, whose clone-based start the thread
// sanitizer cannot follow.
class PrivateSoundServer
{
public:
    PrivateSoundServer();
    ~PrivateSoundServer();
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    // The address for PULSE_SERVER; valid whether or not the server runs.
    QString Address() const;
    // Starts the server and waits until its socket is there; false on failure.
    bool Start();
    void Stop();

private:
    bool Running();

    QTemporaryDir m_dir;
    pid_t m_server = 0; // 0 while no server runs
};

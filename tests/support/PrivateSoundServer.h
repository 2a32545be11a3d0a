// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A sound server of the test's own: PulseAudio with one null sink, reached
// through a socket in a private directory, so a test never touches the
// desktop's sound. The server may be started and stopped again.
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
    QTemporaryDir m_dir;
    QProcess m_server;
};

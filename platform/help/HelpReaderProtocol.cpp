// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help/HelpReaderProtocol.h"

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>

namespace {

std::string LittleEndian(std::uint64_t value, int bytes)
{
    std::string text;
    for (int i = 0; i < bytes; ++i)
        text += static_cast<char>(value >> (8 * i) & 0xFF);
    return text;
}

} // namespace

std::string HelpRequestBytes(HelpRequest request, std::string_view objectPath,
                             std::uint64_t maxBytes)
{
    return std::string(1, static_cast<char>(request)) + LittleEndian(maxBytes, 8) +
           LittleEndian(objectPath.size(), 4) + std::string(objectPath);
}

std::string HelpAnswerHeader(bool there, std::uint64_t length)
{
    return std::string(1, there ? '\1' : '\0') + LittleEndian(length, 8);
}

std::uint64_t FromLittleEndian(const char* bytes, int count)
{
    std::uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    return value;
}

bool SendAll(int socket, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool ReceiveAll(int socket, char* data, std::size_t size,
                std::optional<std::chrono::steady_clock::time_point> deadline)
{
    using namespace std::chrono;
    while (size > 0) {
        if (deadline) {
            const auto left = duration_cast<milliseconds>(*deadline - steady_clock::now());
            pollfd ready{.fd = socket, .events = POLLIN, .revents = 0};
            const int polled =
                poll(&ready, 1, static_cast<int>(std::max<long long>(0, left.count())));
            if (polled < 0 && errno == EINTR)
                continue;
            if (polled <= 0)
                return false;
        }
        const ssize_t got = recv(socket, data, size, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        data += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

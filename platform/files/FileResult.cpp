// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/files/FileResult.h"

#include <cerrno>
#include <cstring>

FileResult FileResult::FromErrno(std::string path)
{
    return Failure(std::move(path), std::strerror(errno));
}

FileResult FileResult::Failure(std::string path, std::string reason)
{
    FileResult result;
    result.m_failed = true;
    result.m_path = std::move(path);
    result.m_reason = std::move(reason);
    return result;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Uuid.h"

#include <QUuid>

std::string NewUuidText()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper().toStdString();
}

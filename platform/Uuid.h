// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A new random UUID in 8-4-4-4-12 form, upper case, without braces.
std::string NewUuidText();

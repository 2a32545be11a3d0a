// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Makes the default content library in `dir` (created if missing): the
// picture groups with their group files, cut lists and own sounds, the
// DefVoice folder of default sounds, Hello.wav and GoodBye.wav. Returns an
// empty text on success, else what could not be made. Needs a
// QGuiApplication for the fonts.
std::string MakeContentLibrary(const std::string& dir);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The languages the program ships a catalogue for: a desktop language that asks for it and the
// catalogue's name.
struct Catalogue
{
    const char* uiLanguage;
    const char* name;
};

inline constexpr Catalogue kCatalogues[] = {
    {"de-DE", "de"}, {"es-ES", "es"}, {"fr-FR", "fr"},    {"it-IT", "it"}, {"ja-JP", "ja"},
    {"nl-NL", "nl"}, {"pl-PL", "pl"}, {"pt-BR", "pt_BR"}, {"ru-RU", "ru"}, {"zh-CN", "zh_CN"},
};

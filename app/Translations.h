// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

// The catalogues of one language, installed into the application while this object lives: the
// program's own, embedded in it, and Qt's, for the standard buttons and dialogs. The language is
// the first of the desktop's languages that has a catalogue of the program; English, the
// language of the program's texts, needs none, so it and every language after it are left be.
class Translations
{
public:
    // `uiLanguages`: most wanted first, as QLocale::uiLanguages() names them ("de-DE", "zh-CN").
    explicit Translations(const QStringList& uiLanguages = QLocale::system().uiLanguages());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The suffix of the program's catalogue in use, such as "de" or "pt_BR"; empty for English.
    const QString& Language() const { return m_language; }

private:
    QString m_language;
    QTranslator m_program;
    QTranslator m_qt;
};

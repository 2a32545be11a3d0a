// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

namespace {

// Where the build embeds the program's catalogues, as tapnest_<language>.qm.
const QString kCatalogueFolder = QStringLiteral(":/i18n");
const QString kCataloguePrefix = QStringLiteral("tapnest_");

bool CatalogueShipped(const QString& language)
{
    return QFile::exists(kCatalogueFolder + u'/' + kCataloguePrefix + language +
                         QStringLiteral(".qm"));
}

// The catalogue for the first language that has one: a language and territory ("pt_BR") before
// the language alone ("de" for "de-AT"); empty when English or none comes first.
QString ChooseLanguage(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return {};
        for (const QString& candidate :
             {locale.name(), QLocale::languageToCode(locale.language())}) {
            if (CatalogueShipped(candidate))
                return candidate;
        }
    }
    return {};
}

} // namespace

Translations::Translations(const QStringList& uiLanguages) : m_language(ChooseLanguage(uiLanguages))
{
    if (m_language.isEmpty())
        return;
    if (m_program.load(kCataloguePrefix + m_language, kCatalogueFolder))
        QCoreApplication::installTranslator(&m_program);
    // Qt's catalogues come with Qt (qt6-translations-l10n); without one, its buttons stay English.
    if (m_qt.load(QStringLiteral("qtbase_") + m_language,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

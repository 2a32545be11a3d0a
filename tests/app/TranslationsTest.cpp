// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"
#include "dialogframe/DialogBuilder.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "tests/support/Catalogues.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>

namespace {

TEST(Translations, TheFirstDesktopLanguageWithACatalogueIsChosenAndEnglishEndsTheSearch)
{
    const struct
    {
        QStringList uiLanguages;
        QString catalogue;
    } cases[] = {
        {{"de-DE", "de-Latn-DE", "de"}, "de"},
        {{"de-AT", "de"}, "de"},
        {{"pt-BR", "pt-Latn-BR", "pt"}, "pt_BR"},
        {{"zh-CN", "zh-Hans-CN", "zh"}, "zh_CN"},
        {{"zh-TW", "zh-Hant-TW"}, ""},
        {{"cs-CZ", "cs", "fr-FR", "fr"}, "fr"},
        {{"en", "en-Latn-US", "en-US", "de", "de-DE"}, ""},
        {{"en-GB", "ja-JP"}, ""},
        {{"C"}, ""},
        {{}, ""},
    };
    for (const auto& [uiLanguages, catalogue] : cases) {
        SCOPED_TRACE(uiLanguages.join(' ').toStdString());
        const Translations translations(uiLanguages);
        EXPECT_EQ(translations.Language(), catalogue);
    }
}

QString SetupTitle()
{
    QDialog dialog;
    const DialogBuilder builder(DialogTemplateById(kSetupDialogId), dialog);
    return dialog.windowTitle();
}

// Each catalogue serves its language while its object lives: the string table, the dialog
// templates and Qt's own standard buttons; afterwards the texts are English again.
TEST(Translations, EveryCatalogueTranslatesTheProgramAndQtWhileItLives)
{
    for (const Catalogue& catalogue : kCatalogues) {
        SCOPED_TRACE(catalogue.name);
        {
            const Translations translations({catalogue.uiLanguage});
            EXPECT_EQ(translations.Language(), catalogue.name);
            EXPECT_NE(LoadString(kStrWarning), "Warning");
            EXPECT_NE(SetupTitle(), "Setup");
            EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
        }
        EXPECT_EQ(LoadString(kStrWarning), "Warning");
        EXPECT_EQ(SetupTitle(), "Setup");
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
    }
}

} // namespace

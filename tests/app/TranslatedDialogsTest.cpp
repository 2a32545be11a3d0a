// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"
#include "dialogframe/DialogBuilder.h"
#include "dialogframe/GroupFrame.h"
#include "dialogframe/OwnerDrawButton.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "tests/support/Catalogues.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>

#include <climits>
#include <optional>
#include <string>

namespace {

const int kTemplateIds[] = {kWelcomeDialogId,      kAboutDialogId,       kThanksDialogId,
                            kSetupDialogId,        kManageVoiceDialogId, kAddPicTermDialogId,
                            kManagePicTermDialogId};

// Texts of the string table that a dialog shows in a control of its template.
struct ShownInControl
{
    int templateId;
    int controlId;
    int stringId;
};
const ShownInControl kShownInControls[] = {
    {kManagePicTermDialogId, IdNumber(ManageGroupId::CutToDisplay), kStrCutToDisplay},
    {kManagePicTermDialogId, IdNumber(ManageGroupId::CutToDisplay), kStrCancelCutting},
    {kSetupDialogId, IdNumber(SetupId::GroupInfo), kStrNoGroupLeft},
};

// What a control's text needs beside the control's own size, in pixels; nothing for a control
// that shows no text of ours.
std::optional<QSize> NeededFor(QWidget& control)
{
    if (const auto* check = qobject_cast<QCheckBox*>(&control))
        return QSize(check->sizeHint().width(), check->fontMetrics().height());
    if (const auto* frame = qobject_cast<CGroupFrame*>(&control))
        return QSize(frame->TitleRight(), frame->fontMetrics().height());
    if (qobject_cast<COwnerDrawButton*>(&control))
        return std::nullopt; // paints a colour, not its text
    if (const auto* button = qobject_cast<QPushButton*>(&control)) {
        // The style's room around a button's label: its margin and frame on both sides.
        const QStyle& style = *button->style();
        const int around = style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                           2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        return text + QSize(around, 0);
    }
    if (auto* label = qobject_cast<QLabel*>(&control); label && !label->text().isEmpty()) {
        const QRect wrapped = label->fontMetrics().boundingRect(
            QRect(0, 0, label->width(), INT_MAX / 2),
            Qt::TextWordWrap | Qt::TextShowMnemonic | label->alignment(), label->text());
        return QSize(wrapped.width(), label->heightForWidth(label->width()));
    }
    return std::nullopt;
}

QString TextOf(const QWidget& control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (const auto* frame = qobject_cast<const CGroupFrame*>(&control))
        return frame->title();
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    return {};
}

void SetText(QWidget& control, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(&control))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(&control))
        label->setText(text);
}

void ExpectFits(QWidget& control)
{
    const std::optional<QSize> needed = NeededFor(control);
    if (!needed)
        return;
    SCOPED_TRACE(TextOf(control).toStdString());
    EXPECT_LE(needed->width(), control.width());
    EXPECT_LE(needed->height(), control.height());
}

// The catalogue the desktop's language asks for: one of kCatalogues, or none for English.
QString ExpectedCatalogue()
{
    const QStringList languages = QLocale::system().uiLanguages();
    for (const Catalogue& catalogue : kCatalogues) {
        if (languages.value(0) == QLatin1String(catalogue.uiLanguage))
            return QString::fromLatin1(catalogue.name);
    }
    return {};
}

// Each dialog laid out from its template in the desktop's language, with the fonts the desktop
// gives that language (ctest runs this under each catalogue's LANG, and English): no control's
// text may be cut, neither the template's own texts nor those the dialog puts in its controls.
TEST(TranslatedDialogs, EveryTextFitsItsControlInTheDesktopsLanguage)
{
    const Translations translations;
    ASSERT_EQ(translations.Language(), ExpectedCatalogue());
    for (const int templateId : kTemplateIds) {
        SCOPED_TRACE(templateId);
        QDialog dialog;
        const DialogBuilder builder(DialogTemplateById(templateId), dialog);
        for (QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            ExpectFits(*control);
        for (const ShownInControl& shown : kShownInControls) {
            if (shown.templateId != templateId)
                continue;
            QWidget* control = builder.Control(shown.controlId);
            ASSERT_NE(control, nullptr) << shown.controlId;
            SetText(*control, QString::fromStdString(LoadString(shown.stringId)));
            ExpectFits(*control);
        }
    }
}

} // namespace

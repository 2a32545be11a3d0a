// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogframe/DialogColours.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

constexpr QColor kButtonFace{240, 240, 240};
constexpr QColor kWhite{255, 255, 255};
constexpr QColor kBlack{0, 0, 0};
// Disabled text is dimmed toward what it is drawn on, so that it reads as disabled; disabled
// controls need not reach the 4.5:1 contrast of other text, but these keep at least 3:1 to
// stay legible: 3.1:1 on the orange, 4.4:1 on the button face, 4.9:1 on white.
constexpr QColor kDisabledOnDialog{128, 64, 32};
constexpr QColor kDisabledOnFace{112, 112, 112};

struct RoleColour
{
    QPalette::ColorRole role;
    QColor colour;
};

// The same in every colour group. The bevel colours (Light, Midlight, Mid, Dark, Shadow) follow
// from the button face, as the palette derives them.
constexpr RoleColour kEveryGroup[] = {
    {QPalette::Window, kDialogBackground},
    {QPalette::WindowText, kDialogText},
    {QPalette::Button, kButtonFace},
    {QPalette::ButtonText, kDialogText},
    {QPalette::Base, kWhite},
    {QPalette::AlternateBase, {246, 246, 246}},
    {QPalette::Text, kBlack},
    {QPalette::BrightText, kWhite},
    {QPalette::PlaceholderText, {96, 96, 96}},
    {QPalette::Highlight, kDialogText},
    {QPalette::HighlightedText, kWhite},
    {QPalette::Link, {0, 0, 255}},
    {QPalette::LinkVisited, {128, 0, 128}},
    {QPalette::ToolTipBase, {255, 255, 225}},
    {QPalette::ToolTipText, kBlack},
};

constexpr RoleColour kDisabled[] = {
    {QPalette::WindowText, kDisabledOnDialog},
    {QPalette::ButtonText, kDisabledOnFace},
    {QPalette::Base, kButtonFace},
    {QPalette::Text, kDisabledOnFace},
    {QPalette::HighlightedText, kButtonFace},
};

// A read-only edit is coloured like a static.
QPalette ReadOnlyEditPalette()
{
    QPalette palette = DialogPalette();
    palette.setColor(QPalette::Base, kDialogBackground);
    palette.setColor(QPalette::Text, kDialogText);
    palette.setColor(QPalette::Disabled, QPalette::Text, kDisabledOnDialog);
    return palette;
}

// The application's palette with every colour marked as set, so that none of the dialog's
// colours reaches the control's own children (a list's header, its scroll bars).
QPalette PlatformPalette()
{
    QPalette palette = QApplication::palette();
    palette.setResolveMask(~QPalette::ResolveMask(0));
    return palette;
}

bool IsReadOnlyEdit(const QWidget* widget)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->isReadOnly();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(widget))
        return edit->isReadOnly();
    return false;
}

bool KeepsPlatformColours(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget);
}

} // namespace

QPalette DialogPalette()
{
    QPalette palette(kButtonFace, kDialogBackground);
    for (const RoleColour& each : kEveryGroup)
        palette.setColor(each.role, each.colour);
    for (const RoleColour& each : kDisabled)
        palette.setColor(QPalette::Disabled, each.role, each.colour);
    return palette;
}

void ApplyDialogColours(QDialog& dialog)
{
    dialog.setPalette(DialogPalette());
    dialog.setAutoFillBackground(true);
    for (QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (IsReadOnlyEdit(control))
            control->setPalette(ReadOnlyEditPalette());
        else if (KeepsPlatformColours(control))
            control->setPalette(PlatformPalette());
    }
}

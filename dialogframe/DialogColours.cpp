#include "dialogframe/DialogColours.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

void SetTextColour(QPalette& palette, QPalette::ColorRole role)
{
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, role, kDialogText);
}

QPalette DialogPalette(QPalette palette)
{
    palette.setColor(QPalette::Window, kDialogBackground);
    SetTextColour(palette, QPalette::WindowText);
    SetTextColour(palette, QPalette::ButtonText);
    return palette;
}

// A read-only edit is coloured like a static.
QPalette ReadOnlyEditPalette()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Base, kDialogBackground);
    SetTextColour(palette, QPalette::Text);
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

void ApplyDialogColours(QDialog& dialog)
{
    dialog.setPalette(DialogPalette(dialog.palette()));
    dialog.setAutoFillBackground(true);
    for (QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (IsReadOnlyEdit(control))
            control->setPalette(ReadOnlyEditPalette());
        else if (KeepsPlatformColours(control))
            control->setPalette(PlatformPalette());
    }
}

#pragma once

#include <QColor>

class QDialog;

// Every dialog is orange with navy text.
inline constexpr QColor kDialogBackground{255, 128, 64};
inline constexpr QColor kDialogText{0, 0, 128};

// Gives the dialog and its statics, group boxes, check boxes, push buttons' text and read-only
// edits the dialog colours; edit boxes and lists keep the platform's colours. Disabled text
// keeps the platform's greyed look. Call once, after the controls exist.
void ApplyDialogColours(QDialog& dialog);

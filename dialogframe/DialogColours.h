// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

class QDialog;

// Every dialog is orange with navy text.
inline constexpr QColor kDialogBackground{255, 128, 64};
inline constexpr QColor kDialogText{0, 0, 128};

// Every colour of what the dialogs colour themselves, in every colour group, so that no colour
// of the desktop's theme mixes in: a dark theme's button face under navy text would be
// unreadable. The dialog is orange with navy text; push buttons and up-down arrows have navy
// text on a light face; check boxes' indicators are white; the keyboard focus and selections
// are navy. Disabled text is dimmed but stays legible.
QPalette DialogPalette();

// Gives the dialog and its statics, group boxes, check boxes, push buttons and read-only edits
// the dialog palette; edit boxes and lists keep the platform's colours. Call once, after the
// controls exist.
void ApplyDialogColours(QDialog& dialog);

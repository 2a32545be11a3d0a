// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogframe/DialogUnits.h"
#include "resources/DialogTemplate.h"

#include <QWidget>

#include <map>

class QDialog;

// Turns a dialog template into widgets: gives the dialog its title, font and fixed client
// size, and creates the controls as its children in tab order, placed by converting dialog
// units with the dialog font. Handlers then find the controls by id.
class DialogBuilder
{
public:
    DialogBuilder(const DialogTemplate& dialogTemplate, QDialog& dialog);

    // The control with the given id; nullptr for an unknown id or kNoControlId.
    QWidget* Control(int id) const;

    // The control with the given id if it is a T, else nullptr.
    template <class T> T* ControlAs(int id) const { return qobject_cast<T*>(Control(id)); }

    // Puts `replacement` in the place of the control with the given id (its parent, geometry,
    // stacking and tab order) and deletes that control; the id then finds the replacement.
    // For an unknown id, deletes `replacement` and returns false.
    bool ReplaceControl(int id, QWidget* replacement);

    const DialogUnits& Units() const { return m_units; }

private:
    // `texts` are the controls' texts translated, one per control, as the units and the
    // widgets both take them.
    DialogBuilder(const DialogTemplate& dialogTemplate, QDialog& dialog, const QStringList& texts);

    DialogUnits m_units;
    std::map<int, QWidget*> m_controls;
};

// The font a template asks for; the classic shell dialog faces map to the system's default
// sans-serif family.
QFont DialogFont(const DialogTemplate& dialogTemplate);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "resources/ResourceIds.h"

#include <string>
#include <vector>

// What a control of a dialog template becomes on screen.
enum class ControlKind {
    StaticLeft,        // text, left aligned, word wrapped
    StaticCentre,      // text, centred, word wrapped
    StaticRight,       // text, right aligned, word wrapped
    GroupBox,          // titled frame drawn behind the controls it groups
    PushButton,        //
    DefaultPushButton, // the button that Enter presses
    CheckBox,          // two-state, toggled by clicks
    Edit,              // one line unless MultiLine
    ListBox,           // single column of texts, or of check marks with texts (a check list)
    ListView,          // rows with columns (report view); the dialog adds the columns
    UpDown,            // arrows attached to the edit just before it
    Icon,              // the program's icon
    OwnerDrawButton,   // a button the dialog paints itself
    Frame,             // grey rectangle, e.g. a picture preview area
};

// Style flags of a control; combine with |.
enum ControlStyle : unsigned {
    NoStyle = 0,
    ReadOnly = 1u << 0,        // edit: shows text, no typing
    MultiLine = 1u << 1,       // edit: several lines
    NoTabStop = 1u << 2,       // not reached by Tab, only by clicking
    Sorted = 1u << 3,          // list box, list view: entries kept in order of their text
    SingleSelection = 1u << 4, // list view: one row at a time (default: several)
    Wrap = 1u << 5,            // up-down: stepping past one end of the range gives the other
};

// The id of a control that no handler looks up; may occur many times.
inline constexpr int kNoControlId = -1;

// A control's id in a template: written as its dialog's control id, held as its number.
struct TemplateControlId
{
    constexpr TemplateControlId(int number) : number(number) {}
    template <ControlId Id> constexpr TemplateControlId(Id id) : number(IdNumber(id)) {}
    constexpr operator int() const { return number; }

    int number;
};

// One control; position and size in dialog units.
struct ControlTemplate
{
    TemplateControlId id = kNoControlId;
    ControlKind kind = ControlKind::StaticLeft;
    std::string text;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    unsigned style = NoStyle;
    // The string-table id of the name a screen reader gives the control, where the builder's
    // rule (the label before it, else the group box around it) names it badly; 0 for none.
    int nameId = 0;
};

// One dialog: the context its texts are translated in, its title, font, client size in dialog
// units and its controls in tab order. The title and the controls' texts are English, the
// source language of the catalogues.
struct DialogTemplate
{
    int id = 0;
    std::string context;
    std::string title;
    std::string fontFace;
    int pointSize = 8;
    int width = 0;
    int height = 0;
    std::vector<ControlTemplate> controls;
};

// The template with the given dialog id; an empty template (id 0, no controls) for an
// unknown id.
const DialogTemplate& DialogTemplateById(int id);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogframe/TypedDialog.h"

// The About dialog: the program's name and version, a few words on what it does and a link
// to its web page. F1 opens the help's first page.
class CAboutDialog : public CTypedDialog<AboutId>
{
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);

protected:
    void OnInitDialog() override;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDialog.h"

CAboutDialog::CAboutDialog(QWidget* parent) : CTypedDialog("index.html", parent) {}

void CAboutDialog::OnInitDialog()
{
    BindLink(AboutId::Link);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ThankDialog.h"

CThankDialog::CThankDialog(QWidget* parent) : CTypedDialog("MorePictures.html", parent) {}

void CThankDialog::OnInitDialog()
{
    for (const ThanksId link : kThanksLinks)
        BindLink(link);
}

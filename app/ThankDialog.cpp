#include "app/ThankDialog.h"

#include "resources/ResourceIds.h"

CThankDialog::CThankDialog(QWidget* parent)
    : CKipoDialog(kThanksDialogId, "MorePictures.html", parent)
{
}

void CThankDialog::OnInitDialog()
{
    for (const int id : kIdThanksLinks)
        SetUpLink(id);
}

#include "app/AboutDialog.h"

#include "resources/ResourceIds.h"

CAboutDialog::CAboutDialog(QWidget* parent) : CKipoDialog(kAboutDialogId, "index.html", parent) {}

void CAboutDialog::OnInitDialog()
{
    SetUpLink(kIdAboutLink);
}

#include "app/KipoDlg.h"

void CKipoDlg::OnStart() {}

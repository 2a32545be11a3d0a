// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogframe/TypedDialog.h"

// The Thanks dialog: where further volumes of pictures and sounds can be downloaded, as six
// links. F1 opens the help page on getting more pictures and sounds.
class CThankDialog : public CTypedDialog<ThanksId>
{
    Q_OBJECT

public:
    explicit CThankDialog(QWidget* parent = nullptr);

protected:
    void OnInitDialog() override;
};

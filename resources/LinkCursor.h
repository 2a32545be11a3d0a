// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>

// The link cursor (cursor resource 135): a white hand with a dark outline whose raised index
// finger points at the link; the hot spot is the fingertip. Needs a QGuiApplication.
QCursor LinkCursor();

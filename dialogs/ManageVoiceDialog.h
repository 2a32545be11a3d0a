// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogframe/TypedDialog.h"

#include <string>
#include <vector>

class QAbstractButton;
class QTreeWidget;

// The "Manage Default Sounds" dialog: lists the WAV files of the default-sound folder with
// their sizes, plays and stops them, copies chosen files into the folder and deletes the
// selected ones. Every change acts on the folder at once.
class CManageVoiceDialog : public CTypedDialog<DefaultSoundsId>
{
    Q_OBJECT

public:
    explicit CManageVoiceDialog(std::string installDir, QWidget* parent = nullptr);

protected:
    void OnInitDialog() override;

    void OnPlay();
    void OnStop();
    void OnAdd();
    void OnDelete();
    void OnSoundItemChanged();

private:
    void FillSoundList();
    // The default-sound folder as it lies on disk (found ignoring letter case).
    std::string SoundFolder() const;

    struct Controls
    {
        QTreeWidget* soundList;
        QAbstractButton* play;
        QAbstractButton* deleteSounds;
    };

    std::string m_installDir;
    const Controls m_controls;
    // Full paths of the selected sounds, in row order.
    std::vector<std::string> m_selectedSounds;
};

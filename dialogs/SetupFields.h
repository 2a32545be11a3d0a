#pragma once

#include <cstdint>
#include <string>

struct Settings;
class CKipoDialog;
class QAbstractButton;
class QLineEdit;
class QLabel;
class CUpDown;

// The nine user settings as the setup dialog edits them.
struct SetupValues
{
    std::int32_t clearBackground = 0;
    std::int32_t randomColor = 0;
    std::uint32_t backgroundColor = 0;
    std::int32_t timeLimitOn = 0;
    std::int32_t timeLimitMinutes = 0;
    std::int32_t keyDelayOn = 0;
    std::int32_t keyDelayMs = 0;
    std::int32_t autoDisplayOn = 0;
    std::int32_t autoDisplaySeconds = 0;

    static SetupValues From(const Settings& settings);
    void CopyTo(Settings& settings) const;
};

// The fields of the setup dialog: the working copy of the settings and the group information
// line, moved between these values and the dialog's controls, and the enabling that follows
// the check boxes.
class SetupFields
{
public:
    explicit SetupFields(CKipoDialog& dialog);

    SetupValues& Values() { return m_values; }
    const SetupValues& Values() const { return m_values; }
    void SetGroupInfo(std::string text) { m_groupInfo = std::move(text); }
    const std::string& GroupInfo() const { return m_groupInfo; }
    // Whether the colour button shows the background colour (else grey with a red cross).
    bool SwatchActive() const { return m_swatchActive; }

    // Gives the three up-down controls their ranges.
    void SetRanges();
    // Copies the controls into the values in a fixed order, validating the numbers; false,
    // after the message, at the first that fails.
    bool Read();
    // Copies the values into the controls.
    void Write();
    // Reads, enables the controls that the ticks switch on, and writes.
    void UpdateEnabling();

private:
    CKipoDialog& m_dialog;
    QAbstractButton& m_clearBackground;
    QAbstractButton& m_randomColor;
    QAbstractButton& m_swatch;
    QAbstractButton& m_timeLimitOn;
    QLineEdit& m_timeLimit;
    CUpDown& m_timeLimitSpin;
    QAbstractButton& m_keyDelayOn;
    QLineEdit& m_keyDelay;
    CUpDown& m_keyDelaySpin;
    QAbstractButton& m_autoDisplayOn;
    QLineEdit& m_autoDisplay;
    CUpDown& m_autoDisplaySpin;
    QLabel& m_groupInfoLabel;

    SetupValues m_values;
    std::string m_groupInfo;
    bool m_swatchActive = true;
};

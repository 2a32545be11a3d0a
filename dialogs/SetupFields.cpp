#include "dialogs/SetupFields.h"

#include "dialogframe/KipoDialog.h"
#include "dialogframe/UpDown.h"
#include "dialogs/FieldReader.h"
#include "library/Settings.h"
#include "resources/ResourceIds.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace {

struct Range
{
    std::int32_t lower;
    std::int32_t upper;
};

constexpr Range kTimeLimitRange{1, 1200};
constexpr Range kKeyDelayRange{0, 30000};
constexpr Range kAutoDisplayRange{1, 3600};

// The control with the given id, which the setup template always has.
template <class T> T& Needed(const CKipoDialog& dialog, int id)
{
    T* control = dialog.ControlAs<T>(id);
    Q_ASSERT(control);
    return *control;
}

void WriteNumber(QLineEdit& edit, std::int32_t value)
{
    edit.setText(QString::number(value));
}

} // namespace

SetupValues SetupValues::From(const Settings& settings)
{
    return {settings.clearBackground, settings.randomColor,      settings.backgroundColor,
            settings.timeLimitOn,     settings.timeLimitMinutes, settings.keyDelayOn,
            settings.keyDelayMs,      settings.autoDisplayOn,    settings.autoDisplaySeconds};
}

void SetupValues::CopyTo(Settings& settings) const
{
    settings.clearBackground = clearBackground;
    settings.randomColor = randomColor;
    settings.backgroundColor = backgroundColor;
    settings.timeLimitOn = timeLimitOn;
    settings.timeLimitMinutes = timeLimitMinutes;
    settings.keyDelayOn = keyDelayOn;
    settings.keyDelayMs = keyDelayMs;
    settings.autoDisplayOn = autoDisplayOn;
    settings.autoDisplaySeconds = autoDisplaySeconds;
}

SetupFields::SetupFields(CKipoDialog& dialog)
    : m_dialog(dialog), m_clearBackground(Needed<QAbstractButton>(dialog, kIdClearBackground)),
      m_randomColor(Needed<QAbstractButton>(dialog, kIdRandomColor)),
      m_swatch(Needed<QAbstractButton>(dialog, kIdColourSwatch)),
      m_timeLimitOn(Needed<QAbstractButton>(dialog, kIdTimeLimitOn)),
      m_timeLimit(Needed<QLineEdit>(dialog, kIdTimeLimitEdit)),
      m_timeLimitSpin(Needed<CUpDown>(dialog, kIdTimeLimitSpin)),
      m_keyDelayOn(Needed<QAbstractButton>(dialog, kIdKeyDelayOn)),
      m_keyDelay(Needed<QLineEdit>(dialog, kIdKeyDelayEdit)),
      m_keyDelaySpin(Needed<CUpDown>(dialog, kIdKeyDelaySpin)),
      m_autoDisplayOn(Needed<QAbstractButton>(dialog, kIdAutoDisplayOn)),
      m_autoDisplay(Needed<QLineEdit>(dialog, kIdAutoDisplayEdit)),
      m_autoDisplaySpin(Needed<CUpDown>(dialog, kIdAutoDisplaySpin)),
      m_groupInfoLabel(Needed<QLabel>(dialog, kIdGroupInfo))
{
}

void SetupFields::SetRanges()
{
    m_timeLimitSpin.SetRange(kTimeLimitRange.lower, kTimeLimitRange.upper);
    m_keyDelaySpin.SetRange(kKeyDelayRange.lower, kKeyDelayRange.upper);
    m_autoDisplaySpin.SetRange(kAutoDisplayRange.lower, kAutoDisplayRange.upper);
}

bool SetupFields::Read()
{
    FieldReader read(&m_dialog);
    read.Check(m_clearBackground, m_values.clearBackground)
        .Check(m_randomColor, m_values.randomColor)
        .Integer(m_timeLimit, kTimeLimitRange.lower, kTimeLimitRange.upper,
                 m_values.timeLimitMinutes)
        .Integer(m_keyDelay, kKeyDelayRange.lower, kKeyDelayRange.upper, m_values.keyDelayMs)
        .Check(m_keyDelayOn, m_values.keyDelayOn)
        .Check(m_timeLimitOn, m_values.timeLimitOn)
        .Check(m_autoDisplayOn, m_values.autoDisplayOn)
        .Integer(m_autoDisplay, kAutoDisplayRange.lower, kAutoDisplayRange.upper,
                 m_values.autoDisplaySeconds);
    return read.Ok();
}

void SetupFields::Write()
{
    m_clearBackground.setChecked(m_values.clearBackground != 0);
    m_randomColor.setChecked(m_values.randomColor != 0);
    WriteNumber(m_timeLimit, m_values.timeLimitMinutes);
    WriteNumber(m_keyDelay, m_values.keyDelayMs);
    m_keyDelayOn.setChecked(m_values.keyDelayOn != 0);
    m_groupInfoLabel.setText(QString::fromStdString(m_groupInfo));
    m_timeLimitOn.setChecked(m_values.timeLimitOn != 0);
    m_autoDisplayOn.setChecked(m_values.autoDisplayOn != 0);
    WriteNumber(m_autoDisplay, m_values.autoDisplaySeconds);
}

void SetupFields::UpdateEnabling()
{
    Read();
    const bool clearing = m_values.clearBackground != 0;
    m_randomColor.setEnabled(clearing);
    m_swatchActive = !(clearing && m_values.randomColor != 0);
    m_swatch.setEnabled(m_swatchActive);
    m_swatch.update();

    const bool keyDelayOn = m_values.keyDelayOn != 0;
    m_keyDelay.setEnabled(keyDelayOn);
    m_keyDelaySpin.setEnabled(keyDelayOn);
    const bool timeLimitOn = m_values.timeLimitOn != 0;
    m_timeLimit.setEnabled(timeLimitOn);
    m_timeLimitSpin.setEnabled(timeLimitOn);
    const bool autoDisplayOn = m_values.autoDisplayOn != 0;
    m_autoDisplay.setEnabled(autoDisplayOn);
    m_autoDisplaySpin.setEnabled(autoDisplayOn);
    Write();
}

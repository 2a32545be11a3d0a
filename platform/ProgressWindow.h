// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TestSeam.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QProgressDialog;
class QString;
class QWidget;
class ScriptedProgress;

// A progress window over `owner`, modal to it: a line of text, a bar from 0 to 1000 and a
// Cancel button. It shows only when asked to; while it is shown, LetEventsThrough repaints it
// and lets its Cancel be pressed.
class ProgressWindow
{
public:
    explicit ProgressWindow(QWidget* owner);
    ~ProgressWindow();
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    void SetText(const QString& text);
    void SetValue(int perMille);
    void Show();
    void Hide();
    bool IsShown() const;
    void LetEventsThrough();
    bool Cancelled() const;

private:
    ScriptedProgress* const m_script;          // the seam that lived when the window was made
    std::unique_ptr<QProgressDialog> m_dialog; // the real window, when no seam lived
};

// Test seam: while an object of this class lives, progress windows made meanwhile show
// nothing. Each change of the window is recorded as a step ("text a.png", "value 500",
// "show", "hide", and "events" where a shown window lets events through), and the reaction
// hears each step as it happens: there a test may let time pass or press Cancel.
class ScriptedProgress : public TestSeam<ScriptedProgress>
{
public:
    using Reaction = std::function<void(const std::string& step)>;
    explicit ScriptedProgress(Reaction reaction = {});

    const std::vector<std::string>& Steps() const { return m_steps; }
    bool Shown() const { return m_shown; }
    void PressCancel() { m_cancelled = true; }

private:
    friend class ProgressWindow;
    void Record(std::string step);

    Reaction m_reaction;
    std::vector<std::string> m_steps;
    int m_value = -1;
    bool m_shown = false;
    bool m_cancelled = false;
};

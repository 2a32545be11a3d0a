// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/lock/DesktopGrab.h"

#include <QWindow>

#include <algorithm>
#include <memory>
#include <vector>

// A desktop whose answer the test gives: whether it can hold its shortcuts
// back at all, and whether it does right now. It remembers the windows the
// lock hands it.
class FakeDesktopGrab final : public DesktopGrab
{
public:
    FakeDesktopGrab(bool holds, bool canHold) : m_holds(holds), m_canHold(canHold) {}

    void Engage(QWindow* play) override { m_play = play; }
    void AddCover(QWindow* cover) override { m_covers.push_back(cover); }
    void RemoveCover(QWindow* cover) override { std::erase(m_covers, cover); }
    void ReleaseAll() override
    {
        m_play = nullptr;
        m_covers.clear();
    }
    void AskAhead(QWindow* window) override { m_askedAhead = window; }
    bool Holds() const override { return m_holds; }
    bool CanHold() const override { return m_canHold; }
    bool MayBeAsking() const override { return m_asking; }
    LockLoss WhyNotHeld() const override { return m_canHold ? m_loss : LockLoss::NoWay; }

    void SetHolds(bool holds)
    {
        m_holds = holds;
        emit holdChanged();
    }
    // The desktop shows its question, or has closed it with `loss`.
    void SetAsking(bool asking, LockLoss loss = LockLoss::NotAnswered)
    {
        m_asking = asking;
        m_loss = loss;
        emit holdChanged();
    }
    void RefuseAhead() { emit refusedAhead(); }
    QWindow* AskedAhead() const { return m_askedAhead; }
    QWindow* Play() const { return m_play; }
    const std::vector<QWindow*>& Covers() const { return m_covers; }

private:
    bool m_holds;
    const bool m_canHold;
    bool m_asking = false;
    LockLoss m_loss = LockLoss::NotAnswered;
    QWindow* m_play = nullptr;
    QWindow* m_askedAhead = nullptr;
    std::vector<QWindow*> m_covers;
};

// While it lives, MakeDesktopGrab hands out FakeDesktopGrabs that hold the
// desktop's shortcuts back, or, after CannotHold, have no way to.
class FakeDesktop : public ScriptedDesktopGrabs
{
public:
    FakeDesktop()
        : ScriptedDesktopGrabs([this] {
              auto grab = std::make_unique<FakeDesktopGrab>(m_canHold, m_canHold);
              m_grab = grab.get();
              return grab;
          })
    {
    }

    void CannotHold() { m_canHold = false; }
    // The grab handed out last.
    FakeDesktopGrab& Grab() const { return *m_grab; }

private:
    bool m_canHold = true;
    FakeDesktopGrab* m_grab = nullptr;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>

#include <functional>

// Acts on each window of type T that shows while this object lives. The call is posted from
// the window's own Show event, so it runs once the window's modal loop has started.
template <class T> class WhenShown : public QObject
{
public:
    explicit WhenShown(std::function<void(T&)> act) : m_act(std::move(act))
    {
        QApplication::instance()->installEventFilter(this);
    }
    ~WhenShown() override { QApplication::instance()->removeEventFilter(this); }

    int Shows() const { return m_shows; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* const window = qobject_cast<T*>(watched);
        if (event->type() == QEvent::Show && window && window->isWindow()) {
            ++m_shows;
            QMetaObject::invokeMethod(
                this,
                [this, shown = QPointer<T>(window)] {
                    if (shown)
                        m_act(*shown);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void(T&)> m_act;
    int m_shows = 0;
};

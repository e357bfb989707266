#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace vx::bench {

// Ends a program once its window has painted itself for the first time, so that a process can be
// timed from its start to a window on view: `done` runs once the paint in hand has finished and
// whatever it queued has run (the default quits the application). Gives up with exit code 2 after
// a while.
class QuitAfterFirstPaint : public QObject
{
public:
    explicit QuitAfterFirstPaint(
        QWidget *window, std::function<void()> done = [] { QApplication::quit(); })
        : QObject(window)
        , m_done(std::move(done))
    {
        window->installEventFilter(this);
        QTimer::singleShot(20000, this, [] { QApplication::exit(2); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, this, m_done);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_done;
    bool m_painted = false;
};

} // namespace vx::bench

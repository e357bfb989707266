#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace vx::bench {

// Ends the application's event loop once a window has painted itself for the first time, so a
// process can be timed from its start to a window on view. Gives up with exit code 2 after a while.
class QuitAfterFirstPaint : public QObject
{
public:
    explicit QuitAfterFirstPaint(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
        QTimer::singleShot(20000, this, [] { QApplication::exit(2); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            // Once the paint in hand has finished and whatever it queued has run.
            QTimer::singleShot(0, qApp, [] { QApplication::quit(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};

} // namespace vx::bench

#pragma once

#include <QApplication>
#include <QWidget>

namespace vx::test {

// The visible top-level window of a type, or null. Windows that unloaded themselves are hidden
// until their deferred deletion, so only visible ones count.
template <typename T> T *openWindow()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *w = qobject_cast<T *>(top); w && w->isVisible())
            return w;
    return nullptr;
}

// Runs the deletions that unloaded windows asked for.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace vx::test

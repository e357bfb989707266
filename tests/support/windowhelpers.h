#pragma once

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

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

// A control of one window by its object name; a test that looks for a control the window lacks fails.
template <typename T> T *findIn(const QObject *window, const QString &name)
{
    T *control = window ? window->findChild<T *>(name) : nullptr;
    if (!control)
        ADD_FAILURE() << "no control " << name.toStdString();
    return control;
}
template <typename T> T *findIn(const QObject *window, const char *name)
{
    return findIn<T>(window, QLatin1String(name));
}
template <typename T, typename Name> T *findIn(const QObject &window, const Name &name)
{
    return findIn<T>(&window, name);
}

// The controls of a window named by pattern with first, first + 1 ... (QStringLiteral("Image2(%1)")),
// as far as the window has them.
template <typename T> QList<T *> findSeries(const QObject &window, const QString &pattern, int first = 0)
{
    QList<T *> controls;
    while (T *control = window.findChild<T *>(pattern.arg(first + controls.size())))
        controls << control;
    return controls;
}

// Runs the deletions that unloaded windows asked for.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace vx::test

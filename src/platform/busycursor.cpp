#include "platform/busycursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace vx::platform {

BusyCursor::BusyCursor()
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_shown = true;
    }
}

BusyCursor::~BusyCursor()
{
    restore();
}

void BusyCursor::restore()
{
    if (m_shown) {
        QGuiApplication::restoreOverrideCursor();
        m_shown = false;
    }
}

} // namespace vx::platform

#include "platform/busycursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace vx::platform {

BusyCursor::BusyCursor()
{
    if (QGuiApplication::instance()) {
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

bool BusyCursorShown()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

} // namespace vx::platform

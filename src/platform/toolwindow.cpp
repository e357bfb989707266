#include "platform/toolwindow.h"

#include "platform/twips.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>

namespace vx {

namespace {
// The fixed border of a dialog window, both sides together.
constexpr int BorderTwips = 90;

// Deletes a tool window that is still there when the main window goes.
class WindowKeeper : public QObject
{
public:
    WindowKeeper(QObject *owner, QWidget *window)
        : QObject(owner)
        , m_window(window)
    {
    }
    ~WindowKeeper() override
    {
        if (m_window) {
            m_window->disconnect(this);
            delete m_window.data();
        }
    }

private:
    QPointer<QWidget> m_window;
};
} // namespace

ToolWindow::ToolWindow(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
}

void ToolWindow::unload()
{
    m_unloading = true;
    hide();
    emit closed();
    deleteLater();
}

void ToolWindow::closeEvent(QCloseEvent *event)
{
    if (m_unloading) {
        event->accept();
        return;
    }
    event->ignore();
    titleBarClose();
}

void ToolWindow::setClientSizeTwips(int outerWidth, int clientHeight)
{
    setFixedSize(platform::twipsToPixels(outerWidth - BorderTwips), platform::twipsToPixels(clientHeight));
}

void openToolWindow(QWidget *mainWindow, ToolWindow *window, OpenMode mode, bool keepEnabled)
{
    if (mainWindow) {
        auto *keeper = new WindowKeeper(mainWindow, window);
        QObject::connect(window, &QObject::destroyed, keeper, &QObject::deleteLater);
        if (!keepEnabled)
            mainWindow->setEnabled(false);
    }
    if (mode == OpenMode::NoWait) {
        window->show();
        return;
    }
    QEventLoop loop;
    QObject::connect(window, &ToolWindow::closed, &loop, &QEventLoop::quit);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    loop.exec();
}

} // namespace vx

#include "platform/toolwindow.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>

namespace vx {

namespace {
// Gives the main window back once the tool window has closed or is gone, and deletes a tool window
// that is still there when the main window goes. A child of the main window, so it never touches
// a main window that is being destroyed.
class OpenedWindow : public QObject
{
public:
    OpenedWindow(QWidget *mainWindow, ToolWindow *window, MainWindowWhileOpen whileOpen)
        : QObject(mainWindow)
        , m_mainWindow(mainWindow)
        , m_window(window)
        , m_whileOpen(whileOpen)
    {
        connect(window, &ToolWindow::closed, this, &OpenedWindow::giveBack);
        connect(window, &QObject::destroyed, this, [this] {
            giveBack();
            deleteLater();
        });
        if (whileOpen == MainWindowWhileOpen::Disabled || whileOpen == MainWindowWhileOpen::DisabledStaysBehind)
            mainWindow->setEnabled(false);
    }
    ~OpenedWindow() override
    {
        if (m_window) {
            m_window->disconnect(this);
            delete m_window.data();
        }
    }

private:
    void giveBack()
    {
        if (m_givenBack)
            return;
        m_givenBack = true;
        // A main window kept enabled was not disabled by this window; another window may have
        // disabled it since, and only that window may enable it again.
        if (m_whileOpen == MainWindowWhileOpen::Disabled || m_whileOpen == MainWindowWhileOpen::DisabledStaysBehind)
            m_mainWindow->setEnabled(true);
        if (m_whileOpen == MainWindowWhileOpen::Disabled || m_whileOpen == MainWindowWhileOpen::Enabled) {
            m_mainWindow->show();
            m_mainWindow->raise();
            m_mainWindow->activateWindow();
        }
    }

    QWidget *const m_mainWindow;
    QPointer<QWidget> m_window;
    const MainWindowWhileOpen m_whileOpen;
    bool m_givenBack = false;
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

void openToolWindow(QWidget *mainWindow, ToolWindow *window, OpenMode mode, MainWindowWhileOpen whileOpen)
{
    if (mainWindow)
        new OpenedWindow(mainWindow, window, whileOpen);
    if (mode == OpenMode::NoWait) {
        window->show();
        return;
    }
    QEventLoop loop;
    QObject::connect(window, &ToolWindow::closed, &loop, &QEventLoop::quit);
    QObject::connect(window, &ToolWindow::done, &loop, &QEventLoop::quit);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    loop.exec();
}

} // namespace vx

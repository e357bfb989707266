#include "dialogs/toolwindow.h"

#include "app/form1.h"
#include "platform/twips.h"

#include <QCloseEvent>
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

ToolWindow::ToolWindow(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    if (Form1 *main = Form1::instance()) {
        auto *keeper = new WindowKeeper(main, this);
        connect(this, &QObject::destroyed, keeper, &QObject::deleteLater);
    }
}

void ToolWindow::unload()
{
    m_unloading = true;
    hide();
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

} // namespace vx

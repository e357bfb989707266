#pragma once

#include <QPointer>
#include <QWidget>

namespace vx {

// A window opened from the main window. It is a top-level window of its own (a child window
// would be disabled along with the main window) and announces with closed() that its opener may
// go on; the opener helper then gives the main window back. Closing it from the title bar does what
// the window's own Close or Cancel button does.
class ToolWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ToolWindow(
        QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

signals:
    // The window has closed: a waiting opener goes on and the main window is given back.
    void closed();
    // The window has done what a waiting opener waits for but stays open; the main window stays as
    // the opener left it until closed().
    void done();

protected:
    // What the title bar's close does; the window stays open when it does not unload.
    virtual void titleBarClose() = 0;
    // Hides the window, announces closed() and deletes it once control is back in the message loop.
    void unload();
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_unloading = false;
};

// How the opener of a tool window goes on.
enum class OpenMode {
    Wait, // returns once the window has announced closed()
    NoWait // returns at once; the window is left to itself
};

// What becomes of the window a tool window is opened from (its main window) while the tool window is
// open and once it has closed (closed(), or the tool window destroyed).
enum class MainWindowWhileOpen {
    Disabled, // disabled; then enabled again, shown and brought to the front
    DisabledStaysBehind, // disabled; then enabled again where it stands
    Enabled, // stays enabled; then shown and brought to the front
    LeftAlone // stays enabled and is not touched
};

// Opens a tool window from the main window: the main window is treated as `whileOpen` says, the
// tool window shown, and with Wait the call returns only after closed() or done(), while the message
// loop goes on serving both windows. The main window is given back here, whichever way the tool
// window goes, so no window gives it back itself. The tool window does not outlive the main window.
void openToolWindow(QWidget *mainWindow, ToolWindow *window, OpenMode mode,
    MainWindowWhileOpen whileOpen = MainWindowWhileOpen::Disabled);

// Keeps `slot` pointing at the window until the window closes (not only until it is deleted): the
// one window of a kind its owner lets be open at a time.
template <typename Window> Window *keepWhileOpen(QPointer<Window> &slot, Window *window)
{
    slot = window;
    QObject::connect(window, &ToolWindow::closed, window, [&slot, window] {
        if (slot == window)
            slot.clear();
    });
    return window;
}

} // namespace vx

#pragma once

#include <QWidget>

namespace vx {

// A window opened from the main window. It is a top-level window of its own (a child window
// would be disabled along with the main window) and announces with closed() that its opener may
// go on. Closing it from the title bar does what the window's own Close or Cancel button does.
class ToolWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ToolWindow(
        QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

signals:
    // The window has closed, or has done what its opener waits for while it stays open.
    void closed();

protected:
    // What the title bar's close does; the window stays open when it does not unload.
    virtual void titleBarClose() = 0;
    // Hides the window, announces closed() and deletes it once control is back in the message loop.
    void unload();
    void closeEvent(QCloseEvent *event) override;

    // Client size from twips; widths in the layout tables are outer widths, which include the
    // window's border.
    void setClientSizeTwips(int outerWidth, int clientHeight);

private:
    bool m_unloading = false;
};

// How the opener of a tool window goes on.
enum class OpenMode {
    Wait, // returns once the window has announced closed()
    NoWait // returns at once; the window is left to itself
};

// Opens a tool window from the main window: the main window is disabled (unless keepEnabled), the
// tool window shown, and with Wait the call returns only after closed(), while the message loop
// goes on serving both windows. The tool window does not outlive the main window.
void openToolWindow(QWidget *mainWindow, ToolWindow *window, OpenMode mode, bool keepEnabled = false);

} // namespace vx

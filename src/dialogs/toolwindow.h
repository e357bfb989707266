#pragma once

#include <QWidget>

namespace vx {

// A window opened from the main window while the main window is disabled. It is a top-level
// window of its own (a child window would be disabled along with the main window); it lives until
// it unloads itself or the main window goes, whichever comes first. Closing it from the title bar
// does what the window's own Close or Cancel button does.
class ToolWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ToolWindow(QWidget *parent = nullptr);

protected:
    // What the title bar's close does; the window stays open when it does not unload.
    virtual void titleBarClose() = 0;
    // Hides the window and deletes it once control is back in the message loop.
    void unload();
    void closeEvent(QCloseEvent *event) override;

    // Client size from twips; widths in the layout tables are outer widths, which include the
    // window's border.
    void setClientSizeTwips(int outerWidth, int clientHeight);

private:
    bool m_unloading = false;
};

} // namespace vx

#pragma once

#include "gamedata/mainwindowlink.h"
#include "platform/httptransfer.h"
#include "platform/toolwindow.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace vx {

// The window of Check for Upgrade: while the check waits on the download server it says what it
// fetches, with a busy bar (bytes, once their number is known) and Cancel, as the results
// downloader does; the main window stays disabled until the check is over.
class UpgradeCheckWindow : public ToolWindow
{
    Q_OBJECT
public:
    explicit UpgradeCheckWindow(MainWindowLink &main, QWidget *parent = nullptr);

    // Runs the check (online::checkForUpgrade), then unloads.
    // True when the updater has started and the program must end.
    bool run(const QString &appFolder);
    void Command1_Click(); // Cancel

protected:
    void titleBarClose() override; // cancels a check under way

private:
    // Controls, named as the program names them; tests find them by object name.
    QLabel *Label1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *Command1 = nullptr;

    MainWindowLink &m_main;
    platform::HttpTransfer m_http;
};

} // namespace vx

#pragma once

#include "gamedata/mainwindowlink.h"
#include "online/resultsdownload.h"
#include "platform/httptransfer.h"
#include "platform/longrun.h"
#include "platform/toolwindow.h"

#include <QStringList>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace vx {

// The results downloader: the player ticks games and the window shows their download
// (online::ResultsDownload) with its progress, status and Cancel.
class RDL : public ToolWindow
{
    Q_OBJECT
public:
    // The games the server keeps histories of, in the order listed.
    static const QStringList GameNames;

    RDL(const QString &appFolder, MainWindowLink &main, QWidget *parent = nullptr);

    void Command1_Click(); // Download the ticked games
    void Command2_Click(); // Cancel the download
    void Command3_Click(); // Close

    bool downloading() const { return m_downloading; }

protected:
    // Closing from the title bar during a download cancels it first.
    void titleBarClose() override;

private:
    // Controls, named as the program names them; tests find them by object name.
    QLabel *Label1 = nullptr;
    QListWidget *List1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;

    void setDownloading(bool downloading);

    const QString m_appFolder;
    MainWindowLink &m_main;
    platform::HttpTransfer m_http;
    platform::LongRunDriver m_driver;
    online::ResultsDownload *m_download = nullptr; // the run under way
    bool m_downloading = false;
    bool m_closeAfter = false;
};

} // namespace vx

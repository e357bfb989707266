#pragma once

#include "gamedata/mainwindowlink.h"
#include "platform/httptransfer.h"
#include "platform/toolwindow.h"

#include <QStringList>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace vx {

// The results downloader: fetches the result histories of the games the player ticks from the
// download server and, once a file has arrived whole and reads as a history, replaces the game's
// history file after the player agrees. While a game's history may be replaced, a copy of it is
// kept as temp.rtl in the application folder; whatever goes wrong, the history stays as it was.
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

    void downloadGame(const QString &game);
    void setDownloading(bool downloading);

    const QString m_appFolder;
    MainWindowLink &m_main;
    platform::HttpTransfer m_http;
    bool m_downloading = false;
    bool m_cancelled = false;
    bool m_closeAfter = false;
};

} // namespace vx

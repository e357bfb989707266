#pragma once

#include "gamedata/mainwindowlink.h"
#include "platform/toolwindow.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vx {

// "Load Downloaded Result Files": the player shows the folder holding results files obtained
// elsewhere (WKL followed by a game name and ".rtl"), and OK copies the known ones over the history
// files in the application folder. Every way of closing ends its opener's wait.
class Form10 : public ToolWindow
{
    Q_OBJECT
public:
    Form10(const QString &appFolder, MainWindowLink &main, QWidget *parent = nullptr);

    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel

    QString dirPath() const { return m_dirPath; } // the folder Dir1 shows

protected:
    void titleBarClose() override { Command2_Click(); }

private:
    // Controls, named as the program names them; tests find them by object name.
    QLabel *Label1 = nullptr;
    QComboBox *Drive1 = nullptr; // the mounted volumes, each item's data its root folder
    QListWidget *Dir1 = nullptr; // the shown folder's ancestors, itself and its subfolders
    QListWidget *File1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

    // Shows a folder in Dir1 and its WKL files in File1; false, changing nothing, when it cannot be read.
    bool showFolder(const QString &path);
    void closeWindow();

    const QString m_appFolder;
    MainWindowLink &m_main;
    QString m_dirPath;
    int m_driveRow = -1; // the drive whose folder is shown
};

} // namespace vx

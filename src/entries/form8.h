#pragma once

#include "gamedata/mainwindowlink.h"
#include "platform/toolwindow.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace vx {

// "File Deletion": the entry files of the application folder, the entries of the one clicked, and
// the deletion of a file after a Yes. The entry file open in the main window is never deleted.
// Nothing is written; the main window reloads nothing afterwards.
class Form8 : public ToolWindow
{
    Q_OBJECT
public:
    // entryFile is the full path of the entry file open in the main window (empty when none).
    Form8(const QString &appFolder, const QString &entryFile, MainWindowLink &main, QWidget *parent = nullptr);

    void Form_Load(); // lists the folder's entry files
    void File1_Click();
    void viewandcreate(); // the selected file's entries into List2
    void Command3_Click(); // Delete
    void Command1_Click(); // Close

protected:
    void titleBarClose() override { Command1_Click(); }

private:
    // Controls, named as the program names them; tests find them by object name.
    QLabel *Label1 = nullptr;
    QListWidget *File1 = nullptr;
    QLabel *Label2 = nullptr;
    QListWidget *List2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command1 = nullptr;

    void refreshFileList(); // no file selected afterwards
    QString selectedFile() const; // empty when none

    const QString m_appFolder;
    const QString m_entryFile;
    MainWindowLink &m_main;
};

} // namespace vx

#pragma once

#include "entries/textimport.h"
#include "gamedata/mainwindowlink.h"
#include "gamedata/sharedstate.h"
#include "platform/toolwindow.h"

#include <QDate>

class QLabel;
class QListWidget;
class QPushButton;

namespace vx::platform {
class DatePicker;
}

namespace vx {

// "Import TXT Entry": a text file of entries from the application folder, one entry per line,
// becomes the dated entry file of the chosen date when every line is sound and the date has no
// entries yet. An import to the date the opener's entry panel shows (shownEntryDate) sets the count
// shown there at once; entriesAdded() lets the opener list the new entries after the window has closed.
class Form30 : public ToolWindow
{
    Q_OBJECT
public:
    Form30(const CurrentGame &game, const StartupValues &startup, const QDate &shownEntryDate, MainWindowLink &main,
        QWidget *parent = nullptr);

    void Form_Load();
    void File1_Click();
    void view();
    ImportCode validate(); // sets the target path once the text has passed
    void DTPicker1_Change();
    void Command3_Click(); // Import
    void Command1_Click(); // Close

signals:
    // The entries of a file became the dated entries of date.
    void entriesAdded(const QDate &date);

protected:
    void titleBarClose() override { Command1_Click(); }

private:
    // Controls, named as the program names them; tests find them by object name.
    QLabel *Label1 = nullptr;
    QListWidget *File1 = nullptr;
    QLabel *Label2 = nullptr;
    QListWidget *List2 = nullptr;
    QLabel *Label3 = nullptr;
    platform::DatePicker *DTPicker1 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command1 = nullptr;

    QString chosenFile() const; // full path of the file chosen in File1, empty when none

    const CurrentGame m_game;
    const QString m_appFolder;
    const MonthNameTable m_monthNames;
    const QDate m_shownEntryDate;
    MainWindowLink &m_main;
    QString m_target; // the dated entry file validate found for the date
    std::vector<ImportLine> m_lines; // the lines validate read
};

} // namespace vx

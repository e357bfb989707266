#pragma once

#include <QList>
#include <QString>

// Choosing a folder or a file. Every chooser the program shows goes through here, so that tests
// can answer from a script instead of blocking on a modal dialog. An empty path means Cancel.
namespace vx::platform {

QString ChooseFolder(const QString &caption, const QString &startFolder);
// `filter` is a name filter such as "Results (WKL*.rtl)"; several are separated by ";;".
QString ChooseOpenFile(const QString &caption, const QString &startFolder, const QString &filter);
QString ChooseSaveFile(const QString &caption, const QString &startFolder, const QString &filter);

// Test seam. While scripting is on no dialog is shown: every call records what it asked and
// takes the next queued answer (Cancel when the script has run out, counted as unanswered).
namespace FileChooserScript {
enum class Kind { Folder, OpenFile, SaveFile };
struct Request {
    Kind kind;
    QString caption;
    QString startFolder;
    QString filter; // empty for a folder
    bool operator==(const Request &) const = default;
};
void begin(); // start scripting with an empty record and script
void end(); // back to real dialogs
bool active();
void answer(const QString &path); // queue the path the next chooser gives
void cancel(); // queue a Cancel
QList<Request> asked(); // every chooser asked for, oldest first
int pendingAnswers();
int unanswered();
} // namespace FileChooserScript

} // namespace vx::platform

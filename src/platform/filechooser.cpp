#include "platform/filechooser.h"

#include <QApplication>
#include <QFileDialog>
#include <deque>

namespace vx::platform {

namespace {
using FileChooserScript::Kind;

struct ScriptState {
    bool active = false;
    std::deque<QString> answers;
    QList<FileChooserScript::Request> asked;
    int unanswered = 0;
};

ScriptState &script()
{
    static ScriptState state;
    return state;
}

QString scripted(Kind kind, const QString &caption, const QString &startFolder, const QString &filter)
{
    script().asked.append({kind, caption, startFolder, filter});
    if (script().answers.empty()) {
        ++script().unanswered;
        return QString();
    }
    const QString path = script().answers.front();
    script().answers.pop_front();
    return path;
}
} // namespace

QString ChooseFolder(const QString &caption, const QString &startFolder)
{
    if (script().active)
        return scripted(Kind::Folder, caption, startFolder, QString());
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, startFolder);
}

QString ChooseOpenFile(const QString &caption, const QString &startFolder, const QString &filter)
{
    if (script().active)
        return scripted(Kind::OpenFile, caption, startFolder, filter);
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, startFolder, filter);
}

QString ChooseSaveFile(const QString &caption, const QString &startFolder, const QString &filter)
{
    if (script().active)
        return scripted(Kind::SaveFile, caption, startFolder, filter);
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, startFolder, filter);
}

namespace FileChooserScript {
void begin()
{
    script() = ScriptState {};
    script().active = true;
}
void end()
{
    script() = ScriptState {};
}
bool active()
{
    return script().active;
}
void answer(const QString &path)
{
    script().answers.push_back(path);
}
void cancel()
{
    script().answers.push_back(QString());
}
QList<Request> asked()
{
    return script().asked;
}
int pendingAnswers()
{
    return int(script().answers.size());
}
int unanswered()
{
    return script().unanswered;
}
} // namespace FileChooserScript

} // namespace vx::platform

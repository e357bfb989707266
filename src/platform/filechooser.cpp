#include "platform/filechooser.h"

#include "platform/testscript.h"

#include <QApplication>
#include <QFileDialog>

namespace vx::platform {

namespace {
using FileChooserScript::Kind;

// A script that has run out answers Cancel.
TestScript<QString, FileChooserScript::Request> &script()
{
    static TestScript<QString, FileChooserScript::Request> state;
    return state;
}

QString scripted(Kind kind, const QString &caption, const QString &startFolder, const QString &filter)
{
    return script().take({kind, caption, startFolder, filter}).value_or(QString());
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
    script().begin();
}
void end()
{
    script().end();
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
    return script().pending();
}
int unanswered()
{
    return script().unanswered;
}
} // namespace FileChooserScript

} // namespace vx::platform

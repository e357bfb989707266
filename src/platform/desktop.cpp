#include "platform/desktop.h"

#include "platform/testscript.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace vx::platform {

namespace {
TestScript<OpenResult, QString> &script()
{
    static TestScript<OpenResult, QString> state;
    return state;
}
QString g_systemInfo;
bool g_startsOk = true;
QStringList g_started;

// False only when the desktop's own lookup says plainly that no application takes the type; where
// the lookup tool is missing the open is tried anyway.
bool hasApplicationFor(const QString &path)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return true;
    const QString type = QMimeDatabase().mimeTypeForFile(path).name();
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit)
        return true;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}
} // namespace

OpenResult OpenDocument(const QString &path)
{
    if (script().active)
        return script().take(path).value_or(OpenResult::Failed);
    if (!QFileInfo(path).isFile())
        return OpenResult::Failed;
    if (!hasApplicationFor(path))
        return OpenResult::NoApplication;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? OpenResult::Opened : OpenResult::NoApplication;
}

QString SystemInfoProgram()
{
    if (script().active)
        return g_systemInfo;
    for (const char *name : {"hardinfo2", "hardinfo"}) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool StartProgram(const QString &path)
{
    if (script().active) {
        g_started << path;
        return g_startsOk;
    }
    return QProcess::startDetached(path, {});
}

namespace DesktopScript {
void begin()
{
    script().begin();
    g_systemInfo.clear();
    g_startsOk = true;
    g_started.clear();
}
void end()
{
    script().end();
    g_systemInfo.clear();
    g_startsOk = true;
    g_started.clear();
}
bool active()
{
    return script().active;
}
void answerOpen(OpenResult result)
{
    script().answers.push_back(result);
}
void setSystemInfoProgram(const QString &path)
{
    g_systemInfo = path;
}
void setStartsOk(bool ok)
{
    g_startsOk = ok;
}
QStringList opened()
{
    return script().asked;
}
QStringList started()
{
    return g_started;
}
} // namespace DesktopScript

} // namespace vx::platform

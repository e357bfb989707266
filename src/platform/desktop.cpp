#include "platform/desktop.h"

#include "platform/testmode.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace vx::platform {

namespace {
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
    if (TestMode *mode = TestMode::current())
        return mode->desktop.open(path);
    if (!QFileInfo(path).isFile())
        return OpenResult::Failed;
    if (!hasApplicationFor(path))
        return OpenResult::NoApplication;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? OpenResult::Opened : OpenResult::NoApplication;
}

QString SystemInfoProgram()
{
    if (TestMode *mode = TestMode::current())
        return mode->desktop.systemInfoProgram();
    for (const char *name : {"hardinfo2", "hardinfo"}) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool StartProgram(const QString &path)
{
    if (TestMode *mode = TestMode::current())
        return mode->desktop.start(path);
    return QProcess::startDetached(path, {});
}

} // namespace vx::platform

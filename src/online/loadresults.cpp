#include "online/loadresults.h"

#include "gamedata/filemessages.h"
#include "gamedata/recordfile.h"
#include "gamedata/sharedstate.h"
#include "online/historyvalidation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vx {

const std::array<DownloadedResultsFile, 4> &downloadedResultsFiles()
{
    static const std::array<DownloadedResultsFile, 4> files {{
        {QStringLiteral("WKLLotto.rtl"), QStringLiteral("Lotto.rtl")},
        {QStringLiteral("WKLCash5.rtl"), QStringLiteral("Cash5.rtl")},
        {QStringLiteral("WKLTwoStep.rtl"), QStringLiteral("TwoStep.rtl")},
        {QStringLiteral("WKLMegaMillions.rtl"), QStringLiteral("MegaMillions.rtl")},
    }};
    return files;
}

namespace {
// Reads a whole file; false with the reason when it cannot be read to its end.
bool readWholeFile(const QString &path, QByteArray *bytes, QString *error)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = in.errorString();
        return false;
    }
    *bytes = in.readAll();
    if (bytes->size() != in.size()) {
        *error = in.errorString();
        return false;
    }
    return true;
}
} // namespace

LoadedResults loadDownloadedResults(const QString &sourceFolder, const QString &appFolder)
{
    LoadedResults result;
    for (const DownloadedResultsFile &file : downloadedResultsFiles()) {
        const QString source = QDir(sourceFolder).filePath(file.source);
        const QFileInfo info(source);
        if (!info.exists() && !info.isSymLink())
            continue;
        const QString kept = fileLeftAsItWas(file.target);
        QByteArray bytes;
        QString error;
        if (!readWholeFile(source, &bytes, &error)) {
            result.messages << sentences({cannotReadFile(file.source, error), kept});
            continue;
        }
        if (const HistoryValidation valid = validateHistory(bytes, file.source); !valid.ok) {
            result.messages << sentences({valid.problem, kept});
            continue;
        }
        if (!saveWholeFile(dataPath(appFolder, file.target), bytes, &error)) {
            result.messages << sentences({cannotWriteFile(file.target, error), kept});
            continue;
        }
        result.copied << file.target;
    }
    return result;
}

} // namespace vx

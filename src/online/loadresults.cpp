#include "online/loadresults.h"

#include "gamedata/numbersfile.h"
#include "gamedata/recordfile.h"
#include "gamedata/sharedstate.h"

#include <QBuffer>
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

QString historyFileFault(const QString &name, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QStringLiteral("The file %1 is empty: it holds no results.").arg(name);
    if (bytes.size() % NumbersRecord::Size != 0)
        return QStringLiteral("The file %1 is not a results file: its %2 bytes are not whole records of %3 bytes.")
            .arg(name)
            .arg(bytes.size())
            .arg(NumbersRecord::Size);
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    NumbersFile file;
    file.open(&buffer, name);
    const int32_t declared = file.declaredCount();
    const qint64 onDisk = file.recordsOnDisk();
    // A count of 0 would leave the game with no draws, whatever records follow it.
    if (file.isDamaged() || declared == 0)
        return QStringLiteral("The file %1 is not a sound results file: it gives its number of results as %2, "
                              "but it holds %3 records.")
            .arg(name)
            .arg(declared)
            .arg(onDisk);
    return QString();
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
        const QString kept = QStringLiteral(" %1 was left as it was.").arg(file.target);
        QByteArray bytes;
        QString error;
        if (!readWholeFile(source, &bytes, &error)) {
            result.messages << QStringLiteral("The file %1 could not be read: %2.").arg(file.source, error) + kept;
            continue;
        }
        if (const QString fault = historyFileFault(file.source, bytes); !fault.isEmpty()) {
            result.messages << fault + kept;
            continue;
        }
        if (!saveWholeFile(dataPath(appFolder, file.target), bytes, &error)) {
            result.messages << QStringLiteral("The file %1 could not be written: %2.").arg(file.target, error) + kept;
            continue;
        }
        result.copied << file.target;
    }
    return result;
}

} // namespace vx

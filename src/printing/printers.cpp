#include "printing/printers.h"

#include "gamedata/recordfile.h"
#include "platform/messages.h"
#include "platform/printer.h"

#include <QFile>
#include <QFileInfo>

namespace vx {

namespace {
constexpr int PrinterRecordSize = 255;

QString printDatPath(const QString &appFolder)
{
    return appFolder + QStringLiteral("/print.dat");
}
} // namespace

QString SavedPrinterName(const QString &appFolder)
{
    RecordFile file(PrinterRecordSize);
    if (!file.open(printDatPath(appFolder)))
        return QString();
    const QByteArray record = file.read(1);
    QString name = getText(record.constData(), PrinterRecordSize);
    // Padding and white space go together, so no NUL is left at the end behind a tab.
    while (!name.isEmpty() && (name.back().isSpace() || name.back() == QChar(0)))
        name.chop(1);
    return name.trimmed();
}

bool SavePrinterName(const QString &appFolder, const QString &deviceName, QString *error)
{
    RecordFile file(PrinterRecordSize);
    QByteArray record(PrinterRecordSize, ' ');
    putText(record.data(), PrinterRecordSize, deviceName.left(PrinterRecordSize));
    if (!file.open(printDatPath(appFolder)) || !file.replaceRecord(1, record)) {
        if (error)
            *error = file.errorString();
        // An empty print.dat names no printer: it is there only because start-up's read makes a
        // missing one. A choice the disk had no room for leaves none behind, as if none had been made.
        file.close();
        if (const QFileInfo left(printDatPath(appFolder)); left.isFile() && left.size() == 0)
            QFile::remove(left.filePath());
        return false;
    }
    return true;
}

bool SelectSavedPrinter(const QString &appFolder)
{
    const QString saved = SavedPrinterName(appFolder);
    bool any = false;
    for (const QString &name : platform::InstalledPrinterNames()) {
        if (name.isEmpty() || !platform::SetCurrentPrinter(name))
            continue;
        any = true;
        if (name == saved)
            break;
    }
    if (!any) {
        // A printer chosen earlier in the session is gone as well.
        platform::ClearCurrentPrinter();
        platform::MsgBox(
            QStringLiteral("Printing has been disabled due to the fact that no printer drivers can be detected."));
    }
    return any;
}

void SetPrinterFont()
{
    platform::SetPrinterFont(QStringLiteral("Courier New"), 10);
}

} // namespace vx

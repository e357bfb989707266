// Any bytes as print.dat: the saved printer name is trimmed, at most 255 characters, taken from the
// first 255 bytes of the file, and reading it changes nothing.
#include "fuzzsupport.h"
#include "printing/printers.h"

using namespace vxfuzz;

namespace {

QString savedPrinterNameIn(const QString &appFolder)
{
    return vx::SavedPrinterName(appFolder);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString path = writeInput(QStringLiteral("print.dat"), input);

    const QString name = savedPrinterNameIn(folder());

    FUZZ_CHECK(name.size() <= 255);
    FUZZ_CHECK(name == name.trimmed());
    // Records are padded with spaces or, when never saved, NULs: no padding may be left on the name.
    FUZZ_CHECK(!name.endsWith(QChar(0)));
    FUZZ_CHECK(QString::fromLatin1(slice(input, 0, 255)).contains(name));

    FUZZ_CHECK(readBack(path) == input);
    FUZZ_CHECK(filesInFolder() == QStringList {QStringLiteral("print.dat")});
    return 0;
}

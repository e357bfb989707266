#include "platform/printer.h"

#include "platform/messages.h"
#include "platform/twips.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cups/cups.h>
#include <memory>

namespace vx::platform {

namespace {
struct PrinterState {
    QString name;
    QString fontFamily = QStringLiteral("Courier New");
    double fontSize = 10.0;
};

PrinterState &state()
{
    static PrinterState s;
    return s;
}
} // namespace

QStringList InstalledPrinterNames()
{
    return QPrinterInfo::availablePrinterNames();
}

bool SetCurrentPrinter(const QString &deviceName)
{
    if (deviceName.isEmpty() || !InstalledPrinterNames().contains(deviceName))
        return false;
    state().name = deviceName;
    return true;
}

QString CurrentPrinterName()
{
    return state().name;
}

void ClearCurrentPrinter()
{
    state().name.clear();
}

bool SetPrinterFont(const QString &family, double pointSize)
{
    if (state().name.isEmpty() || family.isEmpty() || pointSize <= 0)
        return false;
    state().fontFamily = family;
    state().fontSize = pointSize;
    return true;
}

QString PrinterFontFamily()
{
    return state().fontFamily;
}

double PrinterFontSize()
{
    return state().fontSize;
}

struct PrintDocument::Impl {
    QString printerName;
    QString paper; // the printer system's name of the paper the pages are laid out on
    std::unique_ptr<QTemporaryFile> file;
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<QPainter> painter;
    double y = 0;
    double lineHeight = 0;
    double ascent = 0;
    double pageHeight = 0;
    double dotsPerMm = 0;
    QPointF paperOrigin; // the paper's top-left corner in the painter's coordinates
    double lineWidthMm = 0;
    int jobId = 0;
    QString error;

    void drop()
    {
        if (painter && painter->isActive())
            painter->end();
        painter.reset();
        printer.reset();
        file.reset(); // removes the laid-out pages
    }

    bool started()
    {
        if (painter)
            return true;
        if (error.isEmpty())
            error = QStringLiteral("The printout has not been started.");
        return false;
    }

    QPointF onPaper(double xMm, double yMm) const { return paperOrigin + QPointF(xMm * dotsPerMm, yMm * dotsPerMm); }
};

PrintDocument::PrintDocument()
    : d(new Impl)
{
}

PrintDocument::~PrintDocument()
{
    abort();
    delete d;
}

bool PrintDocument::begin()
{
    d->drop();
    d->error.clear();
    d->jobId = 0;
    d->printerName = state().name;
    const QPrinterInfo info = QPrinterInfo::printerInfo(d->printerName);
    if (d->printerName.isEmpty() || info.isNull()) {
        d->error = d->printerName.isEmpty()
            ? QStringLiteral("No printer is available.")
            : QStringLiteral("The printer %1 is no longer installed.").arg(d->printerName);
        return false;
    }

    d->file = std::make_unique<QTemporaryFile>();
    if (!d->file->open()) {
        d->error = QStringLiteral("The printout could not be prepared: %1").arg(d->file->errorString());
        d->drop();
        return false;
    }
    d->file->close(); // the printer writes it by name

    // The paper and printable area are the printer's own; the pages go to a file first so that
    // the printer system's answer to the job can be told to the player.
    const QPrinter device(info, QPrinter::HighResolution);
    d->printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    d->printer->setOutputFormat(QPrinter::PdfFormat);
    d->printer->setOutputFileName(d->file->fileName());
    d->printer->setPageLayout(device.pageLayout());
    d->paper = device.pageLayout().pageSize().key();
    d->printer->setFullPage(false);
    d->printer->setCreator(ApplicationTitle);
    d->printer->setDocName(ApplicationTitle);

    d->painter = std::make_unique<QPainter>();
    if (!d->painter->begin(d->printer.get())) {
        d->error = QStringLiteral("The printout could not be prepared for the printer %1.").arg(d->printerName);
        d->drop();
        return false;
    }
    QFont font(state().fontFamily);
    font.setPointSizeF(state().fontSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    d->painter->setFont(font);
    const QFontMetricsF metrics(font, d->printer.get());
    d->lineHeight = metrics.lineSpacing();
    d->ascent = metrics.ascent();
    d->pageHeight = d->printer->pageRect(QPrinter::DevicePixel).height();
    d->dotsPerMm = d->printer->resolution() / 25.4;
    d->paperOrigin = -d->printer->pageRect(QPrinter::DevicePixel).topLeft();
    d->y = 0;
    return true;
}

bool PrintDocument::printLine(const QString &text)
{
    if (!d->started())
        return false;
    if (d->y > 0 && d->y + d->lineHeight > d->pageHeight && !newPage())
        return false;
    d->painter->drawText(QPointF(0, d->y + d->ascent), text);
    d->y += d->lineHeight;
    return true;
}

bool PrintDocument::drawLine(double x1Mm, double y1Mm, double x2Mm, double y2Mm)
{
    if (!d->started())
        return false;
    QPen pen(Qt::black, d->lineWidthMm * d->dotsPerMm);
    pen.setCapStyle(Qt::FlatCap);
    d->painter->setPen(pen);
    d->painter->drawLine(d->onPaper(x1Mm, y1Mm), d->onPaper(x2Mm, y2Mm));
    return true;
}

bool PrintDocument::drawLineTwips(int x1, int y1, int x2, int y2)
{
    constexpr double MmPerTwip = 25.4 / TwipsPerInch;
    return drawLine(x1 * MmPerTwip, y1 * MmPerTwip, x2 * MmPerTwip, y2 * MmPerTwip);
}

bool PrintDocument::placeText(double xMm, double yMm, const QString &text)
{
    if (!d->started())
        return false;
    d->painter->setPen(Qt::black);
    d->painter->drawText(d->onPaper(xMm, yMm) + QPointF(0, d->ascent), text);
    return true;
}

void PrintDocument::setLineWidth(double millimetres)
{
    d->lineWidthMm = qMax(0.0, millimetres);
}

bool PrintDocument::newPage()
{
    if (!d->started())
        return false;
    if (!d->printer->newPage()) {
        d->error = QStringLiteral("The printer %1 could not start a new page.").arg(d->printerName);
        return false;
    }
    d->y = 0;
    return true;
}

bool PrintDocument::end()
{
    if (!d->started())
        return false;
    const bool written = d->painter->end();
    d->painter.reset();
    d->printer.reset();
    if (!written) {
        d->error = QStringLiteral("The printout could not be written for the printer %1.").arg(d->printerName);
        d->drop();
        return false;
    }

    const QByteArray name = d->printerName.toLocal8Bit();
    const QByteArray path = QFile::encodeName(d->file->fileName());
    const QByteArray title = ApplicationTitle.toLocal8Bit();
    // The job names its paper, so that the printer does not fit the pages to another size.
    cups_option_t *options = nullptr;
    int optionCount = 0;
    if (!d->paper.isEmpty())
        optionCount = cupsAddOption("media", d->paper.toLatin1().constData(), optionCount, &options);
    d->jobId = cupsPrintFile2(
        CUPS_HTTP_DEFAULT, name.constData(), path.constData(), title.constData(), optionCount, options);
    cupsFreeOptions(optionCount, options);
    d->drop();
    if (d->jobId <= 0) {
        d->jobId = 0;
        d->error = QStringLiteral("The printer %1 did not take the printout: %2")
                       .arg(d->printerName, QString::fromLocal8Bit(cupsLastErrorString()));
        return false;
    }
    return true;
}

void PrintDocument::abort()
{
    d->drop();
}

int PrintDocument::jobId() const
{
    return d->jobId;
}

QString PrintDocument::errorString() const
{
    return d->error;
}

} // namespace vx::platform

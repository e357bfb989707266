#include "platform/printer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
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

bool SetPrinterFont(const QString &family, double pointSize)
{
    if (state().name.isEmpty() || pointSize <= 0)
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
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<QPainter> painter;
    double y = 0;
    double lineHeight = 0;
    QString error;
};

PrintDocument::PrintDocument()
    : d(new Impl)
{
}

PrintDocument::~PrintDocument()
{
    end();
    delete d;
}

bool PrintDocument::begin()
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(state().name);
    if (state().name.isEmpty() || info.isNull()) {
        d->error = QStringLiteral("No printer is available.");
        return false;
    }
    d->printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    d->printer->setFullPage(false);
    d->painter = std::make_unique<QPainter>();
    if (!d->painter->begin(d->printer.get())) {
        d->error = QStringLiteral("The printer could not be started.");
        d->painter.reset();
        d->printer.reset();
        return false;
    }
    QFont font(state().fontFamily);
    font.setPointSizeF(state().fontSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    d->painter->setFont(font);
    d->lineHeight = QFontMetricsF(font, d->printer.get()).lineSpacing();
    d->y = 0;
    return true;
}

bool PrintDocument::printLine(const QString &text)
{
    if (!d->painter)
        return false;
    const double pageHeight = d->printer->pageRect(QPrinter::DevicePixel).height();
    if (d->y + d->lineHeight > pageHeight) {
        if (!d->printer->newPage()) {
            d->error = QStringLiteral("The printer could not start a new page.");
            return false;
        }
        d->y = 0;
    }
    d->painter->drawText(QPointF(0, d->y + QFontMetricsF(d->painter->font(), d->printer.get()).ascent()), text);
    d->y += d->lineHeight;
    return true;
}

bool PrintDocument::end()
{
    if (!d->painter)
        return true;
    const bool ok = d->painter->end();
    d->painter.reset();
    d->printer.reset();
    return ok;
}

QString PrintDocument::errorString() const
{
    return d->error;
}

} // namespace vx::platform

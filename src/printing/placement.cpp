#include "printing/placement.h"

namespace vx {

bool PlacedPrintout::begin()
{
    m_ok = m_document.begin();
    return m_ok;
}

void PlacedPrintout::text(float xMm, float yMm, const QString &text)
{
    m_ok = m_ok && m_document.placeText(xMm, yMm, text);
}

void PlacedPrintout::line(float x1Mm, float y1Mm, float x2Mm, float y2Mm)
{
    m_ok = m_ok && m_document.drawLine(x1Mm, y1Mm, x2Mm, y2Mm);
}

void PlacedPrintout::lineTwips(int x1, int y1, int x2, int y2)
{
    m_ok = m_ok && m_document.drawLineTwips(x1, y1, x2, y2);
}

void PlacedPrintout::setLineWidth(float millimetres)
{
    m_document.setLineWidth(millimetres);
}

void PlacedPrintout::endPage()
{
    m_ok = m_ok && m_document.newPage();
}

bool PlacedPrintout::end(QString *error)
{
    m_ok = m_ok && m_document.end();
    if (!m_ok) {
        m_document.abort();
        if (error)
            *error = m_document.errorString();
    }
    return m_ok;
}

} // namespace vx

#pragma once

#include "platform/printer.h"

#include <QString>

namespace vx {

// A printout on the current printer whose marks are placed by position: bet slips and the test
// prints of a slip board. Positions are millimetres from the top-left corner of the paper, as the
// slip layouts keep them, or twips for lines. After the first failure every further call does
// nothing, so a caller places everything and checks once, at end(). A printout that is not ended
// prints nothing.
class PlacedPrintout
{
public:
    bool begin(); // false when no printer can be used
    void text(float xMm, float yMm, const QString &text); // by the top-left corner of the text
    void line(float x1Mm, float y1Mm, float x2Mm, float y2Mm);
    void lineTwips(int x1, int y1, int x2, int y2);
    void setLineWidth(float millimetres);
    void endPage();
    // Sends the pages. False, with the first failure's reason in *error, when anything failed;
    // nothing of a failed printout is sent.
    bool end(QString *error = nullptr);

private:
    platform::PrintDocument m_document;
    bool m_ok = false;
};

} // namespace vx

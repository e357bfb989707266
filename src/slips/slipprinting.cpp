#include "slips/slipprinting.h"

#include "gamedata/filemessages.h"
#include "printing/placement.h"

namespace vx {

bool printSlipMarks(const SlipLayout &layout, const std::vector<SlipMark> &marks, QString *error)
{
    PlacedPrintout out;
    if (!out.begin()) {
        *error = QStringLiteral("No printer can be used.");
        return false;
    }
    out.setLineWidth(layout.markWidth);
    int page = marks.empty() ? 1 : marks.front().page;
    for (const SlipMark &mark : marks) {
        for (; page < mark.page; ++page)
            out.endPage();
        const MarkLine line = markLine(layout, mark);
        out.line(line.from.x, line.from.y, line.to.x, line.to.y);
    }
    return out.end(error);
}

QString printTickets(const QString &appFolder, const CurrentGame &game, const QString &entryFile)
{
    if (entryFile.isEmpty())
        return NoEntriesToPrint;
    NumbersFileRead entries;
    if (const FileResult read = readNumbersFile(entryFile, &entries); !read.ok)
        return read.message;
    if (entries.damaged)
        return sentences({entries.damageMessage(), QStringLiteral("Nothing is printed.")});
    if (entries.records.empty())
        return NoEntriesToPrint;

    QString message;
    const std::optional<SlipLayout> layout = readSlipLayout(slipLayoutPath(appFolder, game.GameName), &message);
    if (!layout)
        return sentences(
            {message, QStringLiteral("Nothing is printed; calibrate the slip with Ticket Printing > Calibrate.")});
    if (message = layoutPoolMismatch(*layout, game.MainPool, slipBonusPool(game)); !message.isEmpty())
        return message;
    const std::vector<SlipMark> marks = slipMarks(*layout, entries.records, &message);
    if (!message.isEmpty())
        return message;
    QString error;
    if (!printSlipMarks(*layout, marks, &error))
        return sentence(QStringLiteral("The slips could not be printed: %1").arg(withoutFullStop(error)));
    return {};
}

QString printBoardTest(const SlipLayout &layout, int board)
{
    if (const QString problem = layout.problem(); !problem.isEmpty())
        return problem;
    if (board < 1 || board > layout.boardsPerSlip)
        return QStringLiteral("The slip has no board %1.").arg(board);
    QString error;
    if (!printSlipMarks(layout, boardTestMarks(layout, board), &error))
        return sentence(QStringLiteral("The test print could not be printed: %1").arg(withoutFullStop(error)));
    return {};
}

} // namespace vx

#include "slips/slipmarks.h"

namespace vx {

namespace {

SlipMark markAt(const SlipLayout &layout, int page, int board, int number, bool bonus)
{
    const MmPoint origin = layout.boardOrigins[static_cast<size_t>(board - 1)];
    const MmPoint box = (bonus ? layout.bonusPositions : layout.mainPositions)[static_cast<size_t>(number - 1)];
    return {page, board, number, bonus, {origin.x + box.x, origin.y + box.y}};
}

} // namespace

std::vector<SlipMark> slipMarks(const SlipLayout &layout, const std::vector<NumbersRecord> &entries, QString *problem)
{
    std::vector<SlipMark> marks;
    const int mains = static_cast<int>(layout.mainPositions.size());
    const int bonuses = static_cast<int>(layout.bonusPositions.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const int page = static_cast<int>(i) / layout.boardsPerSlip + 1;
        const int board = static_cast<int>(i) % layout.boardsPerSlip + 1;
        auto refuse = [&](int number, const char *kind, int pool) {
            *problem = QStringLiteral("Entry %1 has the %2 number %3, which has no box on the slip (1 to %4). "
                                      "Nothing is printed.")
                           .arg(i + 1)
                           .arg(QLatin1String(kind))
                           .arg(number)
                           .arg(pool);
            return std::vector<SlipMark> {};
        };
        for (int16_t n : entries[i].main) {
            if (n == 0)
                continue;
            if (n < 0 || n > mains)
                return refuse(n, "main", mains);
            marks.push_back(markAt(layout, page, board, n, false));
        }
        if (const int16_t extra = entries[i].extra[0]; extra != 0) {
            if (extra < 0 || extra > bonuses)
                return refuse(extra, "bonus", bonuses);
            marks.push_back(markAt(layout, page, board, extra, true));
        }
    }
    return marks;
}

std::vector<SlipMark> boardTestMarks(const SlipLayout &layout, int board)
{
    std::vector<SlipMark> marks;
    for (int n = 1; n <= static_cast<int>(layout.mainPositions.size()); ++n)
        marks.push_back(markAt(layout, 1, board, n, false));
    for (int n = 1; n <= static_cast<int>(layout.bonusPositions.size()); ++n)
        marks.push_back(markAt(layout, 1, board, n, true));
    return marks;
}

MarkLine markLine(const SlipLayout &layout, const SlipMark &mark)
{
    const float half = layout.markLength / 2;
    if (layout.orientation == 0)
        return {{mark.at.x - half, mark.at.y}, {mark.at.x + half, mark.at.y}};
    return {{mark.at.x, mark.at.y - half}, {mark.at.x, mark.at.y + half}};
}

QString layoutPoolMismatch(const SlipLayout &layout, int mainPool, int bonusPool)
{
    if (static_cast<int>(layout.mainPositions.size()) == mainPool
        && static_cast<int>(layout.bonusPositions.size()) == bonusPool)
        return {};
    return QStringLiteral("The slip layout has boxes for %1 main and %2 bonus numbers, but the game has %3 and %4. "
                          "Calibrate the slip again.")
        .arg(layout.mainPositions.size())
        .arg(layout.bonusPositions.size())
        .arg(mainPool)
        .arg(bonusPool);
}

} // namespace vx

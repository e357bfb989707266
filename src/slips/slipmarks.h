#pragma once

#include "gamedata/numbersfile.h"
#include "slips/sliplayout.h"

#include <QString>
#include <vector>

namespace vx {

// One number marked on a slip: its page and board (from 1) and its box's centre on the paper.
struct SlipMark {
    int page = 1;
    int board = 1;
    int number = 0;
    bool bonus = false;
    MmPoint at;
    bool operator==(const SlipMark &) const = default;
};

// The marks of entries on slips: entry i (from 0) fills board i % boardsPerSlip + 1 of page
// i / boardsPerSlip + 1 with its main numbers (Main 1 to Main 7, 0 for none) and its extra
// (Extra 1, 0 for none). A number without a box on the layout gives nothing and the sentence
// naming the entry in *problem: nothing of such a list is to be printed.
std::vector<SlipMark> slipMarks(const SlipLayout &layout, const std::vector<NumbersRecord> &entries, QString *problem);

// Every box of one board (from 1) marked, on one page: the test print of a calibration.
std::vector<SlipMark> boardTestMarks(const SlipLayout &layout, int board);

// The ends of a mark's straight line on the paper.
struct MarkLine {
    MmPoint from, to;
};
MarkLine markLine(const SlipLayout &layout, const SlipMark &mark);

// A layout that does not fit a game's pools, as a sentence; empty when it fits.
QString layoutPoolMismatch(const SlipLayout &layout, int mainPool, int bonusPool);

} // namespace vx

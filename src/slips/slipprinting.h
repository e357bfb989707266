#pragma once

#include "gamedata/sharedstate.h"
#include "slips/slipmarks.h"

#include <QString>
#include <vector>

namespace vx {

// Prints marks on the current printer as straight lines, one page per slip. False with the
// reason when the printout could not be sent (nothing is then printed).
bool printSlipMarks(const SlipLayout &layout, const std::vector<SlipMark> &marks, QString *error);

// Prints the entries of an entry file onto the game's calibrated slips. Empty when they were
// printed, else the message for the player (no entries, a missing or damaged layout or entry file,
// a number without a box, a printer failure); then nothing is printed. No file is written.
QString printTickets(const QString &appFolder, const CurrentGame &game, const QString &entryFile);

// The test print of one board (from 1) with every box marked. Empty, or the message.
QString printBoardTest(const SlipLayout &layout, int board);

inline const QString NoEntriesToPrint = QStringLiteral("There are no entries listed to print!");

} // namespace vx

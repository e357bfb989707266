#pragma once

#include "gamedata/drawcheck.h"
#include "gamedata/numbersfile.h"
#include "gamedata/sharedstate.h"
#include "platform/steprun.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

// The history check: every entry of an entry file against every draw of a date range, the
// winners listed per draw on up to four list pages and counted per prize category.
namespace vx {

// What the history check needs of the current game.
struct HistoryRules {
    int16_t mainPicked = 0; // positions compared in both entry and draw
    int16_t bonusDrawn = 0;
    int16_t bonusPool = 0;
    int16_t bonusPicked = 0;
    std::array<int16_t, 16> winLines {}; // 1 to 15
    QString bonusTag;

    static HistoryRules fromGame(const CurrentGame &game);
};

// Lines a list page takes before the next page opens.
constexpr double HistoryListLimit = 32730;
constexpr int HistoryListPages = 4;

// Main matches: every pair of equal numbers among positions 1 to mainPicked of entry and draw, so
// a number standing twice counts twice.
int historyMatches(const CheckNumbers &entry, const CheckNumbers &draw, int mainPicked);
// The bonus hit: the entry's own extra against the first drawn extra when the entry picks one from
// an extra pool; a drawn extra among the entry's main numbers when the extras come from the main pool.
bool historyBonusHit(const CheckNumbers &entry, const CheckNumbers &draw, const HistoryRules &rules);
// The first enabled category (1 to 15) that m matches and the hit satisfy; 0 for no win.
int historyCategory(int m, bool hit, const std::array<int16_t, 16> &winLines);
// The text a winner's line ends with: "Match 6+PB", "Match 0+PB", "Match 0"; empty outside 1 to 15.
QString historyCategoryText(int category, const QString &bonusTag);
// The caption of the total of a category: as its text, but "Match PB" for the bonus alone.
QString historyTotalLabel(int category, const QString &bonusTag);
// A winner's line: mains 1 to 3 always, 4 to 7 when above 0, each as two digits and a space; the
// extra when above 0 as the tag, a space, two digits and a space; then the suffix.
QString historyLineText(const std::array<int16_t, 7> &mains, int16_t extra, const QString &suffix, const QString &tag);
// A draw's date line: "05 NOV 2005".
QString historyDateLine(const NumbersRecord &draw, const MonthNameTable &monthNames);

// Which draws of a history a check from start to end takes.
struct HistoryRange {
    enum class Outcome {
        Draws, // records first to last (1-based)
        StartAfterEnd,
        NoHistory,
        NoDrawsInRange, // before the first draw, after the last, or between two draws
    };
    Outcome outcome = Outcome::NoHistory;
    int first = 0;
    int last = 0;
};
// Dates are compared by their date keys, which order calendar dates as the calendar does and give
// a damaged record's date a place too.
HistoryRange historyRange(const std::vector<NumbersRecord> &history, const QDate &start, const QDate &end);

// The entries of one check, prepared once: each entry's main numbers as a bit set where they allow
// it, so that a draw is checked against an entry with one popcount.
class HistoryEntries
{
public:
    HistoryEntries(const std::vector<NumbersRecord> &entries, const HistoryRules &rules);
    size_t size() const { return m_numbers.size(); }
    const CheckNumbers &numbers(size_t i) const { return m_numbers[i]; }

private:
    friend class HistoryCheck;
    std::vector<CheckNumbers> m_numbers;
    std::vector<uint64_t> m_masks; // 0 for an entry that must be counted pair by pair
    std::vector<int16_t> m_extras;
    bool m_allMasked = true;
};

// One check over a range: per draw its date line and the winners, on list pages of `listLimit`
// lines, the line that would pass the limit opening the next page; after four full pages nothing
// more is listed (listFull turns true) but every winner is still counted.
class HistoryCheck
{
public:
    // With listing off only the totals are kept.
    HistoryCheck(const HistoryEntries &entries, const HistoryRules &rules, double listLimit = HistoryListLimit,
        bool listing = true);

    // Lists a line (a draw's date line) under the page rule.
    void addLine(const QString &line);
    // Checks every entry against one draw, listing and counting the winners.
    void checkandprintentries(const CheckNumbers &HistoryDraw);

    const std::array<double, 16> &WinTotals() const { return m_winTotals; }
    int ListPage() const { return m_listPage; }
    double HistoryLineCount() const { return m_lineCount; }
    bool HistoryListFull() const { return m_listFull; } // the pages overflowed
    // Lines listed on page p since the last call, handed over to the window.
    QStringList takeLines(int page);
    // Page switches since the last call; each brings page 0 into view.
    int takePageSwitches();

private:
    bool countLine(); // true when the line is to be listed

    const HistoryEntries &m_entries;
    const HistoryRules m_rules;
    bool m_listFull = false;
    double m_listLimit;
    bool m_listing;
    std::array<double, 16> m_winTotals {};
    std::array<std::array<uint8_t, 2>, 8> m_categories {}; // by m and hit
    std::array<QString, 16> m_texts;
    int m_listPage = 0;
    double m_lineCount = 0;
    int m_pageSwitches = 0;
    std::array<QStringList, HistoryListPages> m_lines;
    std::vector<uint8_t> m_drawCategories; // of every entry against the draw in hand
};

// A check over records first to last of a history, one draw per step: the date line, then the
// entries against the draw.
class HistoryCheckSteps : public platform::StepRun
{
public:
    HistoryCheckSteps(HistoryCheck &check, const std::vector<NumbersRecord> &history, const HistoryRange &range,
        const MonthNameTable &monthNames);
    bool step(const std::function<bool()> &keepGoing) override;
    int done() const { return m_done; } // draws checked

private:
    HistoryCheck &m_check;
    const std::vector<NumbersRecord> &m_history;
    const MonthNameTable &m_monthNames;
    int m_next;
    int m_last;
    int m_done = 0;
};

} // namespace vx

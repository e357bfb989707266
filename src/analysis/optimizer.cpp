#include "analysis/optimizer.h"

#include "gamedata/boxvalue.h"

#include <QFileInfo>
#include <algorithm>

namespace vx {

OptimizerGame OptimizerGame::of(const CurrentGame &game)
{
    return {game.MainPool, game.MainPicked, game.BonusPicked, game.BonusPool};
}

int OptimizerGame::keyBalls() const
{
    return std::clamp(mainPool, 0, LinkTables::Size - 1);
}

int OptimizerGame::picked() const
{
    return std::clamp(mainPicked, 1, 7);
}

int OptimizerGame::extraPool() const
{
    return bonusPool > 0 ? std::min(bonusPool, LinkTables::Size - 1) : keyBalls();
}

QString ProcessRange::refusal() const
{
    switch (outcome) {
    case Outcome::Draws:
        return {};
    case Outcome::Empty:
        return QStringLiteral("Please enter a value");
    case Outcome::NoDraws:
        return QStringLiteral("There are no draws in the history file, this process cannot be run.");
    case Outcome::OutsideRange:
        return QStringLiteral("Your entry is outside the permitted draw range");
    }
    return {};
}

ProcessRange processRange(const QString &typed, int drawCount)
{
    if (typed.isEmpty())
        return {ProcessRange::Outcome::Empty};
    if (drawCount <= 0)
        return {ProcessRange::Outcome::NoDraws};
    const double n = BoxValue(typed);
    if (!(n >= 1 && n <= drawCount))
        return {ProcessRange::Outcome::OutsideRange};
    return {ProcessRange::Outcome::Draws, drawCount - static_cast<int>(RoundHalfEven(n - 1)), drawCount};
}

LinkCountSteps::LinkCountSteps(const OptimizerGame &game, const std::vector<NumbersRecord> &draws, LinkTables &tables)
    : m_game(game)
    , m_draws(draws)
    , m_tables(tables)
{
}

bool LinkCountSteps::step(const std::function<bool()> &)
{
    if (m_finished)
        return false;
    const size_t end = std::min(m_draws.size(), m_next + DrawsPerStep);
    for (; m_next < end; ++m_next)
        countDraw(m_draws[m_next]);
    if (m_next < m_draws.size())
        return true;
    findBestBonus();
    m_finished = true;
    return false;
}

void LinkCountSteps::countDraw(const NumbersRecord &draw)
{
    const int picked = m_game.picked();
    const int keyBalls = m_game.keyBalls();
    const auto mains = draw.main.begin();
    for (int i = 0; i < picked; ++i) {
        const int b = mains[i];
        // A key ball drawn twice in a damaged record counts once, as any other key ball does.
        if (b < 1 || b > keyBalls || std::find(mains, mains + i, mains[i]) != mains + i)
            continue;
        const int x = draw.extra[0];
        if (m_game.bonusPicked == 1 && x >= 1 && x < LinkTables::Size)
            ++m_tables.BonusLinkCounts[size_t(b)][size_t(x)];
        for (int j = 0; j < picked; ++j) {
            const int m = mains[j];
            if (m != b && m >= 1 && m < LinkTables::Size)
                ++m_tables.LinkCounts[size_t(b)][size_t(m)];
        }
    }
}

void LinkCountSteps::findBestBonus()
{
    if (m_game.bonusPicked != 1)
        return;
    for (int b = 1; b <= m_game.keyBalls(); ++b) {
        const auto &counts = m_tables.BonusLinkCounts[size_t(b)];
        int16_t best = 0;
        for (int x = 1; x <= m_game.extraPool(); ++x)
            if (counts[size_t(x)] > counts[size_t(best)])
                best = int16_t(x);
        m_tables.BestBonus[size_t(b)] = best;
    }
}

int16_t GetBestFor(const LinkTables &tables, int mainPool, int16_t keyball, const std::array<int16_t, 6> &excluded)
{
    if (keyball < 1 || keyball >= LinkTables::Size)
        return 0;
    const auto &counts = tables.LinkCounts[size_t(keyball)];
    int16_t best = 0;
    int32_t bestCount = 0;
    for (int x = 1; x <= std::min(mainPool, LinkTables::Size - 1); ++x) {
        if (std::find(excluded.begin(), excluded.end(), x) != excluded.end())
            continue;
        if (counts[size_t(x)] > bestCount) {
            best = int16_t(x);
            bestCount = counts[size_t(x)];
        }
    }
    return best;
}

std::vector<OptimizedEntry> buildOptimizedEntries(const LinkTables &tables, const OptimizerGame &game)
{
    const int picked = game.picked();
    std::vector<OptimizedEntry> entries;
    for (int b = 1; b <= game.keyBalls(); ++b) {
        OptimizedEntry entry;
        std::array<int16_t, 6> chosen {};
        entry.mains[0] = int16_t(b);
        bool complete = true;
        for (int k = 1; k < picked && complete; ++k) {
            chosen[size_t(k - 1)] = entry.mains[size_t(k - 1)];
            entry.mains[size_t(k)] = GetBestFor(tables, game.keyBalls(), entry.mains[size_t(k - 1)], chosen);
            complete = entry.mains[size_t(k)] != 0;
        }
        if (!complete)
            continue;
        // An insertion sort: seven numbers at most.
        for (int i = 1; i < picked; ++i)
            for (int j = i; j > 0 && entry.mains[size_t(j - 1)] > entry.mains[size_t(j)]; --j)
                std::swap(entry.mains[size_t(j - 1)], entry.mains[size_t(j)]);
        if (game.bonusPicked == 1)
            entry.extra = tables.BestBonus[size_t(b)];
        const auto sameNumbers = [&](const OptimizedEntry &earlier) { return earlier.mains == entry.mains; };
        if (std::none_of(entries.begin(), entries.end(), sameNumbers))
            entries.push_back(entry);
    }
    return entries;
}

FileResult optimizerTargetCount(const QString &entryPath, int *count)
{
    // Counting does not create the file: a Create that fails then leaves no empty file behind.
    if (!QFileInfo::exists(entryPath)) {
        *count = 0;
        return {};
    }
    NumbersFile file;
    if (const FileResult opened = openForAdding(file, entryPath); !opened.ok)
        return opened;
    *count = file.usableCount();
    return {};
}

FileResult appendOptimizedEntries(const QString &entryPath, const std::vector<OptimizedEntry> &entries, QDate date)
{
    NumbersFile file;
    if (const FileResult opened = openForAdding(file, entryPath); !opened.ok)
        return opened;
    const int count = file.usableCount();
    if (qsizetype(count) + qsizetype(entries.size()) > MaxNumbersRecords)
        return count >= MaxNumbersRecords
            ? fullFailure(entryPath)
            : FileResult::failure(QStringLiteral("The file %1 holds %2 records and cannot take %3 more: it can hold "
                                                 "%4 at most. Nothing was added.")
                                      .arg(QFileInfo(entryPath).fileName())
                                      .arg(count)
                                      .arg(entries.size())
                                      .arg(MaxNumbersRecords));

    std::vector<NumbersRecord> records;
    records.reserve(entries.size());
    for (const OptimizedEntry &entry : entries) {
        NumbersRecord record;
        record.day = int16_t(date.day());
        record.month = int16_t(date.month());
        record.year = int16_t(date.year());
        record.main = entry.mains;
        record.extra[0] = entry.extra;
        records.push_back(record);
    }
    RecordFileChange change(file.records());
    if (!file.writeRange(count + 1, records) || !file.setCount(count + int(entries.size())))
        return writeFailure(file);
    change.keep();
    return {};
}

} // namespace vx

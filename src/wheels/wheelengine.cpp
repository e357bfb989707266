#include "wheels/wheelengine.h"

#include "gamedata/filemessages.h"
#include "gamedata/numberlines.h"
#include "gamedata/rnd.h"

#include <algorithm>
#include <array>
#include <bit>

namespace vx {

namespace {
// A ball from 1 to pool for a value in [0, 1).
int16_t ballFor(float value, int pool)
{
    return static_cast<int16_t>(std::clamp(static_cast<int>(value * static_cast<float>(pool)) + 1, 1, pool));
}
} // namespace

std::vector<int16_t> rankDrawnBalls(const std::vector<NumbersRecord> &draws, int maxBall)
{
    maxBall = std::clamp(maxBall, 0, 60);
    std::array<int, 61> drawn {};
    for (const NumbersRecord &draw : draws)
        for (const int16_t ball : draw.main)
            if (ball >= 1 && ball <= maxBall)
                ++drawn[static_cast<size_t>(ball)];
    std::vector<int16_t> ranked;
    for (int ball = 1; ball <= maxBall; ++ball)
        if (drawn[static_cast<size_t>(ball)] > 0)
            ranked.push_back(static_cast<int16_t>(ball));
    std::stable_sort(ranked.begin(), ranked.end(),
        [&](int16_t a, int16_t b) { return drawn[static_cast<size_t>(a)] > drawn[static_cast<size_t>(b)]; });
    return ranked;
}

void padGroup(std::vector<int16_t> &group, int size, int maxBall)
{
    const int room = std::clamp(maxBall, 0, 60);
    const int target = std::min(size, room);
    if (static_cast<int>(group.size()) >= target)
        return;
    RandomizeFromTime();
    uint64_t taken = 0;
    for (const int16_t ball : group)
        if (ball >= 1 && ball <= 60)
            taken |= uint64_t {1} << ball;
    while (static_cast<int>(group.size()) < target) {
        // The n-th ball not yet taken, for a uniform n among those left.
        const int left = room - std::popcount(taken >> 1 & ((uint64_t {1} << room) - 1));
        int n = ballFor(Rnd(), left);
        int ball = 0;
        while (n > 0)
            if (!(taken & (uint64_t {1} << ++ball)))
                --n;
        taken |= uint64_t {1} << ball;
        group.push_back(static_cast<int16_t>(ball));
    }
}

TypedGroup readTypedGroup(const QStringList &boxes, int maxBall)
{
    // No game's main pool goes past 60 (nor do the suggestion and the padding): a larger one comes
    // from a damaged game file, and the balls seen must stay inside a 64-bit mask.
    maxBall = std::min(maxBall, 60);
    TypedGroup typed;
    uint64_t seen = 0;
    for (const QString &box : boxes) {
        const QString text = box.trimmed();
        if (text.isEmpty()) {
            typed.balls.push_back(0);
            continue;
        }
        bool whole = false;
        const int ball = text.toInt(&whole);
        if (!whole || ball < 1 || ball > maxBall) {
            typed.fault = QStringLiteral("Every ball of the group must be a whole number from 1 to %1.").arg(maxBall);
            return typed;
        }
        if (seen & (uint64_t {1} << ball)) {
            typed.fault = QStringLiteral("Ball %1 is in the group twice.").arg(ball);
            return typed;
        }
        seen |= uint64_t {1} << ball;
        typed.balls.push_back(static_cast<int16_t>(ball));
    }
    return typed;
}

std::vector<NumbersRecord> wheelEntries(const WheelDesign &design, const std::vector<int16_t> &group,
    const WheelExtraRule &extra, const std::function<float()> &random)
{
    std::vector<NumbersRecord> entries;
    entries.reserve(design.lines.size());
    const auto count = static_cast<int32_t>(design.lines.size());
    for (const uint32_t line : design.lines) {
        NumbersRecord entry;
        entry.count = count;
        std::vector<int16_t> mains;
        for (uint32_t rest = line; rest != 0; rest &= rest - 1) {
            const auto position = static_cast<size_t>(std::countr_zero(rest));
            if (position < group.size())
                mains.push_back(group[position]);
        }
        std::sort(mains.begin(), mains.end());
        std::copy_n(mains.begin(), std::min<size_t>(mains.size(), entry.main.size()), entry.main.begin());
        if (extra.pool > 0) {
            if (extra.kind == WheelExtraRule::Kind::OwnPool) {
                entry.extra[0] = ballFor(random(), extra.pool);
            } else if (extra.kind == WheelExtraRule::Kind::MainPool && static_cast<int>(mains.size()) < extra.pool) {
                // Drawn again while it is one of the entry's main numbers, as a player would pick it.
                do
                    entry.extra[0] = ballFor(random(), extra.pool);
                while (std::find(mains.begin(), mains.end(), entry.extra[0]) != mains.end());
            }
        }
        entries.push_back(entry);
    }
    return entries;
}

FileResult saveWheelFile(const QString &path, const std::vector<NumbersRecord> &entries)
{
    QString error;
    if (!saveWholeFile(path, recordBytes(entries), &error))
        return FileResult::failure(cannotWriteFile(path, error));
    return {};
}

QStringList coverSheetLines(const WheelCover &cover)
{
    QStringList group;
    for (const int16_t ball : cover.group)
        group << twoDigits(ball);
    return {
        QStringLiteral("Wheel for ") + cover.listName,
        QString(),
        cover.type.caption(),
        QStringLiteral("Group of %1 balls: %2").arg(cover.group.size()).arg(group.join(QLatin1Char(' '))),
        QStringLiteral("Lines (tickets): %1").arg(cover.lines),
        QStringLiteral("Entry file: ") + cover.entryFileName,
    };
}

} // namespace vx

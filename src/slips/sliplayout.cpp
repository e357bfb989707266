#include "slips/sliplayout.h"

#include "gamedata/filemessages.h"
#include "gamedata/recordfile.h"

#include <QBuffer>
#include <QFile>
#include <cmath>

namespace vx {

namespace {

// The file is a record file of 8-byte records, each two 32-bit floats (see README.md):
// record 1 the boards per slip and the mark orientation, record 2 the mark's width and length,
// record 3 the sizes of the main and bonus pools, then one record per board origin, per main
// number and per bonus number, each an x and a y.
constexpr int RecordSize = 8;
constexpr int HeaderRecords = 3;

bool isWhole(float v, int low, int high)
{
    return std::isfinite(v) && v == std::floor(v) && v >= static_cast<float>(low) && v <= static_cast<float>(high);
}

bool onPaper(MmPoint p)
{
    return std::isfinite(p.x) && std::isfinite(p.y) && std::fabs(p.x) <= SlipLayout::MaxMm
        && std::fabs(p.y) <= SlipLayout::MaxMm;
}

QString mm(float v)
{
    return QString::number(static_cast<double>(v), 'f', 1);
}

} // namespace

SlipLayout SlipLayout::shifted(float dxMm, float dyMm) const
{
    SlipLayout moved = *this;
    for (MmPoint &origin : moved.boardOrigins)
        origin = {origin.x + dxMm, origin.y + dyMm};
    return moved;
}

QString SlipLayout::problem() const
{
    if (boardsPerSlip < 1 || boardsPerSlip > MaxBoards || static_cast<int>(boardOrigins.size()) != boardsPerSlip)
        return QStringLiteral("A slip must hold from 1 to %1 boards, each with its origin.").arg(MaxBoards);
    if (orientation != 0 && orientation != 1)
        return QStringLiteral("The marks must go across or down.");
    if (!(markWidth >= 0 && markWidth <= MaxMarkWidth) || !(markLength >= 0 && markLength <= MaxMarkLength))
        return QStringLiteral("A mark must be at most %1 mm wide and %2 mm long.").arg(MaxMarkWidth).arg(MaxMarkLength);
    if (mainPositions.empty() || mainPositions.size() > MaxPool || bonusPositions.size() > MaxPool)
        return QStringLiteral("The slip must have from 1 to %1 main boxes and at most %1 bonus boxes.").arg(MaxPool);
    for (const MmPoint &origin : boardOrigins)
        for (const std::vector<MmPoint> *boxes : {&mainPositions, &bonusPositions})
            for (const MmPoint &box : *boxes)
                if (!onPaper(origin) || !onPaper(box) || !onPaper({origin.x + box.x, origin.y + box.y})
                    || origin.x + box.x < 0 || origin.y + box.y < 0)
                    return QStringLiteral("A box lies off the paper (at %1, %2 mm).")
                        .arg(mm(origin.x + box.x), mm(origin.y + box.y));
    return {};
}

QString slipLayoutPath(const QString &appFolder, const QString &gameName)
{
    return dataPath(appFolder, gameName.trimmed() + QStringLiteral(".dat"));
}

QString slipLayoutNameClash(const QString &gameName)
{
    const QString name = gameName.trimmed().toLower();
    const bool clash = name == QLatin1String("print")
        || (name.size() == 5 && name.startsWith(QLatin1String("game")) && name.at(4) >= QLatin1Char('1')
            && name.at(4) <= QLatin1Char('6'));
    if (name.isEmpty() || clash)
        return QStringLiteral("The slip layout of the game \"%1\" cannot be kept: its file %1.dat is another file "
                              "of the program. Give the game another name first.")
            .arg(gameName.trimmed());
    return {};
}

int slipBonusPool(const CurrentGame &game)
{
    if (game.BonusPicked <= 0)
        return 0;
    return game.BonusPool > 0 ? game.BonusPool : game.MainPool;
}

std::vector<MmPoint> gridPositions(int count, int columns, MmPoint start, MmPoint step)
{
    std::vector<MmPoint> positions;
    columns = std::max(columns, 1);
    for (int i = 0; i < count; ++i)
        positions.push_back(
            {start.x + static_cast<float>(i % columns) * step.x, start.y + static_cast<float>(i / columns) * step.y});
    return positions;
}

SlipLayout defaultSlipLayout(int mainPool, int bonusPool)
{
    SlipLayout layout;
    layout.boardOrigins = {{10, 10}};
    layout.mainPositions = gridPositions(mainPool, 10, {0, 0}, {5, 5});
    const float below = static_cast<float>((mainPool + 9) / 10) * 5 + 5;
    layout.bonusPositions = gridPositions(bonusPool, 10, {0, below}, {5, 5});
    return layout;
}

SlipLayout fittedToPools(SlipLayout layout, int mainPool, int bonusPool)
{
    const SlipLayout fresh = defaultSlipLayout(mainPool, bonusPool);
    for (auto [boxes, wanted] : {std::pair {&layout.mainPositions, &fresh.mainPositions},
             std::pair {&layout.bonusPositions, &fresh.bonusPositions}}) {
        const size_t kept = std::min(boxes->size(), wanted->size());
        boxes->resize(kept);
        boxes->insert(boxes->end(), wanted->begin() + static_cast<std::ptrdiff_t>(kept), wanted->end());
    }
    return layout;
}

QByteArray slipLayoutBytes(const SlipLayout &layout)
{
    std::vector<MmPoint> records = {
        {static_cast<float>(layout.boardsPerSlip), static_cast<float>(layout.orientation)},
        {layout.markWidth, layout.markLength},
        {static_cast<float>(layout.mainPositions.size()), static_cast<float>(layout.bonusPositions.size())},
    };
    for (const std::vector<MmPoint> *part : {&layout.boardOrigins, &layout.mainPositions, &layout.bonusPositions})
        records.insert(records.end(), part->begin(), part->end());
    QByteArray bytes(static_cast<qsizetype>(records.size()) * RecordSize, '\0');
    for (size_t i = 0; i < records.size(); ++i) {
        putFloat32(bytes.data() + i * RecordSize, records[i].x);
        putFloat32(bytes.data() + i * RecordSize + 4, records[i].y);
    }
    return bytes;
}

std::optional<SlipLayout> parseSlipLayout(const QByteArray &bytes, QString *problem)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    RecordFile file(RecordSize);
    file.open(&buffer);
    const qint64 records = file.recordsOnDisk();
    auto point = [&file](qint64 n) {
        const QByteArray r = file.read(n);
        return MmPoint {getFloat32(r.constData()), getFloat32(r.constData() + 4)};
    };
    auto fail = [problem](const QString &why) {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    if (bytes.size() % RecordSize != 0 || records < HeaderRecords)
        return fail(QStringLiteral("it is cut short"));
    const MmPoint shape = point(1), mark = point(2), pools = point(3);
    if (!isWhole(shape.x, 1, SlipLayout::MaxBoards) || !isWhole(shape.y, 0, 1)
        || !isWhole(pools.x, 1, SlipLayout::MaxPool) || !isWhole(pools.y, 0, SlipLayout::MaxPool))
        return fail(QStringLiteral("its first records hold impossible values"));
    SlipLayout layout;
    layout.boardsPerSlip = static_cast<int>(shape.x);
    layout.orientation = static_cast<int>(shape.y);
    layout.markWidth = mark.x;
    layout.markLength = mark.y;
    const qint64 boxes = static_cast<qint64>(pools.x) + static_cast<qint64>(pools.y);
    if (records != HeaderRecords + layout.boardsPerSlip + boxes)
        return fail(QStringLiteral("it holds %1 records where its first records call for %2")
                        .arg(records)
                        .arg(HeaderRecords + layout.boardsPerSlip + boxes));
    qint64 n = HeaderRecords + 1;
    for (int i = 0; i < layout.boardsPerSlip; ++i)
        layout.boardOrigins.push_back(point(n++));
    for (int i = 0; i < static_cast<int>(pools.x); ++i)
        layout.mainPositions.push_back(point(n++));
    for (int i = 0; i < static_cast<int>(pools.y); ++i)
        layout.bonusPositions.push_back(point(n++));
    if (const QString why = layout.problem(); !why.isEmpty())
        return fail(why);
    return layout;
}

std::optional<SlipLayout> readSlipLayout(const QString &path, QString *message)
{
    QFile device(path);
    if (!device.exists() || !device.open(QIODevice::ReadOnly)) {
        *message = sentences({QStringLiteral("The bet slip of this game has not been calibrated"),
            cannotReadFile(path, device.exists() ? device.errorString() : QStringLiteral("it does not exist"))});
        return std::nullopt;
    }
    RecordFile file(RecordSize);
    file.open(&device, path);
    QString problem;
    std::optional<SlipLayout> layout = parseSlipLayout(file.readAll(), &problem);
    if (!layout)
        *message = sentence(QStringLiteral("The slip layout file %1 is damaged: %2")
                                .arg(shownFileName(path), withoutFullStop(problem)));
    return layout;
}

bool saveSlipLayout(const QString &path, const SlipLayout &layout, QString *message)
{
    if (const QString problem = layout.problem(); !problem.isEmpty()) {
        *message = problem;
        return false;
    }
    QString error;
    if (saveWholeFile(path, slipLayoutBytes(layout), &error))
        return true;
    *message = sentences({QStringLiteral("The slip layout could not be saved"), cannotWriteFile(path, error)});
    return false;
}

} // namespace vx

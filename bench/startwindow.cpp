// The program's start-up as a whole process on the largest files: a full entry file (32,767
// entries) dated today and a 5,000-draw history whose last draw is today's, so that start-up lists
// every entry, shows the draw and checks the entries against it. Ends once the main window is on view.
//
//   bench_startwindow --prepare FOLDER   writes the game, the entries and the history into FOLDER
//   bench_startwindow FOLDER             starts as the program does, with FOLDER as its folder
//
// Messages are recorded rather than shown (a machine without a printer says so at start-up), so
// that nothing waits for a click; a window that does not show the files ends with exit code 3.
#include "app/form1.h"
#include "bench/benchmain.h"
#include "bench/firstpaint.h"
#include "gamedata/entryfiles.h"
#include "gamedata/gamedefinition.h"
#include "gamedata/monthnames.h"
#include "gamedata/numbersfile.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/localemonths.h"
#include "platform/messages.h"
#include "platform/testmode.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <cstdio>
#include <cstdlib>
#include <random>

using namespace vx;

namespace {
constexpr int EntryCount = MaxNumbersRecords;
constexpr int DrawCount = 5000;
const QString GameName = QStringLiteral("Lotto");

bool writeRecords(const QString &path, std::vector<NumbersRecord> records)
{
    records.front().count = static_cast<int32_t>(records.size());
    QByteArray bytes;
    for (const NumbersRecord &r : records)
        bytes += r.toBytes();
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

NumbersRecord randomLine(std::mt19937 &random)
{
    std::vector<int16_t> pool(49);
    std::iota(pool.begin(), pool.end(), int16_t {1});
    std::shuffle(pool.begin(), pool.end(), random);
    std::sort(pool.begin(), pool.begin() + 6);
    NumbersRecord r;
    std::copy(pool.begin(), pool.begin() + 6, r.main.begin());
    r.extra[0] = static_cast<int16_t>(1 + random() % 10);
    return r;
}

int prepare(const QString &folder)
{
    QDir().mkpath(folder);
    GameDefinition g;
    g.setName(GameName);
    g.mainDrawn = 6;
    g.bonusDrawn = 1;
    g.mainPool = 49;
    g.bonusPool = 10;
    g.mainPicked = 6;
    g.bonusPicked = 1;
    for (size_t k = 1; k <= 9; ++k) // three numbers and more win
        g.winLines[k] = 1;
    g.setBonusTag(QStringLiteral("PB"));
    QFile game(folder + QLatin1Char('/') + gameFileName(1));
    if (!game.open(QIODevice::WriteOnly | QIODevice::Truncate) || game.write(g.toBytes()) != g.toBytes().size())
        return 1;

    std::mt19937 random(2121);
    std::vector<NumbersRecord> entries;
    for (int i = 0; i < EntryCount; ++i)
        entries.push_back(randomLine(random));
    const QDate today = platform::CurrentDate();
    const QString entryName
        = datedEntryFileName(GameName, today, processMonthNames(*platform::SystemAbbreviatedMonthNames()));

    // One draw a week up to today, in date order.
    std::vector<NumbersRecord> draws;
    for (int i = 0; i < DrawCount; ++i) {
        const QDate d = today.addDays(-7 * (DrawCount - 1 - i));
        NumbersRecord r = randomLine(random);
        r.number = static_cast<int16_t>(i + 1);
        r.year = static_cast<int16_t>(d.year());
        r.month = static_cast<int16_t>(d.month());
        r.day = static_cast<int16_t>(d.day());
        draws.push_back(r);
    }
    if (!writeRecords(folder + QLatin1Char('/') + entryName, entries)
        || !writeRecords(folder + QLatin1Char('/') + historyFileName(GameName), draws))
        return 1;
    return 0;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "--prepare")
        return prepare(QString::fromLocal8Bit(argv[2]));
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_startwindow [--prepare] FOLDER\n");
        return 1;
    }
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    // Messages are recorded, not shown; the files were prepared with the machine's clock and month names.
    platform::TestMode mode(QDir(args[1]).absolutePath(), platform::CurrentDateTime());
    mode.locale.setMonthNames(std::nullopt);

    // What main() does, up to the window on view, where the files must be listed, shown and
    // checked. Then the program quits as the empty window does; closing its window ends it at once
    // (it closes every file as it goes), without taking the window down item by item.
    Form1 form;
    if (!form.Form_Load())
        return 1;
    new bench::QuitAfterFirstPaint(&form, [&form] {
        if (bench::control<QListWidget>(&form, "List1")->count() != EntryCount
            || bench::control<QListWidget>(&form, "List2")->count() == 0 || !form.drawShown()) {
            std::fprintf(stderr, "start-up did not list, show and check the files: %d entries, %d winners\n",
                int(bench::control<QListWidget>(&form, "List1")->count()),
                int(bench::control<QListWidget>(&form, "List2")->count()));
            std::fflush(nullptr);
            std::_Exit(3);
        }
        QApplication::quit();
    });
    form.show();
    return QApplication::exec();
}

// The main window's panels on the largest files a numbers file can be: listing 32,767 entries
// and finding the last of 32,767 draws.
#include "app/form1.h"
#include "gamedata/gamedefinition.h"
#include "gamedata/numbersfile.h"
#include "gamedata/sharedstate.h"
#include "platform/datepicker.h"
#include "platform/events.h"
#include "platform/localemonths.h"
#include "platform/messages.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "bench/benchmain.h"
#include "support/scriptedplatform.h"
#include <cstdio>
#include <memory>

using namespace vx;

namespace {

const QDate EntryDate(2006, 3, 9);
const QDate LastDraw(2050, 12, 31);

void writeRecords(const QString &path, const std::vector<NumbersRecord> &records)
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(records.size()) * NumbersRecord::Size);
    for (const NumbersRecord &r : records)
        bytes += r.toBytes();
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

struct Prepared {
    QTemporaryDir dir;
    std::unique_ptr<platform::TestMode> mode;
    std::unique_ptr<Form1> form;
};

Prepared &prepared()
{
    static Prepared p;
    if (p.form)
        return p;
    const QString folder = p.dir.path();
    p.mode = std::make_unique<platform::TestMode>(folder, test::ScriptedNow);
    vx::bench::atExit([] { prepared().form.reset(); });

    GameDefinition g;
    g.setName(QStringLiteral("Lotto"));
    g.mainDrawn = 6;
    g.bonusDrawn = 1;
    g.mainPool = 49;
    g.bonusPool = 10;
    g.mainPicked = 6;
    g.bonusPicked = 1;
    for (size_t k = 1; k <= 15; ++k)
        g.winLines[k] = 1;
    g.setBonusTag(QStringLiteral("PB"));
    g.setBonusName(QString());
    writeGameDefinition(folder + QStringLiteral("/game1.dat"), g);

    std::vector<NumbersRecord> entries;
    for (int i = 0; i < MaxNumbersRecords; ++i) {
        NumbersRecord r;
        for (int j = 0; j < 6; ++j)
            r.main[static_cast<size_t>(j)] = static_cast<int16_t>(1 + (i + 7 * j) % 49);
        r.extra[0] = static_cast<int16_t>(1 + i % 10);
        entries.push_back(r);
    }
    entries[0].count = MaxNumbersRecords;
    writeRecords(folder + QStringLiteral("/Lotto09MAR2006.lot"), entries);

    // One draw a day back from the last date, in date order.
    std::vector<NumbersRecord> draws;
    for (int i = MaxNumbersRecords - 1; i >= 0; --i) {
        const QDate d = LastDraw.addDays(-i);
        NumbersRecord r;
        r.number = static_cast<int16_t>(MaxNumbersRecords - i);
        r.day = static_cast<int16_t>(d.day());
        r.month = static_cast<int16_t>(d.month());
        r.year = static_cast<int16_t>(d.year());
        for (int j = 0; j < 6; ++j)
            r.main[static_cast<size_t>(j)] = static_cast<int16_t>(1 + j * 8 + i % 8);
        r.extra[0] = static_cast<int16_t>(1 + i % 10);
        draws.push_back(r);
    }
    draws[0].count = MaxNumbersRecords;
    writeRecords(folder + QStringLiteral("/Lotto.rtl"), draws);

    p.form = std::make_unique<Form1>();
    p.form->Form_Load();
    bench::control<platform::DatePicker>(&*p.form, "DTPicker2")->setValue(EntryDate);
    bench::control<platform::DatePicker>(&*p.form, "DTPicker1")->setValue(LastDraw);
    return p;
}

void BM_ListFullEntryFile(benchmark::State &state)
{
    Form1 &f = *prepared().form;
    for (auto _ : state) {
        f.DTPicker2_Change();
        benchmark::DoNotOptimize(bench::control<QListWidget>(&f, "List1")->count());
    }
    if (bench::control<QListWidget>(&f, "List1")->count() != MaxNumbersRecords
        || bench::control<QLineEdit>(&f, "Text2")->text() != QStringLiteral("32767"))
        state.SkipWithError("the entry file was not listed completely");
}
BENCHMARK(BM_ListFullEntryFile)->Unit(benchmark::kMillisecond);

void BM_FindLastOfFullHistory(benchmark::State &state)
{
    Form1 &f = *prepared().form;
    for (auto _ : state) {
        f.DTPicker1_Change();
        benchmark::DoNotOptimize(f.files().DrawRecord);
    }
    if (!f.drawShown() || f.files().DrawRecord != MaxNumbersRecords)
        state.SkipWithError("the last draw was not shown");
}
BENCHMARK(BM_FindLastOfFullHistory)->Unit(benchmark::kMillisecond);

} // namespace

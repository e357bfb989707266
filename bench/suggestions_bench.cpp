// Suggesting 2500 entries for a 6-of-49 game with a 2000-draw history, through the Add Entries
// window, so that the main window's list and count box are filled as the player sees them.
#include "app/form1.h"
#include "entries/form5.h"
#include "entries/suggestions.h"
#include "gamedata/sharedstate.h"
#include "platform/events.h"
#include "platform/localemonths.h"
#include "platform/messages.h"
#include "support/testfolder.h"
#include "support/windowhelpers.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <benchmark/benchmark.h>

#include "bench/benchmain.h"
#include "support/scriptedplatform.h"
#include <random>

using namespace vx;
using namespace vx::test;

namespace {
void writeHistory(const TestFolder &folder, int draws)
{
    std::mt19937 random(2024);
    std::vector<NumbersRecord> records;
    QDate date(1980, 1, 5);
    for (int d = 0; d < draws; ++d, date = date.addDays(7)) {
        std::vector<int16_t> pool(49);
        std::iota(pool.begin(), pool.end(), int16_t {1});
        std::shuffle(pool.begin(), pool.end(), random);
        std::sort(pool.begin(), pool.begin() + 6);
        NumbersRecord r = drawRecord(date.year(), date.month(), date.day(), {});
        std::copy(pool.begin(), pool.begin() + 6, r.main.begin());
        records.push_back(r);
    }
    writeNumbersFile(folder.file(QStringLiteral("Lotto.rtl")), records, true);
}

void prepare(const TestFolder &folder)
{
    writeGame(folder, 1, makeGame(QStringLiteral("Lotto"), 6, 0, 49, 2, 0, 0));
    writeHistory(folder, 2000);
}

void BM_Additional2500ThroughTheWindow(benchmark::State &state)
{
    TestFolder folder;
    platform::TestMode mode(folder.path(), ScriptedNow);
    prepare(folder);
    Form1 form;
    form.Form_Load();
    form.show();
    mode.messages.clear(); // start-up notes, such as a missing printer
    for (auto _ : state) {
        state.PauseTiming();
        if (!form.files().EntryFile.isEmpty())
            QFile::remove(form.files().EntryFile); // the previous run's entries
        form.DTPicker2_Change();
        bench::control<QPushButton>(&form, "Command4")->click();
        Form5 *window = openWindow<Form5>();
        bench::control<QLineEdit>(window, "Text8")->setText(QStringLiteral("2500"));
        bench::control<QRadioButton>(window, "Option2")->setChecked(true);
        platform::DoEvents(); // the window on view, as the player has it before clicking Add
        state.ResumeTiming();

        bench::control<QPushButton>(window, "Command4")->click();

        state.PauseTiming();
        if (bench::control<QListWidget>(&form, "List1")->count() != 2500 || !testMode().messages.shown().isEmpty()) {
            const QByteArray why = (QStringLiteral("the run did not add 2500 entries: %1 ")
                                        .arg(bench::control<QListWidget>(&form, "List1")->count())
                + testMode().messages.shown().join(QLatin1Char('|')))
                                       .toUtf8();
            state.SkipWithError(why.constData());
            break;
        }
        bench::control<QPushButton>(window, "Command3")->click();
        flushDeletes();
        bench::control<QListWidget>(&form, "List1")->clear();
        bench::control<QLineEdit>(&form, "Text2")->setText(QStringLiteral("0"));
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Additional2500ThroughTheWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same without any window: the generator and the file writes alone.
void BM_Additional2500Logic(benchmark::State &state)
{
    TestFolder folder;
    writeHistory(folder, 2000);
    const QString entries = folder.file(QStringLiteral("Lotto.lot"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(entries);
        state.ResumeTiming();
        SuggestionRun run;
        run.openEntries(entries);
        run.openHistory(folder.file(QStringLiteral("Lotto.rtl")), {6, 49, 0});
        int added = 0;
        while (added < 2500 && run.nextEntry({}, nullptr) == SuggestionRun::Turn::Accepted)
            ++added;
        run.close();
        if (added != 2500) {
            state.SkipWithError("a turn found no entry");
            break;
        }
    }
}
BENCHMARK(BM_Additional2500Logic)->Unit(benchmark::kMillisecond)->Iterations(5);
} // namespace

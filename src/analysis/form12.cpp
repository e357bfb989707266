#include "analysis/form12.h"

#include "analysis/entryfilter.h"
#include "gamedata/boxvalue.h"
#include "gamedata/filemessages.h"
#include "gamedata/numbersfile.h"
#include "gamedata/recordfile.h"
#include "platform/busycursor.h"
#include "platform/controls.h"
#include "platform/messages.h"
#include "printing/listprinting.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::placeFrame;
using platform::TwipsSize;
using platform::twipsToPixels;

namespace {
constexpr int ClientWidth = 7800;
constexpr int ClientHeight = 6555;
} // namespace

Form12::Form12(const CurrentGame &game, const MainWindowFiles &files, const StartupValues &startup,
    MainWindowLink &main, QWidget *parent)
    : ToolWindow(parent)
    , m_game(game)
    , m_entryFile(files.EntryFile)
    , m_appFolder(startup.AppFolder)
    , m_printingEnabled(startup.PrintingEnabled)
    , m_main(main)
{
    buildFrame(this, QStringLiteral("Form12"), QStringLiteral("Filter"), TwipsSize::client(ClientWidth, ClientHeight));

    Frame1 = placeFrame(this, QStringLiteral("Filter Selection"), "Frame1", 120, 120, 3360, 3000);
    Frame4 = placeFrame(Frame1, QStringLiteral("Sum Filter"), "Frame4", 120, 300, 3120, 1140);
    Check1 = placeControl(new QCheckBox(QStringLiteral("Apply Filter"), Frame4), "Check1", 120, 300, 1575, 255);
    Slider1 = placeControl(new QSlider(Qt::Horizontal, Frame4), "Slider1", 120, 660, 2880, 375);
    Slider1->setRange(1, SliderPositions);
    Slider1->setPageStep(1);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setAccessibleName(Frame4->title());
    Slider1->setToolTip(QStringLiteral("Move right to keep only the totals nearer the average"));

    Frame2 = placeFrame(Frame1, QStringLiteral("Duplicate Coverage Filter"), "Frame2", 120, 1560, 3120, 1320);
    Check2 = placeControl(new QCheckBox(QStringLiteral("Apply Filter"), Frame2), "Check2", 120, 300, 1575, 255);
    std::array<QRadioButton **, 4> options {&Option1, &Option2, &Option3, &Option4};
    for (int k = 0; k < 4; ++k)
        *options[static_cast<size_t>(k)] = placeControl(new QRadioButton(QString::number(k + 3), Frame2),
            QStringLiteral("Option%1").arg(k + 1), 120 + 735 * k, 780, 615, 255);
    Option3->setChecked(true);

    Frame5 = placeFrame(this, QStringLiteral("Entry Totals"), "Frame5", 120, 3240, 3360, 1335);
    const auto total = [this](const QString &caption, const char *labelName, const char *boxName, int top) {
        auto *label = placeControl(new QLabel(caption, Frame5), labelName, 120, top + 15, 1815, 255);
        auto *box = placeControl(new QLineEdit(Frame5), boxName, 2040, top, 1095, 285);
        box->setReadOnly(true);
        box->setAccessibleName(caption);
        return std::pair(label, box);
    };
    std::tie(Label1, Text1) = total(QStringLiteral("Total Entries"), "Label1", "Text1", 300);
    std::tie(Label2, Text2) = total(QStringLiteral("Checked"), "Label2", "Text2", 630);
    std::tie(Label3, Text3) = total(QStringLiteral("Resulting No."), "Label3", "Text3", 960);

    const auto button
        = [this](const QString &caption, const char *name, int left, int top, int width, void (Form12::*handler)()) {
              return placeButton(this, this, caption, name, left, top, width, 375, handler);
          };
    Command1 = button(QStringLiteral("Check"), "Command1", 120, 4695, 1620, &Form12::Command1_Click);
    Command4 = button(QStringLiteral("Print"), "Command4", 1860, 4695, 1620, &Form12::Command4_Click);
    Command2 = button(
        QStringLiteral("Remove Checked Items From Entry"), "Command2", 120, 5190, 3360, &Form12::Command2_Click);
    Command3 = button(QStringLiteral("Close"), "Command3", 120, 5685, 3360, &Form12::Command3_Click);
    Command1->setToolTip(QStringLiteral("Marks the entries the chosen filters take out"));
    Command2->setToolTip(QStringLiteral("Deletes the checked entries from the entry file"));

    Frame3 = placeFrame(this, QStringLiteral("Filtered Entries"), "Frame3", 3600, 120, 4080, 5940);
    List1 = placeControl(new QListWidget(Frame3), "List1", 120, 300, 3840, 5520);
    List1->setFont(platform::listFont());
    List1->setAccessibleName(Frame3->title());
    List1->setUniformItemSizes(true);
    ProgressBar1 = placeControl(new QProgressBar(this), "ProgressBar1", 120, 6180, 7560, 255);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);
    connect(
        List1, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) { List1_ItemCheck(List1->row(item)); });
}

void Form12::Form_Load()
{
    setWindowTitle(QStringLiteral("Filter for ") + m_game.GameName);
    Command4->setEnabled(m_printingEnabled);
    const std::array<QString, 4> captions = duplicateOptionCaptions(m_game.MainPicked);
    const std::array<QRadioButton *, 4> options {Option1, Option2, Option3, Option4};
    for (size_t k = 0; k < 4; ++k) {
        options[k]->setVisible(!captions[k].isEmpty());
        if (!captions[k].isEmpty())
            options[k]->setText(captions[k]);
    }
    MarkedCount = 0;
}

bool Form12::setupfile()
{
    TempFile = dataPath(m_appFolder, QStringLiteral("temp.lot"));
    QFile::remove(TempFile);
    // Without an entry file there is no copy, and the check finds no entries.
    if (!QFileInfo::exists(m_entryFile))
        return true;
    if (const FileResult copied = copyFileReplacing(m_entryFile, TempFile); !copied.ok) {
        platform::MsgBox(sentences({QStringLiteral("The entries could not be filtered."), copied.message}));
        return false;
    }
    return true;
}

void Form12::displaychecked(int itemindex, bool yesno, const std::array<int16_t, 7> &mains, int16_t extra)
{
    auto *item = new QListWidgetItem(
        filterLineText(mains, extra, m_game.MainPicked, m_game.BonusPicked == 1, m_game.BonusTag));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    List1->addItem(item);
    if (QListWidgetItem *marked = List1->item(itemindex))
        marked->setCheckState(yesno ? Qt::Checked : Qt::Unchecked);
}

void Form12::setButtonsEnabled(bool enabled)
{
    for (QPushButton *b : {Command1, Command2, Command3})
        b->setEnabled(enabled);
    Command4->setEnabled(enabled && m_printingEnabled);
    Frame1->setEnabled(enabled);
    List1->setEnabled(enabled);
}

void Form12::Command1_Click()
{
    const std::optional<SumBand> band = sumBand(m_game.MainPool, m_game.MainPicked, Slider1->value());
    FilterDone = false;
    if (!Check1->isChecked() && !Check2->isChecked()) {
        platform::MsgBox(QStringLiteral("No filter has been specified"));
        return;
    }

    platform::BusyCursor busy;
    ProgressBar1->setValue(0);
    if (!setupfile())
        return;
    MarkedCount = 0;
    NumbersFileRead read;
    if (const FileResult opened = readNumbersFile(TempFile, &read); !opened.ok) {
        busy.restore();
        platform::MsgBox(opened.message);
        return;
    }
    if (read.damaged) {
        busy.restore();
        platform::MsgBox(damagedFileMessage(m_entryFile, read.declared, read.onDisk));
    }
    const int c = static_cast<int>(read.records.size());
    if (c == 0)
        return;

    EntryMarks.assign(static_cast<size_t>(c), 0);
    ProgressBar1->setMaximum(c);
    int marked = 0;
    if (Check1->isChecked() && band)
        marked += markBySum(read.records, m_game.MainPicked, *band, EntryMarks);
    if (Check2->isChecked()) {
        int shared = 0;
        for (QRadioButton *option : {Option1, Option2, Option3, Option4})
            if (option->isChecked()) {
                shared = static_cast<int>(BoxValue(option->text()));
                break;
            }
        DuplicateMarking marking(read.records, m_game.MainPicked, shared, EntryMarks);
        platform::LongRunDriver::Reports reports;
        reports.eachStep = [&] { ProgressBar1->setValue(marking.done()); };
        // The window takes no clicks while entries are being compared.
        setButtonsEnabled(false);
        m_driver.run(marking, reports);
        setButtonsEnabled(true);
        marked += marking.marked();
    }
    MarkedCount = static_cast<int16_t>(marked);

    busy.restore();
    ProgressBar1->setValue(0);
    List1->clear();
    Text1->setText(QString::number(c));
    Text2->setText(QString::number(MarkedCount));
    Text3->setText(QString::number(c - MarkedCount));
    List1->setUpdatesEnabled(false);
    for (int k = 1; k <= c; ++k) {
        const NumbersRecord &entry = read.records[static_cast<size_t>(k - 1)];
        displaychecked(k - 1, EntryMarks[static_cast<size_t>(k - 1)] != 0, entry.main, entry.extra[0]);
    }
    List1->setUpdatesEnabled(true);
    FilterDone = true;
}

void Form12::List1_ItemCheck(int Item)
{
    if (!FilterDone || Item < 0 || static_cast<size_t>(Item) >= EntryMarks.size())
        return;
    const bool checked = List1->item(Item)->checkState() == Qt::Checked;
    if (checked == (EntryMarks[static_cast<size_t>(Item)] != 0))
        return;
    const double step = checked ? 1 : -1;
    Text2->setText(QString::number(BoxValue(Text2->text()) + step));
    Text3->setText(QString::number(BoxValue(Text3->text()) - step));
    EntryMarks[static_cast<size_t>(Item)] = checked ? 1 : 0;
}

void Form12::Command2_Click()
{
    if (BoxValue(Text2->text()) == 0 || m_entryFile.isEmpty())
        return;
    QByteArray kept;
    {
        NumbersFile temp;
        if (!temp.open(TempFile)) {
            platform::MsgBox(openFailure(temp).message);
            return;
        }
        kept = keptEntriesFile(temp.records().readAll(), temp.usableCount(), EntryMarks);
    }
    // The new entries are written beside the old file, which is replaced only once they are all
    // on disk: a failed write leaves the entry file as it was.
    QString error;
    if (!saveWholeFile(m_entryFile, kept, &error)) {
        platform::MsgBox(sentences({QStringLiteral("The checked entries were not removed."),
            cannotWriteFile(m_entryFile, error), QStringLiteral("Nothing was changed in it.")}));
        return;
    }
    List1->clear();
    Text1->clear();
    Text2->clear();
    Text3->clear();
    Command1_Click();
}

void Form12::Command4_Click()
{
    QStringList lines;
    for (int k = 0; k < List1->count(); ++k) {
        const QListWidgetItem *item = List1->item(k);
        lines << (item->checkState() == Qt::Checked ? item->text() + QStringLiteral(" Selected for Deletion")
                                                    : item->text());
    }
    PrintListCommand(lines);
}

void Form12::Command3_Click()
{
    QFile::remove(dataPath(m_appFolder, QStringLiteral("temp.lot")));
    unload();
}

void Form12::titleBarClose()
{
    if (!running())
        Command3_Click();
}

} // namespace vx

#include "entries/form30.h"

#include "gamedata/entryfiles.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/datepicker.h"
#include "platform/messages.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::TwipsSize;

namespace {
constexpr int ClientWidth = 6000;
constexpr int ClientHeight = 4560;
} // namespace

Form30::Form30(const CurrentGame &game, const StartupValues &startup, const QDate &shownEntryDate, MainWindowLink &main,
    QWidget *parent)
    : ToolWindow(parent)
    , m_game(game)
    , m_appFolder(startup.AppFolder)
    , m_monthNames(startup.MonthNames)
    , m_shownEntryDate(shownEntryDate)
    , m_main(main)
{
    buildFrame(this, QStringLiteral("Form30"), QStringLiteral("Import Txt File"),
        TwipsSize::client(ClientWidth, ClientHeight));

    Label1 = placeControl(new QLabel(QStringLiteral("1. Click on the file you want to import as an entry."), this),
        "Label1", 120, 120, 5760, 255);
    File1 = placeControl(new QListWidget(this), "File1", 120, 480, 2520, 3120);
    File1->setAccessibleName(Label1->text());
    Label2 = placeControl(new QLabel(QStringLiteral("Contents/Entries"), this), "Label2", 2760, 480, 3120, 255);
    List2 = placeControl(new QListWidget(this), "List2", 2760, 780, 3120, 2820);
    List2->setFont(platform::listFont());
    List2->setToolTip(QStringLiteral("List of your selections for the draw."));
    List2->setAccessibleName(Label2->text());
    Label3 = placeControl(new QLabel(QStringLiteral("2. Select Entry Date"), this), "Label3", 120, 3720, 2520, 255);
    DTPicker1 = placeControl(new platform::DatePicker(this), "DTPicker1", 120, 4020, 2520, 375);
    DTPicker1->setAccessibleName(Label3->text());
    Command3
        = placeButton(this, this, QStringLiteral("Import"), "Command3", 2760, 4020, 1455, 375, &Form30::Command3_Click);
    Command3->setToolTip(QStringLiteral("Use this to create the selections file for the given date and game."));
    Command1
        = placeButton(this, this, QStringLiteral("Close"), "Command1", 4425, 4020, 1455, 375, &Form30::Command1_Click);
    Command1->setToolTip(QStringLiteral("Closes the import form."));

    connect(File1, &QListWidget::itemClicked, this, [this] { File1_Click(); });
    connect(DTPicker1, &QDateEdit::dateChanged, this, [this] { DTPicker1_Change(); });
}

void Form30::Form_Load()
{
    File1->clear();
    const QDir folder(m_appFolder.isEmpty() ? QStringLiteral("/") : m_appFolder);
    File1->addItems(folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    {
        const QSignalBlocker block(DTPicker1);
        DTPicker1->setValue(platform::CurrentDate());
    }
    setWindowTitle(QStringLiteral("Import TXT Entry for ") + m_game.GameName);
}

QString Form30::chosenFile() const
{
    const QListWidgetItem *item = File1->currentItem();
    return item && item->isSelected() ? dataPath(m_appFolder, item->text()) : QString();
}

void Form30::File1_Click()
{
    List2->clear();
    view();
}

void Form30::view()
{
    const QString path = chosenFile();
    if (path.isEmpty()) {
        platform::MsgBox(importMessage(ImportCode::NoFile));
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        platform::MsgBox(importMessage(ImportCode::NotReadable));
        return;
    }
    if (file.size() > MaxImportFileBytes) {
        platform::MsgBox(importMessage(ImportCode::TooLarge));
        return;
    }
    List2->addItems(importListLines(file.readAll()));
}

ImportCode Form30::validate()
{
    const QString target = dataPath(m_appFolder, datedEntryFileName(m_game.GameName, DTPicker1->Value(), m_monthNames));
    ImportCheck check = validateImport(chosenFile(), target, ImportRules::of(m_game));
    m_lines = std::move(check.lines);
    if (check.code == ImportCode::Valid || check.code == ImportCode::DateHasEntries)
        m_target = target;
    return check.code;
}

void Form30::DTPicker1_Change()
{
    Command3->setEnabled(true);
}

void Form30::Command3_Click()
{
    const ImportCode code = validate();
    if (code != ImportCode::Valid) {
        platform::MsgBox(importMessage(code));
        return;
    }
    const FileResult written = writeImport(m_target, m_lines, DTPicker1->Value());
    if (!written.ok) {
        platform::MsgBox(written.message);
        return;
    }
    const int n = static_cast<int>(m_lines.size());
    platform::MsgBox(QStringLiteral("Entry imported successfully"));
    Command3->setEnabled(false);
    if (DTPicker1->Value() == m_shownEntryDate)
        m_main.setEntryCount(n);
    emit entriesAdded(DTPicker1->Value());
}

void Form30::Command1_Click()
{
    unload();
}

} // namespace vx

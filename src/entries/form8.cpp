#include "entries/form8.h"

#include "entries/entryfilelist.h"
#include "gamedata/filemessages.h"
#include "gamedata/sharedstate.h"
#include "platform/controls.h"
#include "platform/messages.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::TwipsSize;
using platform::twipsToPixels;

namespace {
constexpr int ClientWidth = 9720;
constexpr int ClientHeight = 5355;
} // namespace

Form8::Form8(const QString &appFolder, const QString &entryFile, MainWindowLink &main, QWidget *parent)
    : ToolWindow(parent)
    , m_appFolder(appFolder)
    , m_entryFile(entryFile)
    , m_main(main)
{
    buildFrame(
        this, QStringLiteral("Form8"), QStringLiteral("File Deletion"), TwipsSize::client(ClientWidth, ClientHeight));

    Label1 = placeControl(new QLabel(QStringLiteral("Click on the file to view it.     Use the Delete button if you "
                                                    "want to delete the displayed file."),
                              this),
        "Label1", 120, 120, 9480, 255);
    File1 = placeControl(new QListWidget(this), "File1", 120, 480, 3615, 4215);
    File1->setAccessibleName(QStringLiteral("Entry files"));
    File1->setAccessibleDescription(Label1->text());
    Label2 = placeControl(new QLabel(QStringLiteral("Contents/Entries"), this), "Label2", 3855, 480, 2295, 255);
    List2 = placeControl(new QListWidget(this), "List2", 3855, 780, 5745, 3915);
    List2->setFont(platform::listFont());
    List2->setToolTip(QStringLiteral("List of your selections for the draw."));
    List2->setAccessibleName(Label2->text());
    List2->setSelectionMode(QAbstractItemView::NoSelection);
    Command3
        = placeButton(this, this, QStringLiteral("Delete"), "Command3", 3855, 4860, 1095, 375, &Form8::Command3_Click);
    Command3->setToolTip(QStringLiteral("Use this to delete the selected file."));
    Command1
        = placeButton(this, this, QStringLiteral("Close"), "Command1", 5055, 4860, 1095, 375, &Form8::Command1_Click);
    Command1->setToolTip(QStringLiteral("Closes the file deletion form."));

    // A file counts as clicked once it is selected; the list taking the focus only marks an item.
    connect(File1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!selectedFile().isEmpty())
            File1_Click();
    });
}

void Form8::Form_Load()
{
    refreshFileList();
}

void Form8::refreshFileList()
{
    const QSignalBlocker block(File1);
    File1->clear();
    File1->addItems(entryFileNames(m_appFolder));
}

QString Form8::selectedFile() const
{
    const QList<QListWidgetItem *> selected = File1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void Form8::File1_Click()
{
    List2->clear();
    viewandcreate();
}

void Form8::viewandcreate()
{
    const QString name = selectedFile();
    if (name.isEmpty()) {
        platform::MsgBox(QStringLiteral("You have not selected a file"));
        return;
    }
    const EntryFileContents contents = readEntryFileContents(m_appFolder, name);
    List2->clear();
    List2->addItems(contents.lines);
    if (!contents.message.isEmpty())
        platform::MsgBox(contents.message);
}

void Form8::Command3_Click()
{
    const QString name = selectedFile();
    if (name.isEmpty()) {
        platform::MsgBox(QStringLiteral("You have not selected a file for deletion"));
        return;
    }
    const QString path = dataPath(m_appFolder, name);
    if (path == m_entryFile) {
        platform::MsgBox(
            QStringLiteral("You cannot delete this file, you currently have it opened in the main program"));
        return;
    }
    if (!platform::AskYesNo(QStringLiteral("Are you sure you want to delete this lottery selection file?")))
        return;
    QFile file(path);
    if (!file.remove() && file.exists()) {
        platform::MsgBox(cannotDeleteFile(name, file.errorString()));
        return;
    }
    refreshFileList();
    List2->clear();
}

void Form8::Command1_Click()
{
    unload();
}

} // namespace vx

#include "online/form10.h"

#include "online/loadresults.h"
#include "platform/controls.h"
#include "platform/messages.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::TwipsSize;

namespace {
constexpr int ClientWidth = 6000;
constexpr int ClientHeight = 5280;
constexpr int PathRole = Qt::UserRole;
} // namespace

Form10::Form10(const QString &appFolder, MainWindowLink &main, QWidget *parent)
    : ToolWindow(parent)
    , m_appFolder(appFolder)
    , m_main(main)
{
    buildFrame(this, QStringLiteral("Form10"), QStringLiteral("Load Downloaded Result Files"),
        TwipsSize::client(ClientWidth, ClientHeight));

    Label1 = placeControl(new QLabel(QStringLiteral("Just display the files in the bottom list and click OK"), this),
        "Label1", 120, 120, 5760, 255);
    Drive1 = placeControl(new QComboBox(this), "Drive1", 120, 480, 5760, 315);
    Drive1->setAccessibleName(QStringLiteral("Drive"));
    Dir1 = placeControl(new QListWidget(this), "Dir1", 120, 900, 5760, 2160);
    Dir1->setAccessibleName(QStringLiteral("Folder"));
    File1 = placeControl(new QListWidget(this), "File1", 120, 3180, 5760, 1440);
    File1->setAccessibleName(Label1->text());
    Command1
        = placeButton(this, this, QStringLiteral("OK"), "Command1", 1560, 4740, 1335, 375, &Form10::Command1_Click);
    Command2
        = placeButton(this, this, QStringLiteral("Cancel"), "Command2", 3105, 4740, 1335, 375, &Form10::Command2_Click);

    connect(Drive1, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
    connect(Dir1, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        const QString path = item->data(PathRole).toString();
        if (path == m_dirPath)
            return;
        if (showFolder(path))
            Dir1_Change();
        else
            platform::MsgBox(QStringLiteral("The folder %1 cannot be read.").arg(QDir::toNativeSeparators(path)));
    });
}

void Form10::Form_Load()
{
    // The drive list holds the mounted volumes; the folder list starts at the current folder.
    const QString start = QDir::currentPath();
    const QString startRoot = QStorageInfo(start).rootPath();
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            roots << volume.rootPath();
    if (!startRoot.isEmpty())
        roots << startRoot;
    roots.sort();
    roots.removeDuplicates();
    const QSignalBlocker block(Drive1);
    Drive1->clear();
    for (const QString &root : roots)
        Drive1->addItem(QDir::toNativeSeparators(root), root);
    m_driveRow = static_cast<int>(roots.indexOf(startRoot));
    Drive1->setCurrentIndex(m_driveRow);
    showFolder(start);
    Dir1_Change();
}

bool Form10::showFolder(const QString &path)
{
    const QDir dir(path);
    if (!dir.exists() || !dir.isReadable())
        return false;
    const QString shown = dir.canonicalPath().isEmpty() ? dir.absolutePath() : dir.canonicalPath();
    const QStringList subfolders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);

    // The folder's ancestors from the root down, the folder itself, then its subfolders one step in.
    QStringList chain;
    for (QDir up(shown);;) {
        chain.prepend(up.absolutePath());
        if (up.isRoot() || !up.cdUp())
            break;
    }
    Dir1->clear();
    int depth = 0;
    for (const QString &folder : chain) {
        const QString name = QDir(folder).isRoot() ? QDir::toNativeSeparators(folder) : QDir(folder).dirName();
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, Dir1);
        item->setData(PathRole, folder);
        ++depth;
    }
    Dir1->setCurrentRow(Dir1->count() - 1);
    for (const QString &name : subfolders) {
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, Dir1);
        item->setData(PathRole, QDir(shown).filePath(name));
    }
    m_dirPath = shown;
    return true;
}

void Form10::Drive1_Change()
{
    const int row = Drive1->currentIndex();
    if (row < 0 || !showFolder(Drive1->itemData(row).toString())) {
        // An empty or unreadable drive: the lists keep what they show, and so does the drive list.
        platform::MsgBox(QStringLiteral("Cannot connect to that drive"));
        const QSignalBlocker block(Drive1);
        Drive1->setCurrentIndex(m_driveRow);
        return;
    }
    m_driveRow = row;
    Dir1_Change();
}

void Form10::Dir1_Change()
{
    File1->clear();
    File1->addItems(QDir(m_dirPath).entryList(
        {QStringLiteral("WKL*.rtl")}, QDir::Files | QDir::CaseSensitive, QDir::Name | QDir::IgnoreCase));
}

void Form10::Command1_Click()
{
    if (File1->count() == 0) {
        platform::MsgBox(QStringLiteral("You have not displayed the results files you downloaded"));
        return;
    }
    // Whatever File1 shows or has selected, the known files of the shown folder are copied.
    const LoadedResults loaded = loadDownloadedResults(m_dirPath, m_appFolder);
    for (const QString &message : loaded.messages)
        platform::MsgBox(message);
    closeWindow();
}

void Form10::Command2_Click()
{
    closeWindow();
}

void Form10::closeWindow()
{
    unload();
}

} // namespace vx

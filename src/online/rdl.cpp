#include "online/rdl.h"

#include "online/onlineservices.h"
#include "platform/controls.h"
#include "platform/messages.h"
#include "platform/twips.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::TwipsSize;
using platform::twipsToPixels;

const QStringList RDL::GameNames = {QStringLiteral("Weekly"), QStringLiteral("Midweek"), QStringLiteral("Saturday"),
    QStringLiteral("Daily"), QStringLiteral("Grand"), QStringLiteral("Jackpot")};

RDL::RDL(const QString &appFolder, MainWindowLink &main, QWidget *parent)
    : ToolWindow(parent)
    , m_appFolder(appFolder)
    , m_main(main)
{
    buildFrame(this, QStringLiteral("RDL"), QStringLiteral("Update Results"), TwipsSize::client(4800, 4440));

    Label1 = placeControl(new QLabel(QStringLiteral("Results to download"), this), "Label1", 120, 120, 4560, 255);
    List1 = placeControl(new QListWidget(this), "List1", 120, 420, 2880, 1920);
    List1->setAccessibleName(Label1->text());
    for (const QString &game : GameNames) {
        auto *item = new QListWidgetItem(game, List1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    ProgressBar1 = placeControl(new QProgressBar(this), "ProgressBar1", 120, 2520, 4560, 375);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    Label2 = placeControl(new QLabel(this), "Label2", 120, 3000, 4560, 255);
    Command1
        = placeButton(this, this, QStringLiteral("Download"), "Command1", 3240, 420, 1215, 375, &RDL::Command1_Click);
    Command2
        = placeButton(this, this, QStringLiteral("Cancel"), "Command2", 3240, 900, 1215, 375, &RDL::Command2_Click);
    Command3
        = placeButton(this, this, QStringLiteral("Close"), "Command3", 1792, 3840, 1215, 375, &RDL::Command3_Click);
    Command2->setEnabled(false);
}

void RDL::setDownloading(bool downloading)
{
    m_downloading = downloading;
    Command1->setEnabled(!downloading);
    Command3->setEnabled(!downloading);
    List1->setEnabled(!downloading);
    Command2->setEnabled(downloading);
}

void RDL::Command1_Click()
{
    if (m_downloading)
        return;
    QStringList chosen;
    for (int i = 0; i < List1->count(); ++i)
        if (List1->item(i)->checkState() == Qt::Checked)
            chosen << List1->item(i)->text();
    if (chosen.isEmpty()) {
        platform::MsgBox(QStringLiteral("Tick the games whose results you want to download."));
        return;
    }
    if (online::networkConnection() == online::Connection::Offline) {
        platform::MsgBox(online::NoConnectionMessage);
        return;
    }
    online::ResultsDownload download(m_appFolder, chosen, m_http,
        {[](const QString &text) { platform::MsgBox(text); },
            [](const QString &text) { return platform::AskYesNo(text); },
            [this](const QString &status) {
                Label2->setText(status);
                ProgressBar1->setRange(0, 1);
                ProgressBar1->setValue(0);
            },
            [this](qint64 received, qint64 expected) {
                // Without a Content-length the bar only shows that something is happening.
                ProgressBar1->setRange(0, expected > 0 ? int(expected) : 0);
                ProgressBar1->setValue(int(std::min(received, qint64(ProgressBar1->maximum()))));
            }});
    m_download = &download;
    setDownloading(true);
    m_driver.run(download);
    setDownloading(false);
    m_download = nullptr;
    Label2->setText(download.summary());
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    if (m_closeAfter)
        Command3_Click();
}

void RDL::Command2_Click()
{
    if (!m_download)
        return;
    m_download->cancel();
    m_driver.cancel();
}

void RDL::Command3_Click()
{
    unload();
}

void RDL::titleBarClose()
{
    if (m_downloading) {
        m_closeAfter = true;
        Command2_Click();
        return;
    }
    Command3_Click();
}

} // namespace vx

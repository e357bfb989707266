#include "online/upgradewindow.h"

#include "online/updatecheck.h"
#include "platform/controls.h"
#include "platform/twips.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <limits>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::TwipsSize;
using platform::twipsToPixels;

UpgradeCheckWindow::UpgradeCheckWindow(MainWindowLink &main, QWidget *parent)
    : ToolWindow(parent)
    , m_main(main)
{
    buildFrame(
        this, QStringLiteral("UpgradeCheckWindow"), QStringLiteral("Check for Upgrade"), TwipsSize::client(4800, 1695));

    Label1 = placeControl(new QLabel(this), "Label1", 120, 120, 4560, 255);
    ProgressBar1 = placeControl(new QProgressBar(this), "ProgressBar1", 120, 480, 4560, 375);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setAccessibleName(QStringLiteral("Progress"));
    Command1 = placeButton(
        this, this, QStringLiteral("Cancel"), "Command1", 1792, 1080, 1215, 375, &UpgradeCheckWindow::Command1_Click);
}

bool UpgradeCheckWindow::run(const QString &appFolder)
{
    online::UpgradeProgress progress;
    progress.waiting = [this](const QString &what) {
        Label1->setText(what);
        ProgressBar1->setRange(0, 0); // busy until the size of what comes is known
    };
    progress.received = [this](qint64 received, qint64 expected) {
        if (expected <= 0 || expected > std::numeric_limits<int>::max())
            return;
        ProgressBar1->setRange(0, int(expected));
        ProgressBar1->setValue(int(std::min(received, expected)));
    };
    const bool started = online::checkForUpgrade(appFolder, m_http, progress);
    unload();
    return started;
}

void UpgradeCheckWindow::Command1_Click()
{
    m_http.cancel();
}

void UpgradeCheckWindow::titleBarClose()
{
    Command1_Click();
}

} // namespace vx

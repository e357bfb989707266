#pragma once

#include "platform/toolwindow.h"

#include <QString>

class QFrame;
class QLabel;
class QPushButton;

namespace vx {

// The About box: the program's picture and version, what it is for, a disclaimer, and a button
// that starts the system information program. It leaves the main window enabled; only one box is
// open at a time.
class frmAbout : public ToolWindow
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
    // "Version major.minor.patch" of this build.
    static QString versionText();

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    static void StartSysInfo();

    QFrame *Line1[2] = {};

protected:
    void titleBarClose() override { cmdOK_Click(); }

private:
    // Controls, named as the program names them; tests find them by object name.
    QLabel *Image4 = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;
};

} // namespace vx

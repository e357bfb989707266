#pragma once

#include "platform/toolwindow.h"

#include <QString>

class QLabel;
class QListWidget;
class QPushButton;

namespace vx {

class MainWindowLink;
struct StartupValues;

// The printer window: the installed printers with the current one selected. Closing it makes the
// printer the player picked current and keeps it in print.dat for the next start; printing that
// was off for want of a printer is switched on. The main window is enabled again in every case.
class Form11 : public ToolWindow
{
    Q_OBJECT
public:
    Form11(const StartupValues &startup, MainWindowLink &mainWindow, QWidget *parent = nullptr);

    void Command1_Click(); // Close

protected:
    void titleBarClose() override { Command1_Click(); }

private:
    // Controls, named as the program names them; tests find them by object name.
    QLabel *Label1 = nullptr;
    QListWidget *List1 = nullptr;
    QPushButton *Command1 = nullptr;

    // Makes the chosen printer current and saves it; false when it is no longer installed.
    bool useChosenPrinter(const QString &name);

    const StartupValues &m_startup;
    MainWindowLink &m_mainWindow;
    QString m_chosen; // the printer the player picked, empty until then
};

} // namespace vx

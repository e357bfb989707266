#include "printing/form11.h"

#include "gamedata/filemessages.h"
#include "gamedata/mainwindowlink.h"
#include "gamedata/sharedstate.h"
#include "platform/controls.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "printing/printers.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::TwipsSize;

namespace {
constexpr int ClientWidth = 4200;
constexpr int ClientHeight = 3075;
} // namespace

Form11::Form11(const StartupValues &startup, MainWindowLink &mainWindow, QWidget *parent)
    : ToolWindow(parent)
    , m_startup(startup)
    , m_mainWindow(mainWindow)
{
    buildFrame(
        this, QStringLiteral("Form11"), QStringLiteral("Select Printer"), TwipsSize::client(ClientWidth, ClientHeight));

    Label1 = placeControl(new QLabel(QStringLiteral("Installed printers:"), this), "Label1", 120, 120, 3960, 255);
    List1 = placeControl(new QListWidget(this), "List1", 120, 420, 3960, 2040);
    List1->setAccessibleName(Label1->text());
    Label1->setBuddy(List1);
    Command1
        = placeButton(this, this, QStringLiteral("Close"), "Command1", 2880, 2580, 1200, 375, &Form11::Command1_Click);
    Command1->setDefault(true);

    const QString current = platform::CurrentPrinterName();
    for (const QString &name : platform::InstalledPrinterNames()) {
        List1->addItem(name);
        if (name == current)
            List1->setCurrentRow(List1->count() - 1);
    }

    // Only a printer the player picks counts as a choice; the one selected at the start is not.
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selected = List1->selectedItems();
        m_chosen = selected.isEmpty() ? QString() : selected.first()->text();
    });
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { Command1_Click(); });
}

void Form11::Command1_Click()
{
    if (!m_chosen.isEmpty() && useChosenPrinter(m_chosen) && !m_startup.PrintingEnabled)
        m_mainWindow.printingEnabledAgain();
    unload();
}

bool Form11::useChosenPrinter(const QString &name)
{
    // The printer may have been removed while the window was open.
    if (!platform::SetCurrentPrinter(name)) {
        platform::MsgBox(
            QStringLiteral("The printer \"%1\" is no longer installed; the printer stays as it was.").arg(name));
        return false;
    }
    QString error;
    if (!SavePrinterName(m_startup.AppFolder, name, &error))
        platform::MsgBox(sentences({QStringLiteral("The printer choice could not be saved"),
            cannotWriteFile(QStringLiteral("print.dat"), error),
            QStringLiteral("\"%1\" is used until the program ends and must be chosen again at the next start.")
                .arg(name)}));
    return true;
}

} // namespace vx

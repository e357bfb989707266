#include "support/mainwindowfixture.h"

#include "gamedata/rnd.h"
#include "platform/events.h"
#include "platform/localemonths.h"
#include "platform/messages.h"
#include "platform/sound.h"

namespace vx::test {

void MainWindowTest::SetUp()
{
    platform::MessageScript::begin();
    platform::SoundRecorder::begin();
    platform::SetEndProgramRecordsOnly(true);
    platform::ResetProgramEnded();
    platform::SetProgramFolderForTesting(folder.path());
    platform::SetMonthNamesForTesting(QStringList{
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
        QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
        QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")});
}

void MainWindowTest::TearDown()
{
    // Close every window a test left open, the main window last.
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top != m_form.get() && top->isWindow() && top->isVisible())
            top->hide();
    m_form.reset();
    QApplication::processEvents();
    platform::SetMonthNamesForTesting(std::nullopt);
    platform::SetProgramFolderForTesting(QString());
    platform::SoundRecorder::end();
    platform::MessageScript::end();
    RndTesting::setClock({});
}

Form1 &MainWindowTest::start()
{
    m_form = std::make_unique<Form1>();
    EXPECT_TRUE(m_form->Form_Load());
    m_form->show();
    return *m_form;
}

QStringList MainWindowTest::lines(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

QList<int> MainWindowTest::selectedRows(const QListWidget *list)
{
    QList<int> rows;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            rows << i;
    return rows;
}

} // namespace vx::test

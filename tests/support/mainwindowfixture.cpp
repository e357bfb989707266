#include "support/mainwindowfixture.h"

namespace vx::test {

void MainWindowTest::TearDown()
{
    // Close every window a test left open, the main window last.
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top != m_form.get() && top->isWindow() && top->isVisible())
            top->hide();
    m_form.reset();
    QApplication::processEvents();
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

#pragma once

#include "app/form1.h"
#include "support/testfolder.h"

#include <QApplication>
#include <QListWidget>
#include <gtest/gtest.h>
#include <memory>

namespace vx::test {

// A main window on a prepared application folder: messages are scripted, sounds recorded, the
// end of the program only recorded, and the month names are the English ones (JAN ... DEC), so
// dated entry files are named alike on every machine. Prepare the folder, then call start().
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates Form1 and runs its start-up; the window is shown (offscreen).
    Form1 &start();
    Form1 &form() { return *m_form; }

    // Widgets of any open window by object name.
    template <typename T> T *find(const QString &name) const
    {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->objectName() == name)
                if (auto *w = qobject_cast<T *>(top))
                    return w;
            if (auto *w = top->findChild<T *>(name))
                return w;
        }
        return nullptr;
    }

    static QStringList lines(const QListWidget *list);
    static QList<int> selectedRows(const QListWidget *list);

    TestFolder folder;

private:
    std::unique_ptr<Form1> m_form;
};

} // namespace vx::test

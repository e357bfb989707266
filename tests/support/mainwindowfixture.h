#pragma once

#include "app/form1.h"
#include "gamedata/mainwindowlink.h"
#include "support/scriptedplatform.h"
#include "support/testfolder.h"
#include "support/windowhelpers.h"

#include <QApplication>
#include <QEvent>
#include <QListWidget>
#include <gtest/gtest.h>
#include <memory>

namespace vx::test {

// A main window on a prepared application folder, the platform in its test mode for that folder
// with the clock at ScriptedNow (testMode() reaches it). Prepare the folder, then call start().
class MainWindowTest : public ::testing::Test
{
protected:
    void TearDown() override;

    // Creates Form1 and runs its start-up; the window is shown (offscreen).
    Form1 &start();
    Form1 &form() { return *m_form; }

    // A widget of any open window by object name.
    template <typename T> T *find(const QString &name) const
    {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            T *w = top->objectName() == name ? qobject_cast<T *>(top) : nullptr;
            if (w || (w = top->findChild<T *>(name)))
                return w;
        }
        return nullptr;
    }

    static QStringList lines(const QListWidget *list);
    static QList<int> selectedRows(const QListWidget *list);

    TestFolder folder;

private:
    platform::TestMode m_testMode {folder.path(), ScriptedNow};
    std::unique_ptr<Form1> m_form;
};

// Stands for the window a tool window is opened from (openToolWindow) and counts the times it is
// enabled again.
class OpenerWidget : public QWidget
{
public:
    explicit OpenerWidget(int &enabled)
        : m_enabled(enabled)
    {
    }

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::EnabledChange && isEnabled())
            ++m_enabled;
        QWidget::changeEvent(event);
    }

private:
    int &m_enabled;
};

// A main window that keeps the entry count it is given; tool windows opened from its window count
// the times it is enabled again.
class FakeMainWindow : public MainWindowLink
{
public:
    void appendEntryLines(const QStringList &lines) override { entryLines << lines; }
    void replaceEntryLine(int, const QString &) override { }
    void setEntryCount(int count) override { entryCount = count; }
    double entryCountShown() const override { return entryCount; }
    void refreshEntryPanel() override { }
    void clearEntryDisplay() override { ++cleared; }
    void closeEntryFile() override { ++closed; }
    void showDraw(const NumbersRecord &) override { }
    void refreshDrawPanel() override { }
    void setDrawDate(const QDate &date) override { drawDates << date; }
    void clearWinningLines() override { }
    void printingEnabledAgain() override { ++printingEnabled; }

    QStringList entryLines;
    QList<QDate> drawDates; // every draw date set, in order
    int entryCount = 0;
    int enabled = 0; // times the main window was enabled again
    int printingEnabled = 0; // times printing was switched on again
    int cleared = 0; // times the entry display and the shown draw were cleared
    int closed = 0; // times the entry file was closed
    OpenerWidget window {enabled}; // what tool windows are opened from
};

} // namespace vx::test

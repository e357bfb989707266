#pragma once

#include "gamedata/mainwindowlink.h"
#include "gamedata/sharedstate.h"
#include "platform/toolwindow.h"

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vx {

// "Edit Entry": the numbers of entry EditRecord (from 1) of the entry file, changed in place.
class editEntry : public ToolWindow
{
    Q_OBJECT
public:
    static constexpr int BoxCount = 8; // seven main numbers and a bonus at most

    editEntry(const CurrentGame &game, const QString &entryFile, int16_t editRecord, MainWindowLink &main,
        QWidget *parent = nullptr);

    void Form_Load();
    void Command6_Click(); // Change
    void Command5_Click(); // Cancel

    std::array<QLineEdit *, BoxCount> Text1 {};
    int16_t BonusBox = 0;

protected:
    void titleBarClose() override { Command5_Click(); }

private:
    // Controls, named as the program names them; tests find them by object name.
    QLabel *Label1 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command5 = nullptr;

    const CurrentGame m_game;
    const QString m_entryFile;
    const int16_t m_editRecord;
    MainWindowLink &m_main;
};

} // namespace vx

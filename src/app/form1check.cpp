#include "app/form1.h"

#include "gamedata/drawcheck.h"
#include "platform/messages.h"
#include "platform/sound.h"

#include <QItemSelection>
#include <QLineEdit>
#include <QListWidget>

namespace vx {

void Form1::Command14_Click()
{
    List2->clear();
    if (entryCountRounded() < 1) {
        platform::MsgBox(QStringLiteral("You do not have any entries listed to check!"));
        return;
    }
    if (!drawShown()) {
        platform::MsgBox(QStringLiteral("You do not have any draw result listed to check against!"));
        return;
    }
    if (!anyWinLine(m_game.WinLines)) {
        platform::MsgBox(
            QStringLiteral("You cannot do a check you have no winning entries defined for ") + m_game.GameName);
        return;
    }

    CheckNumbers draw {};
    std::copy(m_files.DrawnBalls.begin() + 1, m_files.DrawnBalls.end(), draw.begin() + 1);
    EntriesCheck check;
    if (const FileResult read = checkEntryFile(m_files.EntryFile, draw, m_game.checkRules(), &check); !read.ok) {
        platform::MsgBox(read.message);
        return;
    }
    const int count = check.entryCount;
    std::vector<int> winnerRows;
    for (int row : check.winnerRows)
        if (row < List1->count())
            winnerRows.push_back(row);

    // Lines of the checked entries end up selected exactly when they won.
    QItemSelectionModel *selection = List1->selectionModel();
    const int checkedLines = std::min(count, static_cast<int>(List1->count()));
    if (checkedLines > 0)
        selection->select(QItemSelection(List1->model()->index(0, 0), List1->model()->index(checkedLines - 1, 0)),
            QItemSelectionModel::Deselect);
    // Runs of neighbouring winners go in as one range each: one selection change for the lot.
    QItemSelection winners;
    for (size_t k = 0; k < winnerRows.size();) {
        size_t end = k;
        while (end + 1 < winnerRows.size() && winnerRows[end + 1] == winnerRows[end] + 1)
            ++end;
        winners.append(
            QItemSelectionRange(List1->model()->index(winnerRows[k], 0), List1->model()->index(winnerRows[end], 0)));
        k = end + 1;
    }
    selection->select(winners, QItemSelectionModel::Select);
    List2->addItems(check.winningLines);
    if (check.playsSound)
        platform::PlaySoundAsync(m_startup.AppFolder + QStringLiteral("/tada.wav"));

    Text3->setText(QStringLiteral(" ") + QString::number(check.wins));
    if (check.wins == 0)
        platform::MsgBox(QStringLiteral("No wins this time!"));
}

} // namespace vx

#pragma once

#include "platform/httptransfer.h"
#include "platform/steprun.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace vx::online {

// What the results download asks of the window that shows it.
struct DownloadPrompts {
    std::function<void(const QString &)> tell; // a message for the player
    std::function<bool(const QString &)> ask; // a Yes/No question; true for Yes
    std::function<void(const QString &)> gameStarted; // the status line for the game now fetched
    std::function<void(qint64 received, qint64 expected)> progress; // expected 0: not known
};

// Downloads the results of the games given, one game a step: the game's history is kept as
// temp.rtl in the application folder, its file fetched from the download server and checked, and
// after a Yes it replaces the history. Whatever did not end in a replacement leaves the history
// byte for byte as it was (or missing, when it was missing); temp.rtl is removed when the game is
// done. A cancel stops the transfer under way and the games after it.
class ResultsDownload : public platform::StepRun
{
public:
    ResultsDownload(
        const QString &appFolder, const QStringList &games, platform::HttpTransfer &http, DownloadPrompts prompts);
    bool step(const std::function<bool()> &keepGoing) override;
    void cancel();

    bool cancelled() const { return m_cancelled; }
    QStringList failed() const { return m_failed; } // games whose results something kept out
    QString summary() const; // the status line once the run is over

private:
    bool downloadGame(const QString &game); // false when something went wrong

    const QString m_appFolder;
    const QStringList m_games;
    platform::HttpTransfer &m_http;
    const DownloadPrompts m_prompts;
    int m_next = 0;
    bool m_cancelled = false;
    QStringList m_failed;
};

} // namespace vx::online

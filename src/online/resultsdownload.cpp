#include "online/resultsdownload.h"

#include "gamedata/entryfiles.h"
#include "gamedata/filemessages.h"
#include "gamedata/numbersfile.h"
#include "gamedata/sharedstate.h"
#include "online/historyvalidation.h"
#include "online/onlineservices.h"

#include <QFile>

namespace vx::online {

ResultsDownload::ResultsDownload(
    const QString &appFolder, const QStringList &games, platform::HttpTransfer &http, DownloadPrompts prompts)
    : m_appFolder(appFolder)
    , m_games(games)
    , m_http(http)
    , m_prompts(std::move(prompts))
{
}

bool ResultsDownload::step(const std::function<bool()> &)
{
    if (m_cancelled || m_next >= m_games.size())
        return false;
    const QString game = m_games[m_next++];
    if (!downloadGame(game) && !m_cancelled)
        m_failed << game;
    return !m_cancelled && m_next < m_games.size();
}

void ResultsDownload::cancel()
{
    m_cancelled = true;
    m_http.cancel();
}

QString ResultsDownload::summary() const
{
    if (m_cancelled)
        return QStringLiteral("Cancelled.");
    if (!m_failed.isEmpty())
        return QStringLiteral("Not downloaded: %1.").arg(m_failed.join(QStringLiteral(", ")));
    return QStringLiteral("Done.");
}

bool ResultsDownload::downloadGame(const QString &game)
{
    const QString history = dataPath(m_appFolder, historyFileName(game));
    const QString backup = dataPath(m_appFolder, QStringLiteral("temp.rtl"));
    const bool existed = QFile::exists(history);
    if (existed) {
        if (const FileResult copied = copyFileReplacing(history, backup); !copied.ok) {
            m_prompts.tell(sentences(
                {QStringLiteral("The %1 history could not be backed up, so its results are not downloaded").arg(game),
                    copied.message}));
            return false;
        }
    }
    const QByteArray before = existed ? [&] {
        QFile file(history);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }() : QByteArray();

    m_prompts.gameStarted(QStringLiteral("Downloading the %1 results...").arg(game));
    const QString fileName = QStringLiteral("NXL%1.rtl").arg(game);
    const Fetched fetched
        = fetch(m_http, serverUrl(QStringLiteral("/dwnld/") + fileName), MaxNumbersFileBytes, m_prompts.progress);

    const QString unchanged = QStringLiteral("The %1 history has not been changed.").arg(game);
    bool sound = false;
    bool replaced = false;
    if (fetched.outcome != Fetched::Outcome::Complete) {
        m_prompts.tell(sentences({fetched.problem, unchanged}));
    } else if (const HistoryValidation valid = validateHistory(fetched.body, fileName); !valid.ok) {
        m_prompts.tell(sentences({valid.problem, unchanged}));
    } else {
        sound = true;
        if (m_prompts.ask(
                QStringLiteral("Replace the %1 history with the %2 results downloaded?").arg(game).arg(valid.count))) {
            QString error;
            replaced = saveWholeFile(history, fetched.body, &error);
            if (!replaced) {
                sound = false;
                m_prompts.tell(sentences({cannotWriteFile(history, error), unchanged}));
            }
        }
    }

    // Whatever did not end in a replacement leaves the history exactly as it was.
    if (!replaced) {
        QFile now(history);
        const bool exists = now.exists();
        const QByteArray current = exists && now.open(QIODevice::ReadOnly) ? now.readAll() : QByteArray();
        now.close();
        if (existed && (!exists || current != before))
            copyFileReplacing(backup, history);
        else if (!existed && exists)
            QFile::remove(history);
    }
    QFile::remove(backup);
    return sound;
}

} // namespace vx::online

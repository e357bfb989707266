#pragma once

#include "platform/desktop.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <initializer_list>
#include <optional>

namespace vx::platform {

// The platform under test. While one stands, no seam shows a dialog, reaches the network or the
// desktop, plays a sound, reads the real clock or ends the program: each seam asks this object,
// which holds the answers a test queued and records what the program asked for. Constructing it
// puts every seam in its test state; destroying it puts the real platform back. One stands at a
// time.
class TestMode
{
public:
    // `programFolder` stands for the program's own folder (empty: the real one); the clock stands
    // still at `now`; the month names are the English ones, so that dated files are named alike on
    // every machine.
    TestMode(const QString &programFolder, const QDateTime &now);
    ~TestMode();
    TestMode(const TestMode &) = delete;
    TestMode &operator=(const TestMode &) = delete;

    static TestMode *current(); // the one standing; null outside tests

    // Answers queued by a test, taken in order by the seam's requests, which are all recorded.
    template <typename Answer, typename Request> class Script
    {
    public:
        int pendingAnswers() const { return static_cast<int>(m_answers.size()); }
        int unanswered() const { return m_unanswered; } // requests that found nothing queued
        void reset() { *this = Script {}; } // forget the answers not taken and what was asked

    protected:
        void queue(const Answer &answer) { m_answers.push_back(answer); }
        std::optional<Answer> take(const Request &request)
        {
            m_asked.append(request);
            if (m_answers.empty()) {
                ++m_unanswered;
                return std::nullopt;
            }
            Answer answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        }

        std::deque<Answer> m_answers;
        QList<Request> m_asked;
        int m_unanswered = 0;
    };

    // Message boxes and Yes/No questions: every text is recorded; a question takes the next
    // answer, No when none is left.
    class Messages : public Script<bool, QString>
    {
    public:
        void answer(bool yes);
        void answers(std::initializer_list<bool> yes);
        QStringList shown() const { return m_asked; } // boxes and questions, oldest first
        QString last() const; // empty when nothing was shown
        int unansweredQuestions() const { return unanswered(); }
        void clear(); // forget what was shown; queued answers stay

        void show(const QString &text); // the seam's side
        bool ask(const QString &question);
    };

    // What a folder or file chooser was asked for.
    struct ChooserRequest {
        enum class Kind { Folder, OpenFile, SaveFile };
        Kind kind;
        QString caption;
        QString startFolder;
        QString filter; // empty for a folder
        bool operator==(const ChooserRequest &) const = default;
    };

    // Folder and file choosers: each takes the next path, Cancel (empty) when none is left.
    class FileChooser : public Script<QString, ChooserRequest>
    {
    public:
        void choose(const QString &path); // the path the next chooser gives
        void cancel();
        QList<ChooserRequest> asked() const { return m_asked; } // oldest first

        QString take(const ChooserRequest &request); // the seam's side
    };

    // A scripted answer to a GET.
    struct HttpAnswer {
        int status = 200;
        QList<QPair<QByteArray, QByteArray>> headers; // a Content-Length is added when missing
        QByteArray body;
        QString failure; // not empty: the transfer fails with this reason, without an answer
    };

    // Downloads: each GET takes the next answer, delivered as the network would deliver it; a GET
    // with nothing queued fails. After useNetwork() they go to the network (a test's own server).
    class Downloads : public Script<HttpAnswer, QUrl>
    {
    public:
        void respond(const HttpAnswer &answer);
        void respond(int status, const QByteArray &body);
        void fail(const QString &reason);
        QList<QUrl> requested() const { return m_asked; } // oldest first
        void useNetwork() { m_network = true; }

        bool scripted() const { return !m_network; } // the seam's side
        std::optional<HttpAnswer> take(const QUrl &url) { return Script::take(url); }

    private:
        bool m_network = false;
    };

    // The clock stands still; every reading is counted.
    class Clock
    {
    public:
        void setNow(const QDateTime &now) { m_now = now; }
        void setTime(const QTime &time) { m_now.setTime(time); } // the same day, another time
        int readings() const { return m_readings; }

        QDateTime read(); // the seam's side

    private:
        friend class TestMode;
        QDateTime m_now;
        int m_readings = 0;
    };

    // Documents opened and programs started: nothing is; each document takes the next result
    // (Failed when none is left); the system information program is the one set (none unless set).
    class Desktop : public Script<OpenResult, QString>
    {
    public:
        void answerOpen(OpenResult result) { queue(result); }
        void setSystemInfoProgram(const QString &path) { m_systemInfo = path; }
        void setStartsOk(bool ok) { m_startsOk = ok; }
        QStringList opened() const { return m_asked; } // oldest first
        QStringList started() const { return m_started; } // oldest first
        void reset() { *this = Desktop {}; }

        OpenResult open(const QString &path) { return take(path).value_or(OpenResult::Failed); } // the seam's side
        QString systemInfoProgram() const { return m_systemInfo; }
        bool start(const QString &path);

    private:
        QString m_systemInfo;
        bool m_startsOk = true;
        QStringList m_started;
    };

    // Sounds: nothing plays, the paths are kept.
    class Sound
    {
    public:
        QStringList played() const { return m_played; }

        void play(const QString &path) { m_played << path; } // the seam's side

    private:
        QStringList m_played;
    };

    // The program's folder, and its end, which is only recorded.
    class Program
    {
    public:
        void setFolder(const QString &folder) { m_folder = folder; } // empty: the real one
        bool ended() const { return m_ended; }
        void reset() { m_ended = false; } // not ended

        QString folder() const { return m_folder; } // the seam's side
        void end() { m_ended = true; }

    private:
        friend class TestMode;
        QString m_folder;
        bool m_ended = false;
    };

    // The locale's month names.
    class Locale
    {
    public:
        void setMonthNames(std::optional<QStringList> names) { m_monthNames = std::move(names); } // none: the real
        void setUnreadable(bool unreadable) { m_unreadable = unreadable; } // no month names at all

        std::optional<QStringList> monthNames() const { return m_monthNames; } // the seam's side
        bool unreadable() const { return m_unreadable; }

    private:
        std::optional<QStringList> m_monthNames;
        bool m_unreadable = false;
    };

    Messages messages;
    FileChooser fileChooser;
    Downloads http;
    Clock clock;
    Desktop desktop;
    Sound sound;
    Program program;
    Locale locale;
};

} // namespace vx::platform

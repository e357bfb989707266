#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace vx::test {

// A private CUPS scheduler for one test program: configuration, spool and logs in a temporary
// folder, listening only on a socket there. Every queue prints through the generic PDF driver
// into a file of its own, so a test can read back what was printed. Started and stopped by
// process id; nothing of the machine's own printing system is used.
class CupsScheduler
{
public:
    explicit CupsScheduler(const QStringList &queues);
    ~CupsScheduler() { stop(); }

    // Writes the configuration, starts `cupsd -f` and waits (bounded) until it answers. False,
    // with the reason, when it cannot run here.
    bool start(QString *error);
    void stop();
    bool running() const { return m_process && m_process->state() == QProcess::Running; }

    QString socketPath() const { return m_dir.path() + QStringLiteral("/cups.sock"); } // for CUPS_SERVER
    QStringList queues() const { return m_queues; }
    QString outputFile(const QString &queue) const; // where the queue's printouts land

    // Waits (at most timeoutMs) until the queue has no unfinished job and its output file holds a
    // complete document. False, with the queue state and the scheduler's log, on a timeout.
    bool waitForPrintout(const QString &queue, int timeoutMs, QString *error) const;
    // Jobs taken since the start, finished ones included; -1 when the scheduler cannot be asked.
    int jobsTaken() const;
    // Makes a queue accept or refuse new jobs, as an administrator would.
    bool setAccepting(const QString &queue, bool accepting, QString *error) const;

private:
    QString log() const;
    QString client(const QString &tool, const QStringList &arguments, int *exitCode, QString *errors = nullptr) const;

    QStringList m_queues;
    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_process;
};

// Starts the scheduler of this test program before its first test and stops it after the last;
// call once, from a test file's static scope. Qt's print support and the CUPS client library read
// the server address once per process, so CUPS_SERVER is pointed at the scheduler first. When it
// cannot run, the program fails instead of testing nothing.
bool UseCupsScheduler(const QStringList &queues);
CupsScheduler &cups();

// Runs a poppler tool (pdftotext, pdffonts) and gives its output; a failure fails the test.
QString pdfTool(const QString &tool, const QStringList &arguments);

} // namespace vx::test

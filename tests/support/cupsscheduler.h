#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace vx::test {

// A private CUPS scheduler for one test program: its own configuration, spool and logs in a
// temporary folder, listening only on a socket in that folder. Every queue prints through the
// generic PDF driver into a file of its own, so a test can read back what was printed.
// Started and stopped by process id; nothing of the machine's own printing system is used.
class CupsScheduler
{
public:
    explicit CupsScheduler(const QStringList &queues);
    ~CupsScheduler();
    CupsScheduler(const CupsScheduler &) = delete;
    CupsScheduler &operator=(const CupsScheduler &) = delete;

    // Writes the configuration, starts `cupsd -f` and waits until it answers. False, with the
    // reason, when it cannot run here.
    bool start(QString *error);
    void stop();
    bool running() const;
    qint64 pid() const;

    QString socketPath() const; // the value for CUPS_SERVER
    QStringList queues() const { return m_queues; }
    QString outputFile(const QString &queue) const; // where the queue's printouts land
    void removeOutput(const QString &queue) const;

    // Waits (at most timeoutMs) until the queue has no unfinished job and its output file holds
    // a complete document. False, with the queue state and the scheduler's log, on a timeout.
    bool waitForPrintout(const QString &queue, int timeoutMs, QString *error) const;

    // The unfinished jobs of a queue (of all queues for an empty name), as lpstat lists them.
    QString pendingJobs(const QString &queue, int *exitCode = nullptr) const;

    // How many jobs the scheduler has taken since it started, finished ones included; -1 when
    // it cannot be asked.
    int jobsTaken() const;

    // Makes a queue accept or refuse new jobs, as an administrator would.
    bool setAccepting(const QString &queue, bool accepting, QString *error) const;

    QString log() const; // the scheduler's error log

private:
    bool writeConfiguration(QString *error) const;
    QString lpstat(const QStringList &arguments, int *exitCode = nullptr) const;

    QStringList m_queues;
    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_process;
};

// The scheduler of a whole test program. Qt's print support and the CUPS client library read
// the server address once per process, so the scheduler is started, and CUPS_SERVER pointed at
// it, before the first test; it stops after the last. When the scheduler cannot run, the
// program fails instead of testing nothing.
class CupsEnvironment : public ::testing::Environment
{
public:
    explicit CupsEnvironment(const QStringList &queues);
    void SetUp() override;
    void TearDown() override;

    static CupsScheduler &scheduler(); // of the one environment of this program

private:
    QStringList m_queues;
};

// Registers the environment of this test program (call once, from a test file's static scope).
bool UseCupsScheduler(const QStringList &queues);

// Text of a PDF as laid out on the page (pdftotext -layout, with further options), its words
// with their positions (pdftotext -bbox) and its font list (pdffonts).
QString pdfText(const QString &path, const QStringList &options = {});
QString pdfBoxes(const QString &path);
QString pdfFonts(const QString &path);

} // namespace vx::test

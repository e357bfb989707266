#include "support/cupsscheduler.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <sys/prctl.h>
#include <sys/un.h>

namespace vx::test {

namespace {
// Everything the scheduler keeps stays in its folder (%1) and its logs go to its output;
// anyone may do anything on the private socket. File directives belong in cups-files.conf.
const char *const FilesConfiguration = R"(FileDevice Yes
ServerRoot %1/etc
RequestRoot %1/spool
TempDir %1/spool/tmp
CacheDir %1/cache
StateDir %1/run
ErrorLog stderr
AccessLog stderr
PageLog stderr
)";
const char *const DaemonConfiguration = R"(Listen %1/cups.sock
Browsing No
DefaultAuthType None
<Policy default>
<Limit All>
Order deny,allow
</Limit>
</Policy>
)";

class Scheduler : public ::testing::Environment
{
public:
    void SetUp() override;
    void TearDown() override
    {
        cupsd->terminate(); // the scheduler's own process id, nothing else
        if (!cupsd->waitForFinished(10000))
            cupsd->kill();
        cupsd->waitForFinished(5000);
        dir.reset();
    }
    QString log() const
    {
        QFile f(dir->filePath("log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : "(no scheduler log)";
    }

    QStringList queues;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<QProcess> cupsd;
} *scheduler = nullptr;

// Tools are looked for on the path and where the administrator's tools (cupsd, lpadmin) are.
QString toolPath(const QString &tool)
{
    return QStandardPaths::findExecutable(tool, qEnvironmentVariable("PATH").split(':') << "/usr/sbin");
}

void Scheduler::SetUp()
{
    dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/vxcupsXXXXXX");
    cupsd = std::make_unique<QProcess>();
    const QString root = dir->path(), socket = dir->filePath("cups.sock");
    ASSERT_TRUE(dir->isValid()) << dir->errorString().toStdString();
    ASSERT_LT(QFile::encodeName(socket).size(), sizeof(sockaddr_un::sun_path)) << socket.toStdString();
    qputenv("CUPS_SERVER", QFile::encodeName(socket));

    // The filters run as the scheduler's unprivileged user, which must reach the spool and drivers;
    // the scheduler's default state folder must exist.
    QFile::setPermissions(root, QFile::permissions(root) | QFile::ReadOther | QFile::ExeOther);
    for (const QString sub : {"etc", "spool/tmp", "cache", "run", "out", "/run/cups"})
        QDir(root).mkpath(sub);
    for (const auto &[name, text] :
        {std::pair {"cups-files.conf", FilesConfiguration}, {"cupsd.conf", DaemonConfiguration}}) {
        QFile f(root + "/etc/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(QString(text).arg(root).toLocal8Bit()) > 0)
            << f.fileName().toStdString();
    }

    cupsd->setProcessChannelMode(QProcess::MergedChannels);
    cupsd->setStandardOutputFile(dir->filePath("log"));
    // Should the test program die, the scheduler goes with it.
    cupsd->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    cupsd->start(toolPath("cupsd"), {"-f", "-c", root + "/etc/cupsd.conf"});
    ASSERT_TRUE(cupsd->waitForStarted(10000)) << "cupsd (package cups): " << cupsd->errorString().toStdString();
    // Waiting for the end between two questions notices at once when the scheduler ends.
    bool answers = false;
    for (const QDeadlineTimer deadline(15000);
         !answers && !deadline.hasExpired() && cupsd->state() == QProcess::Running; cupsd->waitForFinished(50))
        answers = runTool("lpstat", {"-r"}).startsWith("scheduler is running");
    ASSERT_TRUE(answers) << "cupsd does not answer; running: " << (cupsd->state() == QProcess::Running)
                         << ", exit code " << cupsd->exitCode() << '\n'
                         << log().toStdString();
    // Each queue prints through the generic PDF driver (package cups-filters) into a file.
    for (const QString &queue : queues)
        runTool("lpadmin",
            {"-p", queue, "-E", "-v", "file://" + printoutFile(queue), "-o", "printer-error-policy=abort-job", "-P",
                "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd"});
}

} // namespace

bool UseCupsScheduler(const QStringList &queues)
{
    ::testing::AddGlobalTestEnvironment(scheduler = new Scheduler);
    scheduler->queues = queues;
    return true;
}

QString runTool(const QString &tool, const QStringList &arguments, int *exitCode)
{
    QProcess p; // killed on the way out if it is still running
    p.start(toolPath(tool), arguments);
    const bool finished = p.waitForStarted(10000) && p.waitForFinished(20000);
    const int code = finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    if (exitCode)
        *exitCode = code;
    else
        EXPECT_EQ(code, 0) << tool.toStdString() << " failed: " << p.errorString().toStdString() << '\n'
                           << p.readAllStandardError().toStdString();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

QString printoutFile(const QString &queue)
{
    return scheduler->dir->filePath("out/" + queue + ".pdf");
}

bool waitForPrintout(const QString &queue, QString *error)
{
    QString pending;
    for (const QDeadlineTimer deadline(60000); !deadline.hasExpired() && scheduler->cupsd->state() == QProcess::Running;
         scheduler->cupsd->waitForFinished(100)) {
        int code = -1;
        pending = runTool("lpstat", {"-o", queue}, &code);
        // A finished job has left a whole document.
        QFile f(printoutFile(queue));
        if (code == 0 && pending.trimmed().isEmpty() && f.open(QIODevice::ReadOnly) && f.readAll().contains("%%EOF"))
            return true;
    }
    *error = QString("no complete printout from %1\nunfinished jobs: %2\n%3").arg(queue, pending, scheduler->log());
    return false;
}

QList<PdfWord> pdfWords(const QString &pdf)
{
    static const QRegularExpression word(R"x(<page |<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)<)x");
    QList<PdfWord> words;
    int page = -1;
    for (const QRegularExpressionMatch &m : word.globalMatch(runTool("pdftotext", {"-bbox", pdf, "-"})))
        words.append({m.captured(3).isEmpty() ? ++page : page, m.captured(1).toDouble(), m.captured(2).toDouble(),
            m.captured(3)});
    return words;
}

} // namespace vx::test

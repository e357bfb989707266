#include "support/cupsscheduler.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/un.h>

namespace vx::test {

namespace {
const QString PdfDriver = QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");

QString findTool(const QString &name)
{
    const QString path = QStandardPaths::findExecutable(name);
    return path.isEmpty()
        ? QStandardPaths::findExecutable(name, { QStringLiteral("/usr/sbin"), QStringLiteral("/sbin") })
        : path;
}

// Runs a tool to completion (bounded) and gives its standard output.
QString runTool(
    const QString &tool, const QStringList &arguments, const QProcessEnvironment &env, int *exitCode, QString *errors)
{
    const QString program = findTool(tool);
    QProcess p;
    p.setProcessEnvironment(env);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(program, arguments);
    const bool finished = !program.isEmpty() && p.waitForStarted(10000) && p.waitForFinished(20000);
    if (!finished) {
        p.kill();
        p.waitForFinished(2000);
    }
    *exitCode = finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    if (errors)
        *errors = program.isEmpty() ? tool + QStringLiteral(" is not installed")
                                    : QString::fromLocal8Bit(p.readAllStandardError());
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

bool writeFile(const QString &path, const QString &text, QString *error)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toLocal8Bit()) == text.toLocal8Bit().size())
        return true;
    *error = QStringLiteral("cannot write %1: %2").arg(path, f.errorString());
    return false;
}

// Anyone may do anything on this private socket; finished jobs stay listed for the tests.
const char *const DaemonConfiguration = R"(LogLevel warn
Listen %1/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
)";
const char *const FilesConfiguration = R"(FileDevice Yes
ServerRoot %1/etc
RequestRoot %1/spool
TempDir %1/spool/tmp
CacheDir %1/cache
StateDir %1/run
ErrorLog %1/log/error_log
AccessLog %1/log/access_log
PageLog %1/log/page_log
)";
const char *const PrinterConfiguration = R"(<Printer %1>
DeviceURI file://%2
State Idle
Accepting Yes
Shared No
ErrorPolicy abort-job
</Printer>
)";

std::unique_ptr<CupsScheduler> theScheduler;

class CupsEnvironment : public ::testing::Environment
{
public:
    explicit CupsEnvironment(const QStringList &queues)
        : m_queues(queues)
    {
    }
    void SetUp() override
    {
        theScheduler = std::make_unique<CupsScheduler>(m_queues);
        qputenv("CUPS_SERVER", QFile::encodeName(theScheduler->socketPath()));
        QString error;
        ASSERT_TRUE(theScheduler->start(&error)) << "the private CUPS scheduler cannot run: " << error.toStdString();
    }
    void TearDown() override { theScheduler.reset(); }

private:
    QStringList m_queues;
};
} // namespace

CupsScheduler::CupsScheduler(const QStringList &queues)
    : m_queues(queues)
    , m_dir(QDir::tempPath() + QStringLiteral("/vxcupsXXXXXX"))
{
}

QString CupsScheduler::outputFile(const QString &queue) const
{
    return m_dir.path() + QStringLiteral("/out/") + queue + QStringLiteral(".pdf");
}

QString CupsScheduler::log() const
{
    QString text;
    for (const char *name : { "/log/stdout", "/log/error_log" }) {
        QFile f(m_dir.path() + QLatin1String(name));
        if (f.open(QIODevice::ReadOnly))
            text += QString::fromLocal8Bit(f.readAll());
    }
    return text.isEmpty() ? QStringLiteral("(no scheduler log)") : text;
}

QString CupsScheduler::client(const QString &tool, const QStringList &arguments, int *exitCode, QString *errors) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), socketPath());
    return runTool(tool, arguments, env, exitCode, errors);
}

bool CupsScheduler::start(QString *error)
{
    const QString root = m_dir.path();
    const QString cupsd = findTool(QStringLiteral("cupsd"));
    error->clear();
    if (!m_dir.isValid())
        *error = QStringLiteral("cannot create a temporary folder: %1").arg(m_dir.errorString());
    else if (cupsd.isEmpty())
        *error = QStringLiteral("cupsd is not installed (package cups)");
    else if (!QFileInfo::exists(PdfDriver))
        *error = QStringLiteral("the PDF printer driver %1 is missing (package cups-filters)").arg(PdfDriver);
    else if (sizeof(sockaddr_un::sun_path) <= static_cast<size_t>(QFile::encodeName(socketPath()).size()))
        *error = QStringLiteral("the socket path %1 is too long").arg(socketPath());
    if (!error->isEmpty())
        return false;

    // The filters run as the scheduler's unprivileged user, which must reach the spool and drivers.
    QFile::setPermissions(root,
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
            | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
    for (const char *sub : { "etc/ppd", "spool/tmp", "cache", "log", "run", "out" })
        QDir(root).mkpath(QString::fromLatin1(sub));
    QDir().mkpath(QStringLiteral("/run/cups")); // the scheduler's default state folder must exist
    QString printers;
    for (const QString &queue : m_queues) {
        printers += QString::fromLatin1(PrinterConfiguration).arg(queue, outputFile(queue));
        if (!QFile::copy(PdfDriver, root + QStringLiteral("/etc/ppd/") + queue + QStringLiteral(".ppd"))) {
            *error = QStringLiteral("cannot copy the PDF driver for %1").arg(queue);
            return false;
        }
    }
    if (!writeFile(
            root + QStringLiteral("/etc/cups-files.conf"), QString::fromLatin1(FilesConfiguration).arg(root), error)
        || !writeFile(
            root + QStringLiteral("/etc/cupsd.conf"), QString::fromLatin1(DaemonConfiguration).arg(root), error)
        || !writeFile(root + QStringLiteral("/etc/printers.conf"), printers, error))
        return false;

    m_process = std::make_unique<QProcess>();
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setStandardOutputFile(root + QStringLiteral("/log/stdout"));
    // Should the test program die, the scheduler goes with it.
    m_process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_process->start(cupsd,
        { QStringLiteral("-f"), QStringLiteral("-c"), root + QStringLiteral("/etc/cupsd.conf"), QStringLiteral("-s"),
            root + QStringLiteral("/etc/cups-files.conf") });
    if (!m_process->waitForStarted(10000)) {
        *error = QStringLiteral("cupsd did not start: %1").arg(m_process->errorString());
        m_process.reset();
        return false;
    }
    for (const QDeadlineTimer deadline(15000); !deadline.hasExpired();) {
        int code = -1;
        if (QFileInfo::exists(socketPath())
            && client(QStringLiteral("lpstat"), { QStringLiteral("-r") }, &code).contains(QStringLiteral("is running"))
            && code == 0)
            return true;
        // Waiting for the end is also what notices it: the process state is not polled otherwise.
        if (m_process->waitForFinished(50)) {
            *error = QStringLiteral("cupsd ended at once (exit code %1)\n%2").arg(m_process->exitCode()).arg(log());
            m_process.reset();
            return false;
        }
    }
    *error = QStringLiteral("cupsd did not answer within 15 seconds\n%1").arg(log());
    stop();
    return false;
}

void CupsScheduler::stop()
{
    if (!m_process)
        return;
    const auto id = static_cast<pid_t>(m_process->processId());
    if (running() && id > 0) {
        ::kill(id, SIGTERM);
        if (!m_process->waitForFinished(10000)) {
            ::kill(id, SIGKILL);
            m_process->waitForFinished(5000);
        }
    }
    m_process.reset();
}

bool CupsScheduler::waitForPrintout(const QString &queue, int timeoutMs, QString *error) const
{
    QString pending;
    for (const QDeadlineTimer deadline(timeoutMs); !deadline.hasExpired(); QThread::msleep(100)) {
        int code = -1;
        pending = client(QStringLiteral("lpstat"), { QStringLiteral("-o"), queue }, &code);
        // A finished job has left a whole document (the driver wraps it in printer commands).
        QFile f(outputFile(queue));
        if (code == 0 && pending.trimmed().isEmpty() && f.open(QIODevice::ReadOnly) && f.readAll().contains("%%EOF"))
            return true;
    }
    *error = QStringLiteral("no complete printout from %1 within %2 ms\nunfinished jobs: %3\n%4")
                 .arg(queue)
                 .arg(timeoutMs)
                 .arg(pending, log());
    return false;
}

int CupsScheduler::jobsTaken() const
{
    int code = -1;
    const QString jobs = client(
        QStringLiteral("lpstat"), { QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o") }, &code);
    return code == 0 ? static_cast<int>(jobs.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size()) : -1;
}

bool CupsScheduler::setAccepting(const QString &queue, bool accepting, QString *error) const
{
    int code = -1;
    client(accepting ? QStringLiteral("cupsaccept") : QStringLiteral("cupsreject"), { queue }, &code, error);
    return code == 0;
}

bool UseCupsScheduler(const QStringList &queues)
{
    ::testing::AddGlobalTestEnvironment(new CupsEnvironment(queues));
    return true;
}

CupsScheduler &cups()
{
    if (!theScheduler) {
        ADD_FAILURE() << "no CUPS scheduler in this test program";
        theScheduler = std::make_unique<CupsScheduler>(QStringList());
    }
    return *theScheduler;
}

QString pdfTool(const QString &tool, const QStringList &arguments)
{
    int code = -1;
    QString errors;
    const QString text = runTool(tool, arguments, QProcessEnvironment::systemEnvironment(), &code, &errors);
    EXPECT_EQ(code, 0) << tool.toStdString() << " failed: " << errors.toStdString();
    return text;
}

} // namespace vx::test

#include "support/cupsscheduler.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>
#include <csignal>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>

namespace vx::test {

namespace {
const QString PdfDriver = QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");

QString findTool(const QString &name)
{
    QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(
            name, { QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin"), QStringLiteral("/sbin") });
    return path;
}

bool writeFile(const QString &path, const QString &text, QString *error)
{
    QFile f(path);
    const QByteArray bytes = text.toLocal8Bit();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, f.errorString());
        return false;
    }
    return true;
}

// Runs a tool to completion (bounded) and gives its standard output.
QString runTool(const QString &tool, const QStringList &arguments, const QProcessEnvironment &env, int *exitCode,
    QString *errors = nullptr)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setStandardInputFile(QProcess::nullDevice());
    const QString program = findTool(tool);
    if (program.isEmpty()) {
        if (exitCode)
            *exitCode = -1;
        if (errors)
            *errors = QStringLiteral("%1 is not installed").arg(tool);
        return QString();
    }
    p.start(program, arguments);
    const bool finished = p.waitForStarted(10000) && p.waitForFinished(20000);
    if (!finished) {
        p.kill();
        p.waitForFinished(2000);
    }
    if (exitCode)
        *exitCode = finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    if (errors)
        *errors = QString::fromLocal8Bit(p.readAllStandardError());
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

std::unique_ptr<CupsScheduler> theScheduler;
} // namespace

CupsScheduler::CupsScheduler(const QStringList &queues)
    : m_queues(queues)
    , m_dir(QDir::tempPath() + QStringLiteral("/vxcupsXXXXXX"))
{
}

CupsScheduler::~CupsScheduler()
{
    stop();
}

QString CupsScheduler::socketPath() const
{
    return m_dir.path() + QStringLiteral("/cups.sock");
}

QString CupsScheduler::outputFile(const QString &queue) const
{
    return m_dir.path() + QStringLiteral("/out/") + queue + QStringLiteral(".pdf");
}

void CupsScheduler::removeOutput(const QString &queue) const
{
    QFile::remove(outputFile(queue));
}

QString CupsScheduler::log() const
{
    QFile f(m_dir.path() + QStringLiteral("/log/error_log"));
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("(no scheduler log)");
    return QString::fromLocal8Bit(f.readAll());
}

bool CupsScheduler::writeConfiguration(QString *error) const
{
    const QString root = m_dir.path();
    // The filters run as the scheduler's unprivileged user, which must reach the spool and drivers.
    QFile::setPermissions(root,
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
            | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
    for (const char *sub : { "etc/ppd", "spool/tmp", "cache", "log", "run", "out" }) {
        if (!QDir(root).mkpath(QString::fromLatin1(sub))) {
            *error = QStringLiteral("cannot create %1/%2").arg(root, QString::fromLatin1(sub));
            return false;
        }
    }
    // The scheduler's default state folder; unused with this configuration, made for safety.
    QDir().mkpath(QStringLiteral("/run/cups"));

    if (sizeof(sockaddr_un::sun_path) <= static_cast<size_t>(QFile::encodeName(socketPath()).size())) {
        *error = QStringLiteral("the socket path %1 is too long").arg(socketPath());
        return false;
    }
    if (!QFileInfo::exists(PdfDriver)) {
        *error = QStringLiteral("the PDF printer driver %1 is missing (package cups-filters)").arg(PdfDriver);
        return false;
    }

    const QString files = QStringLiteral(R"(FileDevice Yes
ServerRoot %1/etc
RequestRoot %1/spool
TempDir %1/spool/tmp
CacheDir %1/cache
StateDir %1/run
ErrorLog %1/log/error_log
AccessLog %1/log/access_log
PageLog %1/log/page_log
)")
                              .arg(root);
    // Anyone may do anything on this private socket; finished jobs stay listed for the tests.
    const QString daemon = QStringLiteral(R"(LogLevel warn
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
)")
                               .arg(root);
    QString printers;
    for (const QString &queue : m_queues) {
        printers += QStringLiteral(R"(<Printer %1>
Info %1
DeviceURI file://%2
State Idle
Accepting Yes
Shared No
ErrorPolicy abort-job
</Printer>
)")
                        .arg(queue, outputFile(queue));
        const QString ppd = root + QStringLiteral("/etc/ppd/") + queue + QStringLiteral(".ppd");
        if (!QFile::copy(PdfDriver, ppd)) {
            *error = QStringLiteral("cannot copy the PDF driver to %1").arg(ppd);
            return false;
        }
    }
    return writeFile(root + QStringLiteral("/etc/cups-files.conf"), files, error)
        && writeFile(root + QStringLiteral("/etc/cupsd.conf"), daemon, error)
        && writeFile(root + QStringLiteral("/etc/printers.conf"), printers, error);
}

bool CupsScheduler::start(QString *error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    if (!m_dir.isValid()) {
        *error = QStringLiteral("cannot create a temporary folder: %1").arg(m_dir.errorString());
        return false;
    }
    const QString cupsd = findTool(QStringLiteral("cupsd"));
    if (cupsd.isEmpty()) {
        *error = QStringLiteral("cupsd is not installed (package cups)");
        return false;
    }
    if (!writeConfiguration(error))
        return false;

    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setStandardOutputFile(m_dir.path() + QStringLiteral("/log/stdout"));
    // Should the test program die, the scheduler goes with it.
    m_process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_process->start(cupsd,
        { QStringLiteral("-f"), QStringLiteral("-c"), m_dir.path() + QStringLiteral("/etc/cupsd.conf"),
            QStringLiteral("-s"), m_dir.path() + QStringLiteral("/etc/cups-files.conf") });
    if (!m_process->waitForStarted(10000)) {
        *error = QStringLiteral("cupsd did not start: %1").arg(m_process->errorString());
        m_process.reset();
        return false;
    }

    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (m_process->state() != QProcess::Running) {
            *error = QStringLiteral("cupsd ended at once (exit code %1)\n%2").arg(m_process->exitCode()).arg(log());
            m_process.reset();
            return false;
        }
        if (QFileInfo::exists(socketPath())) {
            int code = -1;
            const QString answer = lpstat({ QStringLiteral("-r") }, &code);
            if (code == 0 && answer.contains(QStringLiteral("is running")))
                return true;
        }
        QThread::msleep(50);
    }
    *error = QStringLiteral("cupsd did not answer within 15 seconds\n%1").arg(log());
    stop();
    return false;
}

void CupsScheduler::stop()
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        const qint64 id = m_process->processId();
        if (id > 0)
            ::kill(static_cast<pid_t>(id), SIGTERM);
        if (!m_process->waitForFinished(10000)) {
            if (id > 0)
                ::kill(static_cast<pid_t>(id), SIGKILL);
            m_process->waitForFinished(5000);
        }
    }
    m_process.reset();
}

bool CupsScheduler::running() const
{
    return m_process && m_process->state() == QProcess::Running;
}

qint64 CupsScheduler::pid() const
{
    return running() ? m_process->processId() : 0;
}

QString CupsScheduler::lpstat(const QStringList &arguments, int *exitCode) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), socketPath());
    return runTool(QStringLiteral("lpstat"), arguments, env, exitCode);
}

bool CupsScheduler::waitForPrintout(const QString &queue, int timeoutMs, QString *error) const
{
    const QDeadlineTimer deadline(timeoutMs);
    QString pending;
    while (!deadline.hasExpired()) {
        int code = -1;
        pending = pendingJobs(queue, &code);
        if (code == 0 && pending.trimmed().isEmpty()) {
            // A finished job has left a whole document (the driver wraps it in printer commands).
            QFile f(outputFile(queue));
            if (f.open(QIODevice::ReadOnly) && f.readAll().contains("%%EOF"))
                return true;
        }
        QThread::msleep(100);
    }
    if (error)
        *error = QStringLiteral("no complete printout from %1 within %2 ms\nunfinished jobs: %3\n%4")
                     .arg(queue)
                     .arg(timeoutMs)
                     .arg(pending, log());
    return false;
}

QString CupsScheduler::pendingJobs(const QString &queue, int *exitCode) const
{
    QStringList arguments { QStringLiteral("-o") };
    if (!queue.isEmpty())
        arguments << queue;
    return lpstat(arguments, exitCode);
}

int CupsScheduler::jobsTaken() const
{
    int code = -1;
    const QString jobs = lpstat({ QStringLiteral("-W"), QStringLiteral("all"), QStringLiteral("-o") }, &code);
    return code == 0 ? static_cast<int>(jobs.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size()) : -1;
}

bool CupsScheduler::setAccepting(const QString &queue, bool accepting, QString *error) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CUPS_SERVER"), socketPath());
    int code = -1;
    QString errors;
    runTool(accepting ? QStringLiteral("cupsaccept") : QStringLiteral("cupsreject"), { queue }, env, &code, &errors);
    if (code != 0 && error)
        *error = errors;
    return code == 0;
}

CupsEnvironment::CupsEnvironment(const QStringList &queues)
    : m_queues(queues)
{
}

void CupsEnvironment::SetUp()
{
    theScheduler = std::make_unique<CupsScheduler>(m_queues);
    // Before anything asks for printers: the client library keeps the first address it reads.
    qputenv("CUPS_SERVER", QFile::encodeName(theScheduler->socketPath()));
    QString error;
    ASSERT_TRUE(theScheduler->start(&error)) << "the private CUPS scheduler cannot run: " << error.toStdString();
}

void CupsEnvironment::TearDown()
{
    theScheduler.reset();
}

CupsScheduler &CupsEnvironment::scheduler()
{
    if (!theScheduler) {
        ADD_FAILURE() << "no CUPS scheduler in this test program";
        theScheduler = std::make_unique<CupsScheduler>(QStringList());
    }
    return *theScheduler;
}

bool UseCupsScheduler(const QStringList &queues)
{
    ::testing::AddGlobalTestEnvironment(new CupsEnvironment(queues));
    return true;
}

namespace {
QString pdfTool(const QString &tool, const QStringList &arguments)
{
    int code = -1;
    QString errors;
    const QString text = runTool(tool, arguments, QProcessEnvironment::systemEnvironment(), &code, &errors);
    EXPECT_EQ(code, 0) << tool.toStdString() << " failed: " << errors.toStdString();
    return text;
}
} // namespace

QString pdfText(const QString &path, const QStringList &options)
{
    return pdfTool(QStringLiteral("pdftotext"),
        QStringList { QStringLiteral("-layout") } + options + QStringList { path, QStringLiteral("-") });
}

QString pdfBoxes(const QString &path)
{
    return pdfTool(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), path, QStringLiteral("-") });
}

QString pdfFonts(const QString &path)
{
    return pdfTool(QStringLiteral("pdffonts"), { path });
}

} // namespace vx::test

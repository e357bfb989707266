#include "platform/testmode.h"

namespace vx::platform {

namespace {
TestMode *g_current = nullptr;
} // namespace

TestMode::TestMode(const QString &programFolder, const QDateTime &now)
{
    Q_ASSERT_X(!g_current, "TestMode", "one test mode stands at a time");
    program.m_folder = programFolder;
    clock.m_now = now;
    locale.setMonthNames(QStringLiteral("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec").split(u' '));
    g_current = this;
}

TestMode::~TestMode()
{
    g_current = nullptr;
}

TestMode *TestMode::current()
{
    return g_current;
}

void TestMode::Messages::answer(bool yes)
{
    queue(yes);
}

void TestMode::Messages::answers(std::initializer_list<bool> yes)
{
    for (bool a : yes)
        queue(a);
}

QString TestMode::Messages::last() const
{
    return m_asked.isEmpty() ? QString() : m_asked.last();
}

void TestMode::Messages::clear()
{
    m_asked.clear();
    m_unanswered = 0;
}

void TestMode::Messages::show(const QString &text)
{
    m_asked << text;
}

bool TestMode::Messages::ask(const QString &question)
{
    return take(question).value_or(false);
}

void TestMode::FileChooser::choose(const QString &path)
{
    queue(path);
}

void TestMode::FileChooser::cancel()
{
    queue(QString());
}

QString TestMode::FileChooser::take(const ChooserRequest &request)
{
    return Script::take(request).value_or(QString());
}

void TestMode::Downloads::respond(const HttpAnswer &answer)
{
    queue(answer);
}

void TestMode::Downloads::respond(int status, const QByteArray &body)
{
    queue(HttpAnswer {status, {}, body, {}});
}

void TestMode::Downloads::fail(const QString &reason)
{
    queue(HttpAnswer {0, {}, {}, reason});
}

QDateTime TestMode::Clock::read()
{
    ++m_readings;
    return m_now;
}

bool TestMode::Desktop::start(const QString &path)
{
    m_started << path;
    return m_startsOk;
}

} // namespace vx::platform

#include "platform/messages.h"

#include "platform/testscript.h"

#include <QApplication>
#include <QMessageBox>

namespace vx::platform {

namespace {
// Every text shown is recorded; only questions take answers.
TestScript<bool, QString> &script()
{
    static TestScript<bool, QString> state;
    return state;
}

QString titleOrDefault(const QString &title)
{
    return title.isEmpty() ? ApplicationTitle : title;
}

QWidget *dialogParent()
{
    return QApplication::activeWindow();
}
} // namespace

void MsgBox(const QString &text, const QString &title)
{
    if (script().active) {
        script().asked << text;
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, titleOrDefault(title), text, QMessageBox::Ok, dialogParent());
    box.exec();
}

bool AskYesNo(const QString &text, const QString &title)
{
    if (script().active)
        return script().take(text).value_or(false);
    QMessageBox box(
        QMessageBox::NoIcon, titleOrDefault(title), text, QMessageBox::Yes | QMessageBox::No, dialogParent());
    return box.exec() == QMessageBox::Yes;
}

namespace MessageScript {
void begin()
{
    script().begin();
}
void end()
{
    script().end();
}
bool active()
{
    return script().active;
}
void answer(bool yes)
{
    script().answers.push_back(yes);
}
void answers(std::initializer_list<bool> yes)
{
    for (bool a : yes)
        script().answers.push_back(a);
}
QStringList shown()
{
    return script().asked;
}
QString last()
{
    return script().asked.isEmpty() ? QString() : script().asked.last();
}
int unansweredQuestions()
{
    return script().unanswered;
}
int pendingAnswers()
{
    return script().pending();
}
void clear()
{
    script().asked.clear();
    script().unanswered = 0;
}
} // namespace MessageScript

} // namespace vx::platform

#include "platform/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <deque>

namespace vx::platform {

namespace {
struct ScriptState {
    bool active = false;
    std::deque<bool> answers;
    QStringList shown;
    int unanswered = 0;
};

ScriptState &script()
{
    static ScriptState state;
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
        script().shown << text;
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, titleOrDefault(title), text, QMessageBox::Ok, dialogParent());
    box.exec();
}

bool AskYesNo(const QString &text, const QString &title)
{
    if (script().active) {
        script().shown << text;
        if (script().answers.empty()) {
            ++script().unanswered;
            return false;
        }
        const bool yes = script().answers.front();
        script().answers.pop_front();
        return yes;
    }
    QMessageBox box(
        QMessageBox::NoIcon, titleOrDefault(title), text, QMessageBox::Yes | QMessageBox::No, dialogParent());
    return box.exec() == QMessageBox::Yes;
}

namespace MessageScript {
void begin()
{
    script() = ScriptState {};
    script().active = true;
}
void end()
{
    script() = ScriptState {};
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
    return script().shown;
}
QString last()
{
    return script().shown.isEmpty() ? QString() : script().shown.last();
}
int unansweredQuestions()
{
    return script().unanswered;
}
int pendingAnswers()
{
    return int(script().answers.size());
}
void clear()
{
    script().shown.clear();
    script().unanswered = 0;
}
} // namespace MessageScript

} // namespace vx::platform

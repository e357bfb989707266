#include "platform/messages.h"

#include "platform/testmode.h"

#include <QApplication>
#include <QMessageBox>

namespace vx::platform {

namespace {
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
    if (TestMode *mode = TestMode::current()) {
        mode->messages.show(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, titleOrDefault(title), text, QMessageBox::Ok, dialogParent());
    box.exec();
}

bool AskYesNo(const QString &text, const QString &title)
{
    if (TestMode *mode = TestMode::current())
        return mode->messages.ask(text);
    QMessageBox box(
        QMessageBox::NoIcon, titleOrDefault(title), text, QMessageBox::Yes | QMessageBox::No, dialogParent());
    return box.exec() == QMessageBox::Yes;
}

} // namespace vx::platform

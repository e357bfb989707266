#include "platform/filechooser.h"

#include "platform/testmode.h"

#include <QApplication>
#include <QFileDialog>

namespace vx::platform {

namespace {
using Kind = TestMode::ChooserRequest::Kind;
} // namespace

QString ChooseFolder(const QString &caption, const QString &startFolder)
{
    if (TestMode *mode = TestMode::current())
        return mode->fileChooser.take({Kind::Folder, caption, startFolder, QString()});
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, startFolder);
}

QString ChooseOpenFile(const QString &caption, const QString &startFolder, const QString &filter)
{
    if (TestMode *mode = TestMode::current())
        return mode->fileChooser.take({Kind::OpenFile, caption, startFolder, filter});
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, startFolder, filter);
}

QString ChooseSaveFile(const QString &caption, const QString &startFolder, const QString &filter)
{
    if (TestMode *mode = TestMode::current())
        return mode->fileChooser.take({Kind::SaveFile, caption, startFolder, filter});
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, startFolder, filter);
}

} // namespace vx::platform

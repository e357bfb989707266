#pragma once

#include <QString>

// Choosing a folder or a file. Every chooser the program shows goes through here, so that tests
// can answer from a script instead of blocking on a modal dialog (while a TestMode stands,
// testmode.h). An empty path means Cancel.
namespace vx::platform {

QString ChooseFolder(const QString &caption, const QString &startFolder);
// `filter` is a name filter such as "Results (WKL*.rtl)"; several are separated by ";;".
QString ChooseOpenFile(const QString &caption, const QString &startFolder, const QString &filter);
QString ChooseSaveFile(const QString &caption, const QString &startFolder, const QString &filter);

} // namespace vx::platform

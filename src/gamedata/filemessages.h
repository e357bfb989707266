#pragma once

#include <QString>
#include <initializer_list>

// The sentences that tell the player a file could not be opened, read, written or deleted, and what
// was kept, in the same words everywhere: a file is named by its name alone, a reason (the system's,
// usually without a full stop) follows a colon, and every sentence ends in one full stop.
namespace vx {

QString shownFileName(const QString &path);

// Text as one sentence: trimmed, with a full stop added unless it ends in one (or in ? or !).
QString sentence(const QString &text);
// Text without its closing full stop, to go inside a longer sentence.
QString withoutFullStop(const QString &text);
// The parts as sentences one after another, one space apart; empty parts are left out.
QString sentences(std::initializer_list<QString> parts);

// "The file NAME could not be opened: REASON." (no reason: the sentence ends after "opened").
QString cannotOpenFile(const QString &path, const QString &reason);
QString cannotReadFile(const QString &path, const QString &reason);
QString cannotWriteFile(const QString &path, const QString &reason);
QString cannotDeleteFile(const QString &path, const QString &reason);
// "NAME was left as it was."
QString fileLeftAsItWas(const QString &path);

} // namespace vx

#pragma once

#include <QString>
#include <QStringList>

// Message boxes and Yes/No questions. Every box the program shows goes through here, so that
// tests can read what was shown and answer questions from a script instead of blocking: while a
// TestMode stands (testmode.h) no dialog is shown.
namespace vx::platform {

inline const QString ApplicationTitle = QStringLiteral("Vexmora NX");

// A modal box with an OK button. An empty title means the application title.
void MsgBox(const QString &text, const QString &title = QString());

// A modal Yes/No question; true for Yes.
bool AskYesNo(const QString &text, const QString &title = QString());

} // namespace vx::platform

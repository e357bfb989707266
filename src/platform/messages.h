#pragma once

#include <QString>
#include <QStringList>

// Message boxes and Yes/No questions. Every box the program shows goes through here, so that
// tests can read what was shown and answer questions from a script instead of blocking.
namespace vx::platform {

inline const QString ApplicationTitle = QStringLiteral("Vexmora NX");

// A modal box with an OK button. An empty title means the application title.
void MsgBox(const QString &text, const QString &title = QString());

// A modal Yes/No question; true for Yes.
bool AskYesNo(const QString &text, const QString &title = QString());

// Test seam. While scripting is on no dialog is shown: every text is recorded and every
// question takes the next scripted answer (No when the script has run out, which is also
// recorded so a test can notice an unexpected question).
namespace MessageScript {
void begin(); // start scripting with an empty record and script
void end(); // back to real dialogs
bool active();
void answer(bool yes); // queue the answer to the next question
void answers(std::initializer_list<bool> yes);
QStringList shown(); // every text shown (boxes and questions), oldest first
QString last(); // the last text shown, empty when none
int unansweredQuestions(); // questions asked with nothing left in the script
int pendingAnswers(); // scripted answers not used yet
void clear(); // forget what was shown
} // namespace MessageScript

} // namespace vx::platform

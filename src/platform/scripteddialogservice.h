#pragma once

#include "platform/dialogservice.h"

#include <QQueue>
#include <QVector>

namespace platform {

// One dialog asked for, as the scripted service recorded it.
struct DialogCall {
    DialogKind kind = DialogKind::Information;
    QString caption; // as shown: the standard caption when none was given
    QString text; // message, question or input prompt
    DialogButtons buttons = DialogButtons::YesNo; // confirmations
    QString preset; // input default, start directory, current printer index
    QString filter; // file dialogs
    QStringList choices; // printer names
    // No fitting answer was prepared; the dialog was answered by default
    // (No or Cancel, cancelled input or choice).
    bool answeredByDefault = false;
};

// A dialogs service for tests: records every call in order and answers the
// questions with prepared answers, in order. Messages (information, error,
// warning) take no answer. A question with no fitting answer at the front of
// the queue is answered the cautious way and marked answeredByDefault.
//
//     platform::ScriptedDialogService dialogs;
//     platform::DialogServiceGuard guard(dialogs);
//     dialogs.answer(platform::DialogAnswer::Yes);
//     dialogs.answerText(QStringLiteral("4711"));
//     ... drive the window ...
//     EXPECT_EQ(dialogs.calls().at(0).text, "Belegnummer existiert bereits !");
class ScriptedDialogService : public DialogService
{
public:
    // Prepared answers
    void answer(DialogAnswer button); // a confirmation
    void answerText(const QString &text); // input box (confirmed), file or folder name
    void answerIndex(int index); // printer setup
    void answerCancel(); // any question: Cancel or cancelled
    int pendingAnswers() const { return m_answers.size(); }

    // What was asked
    const QVector<DialogCall> &calls() const { return m_calls; }
    QVector<DialogCall> calls(DialogKind kind) const;
    QStringList texts() const; // the text of every call in order
    const DialogCall &lastCall() const { return m_calls.constLast(); }
    int defaultAnswerCount() const;
    void clear();

    void information(const QString &text, const QString &caption = {}) override;
    void error(const QString &text, const QString &caption = {}) override;
    void warning(const QString &text, const QString &caption = {}) override;
    DialogAnswer confirmation(
        const QString &text, DialogButtons buttons = DialogButtons::YesNo, const QString &caption = {}) override;
    InputResult inputBox(const QString &caption, const QString &prompt, const QString &defaultText) override;
    QString openFileName(const QString &caption, const QString &filter, const QString &directory) override;
    QString saveFileName(const QString &caption, const QString &filter, const QString &directory) override;
    QString folder(const QString &caption, const QString &directory) override;
    int printerSetup(const QStringList &printers, int current) override;

private:
    enum class AnswerType { Button, Text, Index, Cancel };
    struct Prepared {
        AnswerType type;
        DialogAnswer button = DialogAnswer::Cancel;
        QString text;
        int index = -1;
    };

    DialogCall &record(DialogKind kind, const QString &caption, const QString &text);
    // Takes the front answer when its type is one of the accepted ones.
    bool take(std::initializer_list<AnswerType> accepted, Prepared *answer, DialogCall &call);
    QString fileChoice(DialogKind kind, const QString &caption, const QString &filter, const QString &directory);

    QVector<DialogCall> m_calls;
    QQueue<Prepared> m_answers;
};

} // namespace platform

#include "platform/scripteddialogservice.h"

#include <QtGlobal>

#include <algorithm>

namespace platform {

void ScriptedDialogService::answer(DialogAnswer button)
{
    m_answers.enqueue({ AnswerType::Button, button, {}, -1 });
}

void ScriptedDialogService::answerText(const QString &text)
{
    m_answers.enqueue({ AnswerType::Text, DialogAnswer::Ok, text, -1 });
}

void ScriptedDialogService::answerIndex(int index)
{
    m_answers.enqueue({ AnswerType::Index, DialogAnswer::Ok, {}, index });
}

void ScriptedDialogService::answerCancel()
{
    m_answers.enqueue({ AnswerType::Cancel, DialogAnswer::Cancel, {}, -1 });
}

QVector<DialogCall> ScriptedDialogService::calls(DialogKind kind) const
{
    QVector<DialogCall> result;
    for (const DialogCall &call : m_calls) {
        if (call.kind == kind)
            result.append(call);
    }
    return result;
}

QStringList ScriptedDialogService::texts() const
{
    QStringList result;
    for (const DialogCall &call : m_calls)
        result.append(call.text);
    return result;
}

int ScriptedDialogService::defaultAnswerCount() const
{
    return int(
        std::count_if(m_calls.cbegin(), m_calls.cend(), [](const DialogCall &call) { return call.answeredByDefault; }));
}

void ScriptedDialogService::clear()
{
    m_calls.clear();
    m_answers.clear();
}

DialogCall &ScriptedDialogService::record(DialogKind kind, const QString &caption, const QString &text)
{
    DialogCall call;
    call.kind = kind;
    call.caption = caption.isEmpty() ? standardCaption(kind) : caption;
    call.text = text;
    m_calls.append(call);
    return m_calls.last();
}

bool ScriptedDialogService::take(std::initializer_list<AnswerType> accepted, Prepared *answer, DialogCall &call)
{
    if (!m_answers.isEmpty() && std::find(accepted.begin(), accepted.end(), m_answers.head().type) != accepted.end()) {
        *answer = m_answers.dequeue();
        return true;
    }
    call.answeredByDefault = true;
    qWarning("ScriptedDialogService: no fitting answer prepared for \"%s\"; answered by default",
        qPrintable(call.text.isEmpty() ? call.caption : call.text));
    return false;
}

void ScriptedDialogService::information(const QString &text, const QString &caption)
{
    record(DialogKind::Information, caption, text);
}

void ScriptedDialogService::error(const QString &text, const QString &caption)
{
    record(DialogKind::Error, caption, text);
}

void ScriptedDialogService::warning(const QString &text, const QString &caption)
{
    record(DialogKind::Warning, caption, text);
}

DialogAnswer ScriptedDialogService::confirmation(const QString &text, DialogButtons buttons, const QString &caption)
{
    DialogCall &call = record(DialogKind::Confirmation, caption, text);
    call.buttons = buttons;
    const DialogAnswer fallback = buttons == DialogButtons::YesNo ? DialogAnswer::No : DialogAnswer::Cancel;
    Prepared answer { AnswerType::Cancel, DialogAnswer::Cancel, {}, -1 };
    if (!take({ AnswerType::Button, AnswerType::Cancel }, &answer, call))
        return fallback;
    if (answer.type == AnswerType::Cancel)
        return fallback;
    return answer.button;
}

InputResult ScriptedDialogService::inputBox(const QString &caption, const QString &prompt, const QString &defaultText)
{
    DialogCall &call = record(DialogKind::Input, caption, prompt);
    call.preset = defaultText;
    Prepared answer { AnswerType::Cancel, DialogAnswer::Cancel, {}, -1 };
    if (!take({ AnswerType::Text, AnswerType::Cancel }, &answer, call) || answer.type == AnswerType::Cancel)
        return { defaultText, false };
    return { answer.text, true };
}

QString ScriptedDialogService::fileChoice(
    DialogKind kind, const QString &caption, const QString &filter, const QString &directory)
{
    DialogCall &call = record(kind, caption, caption);
    call.preset = directory;
    call.filter = filter;
    Prepared answer { AnswerType::Cancel, DialogAnswer::Cancel, {}, -1 };
    if (!take({ AnswerType::Text, AnswerType::Cancel }, &answer, call) || answer.type == AnswerType::Cancel)
        return {};
    return answer.text;
}

QString ScriptedDialogService::openFileName(const QString &caption, const QString &filter, const QString &directory)
{
    return fileChoice(DialogKind::OpenFile, caption, filter, directory);
}

QString ScriptedDialogService::saveFileName(const QString &caption, const QString &filter, const QString &directory)
{
    return fileChoice(DialogKind::SaveFile, caption, filter, directory);
}

QString ScriptedDialogService::folder(const QString &caption, const QString &directory)
{
    return fileChoice(DialogKind::Folder, caption, {}, directory);
}

int ScriptedDialogService::printerSetup(const QStringList &printers, int current)
{
    DialogCall &call = record(DialogKind::PrinterSetup, {}, {});
    call.preset = QString::number(current);
    call.choices = printers;
    Prepared answer { AnswerType::Cancel, DialogAnswer::Cancel, {}, -1 };
    if (!take({ AnswerType::Index, AnswerType::Cancel }, &answer, call) || answer.type == AnswerType::Cancel)
        return -1;
    return answer.index;
}

} // namespace platform

#include "shell/positionlist.h"

#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/filtercondition.h"
#include "platform/table.h"
#include "shell/documentroutines.h"

#include <QAbstractButton>
#include <QList>
#include <QScopeGuard>

namespace shell {

using platform::Table;

namespace {

// The line numbers of the document in their order, read without moving.
QList<int> lineNumbers(Table &lines, const QString &lineField)
{
    QList<int> numbers;
    const int field = lines.fieldIndex(lineField);
    const int count = lines.recordCount();
    for (int i = 0; i < count; ++i)
        numbers.append(lines.rowAt(i).value(field).toInt());
    return numbers;
}

void setLineNumber(Table &lines, int position, const QString &lineField, int newNumber)
{
    lines.setRecNo(position + 1);
    lines.edit();
    lines.fieldByName(lineField).setAsInteger(newNumber);
    lines.post();
}

} // namespace

int nextLineNumber(Table &lines, const QString &lineField)
{
    int highest = 0;
    for (int number : lineNumbers(lines, lineField))
        highest = std::max(highest, number);
    return highest + 1;
}

void renumberLines(Table &lines, const QString &lineField)
{
    PostIfEditing(lines);
    if (lines.isEmpty())
        return;
    lines.disableControls();
    auto enable = qScopeGuard([&lines] { lines.enableControls(); });
    const QList<int> numbers = lineNumbers(lines, lineField);
    // Going up, each line only ever takes a free smaller number, so a list
    // keyed by its numbers keeps its order.
    for (int i = 0; i < numbers.size(); ++i) {
        if (numbers.at(i) != i + 1)
            setLineNumber(lines, i, lineField, i + 1);
    }
    lines.first();
}

void shiftLinesFrom(Table &lines, int from)
{
    PostIfEditing(lines);
    if (lines.isEmpty())
        return;
    lines.disableControls();
    auto enable = qScopeGuard([&lines] { lines.enableControls(); });
    const QList<int> numbers = lineNumbers(lines, LineNumberField);
    // Going down, each line takes the number just freed above it.
    for (int i = numbers.size() - 1; i >= 0; --i) {
        if (numbers.at(i) >= from)
            setLineNumber(lines, i, LineNumberField, numbers.at(i) + 1);
    }
}

void appendLine(Table &lines, const QString &lineField)
{
    PostIfEditing(lines);
    const int number = nextLineNumber(lines, lineField);
    lines.append();
    lines.fieldByName(lineField).setAsInteger(number);
}

bool confirmLineDeletion()
{
    return platform::dialogs().confirmation(QStringLiteral("Datensatz löschen?"), platform::DialogButtons::OkCancel)
        == platform::DialogAnswer::Ok;
}

void deleteCurrentLine(Table &lines, const QString &lineField)
{
    if (lines.isEmpty())
        return;
    if (lines.isEditing())
        lines.cancel();
    lines.deleteRecord();
    renumberLines(lines, lineField);
}

void enableMoveButtons(
    Table &lines, QAbstractButton *first, QAbstractButton *prior, QAbstractButton *next, QAbstractButton *last)
{
    try {
        const bool atEnd = lines.eof() || (lines.bof() && lines.recordCount() <= 1);
        const bool atStart = lines.bof();
        const bool back = atEnd || !atStart;
        const bool forward = !atEnd;
        first->setEnabled(back);
        prior->setEnabled(back);
        next->setEnabled(forward);
        last->setEnabled(forward);
    } catch (...) {
        // The buttons keep their state.
    }
}

QStringList templateLineTexts(const Table &lines)
{
    QStringList texts;
    try {
        auto view = openSecondView(lines);
        view->setFilter({ platform::FilterCondition::equal(view->fieldDef(0).name, TemplateNumber) });
        view->setFiltered(true);
        view->first();
        if (view->isEmpty())
            return {};
        for (int i = 0; i < view->fieldCount(); ++i)
            texts.append(view->field(i).asString());
    } catch (const std::exception &) {
        // New positions then start empty.
        return {};
    }
    return texts;
}

} // namespace shell

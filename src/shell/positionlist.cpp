#include "shell/positionlist.h"

#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/table.h"
#include "shell/documentroutines.h"

#include <QAbstractButton>
#include <QList>
#include <QScopeGuard>

namespace shell {

using platform::Table;

namespace {

const QString LineField = QStringLiteral("Pos");

// The line numbers of the document in their order, read without moving.
QList<int> lineNumbers(Table &lines)
{
    QList<int> numbers;
    const int field = lines.fieldIndex(LineField);
    const int count = lines.recordCount();
    for (int i = 0; i < count; ++i)
        numbers.append(lines.rowAt(i).value(field).toInt());
    return numbers;
}

void setLineNumber(Table &lines, int number, int newNumber)
{
    // Every line of the list belongs to the same document.
    if (!lines.findKey({ lines.value(0), number }))
        return;
    lines.edit();
    lines.fieldByName(LineField).setAsInteger(newNumber);
    lines.post();
}

} // namespace

int nextLineNumber(Table &lines)
{
    int highest = 0;
    for (int number : lineNumbers(lines))
        highest = std::max(highest, number);
    return highest + 1;
}

void renumberLines(Table &lines)
{
    PostIfEditing(lines);
    if (lines.isEmpty())
        return;
    lines.disableControls();
    auto enable = qScopeGuard([&lines] { lines.enableControls(); });
    const QList<int> numbers = lineNumbers(lines);
    // Going up, each line only ever takes a free smaller number.
    for (int i = 0; i < numbers.size(); ++i) {
        if (numbers.at(i) != i + 1)
            setLineNumber(lines, numbers.at(i), i + 1);
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
    const QList<int> numbers = lineNumbers(lines);
    // Going down, each line takes the number just freed above it.
    for (int i = numbers.size() - 1; i >= 0; --i) {
        if (numbers.at(i) >= from)
            setLineNumber(lines, numbers.at(i), numbers.at(i) + 1);
    }
}

void appendLine(Table &lines)
{
    PostIfEditing(lines);
    const int number = nextLineNumber(lines);
    lines.append();
    lines.fieldByName(LineField).setAsInteger(number);
}

bool confirmLineDeletion()
{
    return platform::dialogs().confirmation(QStringLiteral("Datensatz löschen?"), platform::DialogButtons::OkCancel)
        == platform::DialogAnswer::Ok;
}

void deleteCurrentLine(Table &lines)
{
    if (lines.isEmpty())
        return;
    if (lines.isEditing())
        lines.cancel();
    lines.deleteRecord();
    renumberLines(lines);
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

} // namespace shell

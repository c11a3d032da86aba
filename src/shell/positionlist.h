#pragma once

#include <QString>
#include <QStringList>

class QAbstractButton;

namespace platform {
class Table;
}

namespace shell {

// The position lists of the documents (order positions, sum lines and
// packages, Intrastat positions, packing-list lines ...): a table linked to
// its document head, with the line number in `Pos` (or another field, a
// number or its text), either keyed by the document number and the line
// number or kept in the order the lines were written.

inline const QString LineNumberField = QStringLiteral("Pos");

// The number a line added at the end gets: one above the highest line
// number of the document, so that a list with a gap (copied or imported)
// never collides.
int nextLineNumber(platform::Table &lines, const QString &lineField = LineNumberField);

// Numbers the lines of the document 1, 2, 3 ... in their order, as after a
// deletion, and goes to the first line. The grid is not redrawn line by line.
void renumberLines(platform::Table &lines, const QString &lineField = LineNumberField);

// Moves every line numbered `from` or higher one number up, from the last
// line down, so that a new line can take the number `from`.
void shiftLinesFrom(platform::Table &lines, int from);

// Appends a line at the end of the list, numbered after the last; the line
// stays in insert state for the caller to fill.
void appendLine(platform::Table &lines, const QString &lineField = LineNumberField);

// "Datensatz löschen?" with OK and Cancel; true on OK.
bool confirmLineDeletion();

// Deletes the current line (a pending change is dropped) and renumbers the
// rest; nothing on an empty list.
void deleteCurrentLine(platform::Table &lines, const QString &lineField = LineNumberField);

// The four move buttons of a list after every move: at the end "first"
// and "previous" are enabled and "next" and "last" disabled, at the
// beginning the reverse, elsewhere all four (a list of one line counts as
// being at its end). Errors leave the buttons as they are.
void enableMoveButtons(platform::Table &lines, QAbstractButton *first, QAbstractButton *prior, QAbstractButton *next,
    QAbstractButton *last);

// The texts of every field of the template's first position (the model of
// new positions), found by the template's number through a second view,
// whatever range, filter or position the lines have; empty when the
// template has none or it cannot be read.
QStringList templateLineTexts(const platform::Table &lines);

} // namespace shell

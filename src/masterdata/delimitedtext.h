#pragma once

#include "masterdata/tablecontent.h"

#include <QChar>
#include <QString>
#include <QStringList>

namespace masterdata {

// Takes the first field off a delimited line: the text up to the first
// separator that stands outside the delimiters, without its enclosing
// delimiters; a doubled delimiter inside them stands for one. The line keeps
// what follows the separator (nothing when no separator ends the field).
// Returns whether a separator ended the field, that is whether the line
// holds one more field, if only an empty one.
bool SplitDelimitedField(QString &line, QChar delimiter, QChar separator, QString &field);

// Every field of a line; an empty line has none.
QStringList splitDelimitedLine(const QString &line, QChar delimiter, QChar separator);

// A text value enclosed in the delimiter, a delimiter inside it doubled.
QString delimitedValue(const QString &text, QChar delimiter);

// The records of a delimited text: its lines, a record running on over a
// line break that stands inside delimiters. Line ends are CR LF or LF;
// empty lines are left out.
QStringList delimitedRecords(const QString &text, QChar delimiter);

// The text of a delimited file: UTF-8 after a byte-order mark, else
// Windows-1252. Throws ExchangeFileError when it cannot be read.
QString readDelimitedText(const QString &path);

// A delimited file of the content: a header line with the field names, then
// one line per row, text values enclosed in the delimiter, other values as
// their text (enclosed only where they hold the separator or the
// delimiter). Lines end with CR LF. Windows-1252 where it holds every text,
// else UTF-8 with a byte-order mark.
void writeDelimitedFile(const QString &path, const TableContent &content, QChar delimiter, QChar separator);

// A delimited file with a header line read as a table of text fields.
// Throws ExchangeFileError for a record with fewer fields than the header.
TableContent readDelimitedTable(const QString &path, QChar delimiter, QChar separator);

// "Die Zeile n der Datei enthält nur m von k Feldern."
QString tooFewFieldsMessage(int line, int found, int expected);

} // namespace masterdata

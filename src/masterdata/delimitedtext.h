#pragma once

#include "masterdata/tablecontent.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

namespace masterdata {

// Takes the first field off a delimited line: the text up to the first
// separator that stands outside the delimiters, without its enclosing
// delimiters; a doubled delimiter inside them stands for one. The line keeps
// what follows the separator (nothing when no separator ends the field).
// Returns whether a separator ended the field, that is whether the line
// holds one more field, if only an empty one.
bool SplitDelimitedField(QString &line, QChar delimiter, QChar separator, QString &field);

// Every field of a line, in one pass; an empty line has none.
QStringList splitDelimitedLine(const QString &line, QChar delimiter, QChar separator);

// A text value enclosed in the delimiter, a delimiter inside it doubled.
QString delimitedValue(const QString &text, QChar delimiter);

// The records of a delimited text, one at a time: its lines, a record
// running on over a line break that stands inside delimiters (the break
// kept as CR LF). Line ends are CR LF or LF; empty lines are left out.
class DelimitedRecords
{
public:
    DelimitedRecords(std::unique_ptr<TextLines> lines, QChar delimiter)
        : m_lines(*lines)
        , m_owned(std::move(lines))
        , m_delimiter(delimiter)
    {
    }
    // False after the last. Throws ExchangeFileError.
    bool next(QString &record);
    int permille() const { return m_lines.permille(); }

private:
    TextLines &m_lines;
    std::unique_ptr<TextLines> m_owned;
    QChar m_delimiter;
};

// Every record of a delimited text at once.
QStringList delimitedRecords(const QString &text, QChar delimiter);

// The text of a delimited file (lines ending in CR LF), read as TextLines
// reads it. Throws ExchangeFileError when it cannot be read.
QString readDelimitedText(const QString &path);

// A delimited file with a header line, read a record at a time: the header's
// names are the fields (text), each further record gives its values as
// text, as many as it holds.
class DelimitedTableReader : public TableReader
{
public:
    DelimitedTableReader(const QString &path, QChar delimiter, QChar separator);
    DelimitedTableReader(const QString &text, QChar delimiter, QChar separator, InMemoryText);

    bool next(QVector<QVariant> &row) override;
    int permille() const override { return m_records.permille(); }
    // The record given last, the header counting as the first.
    qint64 record() const { return m_record; }

private:
    void readHeader();

    DelimitedRecords m_records;
    QChar m_delimiter;
    QChar m_separator;
    qint64 m_record = 0;
};

// A delimited file of the content: a header line with the field names, then
// one line per row, text values enclosed in the delimiter, other values as
// their text (enclosed only where they hold the separator or the
// delimiter). Lines end with CR LF. Windows-1252 where it holds every text,
// else UTF-8 with a byte-order mark. Saved whole or not at all: an older
// file of the name stays when the disk is full.
void writeDelimitedFile(const QString &path, const TableContent &content, QChar delimiter, QChar separator);

// A delimited file with a header line read as a table of text fields.
// Throws ExchangeFileError for a record with fewer fields than the header.
TableContent readDelimitedTable(const QString &path, QChar delimiter, QChar separator);

// "Die Zeile n der Datei enthält nur m von k Feldern."
QString tooFewFieldsMessage(int line, int found, int expected);

} // namespace masterdata

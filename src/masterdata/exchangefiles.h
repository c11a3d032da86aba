#pragma once

#include "masterdata/masterdataexchange.h"
#include "masterdata/tablecontent.h"

#include <QChar>
#include <QString>

#include <memory>

namespace masterdata {

class TfrmDatenbank;

// "Es wurde kein Datenbank-Format gewählt"
QString noFormatMessage();

// A reader of a file in one of the chooser's formats (CSV and delimited text
// with the separator and delimiter given).
std::unique_ptr<TableReader> openTableFile(
    ExchangeFormat format, const QString &path, QChar delimiter, QChar separator);
// Every record of such a file, for a grid.
TableContent readTableFile(ExchangeFormat format, const QString &path, QChar delimiter, QChar separator);
// Writes the content as a new file of the format, whole or not at all (CSV
// files as delimited text). A Paradox file cannot hold what Windows-1252
// lacks; the clerk is told that such characters became "?". Throws
// ExchangeFileError.
void writeTableFile(
    ExchangeFormat format, const QString &path, const TableContent &content, QChar delimiter, QChar separator);

// The format a table file's name says (".DBF", ".DB", ".TXT" as fixed-width
// text, ".CSV"), the chosen one for any other name.
ExchangeFormat formatOfFile(const QString &path, ExchangeFormat chosen);

// The filter of the file dialogs for the chosen format. Without a format,
// and for CSV files, the filter stays as it was.
class ExchangeFileFilter
{
public:
    QString filterFor(ExchangeFormat format);
    // What a chosen name without an extension gets; empty for CSV and none.
    static QString extension(ExchangeFormat format);

private:
    QString m_filter;
};

// The format stored under the key; without one the chooser is shown, and
// its choice is stored when it closes with OK.
void loadExchangeFormat(TfrmDatenbank &chooser, const QString &iniKey);
void storeExchangeFormat(const TfrmDatenbank &chooser, const QString &iniKey);

// The text of a value read from a table file, as it is written into a field.
QString exchangedText(const platform::FieldDef &sourceField, const QVariant &value);

// A value a field cannot take, with the German reason.
struct ExchangeValueError {
    QString message;
};
// The value of the field read from that text, cut to the field's width as the
// table cuts it. Throws ExchangeValueError.
QVariant exchangedValue(const platform::FieldDef &field, const QString &text);

} // namespace masterdata

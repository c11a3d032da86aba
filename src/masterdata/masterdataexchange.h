#pragma once

#include "masterdata/tablecontent.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace platform {
class DataSet;
}

namespace masterdata {

// The formats of the format chooser, by item index (as stored in Export.ini).
enum class ExchangeFormat : int {
    None = -1,
    DBase = 0,
    Paradox = 1,
    FixedText = 2,
    DelimitedText = 3,
    Csv = 4,
};

// A master table that is imported and exported: customers (tag 1), articles
// (tag 2) or goods numbers (tag 3).
struct ExchangeKind {
    int tag = 0;
    QString table;
    QString order; // the order the import window shows and exports in
    QString iniKey; // the format chosen last
    QString caption; // of the import window
    int keyFields = 1; // leading fields a row is found by
};

namespace ExchangeKinds {
constexpr int Customers = 1;
constexpr int Articles = 2;
constexpr int GoodsNumbers = 3;
} // namespace ExchangeKinds

// The kind of that tag; customers for an unknown one.
const ExchangeKind &exchangeKind(int tag);

// "Die Struktur Ihrer Datenbank entspricht nicht ... der Vorgabe-Struktur!"
QString structureMismatchMessage();

// Whether the source has the master table's fields in its order: each name,
// in capitals, equal to the master field's, a longer master name compared
// cut to nameLength where the source format cuts names (0: no limit).
// Further source fields are not looked at.
bool structureMatches(const QVector<platform::FieldDef> &master, const QStringList &sourceNames, int nameLength = 0);

// Every row of a dataset in its current order, without moving it.
TableContent tableContent(platform::DataSet &set);

// Writes rows into a master table, matching them by key: a row whose key
// is found overwrites that record field by field, any other is added; no
// record is deleted. All or nothing: anything wrong (the structure, a row
// short of fields, a value a field cannot take, a damaged file, a failed
// save) is shown as an error and leaves the table as it was. The file is
// read record by record inside the one transaction, so memory does not grow
// with it; progress is told in thousandths of the file.
class MasterDataImport
{
public:
    explicit MasterDataImport(const ExchangeKind &kind);

    // Told the steps done and the steps there are, now and then.
    std::function<void(int done, int total)> progress;

    // A table file read a record at a time, its fields taken by position,
    // names checked first.
    bool importFile(TableReader &source, int nameLength = 0);
    // A delimited text with its header line.
    bool importDelimited(const QString &text, QChar delimiter, QChar separator);
    // A delimited file, read as it is imported.
    bool importDelimitedFile(const QString &path, QChar delimiter, QChar separator);

private:
    void report(int done, int total);
    bool importRecords(TableReader &source);

    ExchangeKind m_kind;
    QVector<platform::FieldDef> m_fields;
};

} // namespace masterdata

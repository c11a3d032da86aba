#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

namespace platform {
class DataSet;
class Query;
class Table;
}

namespace shell {

// The template record of every document head table ("Master-Formular").
constexpr int TemplateNumber = 2000000000;
// Real documents are numbered 1 to MaxDocumentNumber.
constexpr int MaxDocumentNumber = 1999999999;

// Appends a copy of the template (found by its number, whatever range or
// filter the table has) under the new number with today's date. Errors are
// shown in an error box; the result tells whether the record was written.
// The fields named in leaveEmpty are not copied.
bool NewRecordFromTemplate(platform::Table &head, int number, const QStringList &leaveEmpty = {});
// Appends a copy of one record under the target number with today's date.
// Fails silently (false) when the source is missing or the post fails.
bool CopyRecord(platform::Table &table, int source, int target);
// Copies a document with all its positions (position tables keyed by number
// and position number) in one transaction; the head then stands on the copy.
// The head fields named in leaveEmpty are not copied.
// How the lines of a copied document are written: as they are, or numbered
// 1, 2, 3 ... in their order in numberField and dated today in dateField.
struct LineCopy {
    QString numberField;
    QString dateField;
    // A failure is shown in an error box (else only the result tells).
    bool reportsErrors = false;
};
bool CopyDocumentWithPositions(platform::Table &head, platform::Table &positions, int source, int target,
    const QStringList &leaveEmpty = {}, const LineCopy &lineCopy = {});
// A new packing list from the template head and its package lines.
bool NewPackingListFromTemplate(platform::Table &head, platform::Table &lines, int number);
// Condense the positions of an order into one goods item per goods number,
// country and region of origin, summing masses and values. The target is the
// position table of the new document, linked to its head. Errors are shown
// in an error box.
bool CondenseIntrastatPositions(platform::Table &orderPositions, platform::Table &intrastatPositions);
bool CondenseDeclarationPositions(platform::Table &orderPositions, platform::Table &declarationPositions);

// An unopened query on the data directory; the caller opens and frees it.
std::unique_ptr<platform::Query> CreateDataQuery(const QString &sql);
// The first field of the first row as text; empty when there is no row.
QString QueryScalar(const QString &sql, const QVariantList &values = {});
void EditIfBrowsing(platform::DataSet &dataSet);
void PostIfEditing(platform::DataSet &dataSet);

// A second view of a table (or of another table of its database), in the
// same session, unaffected by the first one's range, filter, master link and
// position.
std::unique_ptr<platform::Table> openSecondView(const platform::Table &table, const QString &tableName = {});
// Copies every line of the document source to the document target within a
// line table whose field 0 is the document number, gaps in the numbering
// included. Throws on failure; callers run it inside their transaction.
void copyDocumentLines(const platform::Table &lines, int source, int target, const LineCopy &lineCopy = {});
// Drops a pending insert or edit after a failure.
void cancelIfEditing(platform::DataSet &dataSet);

// Today's date in the form a head's date field takes (a date or, for a text
// field, "dd.MM.yyyy").
void setTodayInto(platform::Table &table, int fieldIndex);

} // namespace shell

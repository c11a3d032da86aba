#pragma once

#include "platform/tableschema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <memory>

namespace platform {

// Everything that depends on the SQL dialect of the database server lives in
// a backend: connection set-up, column types, collation, schema reading,
// value storage and the translation of its error texts. Nothing above the
// table layer talks SQL dialect.
// A head table whose count field holds the number of its detail rows
// ("AnzPos" of a document: its positions).
struct CountLink {
    QString headTable;
    QString keyField; // of the head
    QString countField; // of the head
    QString detailTable;
    QString linkField; // of the detail rows, equal to the head's key
};

// Tells cheaply whether anything was committed to a database since it was
// asked last: a number that differs after each commit by any connection.
class ChangeWatch
{
public:
    virtual ~ChangeWatch() = default;
    virtual quint64 version() = 0;
};

// A prepared read that hands out the columns of each row, as stored or
// already as the table layer's values, without a detour through the
// driver's own row cache where the backend can.
class RowReader
{
public:
    virtual ~RowReader() = default;
    // Runs the read with the values bound in order; false on an error.
    virtual bool start(const QVariantList &values) = 0;
    // The next row; false at the end or on an error.
    virtual bool next() = 0;
    virtual qint64 integer(int column) const = 0;
    virtual QVariant stored(int column) const = 0;
    virtual QVariant value(int column, FieldType type) const = 0;
    // Ends the read; the reader can be started again.
    virtual void finish() = 0;
    // The error of start or next, invalid when there was none.
    virtual QSqlError error() const = 0;
};

class DatabaseBackend
{
public:
    virtual ~DatabaseBackend() = default;

    virtual QString driverName() const = 0;
    // Opens the connection on a database in the directory; throws DatabaseError.
    virtual QSqlDatabase openConnection(const QString &connectionName, const QString &directory,
                                        bool createIfMissing) const = 0;
    virtual QString databaseFilePath(const QString &directory) const = 0;
    // Whether the directory names a database to open (without opening it).
    virtual bool hasDatabase(const QString &directory) const;

    virtual QString quote(const QString &identifier) const = 0;
    virtual QString rowIdExpression() const = 0;
    virtual QString collateCaseInsensitive() const = 0;  // appended to an expression
    virtual QString foldFunction() const = 0;            // case folding function name
    virtual QString escapeCharacter() const = 0;         // for LIKE patterns
    // Appended to a SELECT: at most a bound number of rows, after skipping a
    // bound number of rows when withOffset (bound in this order).
    virtual QString limitClause(bool withOffset) const = 0;
    // A statement whose one value changes whenever another connection has
    // committed a change to the database; empty where there is none.
    virtual QString othersChangesSql() const { return {}; }
    // A watch over an open connection that answers without a round trip to
    // the database; null where the backend has none (othersChangesSql is
    // asked then). It lives no longer than the connection.
    virtual std::unique_ptr<ChangeWatch> watchChanges(const QSqlDatabase &db) const { return nullptr; }
    // Starts a write transaction.
    virtual QString beginTransactionSql() const { return QStringLiteral("BEGIN"); }
    // The statement as this database reads it (identifier case).
    virtual QString adaptSql(const QString &sql) const { return sql; }
    // Appended to each ordered term so that empty fields (NULL) come first
    // in ascending order and last in descending order.
    virtual QString emptyFirstOrder(bool descending) const { return {}; }
    // Appended to an INSERT so that it hands back the new row id, and how
    // it is read after the statement ran.
    virtual QString insertRowIdSuffix() const { return {}; }
    virtual qint64 insertedRowId(QSqlQuery &query) const;
    // Whether an integer primary key is the row id itself.
    virtual bool integerKeyIsRowId() const { return false; }
    // Appended to a read of one row inside a write transaction so that no
    // one else changes it before the transaction ends.
    virtual QString lockRowSuffix() const { return {}; }
    // Adds a field at the end of a table.
    virtual QStringList addColumnSql(const QString &table, const FieldDef &field) const;
    // Renames a table with everything named after it.
    virtual QStringList renameTableSql(const QString &from, const QString &to) const;
    // Whether results are read forward only, as they come. A server that
    // streams them cannot run another statement on the connection before
    // the result is read out, so its results are taken in whole instead.
    virtual bool forwardOnlyResults() const { return true; }
    // Whether the error means the connection to the database is gone.
    virtual bool isConnectionLost(const QSqlError &error) const { return false; }

    virtual QString declaredType(const FieldDef &field) const = 0;
    virtual bool parseDeclaredType(const QString &name, const QString &declared, FieldDef *field) const = 0;
    virtual QString createTableSql(const TableSchema &schema) const = 0;
    // Statements that complete a table createTableSql made (its key index,
    // triggers), run right after it.
    virtual QStringList tableExtrasSql(const TableSchema &schema) const { return {}; }
    virtual QString createIndexSql(const TableSchema &schema, const IndexDef &index) const = 0;
    virtual QString dropIndexSql(const TableSchema &schema, const IndexDef &index) const = 0;
    virtual QString indexSqlName(const TableSchema &schema, const IndexDef &index) const = 0;

    virtual QStringList tableNames(const QSqlDatabase &db) const = 0;
    // Reads the fields of an existing table (name, type, size) in column order.
    virtual QVector<FieldDef> readFields(const QSqlDatabase &db, const QString &table) const = 0;
    virtual QStringList readIndexNames(const QSqlDatabase &db, const QString &table) const = 0;
    // Primary key and secondary indexes of an existing table.
    virtual QStringList readPrimaryKey(const QSqlDatabase &db, const QString &table) const = 0;
    virtual QVector<IndexDef> readIndexes(const QSqlDatabase &db, const QString &table) const = 0;

    // A read of the statement on the connection; null with the error set
    // when it cannot be prepared. The default reads through the driver.
    virtual std::unique_ptr<RowReader> prepareReader(const QSqlDatabase &db, const QString &sql,
                                                     QSqlError *error) const;

    // Values as stored and as the table layer hands them out: empty text
    // as NULL, dates and times as ISO text, Booleans as 0/1.
    virtual QVariant toStorage(FieldType type, const QVariant &value) const;
    virtual QVariant fromStorage(FieldType type, QVariant stored) const;

    // German message for a database error.
    virtual QString translateError(const QSqlError &error, const QString &table) const = 0;
    virtual bool isBusyError(const QSqlError &error) const = 0;

    // Statements that keep a count field equal to the number of detail rows
    // on every write of either table, in the writing transaction; empty
    // where the backend cannot.
    virtual QStringList countMaintenanceSql(const CountLink &link) const { return {}; }
    // Whether those statements are in force in the database.
    virtual bool countMaintained(const QSqlDatabase &db, const CountLink &link) const { return false; }
    // Removes what countMaintenanceSql made on or about the table (before it
    // is dropped or rebuilt).
    virtual void dropCountMaintenance(const QSqlDatabase &db, const QString &table) const { }
    // A database opened only for reading.
    virtual bool isReadOnly(const QSqlDatabase &db) const { return false; }
};

} // namespace platform

#pragma once

#include "platform/databasebackend.h"

namespace platform {

// SQLite: one file per database directory, WAL journal, a busy timeout so
// that users of one data directory wait for each other, and a collation and
// functions of our own for German case-insensitive text.
class SqliteBackend : public DatabaseBackend
{
public:
    static const QString FileName;  // the database file inside a directory
    static const QString ReadOnlyMessage; // a change refused by a write-protected data directory

    QString driverName() const override { return QStringLiteral("QSQLITE"); }
    QSqlDatabase openConnection(const QString &connectionName, const QString &directory,
                                bool createIfMissing) const override;
    QString databaseFilePath(const QString &directory) const override;

    QString quote(const QString &identifier) const override;
    QString rowIdExpression() const override { return QStringLiteral("rowid"); }
    QString collateCaseInsensitive() const override { return QStringLiteral(" COLLATE GNOCASE"); }
    QString foldFunction() const override { return QStringLiteral("gfold"); }
    QString escapeCharacter() const override { return QStringLiteral("\\"); }
    QString limitClause(bool withOffset) const override
    {
        return withOffset ? QStringLiteral(" LIMIT ? OFFSET ?") : QStringLiteral(" LIMIT ?");
    }
    QString othersChangesSql() const override { return QStringLiteral("PRAGMA data_version"); }
    std::unique_ptr<ChangeWatch> watchChanges(const QSqlDatabase &db) const override;
    QString beginTransactionSql() const override { return QStringLiteral("BEGIN IMMEDIATE"); }
    bool integerKeyIsRowId() const override { return true; }

    QString declaredType(const FieldDef &field) const override;
    bool parseDeclaredType(const QString &name, const QString &declared, FieldDef *field) const override;
    QString createTableSql(const TableSchema &schema) const override;
    QString createIndexSql(const TableSchema &schema, const IndexDef &index) const override;
    QString dropIndexSql(const TableSchema &schema, const IndexDef &index) const override;
    QString indexSqlName(const TableSchema &schema, const IndexDef &index) const override;

    QStringList tableNames(const QSqlDatabase &db) const override;
    QVector<FieldDef> readFields(const QSqlDatabase &db, const QString &table) const override;
    QStringList readIndexNames(const QSqlDatabase &db, const QString &table) const override;
    QStringList readPrimaryKey(const QSqlDatabase &db, const QString &table) const override;
    QVector<IndexDef> readIndexes(const QSqlDatabase &db, const QString &table) const override;

    std::unique_ptr<RowReader> prepareReader(const QSqlDatabase &db, const QString &sql,
                                             QSqlError *error) const override;


    QString translateError(const QSqlError &error, const QString &table) const override;
    bool isBusyError(const QSqlError &error) const override;

    QStringList countMaintenanceSql(const CountLink &link) const override;
    bool countMaintained(const QSqlDatabase &db, const CountLink &link) const override;
    void dropCountMaintenance(const QSqlDatabase &db, const QString &table) const override;
    bool isReadOnly(const QSqlDatabase &db) const override;
};

} // namespace platform

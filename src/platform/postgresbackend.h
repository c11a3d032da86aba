#pragma once

#include "platform/databasebackend.h"

namespace platform {

// Where a data directory keeps its tables when several workstations share
// it: a small file in the directory naming a PostgreSQL database. The
// password is never in it; the server takes it from the user's own
// PostgreSQL password file.
struct ServerConnection {
    static const QString FileName; // "Datenbankserver.ini"

    QString host;
    int port = 5432;
    QString database;
    QString user;

    // Reads the file of a directory; false when there is none. A file
    // without a database name throws a German DatabaseError.
    static bool read(const QString &directory, ServerConnection *connection);
    // Writes the file into a directory; false when it cannot be written.
    bool write(const QString &directory) const;
    // "host:port/database" for messages.
    QString describe() const;
};

// The backend of a directory: the server its connection file names, else
// the SQLite file in it.
std::shared_ptr<DatabaseBackend> backendForDirectory(const QString &directory);

// For a directory with a connection file: connects to the server once and
// returns true, or throws a German DatabaseError that says whether the
// server is unreachable, the database missing or the user without rights.
// Creates nothing. False for a directory without a connection file.
bool probeServer(const QString &directory);

// PostgreSQL through Qt's QPSQL driver. Identifiers are stored in lower case
// so that statements may write table and field names in any case, quoted
// or not. Each table has a hidden identity column as its row id, a unique
// index for its primary key (empty key fields allowed, as in the old
// tables) and a statement trigger that tells every listening connection
// about a commit. Field types that the server has no own type for are
// domains of this program ("autoinc", "currency", "logical", "graphic");
// the case-insensitive German order is the ICU collation "gnocase".
class PostgresBackend : public DatabaseBackend
{
public:
    static const QString RowIdColumn;
    static const QString ChangeChannel;

    explicit PostgresBackend(ServerConnection server);
    const ServerConnection &server() const { return m_server; }

    QString driverName() const override { return QStringLiteral("QPSQL"); }
    QSqlDatabase openConnection(const QString &connectionName, const QString &directory,
                                bool createIfMissing) const override;
    QString databaseFilePath(const QString &directory) const override;
    bool hasDatabase(const QString &directory) const override;

    QString quote(const QString &identifier) const override;
    QString rowIdExpression() const override { return RowIdColumn; }
    QString collateCaseInsensitive() const override { return QStringLiteral(" COLLATE gnocase"); }
    QString foldFunction() const override { return QStringLiteral("gfold"); }
    QString escapeCharacter() const override { return QStringLiteral("\\"); }
    QString limitClause(bool withOffset) const override
    {
        return withOffset ? QStringLiteral(" LIMIT ? OFFSET ?") : QStringLiteral(" LIMIT ?");
    }
    std::unique_ptr<ChangeWatch> watchChanges(const QSqlDatabase &db) const override;
    QString adaptSql(const QString &sql) const override;
    QString emptyFirstOrder(bool descending) const override
    {
        return descending ? QStringLiteral(" NULLS LAST") : QStringLiteral(" NULLS FIRST");
    }
    QString insertRowIdSuffix() const override { return QStringLiteral(" RETURNING ") + RowIdColumn; }
    qint64 insertedRowId(QSqlQuery &query) const override;
    QString lockRowSuffix() const override { return QStringLiteral(" FOR UPDATE"); }
    QStringList addColumnSql(const QString &table, const FieldDef &field) const override;
    QStringList renameTableSql(const QString &from, const QString &to) const override;
    bool forwardOnlyResults() const override { return false; }
    bool isConnectionLost(const QSqlError &error) const override;

    QString declaredType(const FieldDef &field) const override;
    bool parseDeclaredType(const QString &name, const QString &declared, FieldDef *field) const override;
    QString createTableSql(const TableSchema &schema) const override;
    QStringList tableExtrasSql(const TableSchema &schema) const override;
    QString createIndexSql(const TableSchema &schema, const IndexDef &index) const override;
    QString dropIndexSql(const TableSchema &schema, const IndexDef &index) const override;
    QString indexSqlName(const TableSchema &schema, const IndexDef &index) const override;

    QStringList tableNames(const QSqlDatabase &db) const override;
    QVector<FieldDef> readFields(const QSqlDatabase &db, const QString &table) const override;
    QStringList readIndexNames(const QSqlDatabase &db, const QString &table) const override;
    QStringList readPrimaryKey(const QSqlDatabase &db, const QString &table) const override;
    QVector<IndexDef> readIndexes(const QSqlDatabase &db, const QString &table) const override;

    QVariant fromStorage(FieldType type, QVariant stored) const override;

    QString translateError(const QSqlError &error, const QString &table) const override;
    bool isBusyError(const QSqlError &error) const override;

    QStringList countMaintenanceSql(const CountLink &link) const override;
    bool countMaintained(const QSqlDatabase &db, const CountLink &link) const override;
    void dropCountMaintenance(const QSqlDatabase &db, const QString &table) const override;

private:
    QString primaryIndexName(const QString &table) const;
    ServerConnection m_server;
};

} // namespace platform

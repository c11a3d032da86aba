#include "platform/servercopy.h"

#include "platform/database.h"
#include "platform/databaseerror.h"
#include "platform/postgresbackend.h"
#include "platform/sqlitebackend.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QUuid>

namespace platform {

namespace {

// Rows written with one statement: few round trips to the server.
constexpr int RowsPerStatement = 100;

QString insertSql(const Database &target, const TableSchema &schema, int rows)
{
    QStringList columns;
    QStringList marks;
    for (const auto &f : schema.fields()) {
        columns.append(target.quote(f.name));
        marks.append(QStringLiteral("?"));
    }
    const QString tuple = QLatin1Char('(') + marks.join(QLatin1Char(',')) + QLatin1Char(')');
    QStringList tuples;
    for (int r = 0; r < rows; ++r)
        tuples.append(tuple);
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
        .arg(target.quote(schema.tableName()), columns.join(QStringLiteral(", ")), tuples.join(QLatin1Char(',')));
}

qint64 copyTable(Database &source, Database &target, const TableSchema &schema)
{
    const QString table = schema.tableName();
    QStringList columns;
    for (const auto &f : schema.fields())
        columns.append(source.quote(f.name));
    Transaction transaction(target);
    target.createTable(schema);
    QSqlQuery read = source.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                                     .arg(columns.join(QStringLiteral(", ")), source.quote(table),
                                          source.backend().rowIdExpression()),
                                 {}, table);
    QVariantList values;
    int pending = 0;
    qint64 copied = 0;
    auto flush = [&] {
        if (pending == 0)
            return;
        target.exec(insertSql(target, schema, pending), values, table);
        copied += pending;
        values.clear();
        pending = 0;
    };
    while (read.next()) {
        for (int i = 0; i < schema.fieldCount(); ++i) {
            const FieldType type = schema.fieldAt(i).type;
            values.append(target.backend().toStorage(type, source.backend().fromStorage(type, read.value(i))));
        }
        if (++pending == RowsPerStatement)
            flush();
    }
    flush();
    read.finish();
    const qint64 stored = source.countRows(table);
    const qint64 arrived = target.countRows(table);
    if (stored != arrived || copied != stored)
        throw DatabaseError(QStringLiteral("Die Tabelle %1 hat auf dem Server %2 statt %3 Datensätze. Sie wurde nicht "
                                           "übernommen.")
                                .arg(schema.fileName())
                                .arg(arrived)
                                .arg(stored));
    transaction.commit();
    return stored;
}

} // namespace

ServerCopyReport copyDataDirectoryToServer(const QString &directory,
                                           const std::function<void(const QString &)> &progress)
{
    ServerConnection server;
    if (!ServerConnection::read(directory, &server))
        throw DatabaseError(QStringLiteral("Im Datenverzeichnis \"%1\" liegt keine Datei \"%2\", die den Datenbankserver "
                                           "nennt.")
                                .arg(QDir::toNativeSeparators(directory), ServerConnection::FileName));
    auto sqlite = std::make_shared<SqliteBackend>();
    if (!sqlite->hasDatabase(directory))
        throw DatabaseError(QStringLiteral("Im Datenverzeichnis \"%1\" liegt keine Datenbank \"%2\", die kopiert werden "
                                           "könnte.")
                                .arg(QDir::toNativeSeparators(directory), SqliteBackend::FileName));
    const QString id = QUuid::createUuid().toString(QUuid::Id128);
    Database source(Alias::Data, directory, QStringLiteral("copy-source-") + id, sqlite);
    Database target(Alias::Data, directory, QStringLiteral("copy-target-") + id,
                    std::make_shared<PostgresBackend>(server));
    source.open(false);
    target.open(false);
    if (!target.tableNames().isEmpty())
        throw DatabaseError(QStringLiteral("Die Datenbank \"%1\" auf dem Datenbankserver %2 enthält bereits Tabellen. "
                                           "Kopiert wird nur in eine leere Datenbank; es wurde nichts geändert.")
                                .arg(server.database, server.describe()));
    ServerCopyReport report;
    QStringList tables = source.tableNames();
    tables.sort(Qt::CaseInsensitive);
    for (const QString &table : tables) {
        const TableSchema schema = source.storedSchemaOf(table);
        if (progress)
            progress(schema.fileName());
        const qint64 records = copyTable(source, target, schema);
        report.records += records;
        report.lines.append(QStringLiteral("%1: %2 Datensätze").arg(schema.fileName()).arg(records));
    }
    return report;
}

} // namespace platform

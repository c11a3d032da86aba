#pragma once

#include "platform/databasebackend.h"
#include "platform/tableschema.h"

#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <memory>

namespace platform {

// One database alias: a directory with one database in it, one connection.
// All SQL of the table layer runs through here, with bound values only.
class Database
{
public:
    Database(const QString &alias, const QString &directory, const QString &connectionName,
             std::shared_ptr<DatabaseBackend> backend);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    void open(bool createIfMissing);
    void close();
    bool isOpen() const;

    const QString &alias() const { return m_alias; }
    const QString &directory() const { return m_directory; }
    QSqlDatabase connection() const;
    const DatabaseBackend &backend() const { return *m_backend; }
    QString quote(const QString &identifier) const { return m_backend->quote(identifier); }

    // Tables
    bool tableExists(const QString &name);
    QStringList tableNames();
    // The registered declaration, or the structure read from the database
    // for a table nobody declared. Throws when the table does not exist.
    TableSchema schemaOf(const QString &name);
    // The structure the database holds, whatever is declared.
    TableSchema storedSchemaOf(const QString &name);
    void createTable(const TableSchema &schema);
    // Creates each table that is missing; existing ones stay as they are.
    void ensureTables(const QVector<TableSchema> &schemas);
    void dropTable(const QString &name);
    void emptyTable(const QString &name);
    // Throws a German DatabaseError when the stored table lacks a declared
    // field or holds it with another type.
    void verifyStructure(const TableSchema &schema);
    void addIndex(const QString &table, const IndexDef &index);
    // Copies structure and records of a table under a new name.
    void copyTable(const QString &from, const QString &to);
    // Brings a table to a new structure: fields are matched by name, values
    // converted through their text form, records and indexes kept.
    void restructure(const QString &table, const TableSchema &target);
    qint64 countRows(const QString &table);
    // Keeps the head's count field equal to the number of its detail rows
    // from now on, in the transaction of every write. Counts are brought up
    // to date (one statement writing only the counts that differ) when they
    // were not known to be current; returns whether that happened.
    bool keepCountCurrent(const CountLink &link);
    bool isReadOnly() const;

    // SQL with bound values; throws DatabaseError with a German message.
    QSqlQuery exec(const QString &sql, const QVariantList &values = {}, const QString &table = {});
    // A prepared query kept for reuse. Callers read its result completely
    // (and call finish) before anything else uses the same text.
    QSqlQuery &prepared(const QString &sql);
    void run(QSqlQuery &query, const QString &table = {});
    // A prepared read started with the values; the caller reads its rows
    // and ends it with endRead before anything else starts the same text.
    RowReader &startRead(const QString &sql, const QVariantList &values, const QString &table = {});
    // Ends the read; throws when it stopped on an error.
    void endRead(RowReader &reader, const QString &table = {});
    [[noreturn]] void raise(const QSqlError &error, const QString &table = {}) const;
    // The German message for a connection to the server that broke off.
    static QString connectionLostMessage();

    // Transactions nest; only the outermost commits.
    void transaction();
    void commit();
    void rollback();
    bool inTransaction() const { return m_transactionDepth > 0; }

    // Changes made through this connection, per table, so that open
    // datasets notice them.
    quint64 generation(const QString &table) const;
    void touch(const QString &table);
    // The same for a key already made by generationKey (no allocation).
    quint64 generationByKey(const QString &key) const { return m_generations.value(key, 0) + m_epoch; }
    static QString generationKey(const QString &table);
    void touchByKey(const QString &key) { ++m_generations[key]; }
    // Changes committed by other connections: a number that differs after
    // each of them (0 where the backend cannot tell).
    quint64 othersVersion();

private:
    void invalidateTableCache();
    // Opens the connection again after it broke off (outside a transaction).
    void reconnectIfLost();

    QString m_alias;
    QString m_directory;
    QString m_connectionName;
    std::shared_ptr<DatabaseBackend> m_backend;
    QHash<QString, QSqlQuery> m_prepared;
    std::unique_ptr<ChangeWatch> m_changeWatch;
    QHash<QString, std::shared_ptr<RowReader>> m_readers;
    QSet<QString> m_tables;  // lower-case names, filled lazily
    bool m_tablesKnown = false;
    QSet<QString> m_verified;
    QHash<QString, quint64> m_generations;
    quint64 m_epoch = 0;  // raised by a rollback: every table counts as changed
    int m_transactionDepth = 0;
    bool m_rollbackOnly = false;
    mutable bool m_lost = false; // the connection broke off: open it again before the next statement
};

// RAII transaction: rolls back unless committed.
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction();
    void commit();

private:
    Database &m_db;
    bool m_done = false;
};

} // namespace platform

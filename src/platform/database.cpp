#include "platform/database.h"

#include "platform/databaseerror.h"
#include "platform/fieldvalue.h"
#include "platform/schemaregistry.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlRecord>

namespace platform {

Database::Database(const QString &alias, const QString &directory, const QString &connectionName,
                   std::shared_ptr<DatabaseBackend> backend)
    : m_alias(alias)
    , m_directory(directory)
    , m_connectionName(connectionName)
    , m_backend(std::move(backend))
{
}

Database::~Database()
{
    close();
}

void Database::open(bool createIfMissing)
{
    if (isOpen() && !m_lost)
        return;
    if (m_lost)
        close();
    m_backend->openConnection(m_connectionName, m_directory, createIfMissing);
    m_lost = false;
    m_changeWatch = m_backend->watchChanges(connection());
}

QString Database::connectionLostMessage()
{
    return QStringLiteral("Die Verbindung zum Datenbankserver ist unterbrochen. Die Änderung wurde nicht gespeichert; "
                          "bitte versuchen Sie es noch einmal, sobald der Server wieder erreichbar ist.");
}

void Database::reconnectIfLost()
{
    if (!m_lost)
        return;
    // A transaction that was open on the lost connection is gone with it:
    // nothing more may run in its place until it has ended.
    if (m_transactionDepth > 0)
        throw DatabaseError(connectionLostMessage());
    try {
        open(false);
    } catch (const DatabaseError &error) {
        throw DatabaseError(connectionLostMessage(), error.message());
    }
}

void Database::close()
{
    m_changeWatch.reset();
    m_readers.clear();
    m_prepared.clear();
    if (QSqlDatabase::contains(m_connectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
            if (db.isOpen()) {
                if (m_transactionDepth > 0)
                    db.exec(QStringLiteral("ROLLBACK"));
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_transactionDepth = 0;
    m_lost = false;
    m_tablesKnown = false;
    m_tables.clear();
    m_verified.clear();
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && QSqlDatabase::database(m_connectionName, false).isOpen();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

void Database::raise(const QSqlError &error, const QString &table) const
{
    if (m_backend->isConnectionLost(error))
        m_lost = true;
    throw DatabaseError(m_backend->translateError(error, table), error.text());
}

QSqlQuery Database::exec(const QString &sql, const QVariantList &values, const QString &table)
{
    reconnectIfLost();
    QSqlQuery q(connection());
    q.setForwardOnly(m_backend->forwardOnlyResults());
    // Statements without values run directly: some servers prepare only
    // reads and writes, not changes of structure or transactions.
    if (values.isEmpty()) {
        if (!q.exec(m_backend->adaptSql(sql)))
            raise(q.lastError(), table);
        return q;
    }
    if (!q.prepare(m_backend->adaptSql(sql)))
        raise(q.lastError(), table);
    for (const auto &v : values)
        q.addBindValue(v);
    if (!q.exec())
        raise(q.lastError(), table);
    return q;
}

QSqlQuery &Database::prepared(const QString &sql)
{
    reconnectIfLost();
    auto it = m_prepared.find(sql);
    if (it == m_prepared.end()) {
        QSqlQuery q(connection());
        q.setForwardOnly(m_backend->forwardOnlyResults());
        if (!q.prepare(m_backend->adaptSql(sql)))
            raise(q.lastError());
        it = m_prepared.insert(sql, q);
    }
    return it.value();
}

void Database::run(QSqlQuery &query, const QString &table)
{
    if (!query.exec())
        raise(query.lastError(), table);
}

RowReader &Database::startRead(const QString &sql, const QVariantList &values, const QString &table)
{
    reconnectIfLost();
    auto it = m_readers.find(sql);
    if (it == m_readers.end()) {
        QSqlError error;
        std::unique_ptr<RowReader> reader = m_backend->prepareReader(connection(), m_backend->adaptSql(sql), &error);
        if (!reader)
            raise(error, table);
        it = m_readers.insert(sql, std::shared_ptr<RowReader>(std::move(reader)));
    }
    RowReader &reader = *it.value();
    if (!reader.start(values)) {
        const QSqlError error = reader.error();
        reader.finish();
        raise(error, table);
    }
    return reader;
}

void Database::endRead(RowReader &reader, const QString &table)
{
    const QSqlError error = reader.error();
    reader.finish();
    if (error.isValid())
        raise(error, table);
}

namespace {

// A read through the driver, for backends without a reader of their own.
class QueryReader : public RowReader
{
public:
    QueryReader(QSqlQuery query, const DatabaseBackend &backend)
        : m_query(std::move(query))
        , m_backend(backend)
    {
    }
    bool start(const QVariantList &values) override
    {
        for (int i = 0; i < values.size(); ++i)
            m_query.bindValue(i, values.at(i));
        return m_query.exec();
    }
    bool next() override { return m_query.next(); }
    qint64 integer(int column) const override { return m_query.value(column).toLongLong(); }
    QVariant stored(int column) const override { return m_query.value(column); }
    QVariant value(int column, FieldType type) const override
    {
        return m_backend.fromStorage(type, m_query.value(column));
    }
    void finish() override { m_query.finish(); }
    QSqlError error() const override { return m_query.lastError(); }

private:
    QSqlQuery m_query;
    const DatabaseBackend &m_backend;
};

} // namespace

std::unique_ptr<RowReader> DatabaseBackend::prepareReader(const QSqlDatabase &db, const QString &sql,
                                                          QSqlError *error) const
{
    QSqlQuery query(db);
    query.setForwardOnly(forwardOnlyResults());
    if (!query.prepare(sql)) {
        *error = query.lastError();
        return nullptr;
    }
    return std::make_unique<QueryReader>(std::move(query), *this);
}

bool DatabaseBackend::hasDatabase(const QString &directory) const
{
    return QFileInfo::exists(databaseFilePath(directory));
}

qint64 DatabaseBackend::insertedRowId(QSqlQuery &query) const
{
    return query.lastInsertId().toLongLong();
}

QStringList DatabaseBackend::addColumnSql(const QString &table, const FieldDef &field) const
{
    return { QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3").arg(quote(table), quote(field.name), declaredType(field)) };
}

QStringList DatabaseBackend::renameTableSql(const QString &from, const QString &to) const
{
    return { QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(quote(from), quote(to)) };
}

QVariant DatabaseBackend::toStorage(FieldType type, const QVariant &value) const
{
    if (!value.isValid() || value.isNull())
        return QVariant(QMetaType::fromType<QString>());
    switch (type) {
    case FieldType::String:
    case FieldType::Memo: {
        const QString s = value.toString();
        return s.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(s);
    }
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::AutoInc:
        return QVariant(value.toLongLong());
    case FieldType::Float:
    case FieldType::Currency:
    case FieldType::Bcd:
        return QVariant(value.toDouble());
    case FieldType::Date: {
        const QDate d = value.toDate();
        return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant(QMetaType::fromType<QString>());
    }
    case FieldType::Time: {
        const QTime t = value.toTime();
        return t.isValid() ? QVariant(t.toString(QStringLiteral("hh:mm:ss.zzz"))) : QVariant(QMetaType::fromType<QString>());
    }
    case FieldType::DateTime: {
        const QDateTime dt = value.toDateTime();
        return dt.isValid() ? QVariant(dt.toString(QStringLiteral("yyyy-MM-ddThh:mm:ss.zzz")))
                            : QVariant(QMetaType::fromType<QString>());
    }
    case FieldType::Boolean:
        return QVariant(value.toBool() ? 1 : 0);
    case FieldType::Graphic:
    case FieldType::Blob: {
        const QByteArray bytes = value.toByteArray();
        return bytes.isEmpty() ? QVariant(QMetaType::fromType<QByteArray>()) : QVariant(bytes);
    }
    }
    return value;
}

QVariant DatabaseBackend::fromStorage(FieldType type, QVariant stored) const
{
    if (!stored.isValid() || stored.isNull())
        return QVariant();
    switch (type) {
    case FieldType::String:
    case FieldType::Memo:
        return stored.typeId() == QMetaType::QString ? std::move(stored) : QVariant(stored.toString());
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::AutoInc:
        return QVariant(static_cast<int>(stored.toLongLong()));
    case FieldType::Float:
    case FieldType::Currency:
    case FieldType::Bcd:
        return QVariant(stored.toDouble());
    case FieldType::Date: {
        const QString s = stored.toString();
        const QDate d = QDate::fromString(s.left(10), Qt::ISODate);
        return d.isValid() ? QVariant(d) : QVariant();
    }
    case FieldType::Time: {
        const QString s = stored.toString();
        QTime t = QTime::fromString(s, QStringLiteral("hh:mm:ss.zzz"));
        if (!t.isValid())
            t = QTime::fromString(s, QStringLiteral("hh:mm:ss"));
        return t.isValid() ? QVariant(t) : QVariant();
    }
    case FieldType::DateTime: {
        const QString s = stored.toString();
        QDateTime dt = QDateTime::fromString(s, QStringLiteral("yyyy-MM-ddThh:mm:ss.zzz"));
        if (!dt.isValid())
            dt = QDateTime::fromString(s, Qt::ISODate);
        return dt.isValid() ? QVariant(dt) : QVariant();
    }
    case FieldType::Boolean:
        return QVariant(stored.toLongLong() != 0);
    case FieldType::Graphic:
    case FieldType::Blob:
        return QVariant(stored.toByteArray());
    }
    return stored;
}

void Database::invalidateTableCache()
{
    m_tablesKnown = false;
    m_tables.clear();
}

QStringList Database::tableNames()
{
    return m_backend->tableNames(connection());
}

bool Database::tableExists(const QString &name)
{
    if (!m_tablesKnown) {
        m_tables.clear();
        for (const auto &t : m_backend->tableNames(connection()))
            m_tables.insert(t.toLower());
        m_tablesKnown = true;
    }
    return m_tables.contains(TableSchema::tableNameOf(name).toLower());
}

TableSchema Database::schemaOf(const QString &name)
{
    const QString tableName = TableSchema::tableNameOf(name);
    if (!tableExists(tableName))
        throw DatabaseError(QStringLiteral("Tabelle %1 nicht gefunden.").arg(name));
    if (const TableSchema *declared = SchemaRegistry::instance().find(tableName);
        declared && declared->alias().compare(m_alias, Qt::CaseInsensitive) == 0)
        return *declared;
    return storedSchemaOf(tableName);
}

TableSchema Database::storedSchemaOf(const QString &name)
{
    const QString tableName = TableSchema::tableNameOf(name);
    if (!tableExists(tableName))
        throw DatabaseError(QStringLiteral("Tabelle %1 nicht gefunden.").arg(name));
    TableSchema schema(tableName + QStringLiteral(".DB"), m_alias);
    for (const auto &f : m_backend->readFields(connection(), tableName))
        schema.field(f);
    schema.primaryKey(m_backend->readPrimaryKey(connection(), tableName));
    for (const auto &index : m_backend->readIndexes(connection(), tableName))
        schema.addIndex(index);
    return schema;
}

void Database::createTable(const TableSchema &schema)
{
    Transaction tx(*this);
    exec(m_backend->createTableSql(schema), {}, schema.tableName());
    for (const QString &sql : m_backend->tableExtrasSql(schema))
        exec(sql, {}, schema.tableName());
    for (const auto &index : schema.indexes())
        exec(m_backend->createIndexSql(schema, index), {}, schema.tableName());
    tx.commit();
    invalidateTableCache();
    touch(schema.tableName());
}

void Database::ensureTables(const QVector<TableSchema> &schemas)
{
    for (const auto &schema : schemas) {
        if (!tableExists(schema.tableName()))
            createTable(schema);
    }
}

void Database::dropTable(const QString &name)
{
    m_backend->dropCountMaintenance(connection(), TableSchema::tableNameOf(name));
    exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(quote(TableSchema::tableNameOf(name))));
    invalidateTableCache();
    m_verified.remove(TableSchema::tableNameOf(name).toLower());
    touch(name);
}

void Database::emptyTable(const QString &name)
{
    exec(QStringLiteral("DELETE FROM %1").arg(quote(TableSchema::tableNameOf(name))), {}, name);
    touch(name);
}

void Database::verifyStructure(const TableSchema &schema)
{
    const QString key = schema.tableName().toLower();
    if (m_verified.contains(key))
        return;
    const QVector<FieldDef> stored = m_backend->readFields(connection(), schema.tableName());
    QHash<QString, FieldDef> byName;
    for (const auto &f : stored)
        byName.insert(f.name.toLower(), f);
    for (const auto &f : schema.fields()) {
        auto it = byName.constFind(f.name.toLower());
        if (it == byName.constEnd())
            throw DatabaseError(QStringLiteral("Die Tabelle %1 hat nicht die erwartete Struktur: das Feld \"%2\" fehlt. "
                                               "Bitte führen Sie die Aktualisierung der Tabellen aus.")
                                    .arg(schema.fileName(), f.name));
        if (it->type != f.type)
            throw DatabaseError(QStringLiteral("Die Tabelle %1 hat nicht die erwartete Struktur: das Feld \"%2\" hat den Typ %3 statt %4.")
                                    .arg(schema.fileName(), f.name, fieldTypeName(it->type), fieldTypeName(f.type)));
    }
    m_verified.insert(key);
}

void Database::addIndex(const QString &table, const IndexDef &index)
{
    TableSchema schema = schemaOf(table);
    exec(m_backend->createIndexSql(schema, index), {}, schema.tableName());
}

qint64 Database::countRows(const QString &table)
{
    QSqlQuery q = exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(quote(TableSchema::tableNameOf(table))), {}, table);
    return q.next() ? q.value(0).toLongLong() : 0;
}

bool Database::keepCountCurrent(const CountLink &link)
{
    if (m_backend->countMaintained(connection(), link))
        return false;
    if (isReadOnly())
        return false;
    const QString head = quote(link.headTable);
    const QString counted = QStringLiteral("(SELECT COUNT(*) FROM %1 WHERE %1.%2 = %3.%4)")
                                .arg(quote(link.detailTable), quote(link.linkField), head, quote(link.keyField));
    Transaction tx(*this);
    for (const QString &sql : m_backend->countMaintenanceSql(link))
        exec(sql, {}, link.headTable);
    QSqlQuery update = exec(
        QStringLiteral("UPDATE %1 SET %2 = %3 WHERE %2 IS NULL OR %2 <> %3").arg(head, quote(link.countField), counted),
        {}, link.headTable);
    const int changed = update.numRowsAffected();
    update.finish();
    tx.commit();
    if (changed > 0)
        touch(link.headTable);
    return true;
}

bool Database::isReadOnly() const
{
    return m_backend->isReadOnly(connection());
}

void Database::copyTable(const QString &from, const QString &to)
{
    TableSchema source = schemaOf(from);
    TableSchema target = source;
    target.setFileName(to);
    Transaction tx(*this);
    if (tableExists(to))
        dropTable(to);
    exec(m_backend->createTableSql(target), {}, target.tableName());
    for (const QString &sql : m_backend->tableExtrasSql(target))
        exec(sql, {}, target.tableName());
    QStringList columns;
    for (const auto &f : source.fields())
        columns.append(quote(f.name));
    exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3")
             .arg(quote(target.tableName()), columns.join(QStringLiteral(", ")), quote(source.tableName())),
         {}, target.tableName());
    for (const auto &index : target.indexes())
        exec(m_backend->createIndexSql(target, index), {}, target.tableName());
    tx.commit();
    invalidateTableCache();
    touch(to);
}

void Database::restructure(const QString &tableName, const TableSchema &wanted)
{
    const QString name = TableSchema::tableNameOf(tableName);
    const QVector<FieldDef> current = m_backend->readFields(connection(), name);
    if (current.isEmpty())
        throw DatabaseError(QStringLiteral("Tabelle %1 konnte nicht geöffnet werden.").arg(tableName));
    TableSchema target = wanted;
    target.setFileName(name + QStringLiteral(".DB"));

    // Only new fields at the end and the same key: add them in place.
    const QStringList currentKey = m_backend->readPrimaryKey(connection(), name);
    bool appendOnly = target.fieldCount() >= current.size() && currentKey.size() == target.primaryKeyFields().size();
    for (int i = 0; appendOnly && i < currentKey.size(); ++i)
        appendOnly = currentKey.at(i).compare(target.primaryKeyFields().at(i), Qt::CaseInsensitive) == 0;
    for (int i = 0; appendOnly && i < current.size(); ++i) {
        const FieldDef &a = current.at(i);
        const FieldDef &b = target.fieldAt(i);
        appendOnly = a.name.compare(b.name, Qt::CaseInsensitive) == 0 && a.type == b.type
            && (a.type != FieldType::String || a.size == b.size) && (a.type != FieldType::Bcd || a.size == b.size);
    }

    Transaction tx(*this);
    if (appendOnly) {
        for (int i = current.size(); i < target.fieldCount(); ++i) {
            const FieldDef &f = target.fieldAt(i);
            for (const QString &sql : m_backend->addColumnSql(name, f))
                exec(sql, {}, name);
        }
    } else {
        // Counts kept by the database go with the old table; they are set
        // up and recounted on the next use.
        m_backend->dropCountMaintenance(connection(), name);
        const QString temp = name + QStringLiteral("__neu");
        TableSchema tempSchema = target;
        tempSchema.setFileName(temp);
        exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(quote(temp)));
        exec(m_backend->createTableSql(tempSchema), {}, temp);
        for (const QString &sql : m_backend->tableExtrasSql(tempSchema))
            exec(sql, {}, temp);

        // Source column of each target field, by name.
        QVector<int> sourceOf(target.fieldCount(), -1);
        for (int t = 0; t < target.fieldCount(); ++t)
            for (int s = 0; s < current.size(); ++s)
                if (current.at(s).name.compare(target.fieldAt(t).name, Qt::CaseInsensitive) == 0)
                    sourceOf[t] = s;

        QStringList sourceColumns;
        for (const auto &f : current)
            sourceColumns.append(quote(f.name));
        QStringList targetColumns, marks;
        for (const auto &f : target.fields()) {
            targetColumns.append(quote(f.name));
            marks.append(QStringLiteral("?"));
        }
        QSqlQuery read = exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                                  .arg(sourceColumns.join(QStringLiteral(", ")), quote(name), m_backend->rowIdExpression()),
            {}, name);
        QSqlQuery write(connection());
        if (!write.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(quote(temp), targetColumns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")))))
            raise(write.lastError(), name);
        qint64 row = 0;
        while (read.next()) {
            ++row;
            for (int t = 0; t < target.fieldCount(); ++t) {
                const FieldDef &tf = target.fieldAt(t);
                QVariant value;
                if (sourceOf[t] >= 0) {
                    const FieldDef &sf = current.at(sourceOf[t]);
                    const QVariant sourceValue = m_backend->fromStorage(sf.type, read.value(sourceOf[t]));
                    if (sf.type == tf.type && sf.type != FieldType::String) {
                        value = sourceValue;
                    } else {
                        const QString text = valueToText(sf.type, sourceValue);
                        bool ok = true;
                        QString error;
                        value = textToValue(tf, text, &ok, &error);
                        if (!ok)
                            throw DatabaseError(QStringLiteral("Tabelle %1, Datensatz %2, Feld %3: %4 Die Tabelle bleibt unverändert.")
                                                    .arg(tableName).arg(row).arg(tf.name, error));
                        if (tf.type == FieldType::String && text.size() > tf.size)
                            throw DatabaseError(QStringLiteral("Tabelle %1, Datensatz %2, Feld %3: der Text \"%4\" ist länger als %5 Zeichen. "
                                                               "Die Tabelle bleibt unverändert.")
                                                    .arg(tableName).arg(row).arg(tf.name, text).arg(tf.size));
                    }
                }
                write.bindValue(t, m_backend->toStorage(tf.type, value));
            }
            if (!write.exec())
                raise(write.lastError(), name);
        }
        read.finish();
        m_prepared.clear();
        exec(QStringLiteral("DROP TABLE %1").arg(quote(name)), {}, name);
        for (const QString &sql : m_backend->renameTableSql(temp, name))
            exec(sql, {}, name);
    }
    for (const auto &index : target.indexes())
        exec(m_backend->createIndexSql(target, index), {}, name);
    tx.commit();
    m_prepared.clear();
    invalidateTableCache();
    m_verified.remove(name.toLower());
    touch(name);
}

void Database::transaction()
{
    if (m_transactionDepth == 0) {
        for (auto &q : m_prepared)
            q.finish();
        exec(m_backend->beginTransactionSql());
        m_rollbackOnly = false;
    }
    ++m_transactionDepth;
}

void Database::commit()
{
    if (m_transactionDepth <= 0)
        return;
    if (--m_transactionDepth == 0) {
        for (auto &q : m_prepared)
            q.finish();
        if (m_lost) {
            m_rollbackOnly = false;
            ++m_epoch;
            throw DatabaseError(connectionLostMessage());
        }
        if (m_rollbackOnly) {
            exec(QStringLiteral("ROLLBACK"));
            m_rollbackOnly = false;
            throw DatabaseError(QStringLiteral("Die Änderungen wurden zurückgenommen."));
        }
        exec(QStringLiteral("COMMIT"));
    }
}

void Database::rollback()
{
    if (m_transactionDepth <= 0)
        return;
    if (--m_transactionDepth == 0) {
        for (auto &q : m_prepared)
            q.finish();
        QSqlQuery q(connection());
        q.exec(QStringLiteral("ROLLBACK"));
        m_rollbackOnly = false;
        // Datasets must re-read whatever they hold.
        ++m_epoch;
        invalidateTableCache();
    } else {
        m_rollbackOnly = true;
    }
}

QString Database::generationKey(const QString &table)
{
    return TableSchema::tableNameOf(table).toLower();
}

quint64 Database::generation(const QString &table) const
{
    return generationByKey(generationKey(table));
}

quint64 Database::othersVersion()
{
    if (m_changeWatch)
        return m_changeWatch->version();
    const QString sql = m_backend->othersChangesSql();
    if (sql.isEmpty())
        return 0;
    QSqlQuery &q = prepared(sql);
    run(q);
    const quint64 version = q.next() ? q.value(0).toULongLong() : 0;
    q.finish();
    return version;
}

void Database::touch(const QString &table)
{
    ++m_generations[generationKey(table)];
}

Transaction::Transaction(Database &db)
    : m_db(db)
{
    m_db.transaction();
}

Transaction::~Transaction()
{
    if (!m_done) {
        try {
            m_db.rollback();
        } catch (...) {
        }
    }
}

void Transaction::commit()
{
    m_done = true;
    m_db.commit();
}

} // namespace platform

#include "platform/sqlitebackend.h"

#include "platform/databaseerror.h"
#include "platform/germantext.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QMap>
#include <QSqlRecord>

#include <sqlite3.h>

#include <atomic>
#include <cstring>

namespace platform {

const QString SqliteBackend::FileName = QStringLiteral("Datenbank.sqlite");
const QString SqliteBackend::ReadOnlyMessage
    = QStringLiteral("Das Datenverzeichnis ist schreibgeschützt: Änderungen können nicht gespeichert werden. "
                     "Bitte prüfen Sie die Zugriffsrechte des Datenverzeichnisses.");

namespace {

bool isAscii(const unsigned char *s, int len)
{
    for (int i = 0; i < len; ++i)
        if (s[i] >= 0x80)
            return false;
    return true;
}

int collateNoCase(void *, int len1, const void *s1, int len2, const void *s2)
{
    const auto *a = static_cast<const unsigned char *>(s1);
    const auto *b = static_cast<const unsigned char *>(s2);
    if (isAscii(a, len1) && isAscii(b, len2)) {
        const int n = std::min(len1, len2);
        for (int i = 0; i < n; ++i) {
            const int ca = (a[i] >= 'A' && a[i] <= 'Z') ? a[i] + 32 : a[i];
            const int cb = (b[i] >= 'A' && b[i] <= 'Z') ? b[i] + 32 : b[i];
            if (ca != cb)
                return ca < cb ? -1 : 1;
        }
        return len1 == len2 ? 0 : (len1 < len2 ? -1 : 1);
    }
    const QString qa = QString::fromUtf8(reinterpret_cast<const char *>(a), len1);
    const QString qb = QString::fromUtf8(reinterpret_cast<const char *>(b), len2);
    const int r = compareCaseInsensitive(qa, qb);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

void textFunction(sqlite3_context *context, int argc, sqlite3_value **argv, QString (*convert)(const QString &))
{
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    const int len = sqlite3_value_bytes(argv[0]);
    const QByteArray converted = convert(QString::fromUtf8(text, len)).toUtf8();
    sqlite3_result_text(context, converted.constData(), converted.size(), SQLITE_TRANSIENT);
}

void foldFunction(sqlite3_context *c, int argc, sqlite3_value **argv) { textFunction(c, argc, argv, &foldCase); }
void upperFunction(sqlite3_context *c, int argc, sqlite3_value **argv) { textFunction(c, argc, argv, &upperCase); }

void registerExtensions(QSqlDatabase &db)
{
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        throw DatabaseError(QStringLiteral("Die Datenbankverbindung konnte nicht eingerichtet werden."));
    sqlite3 *handle = *static_cast<sqlite3 *const *>(v.constData());
    if (!handle)
        throw DatabaseError(QStringLiteral("Die Datenbankverbindung konnte nicht eingerichtet werden."));
    sqlite3_create_collation(handle, "GNOCASE", SQLITE_UTF8, nullptr, &collateNoCase);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(handle, "gfold", 1, flags, nullptr, &foldFunction, nullptr, nullptr);
    sqlite3_create_function(handle, "lower", 1, flags, nullptr, &foldFunction, nullptr, nullptr);
    sqlite3_create_function(handle, "upper", 1, flags, nullptr, &upperFunction, nullptr, nullptr);
}

void execPragma(QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    q.exec(sql);
}

// "file:" URI of a database path with an option ("mode=ro").
QString sqliteUri(const QString &path, const QString &option)
{
    QString escaped;
    for (QChar c : path) {
        if (c == QLatin1Char('%') || c == QLatin1Char('?') || c == QLatin1Char('#'))
            escaped += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return QStringLiteral("file:%1?%2").arg(escaped, option);
}

} // namespace

QString SqliteBackend::databaseFilePath(const QString &directory) const
{
    return QDir(directory).filePath(FileName);
}

QSqlDatabase SqliteBackend::openConnection(const QString &connectionName, const QString &directory,
                                           bool createIfMissing) const
{
    const QFileInfo dirInfo(directory);
    if (!dirInfo.exists() || !dirInfo.isDir())
        throw DatabaseError(QStringLiteral("Das Verzeichnis \"%1\" existiert nicht.").arg(QDir::toNativeSeparators(directory)));
    const QString path = databaseFilePath(directory);
    const bool exists = QFileInfo::exists(path);
    if (!exists && !createIfMissing)
        throw DatabaseError(QStringLiteral("Im Verzeichnis \"%1\" liegt keine Datenbank.").arg(QDir::toNativeSeparators(directory)));
    if (!exists && !QFileInfo(directory).isWritable())
        throw DatabaseError(QStringLiteral("Im Verzeichnis \"%1\" kann keine Datenbank angelegt werden: keine Schreibberechtigung.")
                                .arg(QDir::toNativeSeparators(directory)));

    // A write-protected data directory (or database file) is opened for
    // reading: first as a shared read-only database, and where the file
    // system lets SQLite create none of its side files, as a file that
    // nobody changes meanwhile.
    const bool writable = QFileInfo(directory).isWritable() && (!exists || QFileInfo(path).isWritable());
    const QStringList attempts = writable ? QStringList { QString() }
                                          : QStringList { QStringLiteral("mode=ro"), QStringLiteral("immutable=1") };
    QString failure;
    QString failureDetail;
    for (const QString &mode : attempts) {
        QSqlDatabase db = QSqlDatabase::addDatabase(driverName(), connectionName);
        if (mode.isEmpty()) {
            db.setDatabaseName(path);
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        } else {
            db.setDatabaseName(sqliteUri(path, mode));
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000;QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        }
        if (!db.open()) {
            failure = translateError(db.lastError(), QString());
            failureDetail = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connectionName);
            continue;
        }
        registerExtensions(db);
        // A quick read tells a damaged or foreign file at once.
        QSqlQuery check(db);
        if (!check.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
            const QSqlError error = check.lastError();
            check = QSqlQuery();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(connectionName);
            const int code = error.nativeErrorCode().toInt() & 0xff;
            if (code == SQLITE_CANTOPEN || code == SQLITE_READONLY || code == SQLITE_PERM || code == SQLITE_IOERR) {
                failure = translateError(error, QString());
                failureDetail = error.text();
                continue;
            }
            throw DatabaseError(
                QStringLiteral("Die Datenbank \"%1\" ist beschädigt oder keine Datenbank dieses Programms.")
                    .arg(QDir::toNativeSeparators(path)),
                error.text());
        }
        check.finish();
        if (writable)
            execPragma(db, QStringLiteral("PRAGMA journal_mode=WAL"));
        execPragma(db, QStringLiteral("PRAGMA synchronous=NORMAL"));
        execPragma(db, QStringLiteral("PRAGMA foreign_keys=OFF"));
        return db;
    }
    if (!writable)
        throw DatabaseError(QStringLiteral("Das Datenverzeichnis \"%1\" ist schreibgeschützt, und die Datenbank kann "
                                           "darin nicht geöffnet werden. Bitte prüfen Sie die Zugriffsrechte.")
                                .arg(QDir::toNativeSeparators(directory)),
            failureDetail);
    throw DatabaseError(failure, failureDetail);
}

QString SqliteBackend::quote(const QString &identifier) const
{
    QString id = identifier;
    id.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + id + QLatin1Char('"');
}

QString SqliteBackend::declaredType(const FieldDef &field) const
{
    switch (field.type) {
    case FieldType::String: return QStringLiteral("VARCHAR(%1)").arg(field.size);
    case FieldType::Memo: return QStringLiteral("MEMO TEXT");
    case FieldType::SmallInt: return QStringLiteral("SMALLINT");
    case FieldType::Integer: return QStringLiteral("INTEGER");
    case FieldType::AutoInc: return QStringLiteral("AUTOINC INTEGER");
    case FieldType::Float: return QStringLiteral("FLOAT");
    case FieldType::Currency: return QStringLiteral("CURRENCY REAL");
    case FieldType::Bcd: return QStringLiteral("BCD(%1) REAL").arg(field.size);
    case FieldType::Date: return QStringLiteral("DATE TEXT");
    case FieldType::Time: return QStringLiteral("TIME TEXT");
    case FieldType::DateTime: return QStringLiteral("TIMESTAMP TEXT");
    case FieldType::Boolean: return QStringLiteral("BOOLEAN INTEGER");
    case FieldType::Graphic: return QStringLiteral("GRAPHIC BLOB");
    case FieldType::Blob: return QStringLiteral("BLOB");
    }
    return QStringLiteral("TEXT");
}

bool SqliteBackend::parseDeclaredType(const QString &name, const QString &declared, FieldDef *field) const
{
    const QString t = declared.trimmed().toUpper();
    field->name = name;
    field->size = 0;
    static const QRegularExpression varchar(QStringLiteral("^VARCHAR\\((\\d+)\\)$"));
    static const QRegularExpression bcd(QStringLiteral("^BCD\\((\\d+)\\) REAL$"));
    if (auto m = varchar.match(t); m.hasMatch()) {
        field->type = FieldType::String;
        field->size = m.captured(1).toInt();
        return true;
    }
    if (auto m = bcd.match(t); m.hasMatch()) {
        field->type = FieldType::Bcd;
        field->size = m.captured(1).toInt();
        return true;
    }
    static const QHash<QString, FieldType> plain = {
        {QStringLiteral("MEMO TEXT"), FieldType::Memo},
        {QStringLiteral("TEXT"), FieldType::Memo},
        {QStringLiteral("SMALLINT"), FieldType::SmallInt},
        {QStringLiteral("INTEGER"), FieldType::Integer},
        {QStringLiteral("AUTOINC INTEGER"), FieldType::AutoInc},
        {QStringLiteral("FLOAT"), FieldType::Float},
        {QStringLiteral("REAL"), FieldType::Float},
        {QStringLiteral("CURRENCY REAL"), FieldType::Currency},
        {QStringLiteral("DATE TEXT"), FieldType::Date},
        {QStringLiteral("TIME TEXT"), FieldType::Time},
        {QStringLiteral("TIMESTAMP TEXT"), FieldType::DateTime},
        {QStringLiteral("BOOLEAN INTEGER"), FieldType::Boolean},
        {QStringLiteral("GRAPHIC BLOB"), FieldType::Graphic},
        {QStringLiteral("BLOB"), FieldType::Blob},
    };
    auto it = plain.constFind(t);
    if (it == plain.constEnd())
        return false;
    field->type = it.value();
    return true;
}

QString SqliteBackend::createTableSql(const TableSchema &schema) const
{
    QStringList columns;
    const QStringList &key = schema.primaryKeyFields();
    const bool rowidKey = key.size() == 1 && schema.hasField(key.first())
        && schema.fieldAt(schema.fieldIndex(key.first())).type == FieldType::Integer;
    for (const auto &field : schema.fields()) {
        QString column = quote(field.name) + QLatin1Char(' ') + declaredType(field);
        if (rowidKey && field.name.compare(key.first(), Qt::CaseInsensitive) == 0)
            column += QStringLiteral(" PRIMARY KEY");
        columns.append(column);
    }
    if (!key.isEmpty() && !rowidKey) {
        QStringList quoted;
        for (const auto &k : key)
            quoted.append(quote(k));
        columns.append(QStringLiteral("PRIMARY KEY (%1)").arg(quoted.join(QStringLiteral(", "))));
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(quote(schema.tableName()), columns.join(QStringLiteral(", ")));
}

QString SqliteBackend::indexSqlName(const TableSchema &schema, const IndexDef &index) const
{
    return schema.tableName() + QStringLiteral("__") + index.name;
}

QString SqliteBackend::createIndexSql(const TableSchema &schema, const IndexDef &index) const
{
    QStringList parts;
    for (const auto &f : index.fields) {
        QString part = quote(f);
        const int i = schema.fieldIndex(f);
        if (index.caseInsensitive && i >= 0 && isTextType(schema.fieldAt(i).type))
            part += collateCaseInsensitive();
        parts.append(part);
    }
    return QStringLiteral("CREATE %1INDEX IF NOT EXISTS %2 ON %3 (%4)")
        .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(), quote(indexSqlName(schema, index)),
             quote(schema.tableName()), parts.join(QStringLiteral(", ")));
}

QString SqliteBackend::dropIndexSql(const TableSchema &schema, const IndexDef &index) const
{
    return QStringLiteral("DROP INDEX IF EXISTS %1").arg(quote(indexSqlName(schema, index)));
}

QStringList SqliteBackend::tableNames(const QSqlDatabase &db) const
{
    QStringList names;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'"))) {
        while (q.next())
            names.append(q.value(0).toString());
    }
    return names;
}

QVector<FieldDef> SqliteBackend::readFields(const QSqlDatabase &db, const QString &table) const
{
    QVector<FieldDef> fields;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quote(table))))
        return fields;
    while (q.next()) {
        FieldDef def;
        if (!parseDeclaredType(q.value(1).toString(), q.value(2).toString(), &def)) {
            def.name = q.value(1).toString();
            def.type = FieldType::Memo;
        }
        fields.append(def);
    }
    return fields;
}

QStringList SqliteBackend::readIndexNames(const QSqlDatabase &db, const QString &table) const
{
    QStringList names;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = ? AND sql IS NOT NULL"));
    q.addBindValue(table);
    if (q.exec()) {
        while (q.next())
            names.append(q.value(0).toString());
    }
    return names;
}

QStringList SqliteBackend::readPrimaryKey(const QSqlDatabase &db, const QString &table) const
{
    QMap<int, QString> key;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quote(table)))) {
        while (q.next()) {
            const int pk = q.value(5).toInt();
            if (pk > 0)
                key.insert(pk, q.value(1).toString());
        }
    }
    return key.values();
}

QVector<IndexDef> SqliteBackend::readIndexes(const QSqlDatabase &db, const QString &table) const
{
    QVector<IndexDef> indexes;
    const QString prefix = table + QStringLiteral("__");
    for (const QString &sqlName : readIndexNames(db, table)) {
        if (!sqlName.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        IndexDef index;
        index.name = sqlName.mid(prefix.size());
        QSqlQuery list(db);
        list.setForwardOnly(true);
        if (list.exec(QStringLiteral("PRAGMA index_list(%1)").arg(quote(table)))) {
            while (list.next())
                if (list.value(1).toString() == sqlName)
                    index.unique = list.value(2).toInt() != 0;
        }
        QSqlQuery info(db);
        info.setForwardOnly(true);
        if (info.exec(QStringLiteral("PRAGMA index_xinfo(%1)").arg(quote(sqlName)))) {
            while (info.next()) {
                if (info.value(5).toInt() == 0)  // auxiliary column
                    continue;
                index.fields.append(info.value(2).toString());
                if (info.value(4).toString().compare(QLatin1String("GNOCASE"), Qt::CaseInsensitive) == 0)
                    index.caseInsensitive = true;
            }
        }
        indexes.append(index);
    }
    return indexes;
}

bool SqliteBackend::isBusyError(const QSqlError &error) const
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == SQLITE_BUSY || code == SQLITE_LOCKED
        || error.databaseText().contains(QLatin1String("locked"), Qt::CaseInsensitive);
}

QString SqliteBackend::translateError(const QSqlError &error, const QString &table) const
{
    // Every text here is shown to the user; the database's own (English)
    // text stays in the error's detail for the report.
    const QString text = error.databaseText() + QLatin1Char(' ') + error.driverText();
    const int code = error.nativeErrorCode().toInt() & 0xff;
    const QString tableName = table.isEmpty() ? QString() : table + QStringLiteral(".DB");
    auto has = [&text](const char *part) { return text.contains(QLatin1String(part), Qt::CaseInsensitive); };
    if (code == SQLITE_CONSTRAINT || has("UNIQUE constraint failed") || has("PRIMARY KEY"))
        return QStringLiteral("Schlüsselverletzung.");
    if (isBusyError(error))
        return QStringLiteral("Die Tabelle %1 wird gerade von einem anderen Benutzer geändert. Bitte versuchen Sie es noch einmal.")
            .arg(tableName.isEmpty() ? QStringLiteral("der Datenbank") : tableName);
    if (code == SQLITE_READONLY || code == SQLITE_PERM || has("readonly") || has("read-only"))
        return ReadOnlyMessage;
    if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB || has("malformed") || has("not a database") || has("corrupt"))
        return QStringLiteral("Die Datenbank ist beschädigt.");
    if (code == SQLITE_FULL || (has("disk") && has("full")))
        return QStringLiteral("Der Datenträger ist voll. Die Änderung wurde nicht gespeichert.");
    if (has("no such table"))
        return QStringLiteral("Tabelle %1 nicht gefunden.").arg(tableName);
    if (has("no such column"))
        return QStringLiteral("Ein Feld der Tabelle %1 wurde nicht gefunden.").arg(tableName);
    if (has("pattern too complex") || code == SQLITE_TOOBIG)
        return QStringLiteral("Der Suchtext ist zu lang.");
    if (code == SQLITE_CANTOPEN || has("unable to open"))
        return QStringLiteral("Die Datenbank kann nicht geöffnet werden.");
    if (code == SQLITE_IOERR || has("disk I/O"))
        return QStringLiteral(
            "Die Datenbank konnte nicht gelesen oder geschrieben werden (Schreib-/Lesefehler des Datenträgers).");
    if (code == SQLITE_NOMEM)
        return QStringLiteral("Für diese Datenbankaktion reicht der Arbeitsspeicher nicht.");
    if (code == SQLITE_INTERRUPT)
        return QStringLiteral("Die Datenbankaktion wurde abgebrochen.");
    if (tableName.isEmpty())
        return QStringLiteral("Die Datenbank hat die Aktion abgelehnt (Fehlercode %1).").arg(error.nativeErrorCode());
    return QStringLiteral("Die Datenbank hat die Aktion an der Tabelle %1 abgelehnt (Fehlercode %2).")
        .arg(tableName, error.nativeErrorCode());
}

namespace {

// The triggers of a count link: named after the head so that the head's
// and the detail table's can be found.
QStringList countTriggerNames(const CountLink &link)
{
    const QString base = link.headTable + QStringLiteral("__anzahl_") + link.detailTable;
    return { base + QStringLiteral("_neu"), base + QStringLiteral("_weg"), base + QStringLiteral("_um"),
        base + QStringLiteral("_kopf_neu"), base + QStringLiteral("_kopf_um") };
}

sqlite3 *handleOf(const QSqlDatabase &db)
{
    const QVariant v = db.driver() ? db.driver()->handle() : QVariant();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(v.constData());
}

} // namespace

QStringList SqliteBackend::countMaintenanceSql(const CountLink &link) const
{
    const QString head = quote(link.headTable);
    const QString detail = quote(link.detailTable);
    const QString key = quote(link.keyField);
    const QString count = quote(link.countField);
    const QString linkField = quote(link.linkField);
    const QStringList names = countTriggerNames(link);
    // The count is read again (through the detail table's key) rather than
    // added to, so that a count that was ever wrong heals itself.
    auto countOf = [&](const QString &number) {
        return QStringLiteral("(SELECT COUNT(*) FROM %1 WHERE %2 = %3)").arg(detail, linkField, number);
    };
    auto setCount = [&](const QString &number) {
        return QStringLiteral("UPDATE %1 SET %2 = %3 WHERE %4 = %5;").arg(head, count, countOf(number), key, number);
    };
    return {
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1 AFTER INSERT ON %2 BEGIN %3 END")
            .arg(quote(names.at(0)), detail, setCount(QStringLiteral("NEW.") + linkField)),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1 AFTER DELETE ON %2 BEGIN %3 END")
            .arg(quote(names.at(1)), detail, setCount(QStringLiteral("OLD.") + linkField)),
        QStringLiteral(
            "CREATE TRIGGER IF NOT EXISTS %1 AFTER UPDATE OF %2 ON %3 WHEN OLD.%2 IS NOT NEW.%2 BEGIN %4 %5 END")
            .arg(quote(names.at(2)), linkField, detail, setCount(QStringLiteral("OLD.") + linkField),
                setCount(QStringLiteral("NEW.") + linkField)),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1 AFTER INSERT ON %2 BEGIN "
                       "UPDATE %2 SET %3 = %4 WHERE rowid = NEW.rowid AND %3 IS NOT %4; END")
            .arg(quote(names.at(3)), head, count, countOf(QStringLiteral("NEW.") + key)),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1 AFTER UPDATE OF %2, %3 ON %4 WHEN NEW.%3 IS NOT %5 BEGIN "
                       "UPDATE %4 SET %3 = %5 WHERE rowid = NEW.rowid; END")
            .arg(quote(names.at(4)), key, count, head, countOf(QStringLiteral("NEW.") + key)),
    };
}

bool SqliteBackend::countMaintained(const QSqlDatabase &db, const CountLink &link) const
{
    const QStringList names = countTriggerNames(link);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'trigger' AND name IN (?, ?, ?, ?, ?)"));
    for (const QString &name : names)
        q.addBindValue(name);
    return q.exec() && q.next() && q.value(0).toInt() == names.size();
}

void SqliteBackend::dropCountMaintenance(const QSqlDatabase &db, const QString &table) const
{
    QStringList names;
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'trigger' AND name LIKE ? ESCAPE '\\'"));
        q.addBindValue(QStringLiteral("%\\_\\_anzahl\\_%"));
        if (q.exec()) {
            while (q.next())
                names.append(q.value(0).toString());
        }
    }
    const QString head = table + QStringLiteral("__anzahl_");
    const QString detail = QStringLiteral("__anzahl_") + table + QStringLiteral("_");
    for (const QString &name : names) {
        if (!name.startsWith(head, Qt::CaseInsensitive) && !name.contains(detail, Qt::CaseInsensitive))
            continue;
        QSqlQuery drop(db);
        drop.exec(QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(quote(name)));
    }
}

bool SqliteBackend::isReadOnly(const QSqlDatabase &db) const
{
    sqlite3 *handle = handleOf(db);
    return handle && sqlite3_db_readonly(handle, "main") == 1;
}

namespace {

// Every commit in WAL mode, by any connection of any process, writes the
// header of the shared WAL index anew (its change counter, last frame and
// checksum). The header lies in memory that every connection maps, so
// comparing it costs no call into the database and no lock; a header read
// while a writer rewrites it only looks changed once more than it is.
class WalIndexWatch : public ChangeWatch
{
public:
    static constexpr int HeaderSize = 48;
    explicit WalIndexWatch(const volatile void *header)
        : m_header(static_cast<const volatile unsigned char *>(header))
    {
        read(m_last);
    }
    quint64 version() override
    {
        unsigned char now[HeaderSize];
        read(now);
        if (std::memcmp(now, m_last, HeaderSize) != 0) {
            std::memcpy(m_last, now, HeaderSize);
            ++m_version;
        }
        return m_version;
    }

private:
    void read(unsigned char *to) const
    {
        std::atomic_thread_fence(std::memory_order_acquire);
        for (int i = 0; i < HeaderSize; ++i)
            to[i] = m_header[i];
    }
    const volatile unsigned char *m_header;
    unsigned char m_last[HeaderSize] = {};
    quint64 m_version = 1;
};

} // namespace

std::unique_ptr<ChangeWatch> SqliteBackend::watchChanges(const QSqlDatabase &db) const
{
    sqlite3 *handle = handleOf(db);
    if (!handle)
        return nullptr;
    // Only a connection that reads through the WAL has the index mapped; a
    // read makes sure it is.
    QSqlQuery mode(db);
    if (!mode.exec(QStringLiteral("PRAGMA journal_mode")) || !mode.next()
        || mode.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        return nullptr;
    mode.finish();
    QSqlQuery read(db);
    if (!read.exec(QStringLiteral("PRAGMA data_version")))
        return nullptr;
    read.finish();
    sqlite3_file *file = nullptr;
    if (sqlite3_file_control(handle, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file
        || !file->pMethods || file->pMethods->iVersion < 2 || !file->pMethods->xShmMap)
        return nullptr;
    volatile void *region = nullptr;
    if (file->pMethods->xShmMap(file, 0, 32 * 1024, 0, &region) != SQLITE_OK || !region)
        return nullptr;
    return std::make_unique<WalIndexWatch>(region);
}

namespace {

QSqlError sqliteError(sqlite3 *handle, int code)
{
    return QSqlError(QStringLiteral("Unable to fetch row"), QString::fromUtf8(sqlite3_errmsg(handle)),
                     QSqlError::StatementError, QString::number(code));
}

// Reads straight from the statement: text from its UTF-8 into the value
// handed out, numbers and dates without an intermediate value.
class SqliteReader : public RowReader
{
public:
    SqliteReader(sqlite3 *handle, sqlite3_stmt *statement, const SqliteBackend &backend)
        : m_handle(handle)
        , m_statement(statement)
        , m_backend(backend)
    {
    }
    ~SqliteReader() override { sqlite3_finalize(m_statement); }

    bool start(const QVariantList &values) override
    {
        m_error = QSqlError();
        for (int i = 0; i < values.size(); ++i) {
            const int rc = bind(i + 1, values.at(i));
            if (rc != SQLITE_OK) {
                m_error = sqliteError(m_handle, rc);
                return false;
            }
        }
        return true;
    }
    bool next() override
    {
        const int rc = sqlite3_step(m_statement);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            m_error = sqliteError(m_handle, sqlite3_extended_errcode(m_handle));
        return false;
    }
    qint64 integer(int column) const override { return sqlite3_column_int64(m_statement, column); }
    QVariant stored(int column) const override
    {
        switch (sqlite3_column_type(m_statement, column)) {
        case SQLITE_INTEGER: return QVariant(qlonglong(sqlite3_column_int64(m_statement, column)));
        case SQLITE_FLOAT: return QVariant(sqlite3_column_double(m_statement, column));
        case SQLITE_TEXT: return QVariant(text(column));
        case SQLITE_BLOB: return QVariant(blob(column));
        default: return QVariant();
        }
    }
    QVariant value(int column, FieldType type) const override
    {
        if (sqlite3_column_type(m_statement, column) == SQLITE_NULL)
            return QVariant();
        switch (type) {
        case FieldType::String:
        case FieldType::Memo: return QVariant(text(column));
        case FieldType::SmallInt:
        case FieldType::Integer:
        case FieldType::AutoInc:
            if (sqlite3_column_type(m_statement, column) == SQLITE_INTEGER)
                return QVariant(static_cast<int>(sqlite3_column_int64(m_statement, column)));
            break;
        case FieldType::Float:
        case FieldType::Currency:
        case FieldType::Bcd:
            if (sqlite3_column_type(m_statement, column) != SQLITE_TEXT)
                return QVariant(sqlite3_column_double(m_statement, column));
            break;
        case FieldType::Date: {
            // "yyyy-MM-dd" as it is stored; anything else the long way.
            const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
            const int n = sqlite3_column_bytes(m_statement, column);
            if (n == 10 && t[4] == '-' && t[7] == '-') {
                auto digits = [t](int from, int count) {
                    int v = 0;
                    for (int i = from; i < from + count; ++i) {
                        if (t[i] < '0' || t[i] > '9')
                            return -1;
                        v = v * 10 + (t[i] - '0');
                    }
                    return v;
                };
                const int y = digits(0, 4), m = digits(5, 2), d = digits(8, 2);
                if (y > 0 && m >= 0 && d >= 0) {
                    const QDate date(y, m, d);
                    return date.isValid() ? QVariant(date) : QVariant();
                }
            }
            break;
        }
        case FieldType::Boolean:
            if (sqlite3_column_type(m_statement, column) == SQLITE_INTEGER)
                return QVariant(sqlite3_column_int64(m_statement, column) != 0);
            break;
        default: break;
        }
        return m_backend.fromStorage(type, stored(column));
    }
    void finish() override { sqlite3_reset(m_statement); }
    QSqlError error() const override { return m_error; }

private:
    QString text(int column) const
    {
        const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
        return QString::fromUtf8(t, sqlite3_column_bytes(m_statement, column));
    }
    QByteArray blob(int column) const
    {
        const auto *b = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
        return QByteArray(b, sqlite3_column_bytes(m_statement, column));
    }
    int bind(int index, const QVariant &value)
    {
        if (!value.isValid() || value.isNull())
            return sqlite3_bind_null(m_statement, index);
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Bool: return sqlite3_bind_int64(m_statement, index, value.toLongLong());
        case QMetaType::Double:
        case QMetaType::Float: return sqlite3_bind_double(m_statement, index, value.toDouble());
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            return sqlite3_bind_blob(m_statement, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        }
        default: {
            const QByteArray utf8 = value.toString().toUtf8();
            return sqlite3_bind_text(m_statement, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        }
        }
    }

    sqlite3 *m_handle;
    sqlite3_stmt *m_statement;
    const SqliteBackend &m_backend;
    QSqlError m_error;
};

} // namespace

std::unique_ptr<RowReader> SqliteBackend::prepareReader(const QSqlDatabase &db, const QString &sql,
                                                        QSqlError *error) const
{
    sqlite3 *handle = handleOf(db);
    if (!handle)
        return DatabaseBackend::prepareReader(db, sql, error);
    sqlite3_stmt *statement = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v3(handle, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT,
                                      &statement, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(statement);
        *error = sqliteError(handle, sqlite3_extended_errcode(handle));
        return nullptr;
    }
    return std::make_unique<SqliteReader>(handle, statement, *this);
}

} // namespace platform

#include "platform/postgresbackend.h"

#include "platform/databaseerror.h"
#include "platform/inifile.h"
#include "platform/sqlitebackend.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QUuid>

#include <libpq-fe.h>

namespace platform {

const QString ServerConnection::FileName = QStringLiteral("Datenbankserver.ini");
const QString PostgresBackend::RowIdColumn = QStringLiteral("ev_rowid");
const QString PostgresBackend::ChangeChannel = QStringLiteral("ev_changes");

namespace {

const QString Section = QStringLiteral("Datenbankserver");

} // namespace

bool ServerConnection::read(const QString &directory, ServerConnection *connection)
{
    if (directory.isEmpty())
        return false;
    const QString path = QDir(directory).filePath(FileName);
    if (!QFileInfo::exists(path))
        return false;
    const IniFile file(path);
    ServerConnection c;
    c.host = file.readString(Section, QStringLiteral("Server"));
    c.port = file.readInteger(Section, QStringLiteral("Port"), 5432);
    c.database = file.readString(Section, QStringLiteral("Datenbank"));
    c.user = file.readString(Section, QStringLiteral("Benutzer"));
    if (c.database.isEmpty())
        throw DatabaseError(QStringLiteral("Die Datei \"%1\" nennt keine Datenbank (Eintrag \"Datenbank=\" im Abschnitt [%2]).")
                                .arg(QDir::toNativeSeparators(path), Section));
    *connection = c;
    return true;
}

bool ServerConnection::write(const QString &directory) const
{
    IniFile file(QDir(directory).filePath(FileName));
    file.writeString(Section, QStringLiteral("Server"), host);
    file.writeInteger(Section, QStringLiteral("Port"), port);
    file.writeString(Section, QStringLiteral("Datenbank"), database);
    file.writeString(Section, QStringLiteral("Benutzer"), user);
    return file.save();
}

QString ServerConnection::describe() const
{
    return QStringLiteral("%1:%2").arg(host.isEmpty() ? QStringLiteral("localhost") : host).arg(port);
}

std::shared_ptr<DatabaseBackend> backendForDirectory(const QString &directory)
{
    ServerConnection server;
    if (ServerConnection::read(directory, &server))
        return std::make_shared<PostgresBackend>(server);
    return std::make_shared<SqliteBackend>();
}

bool probeServer(const QString &directory)
{
    ServerConnection server;
    if (!ServerConnection::read(directory, &server))
        return false;
    const PostgresBackend backend(server);
    const QString name = QStringLiteral("probe-") + QUuid::createUuid().toString(QUuid::Id128);
    {
        QSqlDatabase db = backend.openConnection(name, directory, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return true;
}

PostgresBackend::PostgresBackend(ServerConnection server)
    : m_server(std::move(server))
{
}

QString PostgresBackend::databaseFilePath(const QString &directory) const
{
    return QDir(directory).filePath(ServerConnection::FileName);
}

bool PostgresBackend::hasDatabase(const QString &) const
{
    return true;
}

namespace {

// The objects of this program in a database: the German case-insensitive
// collation, the fold function, the field-type domains and the function
// that tells listening connections about a commit. Made once, by the first
// workstation that connects.
const char *const Preparation = R"(DO $prep$
BEGIN
  IF NOT EXISTS (SELECT 1 FROM pg_collation WHERE collname = 'gnocase') THEN
    CREATE COLLATION gnocase (provider = icu, locale = 'de-DE-u-ks-level2', deterministic = false);
  END IF;
  IF NOT EXISTS (SELECT 1 FROM pg_type WHERE typname = 'autoinc') THEN CREATE DOMAIN autoinc AS integer; END IF;
  IF NOT EXISTS (SELECT 1 FROM pg_type WHERE typname = 'currency') THEN CREATE DOMAIN currency AS double precision; END IF;
  IF NOT EXISTS (SELECT 1 FROM pg_type WHERE typname = 'logical') THEN CREATE DOMAIN logical AS smallint; END IF;
  IF NOT EXISTS (SELECT 1 FROM pg_type WHERE typname = 'graphic') THEN CREATE DOMAIN graphic AS bytea; END IF;
  IF NOT EXISTS (SELECT 1 FROM pg_proc WHERE proname = 'gfold') THEN
    CREATE FUNCTION gfold(text) RETURNS text LANGUAGE sql IMMUTABLE STRICT PARALLEL SAFE
      AS $f$ SELECT lower($1 COLLATE "und-x-icu") $f$;
  END IF;
  IF NOT EXISTS (SELECT 1 FROM pg_proc WHERE proname = 'ev_changed') THEN
    CREATE FUNCTION ev_changed() RETURNS trigger LANGUAGE plpgsql
      AS $f$ BEGIN PERFORM pg_notify('ev_changes', ''); RETURN NULL; END $f$;
  END IF;
END
$prep$)";

QString literal(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

// The name as the program spells it, kept as the comment of the table or
// column, whose own name is in lower case.
QString nameComment(const QString &kind, const QString &object, const QString &name)
{
    return QStringLiteral("COMMENT ON %1 %2 IS %3").arg(kind, object, literal(name));
}

QString spelledName(const QString &stored, const QString &comment)
{
    return comment.toLower() == stored ? comment : stored;
}

bool contains(const QString &text, std::initializer_list<const char *> parts)
{
    for (const char *part : parts)
        if (text.contains(QLatin1String(part), Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace

QSqlDatabase PostgresBackend::openConnection(const QString &connectionName, const QString &directory,
                                             bool) const
{
    if (!QSqlDatabase::isDriverAvailable(driverName()))
        throw DatabaseError(QStringLiteral("Das Datenverzeichnis \"%1\" liegt auf einem Datenbankserver, aber der "
                                           "Datenbanktreiber für PostgreSQL ist auf diesem Rechner nicht installiert.")
                                .arg(QDir::toNativeSeparators(directory)));
    QSqlDatabase db = QSqlDatabase::addDatabase(driverName(), connectionName);
    if (!m_server.host.isEmpty())
        db.setHostName(m_server.host);
    db.setPort(m_server.port);
    db.setDatabaseName(m_server.database);
    if (!m_server.user.isEmpty())
        db.setUserName(m_server.user);
    db.setConnectOptions(QStringLiteral("connect_timeout=10"));
    QString failure;
    QString detail;
    if (!db.open()) {
        detail = db.lastError().text();
        const QString text = db.lastError().databaseText() + QLatin1Char(' ') + db.lastError().driverText();
        if (contains(text, { "does not exist", "existiert nicht" })
            && contains(text, { "database", "Datenbank" }) && !contains(text, { "role", "Rolle" }))
            failure = QStringLiteral("Die Datenbank \"%1\" gibt es auf dem Datenbankserver %2 nicht. Bitte prüfen Sie "
                                     "die Datei \"%3\" im Datenverzeichnis.")
                          .arg(m_server.database, m_server.describe(), ServerConnection::FileName);
        else if (contains(text, { "password", "Passwort", "permission denied", "keine Berechtigung", "Zugriff verweigert",
                                  "authentication", "Authentifizierung", "pg_hba.conf", "role", "Rolle" }))
            failure = QStringLiteral("Der Benutzer \"%1\" darf die Datenbank \"%2\" auf dem Datenbankserver %3 nicht "
                                     "benutzen (keine Berechtigung oder falsches Passwort in der Kennwortdatei des Benutzers).")
                          .arg(m_server.user, m_server.database, m_server.describe());
        else
            failure = QStringLiteral("Der Datenbankserver %1 ist nicht erreichbar. Bitte prüfen Sie, ob er läuft und "
                                     "ob dieser Rechner ihn über das Netz erreicht.")
                          .arg(m_server.describe());
    } else {
        QSqlQuery setup(db);
        // Waiting for a record another workstation holds: as long as on
        // the SQLite file.
        if (!setup.exec(QStringLiteral("SELECT set_config('lock_timeout', '10s', false), "
                                       "set_config('client_min_messages', 'warning', false), "
                                       "set_config('DateStyle', 'ISO, YMD', false)"))
            || !setup.exec(QString::fromLatin1(Preparation))) {
            const QSqlError error = setup.lastError();
            detail = error.text();
            failure = error.nativeErrorCode() == QLatin1String("42501")
                ? QStringLiteral("Der Benutzer \"%1\" darf in der Datenbank \"%2\" auf dem Datenbankserver %3 nichts "
                                 "anlegen. Bitte lassen Sie die Datenbank für ihn einrichten.")
                      .arg(m_server.user, m_server.database, m_server.describe())
                : translateError(error, QString());
        }
    }
    if (!failure.isEmpty()) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName);
        throw DatabaseError(failure, detail);
    }
    return db;
}

QString PostgresBackend::quote(const QString &identifier) const
{
    QString id = identifier.toLower();
    id.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + id + QLatin1Char('"');
}

QString PostgresBackend::adaptSql(const QString &sql) const
{
    // Quoted identifiers in lower case, as quote() writes them; string
    // literals stay as they are.
    if (!sql.contains(QLatin1Char('"')))
        return sql;
    QString out = sql;
    bool inString = false;
    bool inIdentifier = false;
    for (QChar &c : out) {
        if (inString) {
            if (c == QLatin1Char('\''))
                inString = false;
        } else if (inIdentifier) {
            if (c == QLatin1Char('"'))
                inIdentifier = false;
            else
                c = c.toLower();
        } else if (c == QLatin1Char('\'')) {
            inString = true;
        } else if (c == QLatin1Char('"')) {
            inIdentifier = true;
        }
    }
    return out;
}

qint64 PostgresBackend::insertedRowId(QSqlQuery &query) const
{
    return query.next() ? query.value(0).toLongLong() : -1;
}

QString PostgresBackend::primaryIndexName(const QString &table) const
{
    return table + QStringLiteral("_pkey");
}

QStringList PostgresBackend::addColumnSql(const QString &table, const FieldDef &field) const
{
    return DatabaseBackend::addColumnSql(table, field)
        + QStringList { nameComment(QStringLiteral("COLUMN"), quote(table) + QLatin1Char('.') + quote(field.name), field.name) };
}

QStringList PostgresBackend::renameTableSql(const QString &from, const QString &to) const
{
    return { QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(quote(from), quote(to)),
        nameComment(QStringLiteral("TABLE"), quote(to), to),
        QStringLiteral("ALTER INDEX IF EXISTS %1 RENAME TO %2").arg(quote(primaryIndexName(from)), quote(primaryIndexName(to))),
        QStringLiteral("ALTER INDEX IF EXISTS %1 RENAME TO %2")
            .arg(quote(from + QStringLiteral("_") + RowIdColumn), quote(to + QStringLiteral("_") + RowIdColumn)) };
}

bool PostgresBackend::isConnectionLost(const QSqlError &error) const
{
    const QString code = error.nativeErrorCode();
    if (code.startsWith(QLatin1String("08")) || code == QLatin1String("57P01") || code == QLatin1String("57P02")
        || code == QLatin1String("57P03"))
        return true;
    const QString text = error.databaseText() + QLatin1Char(' ') + error.driverText();
    return contains(text, { "server closed the connection", "no connection to the server", "connection to server",
                            "terminating connection", "could not receive data", "could not send data",
                            "Verbindung zum Server", "keine Verbindung" });
}

QString PostgresBackend::declaredType(const FieldDef &field) const
{
    switch (field.type) {
    case FieldType::String: return QStringLiteral("varchar(%1)").arg(qMax(1, field.size));
    case FieldType::Memo: return QStringLiteral("text");
    case FieldType::SmallInt: return QStringLiteral("smallint");
    case FieldType::Integer: return QStringLiteral("integer");
    case FieldType::AutoInc: return QStringLiteral("autoinc");
    case FieldType::Float: return QStringLiteral("double precision");
    case FieldType::Currency: return QStringLiteral("currency");
    // The size is the number of digits after the point.
    case FieldType::Bcd: return QStringLiteral("numeric(%1,%2)").arg(32 + field.size).arg(field.size);
    case FieldType::Date: return QStringLiteral("date");
    case FieldType::Time: return QStringLiteral("time(3)");
    case FieldType::DateTime: return QStringLiteral("timestamp(3)");
    case FieldType::Boolean: return QStringLiteral("logical");
    case FieldType::Graphic: return QStringLiteral("graphic");
    case FieldType::Blob: return QStringLiteral("bytea");
    }
    return QStringLiteral("text");
}

bool PostgresBackend::parseDeclaredType(const QString &name, const QString &declared, FieldDef *field) const
{
    const QString t = declared.trimmed().toLower();
    field->name = name;
    field->size = 0;
    static const QRegularExpression varchar(QStringLiteral("^(?:character varying|varchar)\\((\\d+)\\)$"));
    static const QRegularExpression numeric(QStringLiteral("^numeric\\((\\d+),(\\d+)\\)$"));
    if (auto m = varchar.match(t); m.hasMatch()) {
        field->type = FieldType::String;
        field->size = m.captured(1).toInt();
        return true;
    }
    if (auto m = numeric.match(t); m.hasMatch()) {
        field->type = FieldType::Bcd;
        field->size = m.captured(2).toInt();
        return true;
    }
    static const QHash<QString, FieldType> plain = {
        {QStringLiteral("text"), FieldType::Memo},
        {QStringLiteral("smallint"), FieldType::SmallInt},
        {QStringLiteral("integer"), FieldType::Integer},
        {QStringLiteral("bigint"), FieldType::Integer},
        {QStringLiteral("autoinc"), FieldType::AutoInc},
        {QStringLiteral("double precision"), FieldType::Float},
        {QStringLiteral("real"), FieldType::Float},
        {QStringLiteral("currency"), FieldType::Currency},
        {QStringLiteral("date"), FieldType::Date},
        {QStringLiteral("time(3) without time zone"), FieldType::Time},
        {QStringLiteral("time without time zone"), FieldType::Time},
        {QStringLiteral("timestamp(3) without time zone"), FieldType::DateTime},
        {QStringLiteral("timestamp without time zone"), FieldType::DateTime},
        {QStringLiteral("logical"), FieldType::Boolean},
        {QStringLiteral("boolean"), FieldType::Boolean},
        {QStringLiteral("graphic"), FieldType::Graphic},
        {QStringLiteral("bytea"), FieldType::Blob},
    };
    auto it = plain.constFind(t);
    if (it == plain.constEnd())
        return false;
    field->type = it.value();
    return true;
}

QString PostgresBackend::createTableSql(const TableSchema &schema) const
{
    QStringList columns;
    columns.append(RowIdColumn + QStringLiteral(" bigint GENERATED BY DEFAULT AS IDENTITY"));
    for (const auto &field : schema.fields())
        columns.append(quote(field.name) + QLatin1Char(' ') + declaredType(field));
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(quote(schema.tableName()), columns.join(QStringLiteral(", ")));
}

QStringList PostgresBackend::tableExtrasSql(const TableSchema &schema) const
{
    const QString table = schema.tableName();
    QStringList sql;
    sql.append(QStringLiteral("CREATE UNIQUE INDEX %1 ON %2 (%3)")
                   .arg(quote(table + QStringLiteral("_") + RowIdColumn), quote(table), RowIdColumn));
    // The key as a unique index rather than a constraint: the old tables
    // allowed empty key fields, and empty fields sort first.
    if (!schema.primaryKeyFields().isEmpty()) {
        QStringList parts;
        for (const auto &k : schema.primaryKeyFields())
            parts.append(quote(k) + emptyFirstOrder(false));
        sql.append(QStringLiteral("CREATE UNIQUE INDEX %1 ON %2 (%3)")
                       .arg(quote(primaryIndexName(table)), quote(table), parts.join(QStringLiteral(", "))));
    }
    QStringList names { nameComment(QStringLiteral("TABLE"), quote(table), table) };
    for (const auto &field : schema.fields())
        names.append(nameComment(QStringLiteral("COLUMN"), quote(table) + QLatin1Char('.') + quote(field.name), field.name));
    sql.append(names.join(QStringLiteral("; ")));
    sql.append(QStringLiteral("CREATE TRIGGER ev_changed AFTER INSERT OR UPDATE OR DELETE OR TRUNCATE ON %1 "
                              "FOR EACH STATEMENT EXECUTE FUNCTION ev_changed()")
                   .arg(quote(table)));
    return sql;
}

QString PostgresBackend::indexSqlName(const TableSchema &schema, const IndexDef &index) const
{
    return schema.tableName() + QStringLiteral("__") + index.name;
}

QString PostgresBackend::createIndexSql(const TableSchema &schema, const IndexDef &index) const
{
    QStringList parts;
    for (const auto &f : index.fields) {
        QString part = quote(f);
        const int i = schema.fieldIndex(f);
        if (index.caseInsensitive && i >= 0 && isTextType(schema.fieldAt(i).type))
            part += collateCaseInsensitive();
        parts.append(part + emptyFirstOrder(false));
    }
    return QStringLiteral("CREATE %1INDEX IF NOT EXISTS %2 ON %3 (%4)")
        .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(), quote(indexSqlName(schema, index)),
             quote(schema.tableName()), parts.join(QStringLiteral(", ")));
}

QString PostgresBackend::dropIndexSql(const TableSchema &schema, const IndexDef &index) const
{
    return QStringLiteral("DROP INDEX IF EXISTS %1").arg(quote(indexSqlName(schema, index)));
}

QStringList PostgresBackend::tableNames(const QSqlDatabase &db) const
{
    QStringList names;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (q.exec(QStringLiteral("SELECT c.relname, obj_description(c.oid, 'pg_class') FROM pg_class c "
                              "JOIN pg_namespace n ON n.oid = c.relnamespace "
                              "WHERE c.relkind IN ('r', 'p') AND n.nspname = current_schema() ORDER BY c.relname"))) {
        while (q.next())
            names.append(spelledName(q.value(0).toString(), q.value(1).toString()));
    }
    return names;
}

QVector<FieldDef> PostgresBackend::readFields(const QSqlDatabase &db, const QString &table) const
{
    QVector<FieldDef> fields;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT a.attname, format_type(a.atttypid, a.atttypmod), col_description(c.oid, a.attnum) "
                             "FROM pg_attribute a "
                             "JOIN pg_class c ON c.oid = a.attrelid JOIN pg_namespace n ON n.oid = c.relnamespace "
                             "WHERE c.relname = ? AND n.nspname = current_schema() AND a.attnum > 0 "
                             "AND NOT a.attisdropped ORDER BY a.attnum"));
    q.addBindValue(table.toLower());
    if (!q.exec())
        return fields;
    while (q.next()) {
        if (q.value(0).toString() == RowIdColumn)
            continue;
        const QString name = spelledName(q.value(0).toString(), q.value(2).toString());
        FieldDef def;
        if (!parseDeclaredType(name, q.value(1).toString(), &def)) {
            def.name = name;
            def.type = FieldType::Memo;
        }
        fields.append(def);
    }
    return fields;
}

namespace {

struct StoredIndex {
    QString name;
    bool unique = false;
    QStringList fields;
    bool caseInsensitive = false;
};

QVector<StoredIndex> storedIndexes(const QSqlDatabase &db, const QString &table)
{
    QVector<StoredIndex> result;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
        "SELECT ic.relname, ix.indisunique, a.attname, coll.collname, col_description(t.oid, a.attnum) FROM pg_index ix "
        "JOIN pg_class t ON t.oid = ix.indrelid JOIN pg_class ic ON ic.oid = ix.indexrelid "
        "JOIN pg_namespace n ON n.oid = t.relnamespace "
        "CROSS JOIN LATERAL unnest(ix.indkey::int2[], ix.indcollation::oid[]) WITH ORDINALITY AS k(attnum, coll, ord) "
        "JOIN pg_attribute a ON a.attrelid = t.oid AND a.attnum = k.attnum "
        "LEFT JOIN pg_collation coll ON coll.oid = k.coll "
        "WHERE t.relname = ? AND n.nspname = current_schema() ORDER BY ic.relname, k.ord"));
    q.addBindValue(table.toLower());
    if (!q.exec())
        return result;
    while (q.next()) {
        const QString name = q.value(0).toString();
        if (result.isEmpty() || result.last().name != name)
            result.append(StoredIndex { name, q.value(1).toBool(), {}, false });
        result.last().fields.append(spelledName(q.value(2).toString(), q.value(4).toString()));
        if (q.value(3).toString() == QLatin1String("gnocase"))
            result.last().caseInsensitive = true;
    }
    return result;
}

} // namespace

QStringList PostgresBackend::readIndexNames(const QSqlDatabase &db, const QString &table) const
{
    QStringList names;
    for (const auto &index : storedIndexes(db, table))
        names.append(index.name);
    return names;
}

QStringList PostgresBackend::readPrimaryKey(const QSqlDatabase &db, const QString &table) const
{
    const QString wanted = primaryIndexName(table.toLower());
    for (const auto &index : storedIndexes(db, table))
        if (index.name == wanted)
            return index.fields;
    return {};
}

QVector<IndexDef> PostgresBackend::readIndexes(const QSqlDatabase &db, const QString &table) const
{
    QVector<IndexDef> indexes;
    const QString prefix = table.toLower() + QStringLiteral("__");
    for (const auto &stored : storedIndexes(db, table)) {
        if (!stored.name.startsWith(prefix))
            continue;
        IndexDef index;
        index.name = stored.name.mid(prefix.size());
        index.fields = stored.fields;
        index.unique = stored.unique;
        index.caseInsensitive = stored.caseInsensitive;
        indexes.append(index);
    }
    return indexes;
}

QVariant PostgresBackend::fromStorage(FieldType type, QVariant stored) const
{
    if (!stored.isValid() || stored.isNull())
        return QVariant();
    // The driver hands dates and times out as such already.
    switch (stored.typeId()) {
    case QMetaType::QDate:
        if (type == FieldType::Date)
            return stored;
        break;
    case QMetaType::QTime:
        if (type == FieldType::Time)
            return stored;
        break;
    case QMetaType::QDateTime:
        if (type == FieldType::DateTime)
            return stored;
        if (type == FieldType::Date)
            return QVariant(stored.toDateTime().date());
        break;
    default: break;
    }
    return DatabaseBackend::fromStorage(type, std::move(stored));
}

bool PostgresBackend::isBusyError(const QSqlError &error) const
{
    const QString code = error.nativeErrorCode();
    // lock_not_available, deadlock_detected, serialization_failure
    return code == QLatin1String("55P03") || code == QLatin1String("40P01") || code == QLatin1String("40001");
}

QString PostgresBackend::translateError(const QSqlError &error, const QString &table) const
{
    // Every text here is shown to the user; the server's own text stays in
    // the error's detail for the report.
    const QString code = error.nativeErrorCode();
    const QString tableName = table.isEmpty() ? QString() : table + QStringLiteral(".DB");
    if (code == QLatin1String("23505") || code == QLatin1String("23502"))
        return QStringLiteral("Schlüsselverletzung.");
    if (isBusyError(error))
        return QStringLiteral("Die Tabelle %1 wird gerade von einem anderen Benutzer geändert. Bitte versuchen Sie es noch einmal.")
            .arg(tableName.isEmpty() ? QStringLiteral("der Datenbank") : tableName);
    if (isConnectionLost(error))
        return QStringLiteral("Die Verbindung zum Datenbankserver %1 ist unterbrochen. Die Änderung wurde nicht "
                              "gespeichert; bitte versuchen Sie es noch einmal, sobald der Server wieder erreichbar ist.")
            .arg(m_server.describe());
    if (code == QLatin1String("42501") || code == QLatin1String("25006"))
        return QStringLiteral("Sie haben keine Berechtigung, die Tabelle %1 auf dem Datenbankserver zu ändern. "
                              "Bitte wenden Sie sich an den Verwalter des Servers.")
            .arg(tableName.isEmpty() ? QStringLiteral("der Datenbank") : tableName);
    if (code == QLatin1String("42P01"))
        return QStringLiteral("Tabelle %1 nicht gefunden.").arg(tableName);
    if (code == QLatin1String("42703"))
        return QStringLiteral("Ein Feld der Tabelle %1 wurde nicht gefunden.").arg(tableName);
    if (code == QLatin1String("22001"))
        return QStringLiteral("Ein Text ist länger, als das Feld der Tabelle %1 fasst. Die Änderung wurde nicht gespeichert.")
            .arg(tableName);
    if (code == QLatin1String("53100"))
        return QStringLiteral("Der Datenträger des Datenbankservers ist voll. Die Änderung wurde nicht gespeichert.");
    if (code == QLatin1String("53200"))
        return QStringLiteral("Für diese Datenbankaktion reicht der Arbeitsspeicher des Datenbankservers nicht.");
    if (code == QLatin1String("57014"))
        return QStringLiteral("Die Datenbankaktion wurde abgebrochen.");
    if (code.startsWith(QLatin1String("22")))
        return QStringLiteral("Ein Wert passt nicht in das Feld der Tabelle %1. Die Änderung wurde nicht gespeichert.")
            .arg(tableName);
    if (tableName.isEmpty())
        return QStringLiteral("Die Datenbank hat die Aktion abgelehnt (Fehlercode %1).").arg(code);
    return QStringLiteral("Die Datenbank hat die Aktion an der Tabelle %1 abgelehnt (Fehlercode %2).").arg(tableName, code);
}

namespace {

QString countFunctionName(const CountLink &link)
{
    return (link.headTable + QStringLiteral("__anzahl_") + link.detailTable).toLower();
}

} // namespace

QStringList PostgresBackend::countMaintenanceSql(const CountLink &link) const
{
    const QString head = quote(link.headTable);
    const QString detail = quote(link.detailTable);
    const QString key = quote(link.keyField);
    const QString count = quote(link.countField);
    const QString linkField = quote(link.linkField);
    const QString base = countFunctionName(link);
    auto countOf = [&](const QString &number) {
        return QStringLiteral("(SELECT COUNT(*) FROM %1 WHERE %2 = %3)").arg(detail, linkField, number);
    };
    auto setCount = [&](const QString &number) {
        return QStringLiteral("UPDATE %1 SET %2 = %3 WHERE %4 = %5 AND %2 IS DISTINCT FROM %3;")
            .arg(head, count, countOf(number), key, number);
    };
    // The count is read again (through the detail table's key) rather than
    // added to, so that a count that was ever wrong heals itself.
    const QString detailBody
        = QStringLiteral("BEGIN IF TG_OP IN ('DELETE', 'UPDATE') THEN %1 END IF; "
                         "IF TG_OP IN ('INSERT', 'UPDATE') THEN %2 END IF; RETURN NULL; END")
              .arg(setCount(QStringLiteral("OLD.") + linkField), setCount(QStringLiteral("NEW.") + linkField));
    const QString headBody
        = QStringLiteral("BEGIN UPDATE %1 SET %2 = %3 WHERE %4 = NEW.%4 AND %2 IS DISTINCT FROM %3; RETURN NULL; END")
              .arg(head, count, countOf(QStringLiteral("NEW.") + key), RowIdColumn);
    return {
        QStringLiteral("CREATE OR REPLACE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS $f$ %2 $f$")
            .arg(quote(base + QStringLiteral("_pos")), detailBody),
        QStringLiteral("CREATE OR REPLACE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS $f$ %2 $f$")
            .arg(quote(base + QStringLiteral("_kopf")), headBody),
        QStringLiteral("DROP TRIGGER IF EXISTS %1 ON %2").arg(quote(base + QStringLiteral("_pos")), detail),
        QStringLiteral("CREATE TRIGGER %1 AFTER INSERT OR DELETE OR UPDATE OF %2 ON %3 FOR EACH ROW EXECUTE FUNCTION %4()")
            .arg(quote(base + QStringLiteral("_pos")), linkField, detail, quote(base + QStringLiteral("_pos"))),
        QStringLiteral("DROP TRIGGER IF EXISTS %1 ON %2").arg(quote(base + QStringLiteral("_kopf")), head),
        QStringLiteral("CREATE TRIGGER %1 AFTER INSERT OR UPDATE OF %2, %3 ON %4 FOR EACH ROW EXECUTE FUNCTION %5()")
            .arg(quote(base + QStringLiteral("_kopf")), key, count, head, quote(base + QStringLiteral("_kopf"))),
    };
}

bool PostgresBackend::countMaintained(const QSqlDatabase &db, const CountLink &link) const
{
    const QString base = countFunctionName(link);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT COUNT(*) FROM pg_trigger WHERE NOT tgisinternal AND tgname IN (?, ?)"));
    q.addBindValue(base + QStringLiteral("_pos"));
    q.addBindValue(base + QStringLiteral("_kopf"));
    return q.exec() && q.next() && q.value(0).toInt() == 2;
}

void PostgresBackend::dropCountMaintenance(const QSqlDatabase &db, const QString &table) const
{
    QStringList drops;
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT t.tgname, c.relname FROM pg_trigger t JOIN pg_class c ON c.oid = t.tgrelid "
                                 "WHERE NOT t.tgisinternal AND t.tgname LIKE ?"));
        q.addBindValue(QStringLiteral("%\\_\\_anzahl\\_%"));
        if (q.exec()) {
            const QString head = table.toLower() + QStringLiteral("__anzahl_");
            const QString detail = QStringLiteral("__anzahl_") + table.toLower() + QStringLiteral("_");
            while (q.next()) {
                const QString name = q.value(0).toString();
                if (name.startsWith(head) || name.contains(detail))
                    drops.append(QStringLiteral("DROP TRIGGER IF EXISTS %1 ON %2").arg(quote(name), quote(q.value(1).toString())));
            }
        }
    }
    for (const QString &sql : drops) {
        QSqlQuery drop(db);
        drop.exec(sql);
    }
}

namespace {

PGconn *connectionOf(const QSqlDatabase &db)
{
    const QVariant v = db.driver() ? db.driver()->handle() : QVariant();
    if (!v.isValid() || (qstrcmp(v.typeName(), "PGconn*") != 0 && qstrcmp(v.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn *const *>(v.constData());
}

// Every write statement on a table of this program notifies the channel
// when its transaction commits; a connection that listens finds the
// notices in what the server sent, without asking it.
class NotifyWatch : public ChangeWatch
{
public:
    explicit NotifyWatch(PGconn *connection)
        : m_connection(connection)
    {
    }
    quint64 version() override
    {
        if (PQconsumeInput(m_connection) == 0)
            return ++m_version;
        bool changed = false;
        while (PGnotify *notice = PQnotifies(m_connection)) {
            changed = true;
            PQfreemem(notice);
        }
        if (changed)
            ++m_version;
        return m_version;
    }

private:
    PGconn *m_connection;
    quint64 m_version = 1;
};

} // namespace

std::unique_ptr<ChangeWatch> PostgresBackend::watchChanges(const QSqlDatabase &db) const
{
    PGconn *connection = connectionOf(db);
    if (!connection)
        return nullptr;
    QSqlQuery listen(db);
    if (!listen.exec(QStringLiteral("LISTEN ") + ChangeChannel))
        return nullptr;
    return std::make_unique<NotifyWatch>(connection);
}

} // namespace platform

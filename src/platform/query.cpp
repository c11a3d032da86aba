#include "platform/query.h"

#include "platform/database.h"
#include "platform/field.h"
#include "platform/fieldvalue.h"
#include "platform/schemaregistry.h"
#include "platform/session.h"

#include <QRegularExpression>
#include <QSqlField>
#include <QSqlRecord>

#include <climits>

namespace platform {

Query::Query(QObject *parent)
    : DataSet(parent)
    , m_alias(Alias::Data)
{
}

Query::Query(const QString &alias, const QString &sql, QObject *parent)
    : DataSet(parent)
    , m_alias(alias)
    , m_sql(sql)
{
}

void Query::setSql(const QString &sql)
{
    close();
    m_sql = sql;
    clearBindValues();
}

void Query::addBindValue(const QVariant &value)
{
    m_positional.append(value);
}

void Query::bindValue(const QString &name, const QVariant &value)
{
    const QString key = name.startsWith(QLatin1Char(':')) ? name : QLatin1Char(':') + name;
    for (auto &entry : m_named) {
        if (entry.first == key) {
            entry.second = value;
            return;
        }
    }
    m_named.append({key, value});
}

void Query::clearBindValues()
{
    m_positional.clear();
    m_named.clear();
}

Database &Query::database() const
{
    Session &session = m_session ? *m_session : Session::current();
    return session.database(m_alias.isEmpty() ? Alias::Data : m_alias);
}

QString Query::translateTableNames(const QString &sql, const Database &db)
{
    // "X.DB", 'X.DB', X.DB and X.db become the quoted table name X; string
    // literals other than quoted table names stay untouched.
    static const QRegularExpression pattern(
        QStringLiteral("(\"([^\"]+)\\.[dD][bB]\")|('([^']+)\\.[dD][bB]')|(\\b([A-Za-z_][A-Za-z0-9_\\-]*)\\.[dD][bB]\\b)"));
    QString out;
    int last = 0;
    auto it = pattern.globalMatch(sql);
    while (it.hasNext()) {
        const auto m = it.next();
        QString name = m.captured(2);
        if (name.isEmpty())
            name = m.captured(4);
        if (name.isEmpty())
            name = m.captured(6);
        out += sql.mid(last, m.capturedStart() - last);
        out += db.quote(name);
        last = m.capturedEnd();
    }
    out += sql.mid(last);
    return out;
}

QVariant Query::bindable(const QVariant &value) const
{
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss.zzz"));
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("hh:mm:ss.zzz"));
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    default:
        return value;
    }
}

QSqlQuery Query::run()
{
    Database &db = database();
    QSqlQuery q(db.connection());
    q.setForwardOnly(db.backend().forwardOnlyResults());
    const QString sql = db.backend().adaptSql(translateTableNames(m_sql, db));
    if (!q.prepare(sql))
        db.raise(q.lastError());
    for (const auto &v : m_positional)
        q.addBindValue(bindable(v));
    for (const auto &[name, v] : m_named)
        q.bindValue(name, bindable(v));
    if (!q.exec())
        db.raise(q.lastError());
    return q;
}

int Query::execSql()
{
    close();
    QSqlQuery q = run();
    const int affected = q.numRowsAffected();
    // Tell open tables of this connection that rows may have changed.
    static const QRegularExpression target(QStringLiteral("^\\s*(UPDATE|INSERT\\s+INTO|DELETE\\s+FROM)\\s+\"?([^\\s\"(]+)"),
                                           QRegularExpression::CaseInsensitiveOption);
    const auto m = target.match(translateTableNames(m_sql, database()));
    if (m.hasMatch())
        database().touch(m.captured(2));
    else
        database().touch(QString());
    return affected;
}

void Query::openCursor()
{
    Database &db = database();
    QSqlQuery q = run();
    const QSqlRecord record = q.record();
    // Types of the result columns: those of the table's fields where a column
    // is a field of the queried table, else from the values.
    static const QRegularExpression from(QStringLiteral("\\bFROM\\s+\"?([A-Za-z0-9_\\-]+)"), QRegularExpression::CaseInsensitiveOption);
    const auto m = from.match(translateTableNames(m_sql, db));
    const TableSchema *schema = m.hasMatch() ? SchemaRegistry::instance().find(m.captured(1)) : nullptr;
    QVector<FieldDef> fields;
    QVector<bool> typed;
    for (int i = 0; i < record.count(); ++i) {
        FieldDef def;
        def.name = record.fieldName(i);
        const int f = schema ? schema->fieldIndex(def.name) : -1;
        typed.append(f >= 0);
        if (f >= 0)
            def = schema->fieldAt(f);
        else
            def.type = FieldType::Memo;
        fields.append(def);
    }
    m_rows.clear();
    const DatabaseBackend &backend = db.backend();
    // Untyped columns (aggregates, expressions): integer while every value
    // is one, floating point when any is, text otherwise.
    QVector<int> kinds(fields.size(), 0);  // 0 unknown, 1 integer, 2 float, 3 text
    while (q.next()) {
        QVector<QVariant> row(fields.size());
        for (int i = 0; i < fields.size(); ++i) {
            const QVariant raw = q.value(i);
            if (typed.at(i)) {
                row[i] = backend.fromStorage(fields.at(i).type, raw);
                continue;
            }
            if (raw.isNull()) {
                row[i] = QVariant();
                continue;
            }
            int kind = 3;
            switch (raw.metaType().id()) {
            case QMetaType::LongLong:
            case QMetaType::Int:
                kind = 1;
                break;
            case QMetaType::Double:
                kind = 2;
                break;
            default:
                break;
            }
            kinds[i] = std::max(kinds[i], kind);
            row[i] = raw;
        }
        m_rows.append(row);
    }
    for (int i = 0; i < fields.size(); ++i) {
        if (typed.at(i))
            continue;
        fields[i].type = kinds[i] == 1 ? FieldType::Integer : kinds[i] == 2 ? FieldType::Float : FieldType::Memo;
        for (auto &row : m_rows) {
            if (!row[i].isValid())
                continue;
            if (kinds[i] == 1)
                row[i] = row[i].toLongLong() >= INT_MIN && row[i].toLongLong() <= INT_MAX ? QVariant(row[i].toInt()) : row[i];
            else if (kinds[i] == 2)
                row[i] = row[i].toDouble();
            else
                row[i] = row[i].toString();
        }
    }
    setFields(fields);
}

void Query::closeCursor()
{
    m_rows.clear();
}

QVector<QVariant> Query::rereadRow(qint64 rowId, bool *found)
{
    *found = rowId >= 0 && rowId < m_rows.size();
    return m_rows.value(rowId);
}

QString queryScalar(const QString &sql, const QVariantList &values, const QString &alias)
{
    Query q(alias.isEmpty() ? Alias::Data : alias, sql);
    for (const auto &v : values)
        q.addBindValue(v);
    q.open();
    if (q.isEmpty() || q.fieldCount() == 0)
        return QString();
    return q.field(0).asString();
}

} // namespace platform

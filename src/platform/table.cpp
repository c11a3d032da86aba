#include "platform/table.h"

#include "platform/database.h"
#include "platform/databasebackend.h"
#include "platform/fieldvalue.h"
#include "platform/germantext.h"
#include "platform/schemaregistry.h"
#include "platform/session.h"

#include <QSqlRecord>

#include <algorithm>

namespace platform {

namespace {
constexpr int BlockSize = 128;
constexpr int CacheLimit = BlockSize * 4;  // rows held at most
// A move after an open or a find reads a few rows; each further read of a
// walk reads more, up to a block. A grid reads a screen's worth at least.
constexpr int FirstStep = 4;
constexpr int FirstScreen = 32;
constexpr int MaxPrefixLength = 1000; // memo fields: far below the database's pattern limit

QStringList splitFieldList(const QString &fields)
{
    QStringList result;
    for (const auto &part : fields.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        result.append(part.trimmed());
    return result;
}

QString escapeLike(const QString &text, QChar escape)
{
    QString out;
    out.reserve(text.size() + 4);
    for (QChar c : text) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == escape)
            out.append(escape);
        out.append(c);
    }
    return out;
}
} // namespace

Table::Table(QObject *parent)
    : DataSet(parent)
{
}

Table::Table(const QString &alias, const QString &tableName, QObject *parent)
    : DataSet(parent)
    , m_alias(alias)
    , m_tableName(tableName)
{
}

Table::~Table()
{
    if (m_masterConnection)
        disconnect(m_masterConnection);
}

void Table::setSession(Session *session)
{
    if (isActive())
        throw DatabaseError(QStringLiteral("Die Tabelle ist geöffnet."));
    m_session = session;
}

Session &Table::session() const
{
    return m_session ? *m_session : Session::current();
}

void Table::setDatabaseName(const QString &alias)
{
    if (isActive())
        throw DatabaseError(QStringLiteral("Die Tabelle ist geöffnet."));
    m_alias = alias;
}

void Table::setTableName(const QString &name)
{
    if (isActive())
        throw DatabaseError(QStringLiteral("Die Tabelle ist geöffnet."));
    m_tableName = name;
}

Database &Table::database() const
{
    if (m_db && isActive())
        return *m_db;
    QString alias = m_alias;
    if (alias.isEmpty()) {
        if (const TableSchema *declared = SchemaRegistry::instance().find(m_tableName))
            alias = declared->alias();
    }
    return session().database(alias);
}

TableSchema Table::schema() const
{
    if (isActive())
        return m_schema;
    return database().schemaOf(m_tableName);
}

bool Table::exists() const
{
    try {
        return database().tableExists(m_tableName);
    } catch (const DatabaseError &) {
        return false;
    }
}

void Table::createTable()
{
    const TableSchema *declared = SchemaRegistry::instance().find(m_tableName);
    if (!declared)
        throw DatabaseError(QStringLiteral("Für die Tabelle %1 gibt es keine Beschreibung.").arg(m_tableName));
    database().createTable(*declared);
}

void Table::emptyTable()
{
    Database &db = database();
    db.emptyTable(m_tableName);
    if (isActive()) {
        invalidateView();
        clearCurrent();
        setBofEof(true, true);
        notifyDataSetChanged();
        notifyRecordChanged();
    }
}

void Table::deleteTable()
{
    close();
    database().dropTable(m_tableName);
}

void Table::setIndexName(const QString &name)
{
    if (m_indexName == name && m_indexFieldNames.isEmpty())
        return;
    if (isActive())
        checkBrowseMode();
    m_indexName = name;
    m_indexFieldNames.clear();
    if (isActive()) {
        resolveOrder();
        keepCurrentAfterOrderChange();
    }
}

void Table::setIndexFieldNames(const QString &fields)
{
    if (isActive())
        checkBrowseMode();
    m_indexFieldNames = splitFieldList(fields);
    m_indexName.clear();
    if (isActive()) {
        resolveOrder();
        keepCurrentAfterOrderChange();
    }
}

QStringList Table::indexFields() const
{
    QStringList names;
    for (const auto &term : m_order)
        names.append(m_schema.fieldAt(term.field).name);
    return names;
}

void Table::addIndex(const QString &name, const QStringList &fields, bool caseInsensitive, bool unique)
{
    IndexDef index{name, fields, caseInsensitive, unique};
    database().addIndex(m_tableName, index);
    m_schema.addIndex(index);
}

void Table::resolveOrder()
{
    m_order.clear();
    QStringList fields;
    bool ci = false;
    if (!m_indexFieldNames.isEmpty()) {
        fields = m_indexFieldNames;
        // Use the flags of an index with exactly these fields.
        for (const auto &index : m_schema.indexes()) {
            if (index.fields.size() == fields.size()) {
                bool same = true;
                for (int i = 0; i < fields.size() && same; ++i)
                    same = index.fields.at(i).compare(fields.at(i), Qt::CaseInsensitive) == 0;
                if (same) {
                    ci = index.caseInsensitive;
                    break;
                }
            }
        }
    } else if (!m_indexName.isEmpty()) {
        const IndexDef *index = m_schema.findIndex(m_indexName);
        if (!index) {
            // Some callers name the primary index by its first field.
            if (!m_schema.primaryKeyFields().isEmpty()
                && m_schema.primaryKeyFields().first().compare(m_indexName, Qt::CaseInsensitive) == 0) {
                fields = m_schema.primaryKeyFields();
            } else {
                throw DatabaseError(QStringLiteral("Index '%1' der Tabelle %2 nicht gefunden.").arg(m_indexName, m_schema.fileName()));
            }
        } else {
            fields = index->fields;
            ci = index->caseInsensitive;
        }
    } else {
        fields = m_schema.primaryKeyFields();
    }
    for (const auto &name : fields) {
        const int i = m_schema.fieldIndex(name);
        if (i < 0)
            throw DatabaseError(QStringLiteral("Feld '%1' nicht gefunden.").arg(name));
        m_order.append({i, ci && isTextType(m_schema.fieldAt(i).type)});
    }
    const QStringList &key = m_schema.primaryKeyFields();
    m_uniqueOrder = false;
    auto sameFields = [&](const QStringList &names) {
        if (names.size() != m_order.size())
            return false;
        for (int i = 0; i < names.size(); ++i) {
            if (names.at(i).compare(m_schema.fieldAt(m_order.at(i).field).name, Qt::CaseInsensitive) != 0)
                return false;
        }
        return true;
    };
    if (!ci && sameFields(key))
        m_uniqueOrder = true;
    for (const auto &index : m_schema.indexes()) {
        if (index.unique && index.caseInsensitive == ci && sameFields(index.fields))
            m_uniqueOrder = true;
    }
    m_orderAscending = orderBy(false);
    m_orderDescending = orderBy(true);
    invalidateView();
}

void Table::openCursor()
{
    Database &db = database();
    m_db = &db;
    m_schema = db.schemaOf(m_tableName);
    db.verifyStructure(m_schema);
    m_sqlTable = db.quote(m_schema.tableName());
    QStringList columns;
    for (const auto &f : m_schema.fields())
        columns.append(db.quote(f.name));
    m_columns = columns.join(QStringLiteral(", "));
    m_generationKey = Database::generationKey(m_schema.tableName());
    m_rowIdKeyField = -1;
    if (m_schema.primaryKeyFields().size() == 1 && db.backend().integerKeyIsRowId()) {
        const int k = m_schema.fieldIndex(m_schema.primaryKeyFields().first());
        if (k >= 0 && m_schema.fieldAt(k).type == FieldType::Integer)
            m_rowIdKeyField = k;
    }
    m_identityFields.clear();
    for (const auto &name : m_schema.primaryKeyFields())
        m_identityFields.append(m_schema.fieldIndex(name));
    if (m_identityFields.isEmpty()) {
        for (int i = 0; i < m_schema.fieldCount(); ++i)
            m_identityFields.append(i);
    }
    m_selectPrefix = QStringLiteral("SELECT %1, %2 FROM %3").arg(db.backend().rowIdExpression(), m_columns, m_sqlTable);
    setFields(m_schema.fields());
    resolveOrder();
    if (m_master) {
        m_appliedMasterValues = masterValues();
    }
    invalidateView();
    m_seenGeneration = db.generationByKey(m_generationKey);
    m_seenOthers = db.othersVersion();
}

void Table::closeCursor()
{
    invalidateView();
    m_db = nullptr;
}

void Table::invalidateView()
{
    m_whereValid = false;
    clearCache();
    m_lastRead = CachedRow();
    m_removedRowId = -1;
    m_removedKey.clear();
    m_count = -1;
    m_lastFetched = -1;
}

void Table::syncView()
{
    if (!m_db)
        return;
    const quint64 generation = m_db->generationByKey(m_generationKey);
    const quint64 others = m_db->othersVersion();
    if (generation != m_seenGeneration || others != m_seenOthers) {
        // Rows held may have changed: read them again, on from the current
        // record's key.
        m_seenGeneration = generation;
        m_seenOthers = others;
        const int i = findCached(currentRowId());
        CachedRow current = i >= 0 ? m_cache.at(i) : CachedRow();
        invalidateView();
        if (current.rowId >= 0)
            m_lastRead = std::move(current);
        forgetPosition();
    }
}

QString Table::columnExpression(const OrderTerm &term) const
{
    QString expr = m_db->quote(m_schema.fieldAt(term.field).name);
    if (term.caseInsensitive)
        expr += m_db->backend().collateCaseInsensitive();
    return expr;
}

QString Table::orderBy(bool descending) const
{
    QStringList parts;
    const QString dir = descending ? QStringLiteral(" DESC") : QString();
    const QString empty = m_db->backend().emptyFirstOrder(descending);
    for (const auto &term : m_order)
        parts.append(columnExpression(term) + dir + empty);
    parts.append(m_db->backend().rowIdExpression() + dir);
    return QStringLiteral(" ORDER BY ") + parts.join(QStringLiteral(", "));
}

QVariant Table::storageValue(int field, const QVariant &value) const
{
    const FieldDef &def = m_schema.fieldAt(field);
    QVariant v = value;
    if (v.isValid() && !v.isNull()) {
        try {
            v = coerceValue(def, v);
        } catch (const DatabaseError &) {
            // A search value that does not fit the type: compare its text.
            return value.toString();
        }
    }
    return m_db->backend().toStorage(def.type, v);
}

QString Table::conditionSql(const FilterCondition &c, QVariantList &values) const
{
    const int i = m_schema.fieldIndex(c.field);
    if (i < 0)
        throw DatabaseError(QStringLiteral("Feld '%1' nicht gefunden.").arg(c.field));
    const FieldDef &def = m_schema.fieldAt(i);
    const QString column = m_db->quote(def.name);
    const bool text = isTextType(def.type);
    const QString collate = (c.caseInsensitive && text) ? m_db->backend().collateCaseInsensitive() : QString();
    using Op = FilterCondition::Op;
    const bool emptyValue = !c.value.isValid() || c.value.isNull() || (text && c.value.toString().isEmpty());
    switch (c.op) {
    case Op::AnyPattern: {
        QStringList alternatives;
        const QStringList patterns = c.value.toStringList();
        for (const QString &pattern : patterns)
            alternatives.append(
                QLatin1Char('(') + conditionSql(FilterCondition::fromPattern(c.field, pattern, c.caseInsensitive), values)
                + QLatin1Char(')'));
        return alternatives.isEmpty() ? QStringLiteral("1 = 0")
                                      : QLatin1Char('(') + alternatives.join(QStringLiteral(" OR ")) + QLatin1Char(')');
    }
    case Op::IsNull:
        return column + QStringLiteral(" IS NULL");
    case Op::NotNull:
        return column + QStringLiteral(" IS NOT NULL");
    case Op::Prefix: {
        // A prefix longer than the field can never match more than its
        // first characters do; cut pasted texts before they reach the query.
        QString prefix = c.value.toString();
        if (def.type == FieldType::String && def.size > 0 && prefix.size() > def.size)
            prefix.truncate(def.size);
        else if (prefix.size() > MaxPrefixLength)
            prefix.truncate(MaxPrefixLength);
        if (prefix.isEmpty())
            return QStringLiteral("1 = 1");
        const QChar esc = m_db->backend().escapeCharacter().at(0);
        if (c.caseInsensitive) {
            values.append(escapeLike(foldCase(prefix), esc) + QLatin1Char('%'));
            const QString like = QStringLiteral("%1(CAST(%2 AS TEXT)) LIKE ? ESCAPE '%3'")
                                     .arg(m_db->backend().foldFunction(), column, QString(esc));
            if (!text)
                return like;
            // Every text that starts with the prefix lies in one range of
            // the case-insensitive order, which its index reads directly;
            // the fold comparison then runs only on the rows of that range.
            const QString low = caseInsensitiveSortKey(prefix);
            values.insert(values.size() - 1, low);
            values.insert(values.size() - 1, low + QChar(0xFFFF));
            return QStringLiteral("%1%2 >= ? AND %1%2 < ? AND %3").arg(column, collate, like);
        }
        values.append(prefix);
        return QStringLiteral("substr(CAST(%1 AS TEXT), 1, %2) = ?").arg(column).arg(prefix.size());
    }
    case Op::Equal:
        if (emptyValue)
            return column + QStringLiteral(" IS NULL");
        values.append(storageValue(i, c.value));
        return column + collate + QStringLiteral(" = ?");
    case Op::NotEqual:
        if (emptyValue)
            return column + QStringLiteral(" IS NOT NULL");
        values.append(storageValue(i, c.value));
        return QStringLiteral("(%1 IS NULL OR %1%2 <> ?)").arg(column, collate);
    case Op::Less:
    case Op::LessEqual:
    case Op::Greater:
    case Op::GreaterEqual: {
        static const char *ops[] = {"<", "<=", ">", ">="};
        const int k = static_cast<int>(c.op) - static_cast<int>(Op::Less);
        values.append(storageValue(i, c.value));
        return column + collate + QLatin1Char(' ') + QLatin1String(ops[k]) + QStringLiteral(" ?");
    }
    }
    return QStringLiteral("1 = 1");
}

QString Table::keyComparison(const QVariantList &keyValues, const QString &op, QVariantList &bound, int *used) const
{
    // Leading key values up to the first null.
    int n = 0;
    while (n < keyValues.size() && n < m_order.size() && keyValues.at(n).isValid() && !keyValues.at(n).isNull()
           && !(isTextType(m_schema.fieldAt(m_order.at(n).field).type) && keyValues.at(n).toString().isEmpty()))
        ++n;
    *used = n;
    if (n == 0)
        return QString();
    QStringList left, right;
    for (int i = 0; i < n; ++i) {
        left.append(columnExpression(m_order.at(i)));
        right.append(QStringLiteral("?"));
        bound.append(storageValue(m_order.at(i).field, keyValues.at(i)));
    }
    if (n == 1)
        return left.first() + QLatin1Char(' ') + op + QStringLiteral(" ?");
    return QStringLiteral("(%1) %2 (%3)").arg(left.join(QStringLiteral(", ")), op, right.join(QStringLiteral(", ")));
}

QVariantList Table::masterValues() const
{
    QVariantList values;
    if (!m_master || !m_master->isActive())
        return values;
    for (const auto &name : m_masterFields)
        values.append(m_master->value(name));
    return values;
}

const Table::Where &Table::viewWhere()
{
    if (m_whereValid)
        return m_where;
    QStringList parts;
    QVariantList values;
    if (m_master) {
        const QVariantList mv = m_appliedMasterValues;
        for (int i = 0; i < m_detailFields.size(); ++i) {
            const QVariant v = i < mv.size() ? mv.at(i) : QVariant();
            FilterCondition c = FilterCondition::equal(m_detailFields.at(i), v);
            parts.append(conditionSql(c, values));
        }
    }
    if (m_hasRange) {
        int used = 0;
        const QString lo = keyComparison(m_rangeStart, QStringLiteral(">="), values, &used);
        if (!lo.isEmpty())
            parts.append(lo);
        const QString hi = keyComparison(m_rangeEnd, QStringLiteral("<="), values, &used);
        if (!hi.isEmpty())
            parts.append(hi);
    }
    if (m_filtered) {
        for (const auto &c : m_filter)
            parts.append(conditionSql(c, values));
    }
    m_where.text = parts.isEmpty() ? QString() : QStringLiteral(" WHERE ") + parts.join(QStringLiteral(" AND "));
    m_where.values = values;
    m_whereValid = true;
    return m_where;
}

int Table::rowCount()
{
    if (m_count >= 0)
        return m_count;
    if (m_cacheAtFirst && m_cacheAtLast)
        return m_count = int(m_cache.size());
    const Where &where = viewWhere();
    QSqlQuery &q = m_db->prepared(QStringLiteral("SELECT COUNT(*) FROM %1%2").arg(m_sqlTable, where.text));
    for (int i = 0; i < where.values.size(); ++i)
        q.bindValue(i, where.values.at(i));
    m_db->run(q, m_schema.tableName());
    m_count = q.next() ? q.value(0).toInt() : 0;
    q.finish();
    return m_count;
}

int Table::rowCountUpTo(int limit)
{
    if (m_count >= 0)
        return std::min(m_count, limit);
    if (m_cacheAtFirst && m_cacheAtLast)
        return std::min(int(m_cache.size()), limit);
    // The rows held are rows of the view.
    if (m_cache.size() >= limit)
        return limit;
    const Where &where = viewWhere();
    QSqlQuery &q = m_db->prepared(QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM %1%2%3) AS upto")
                                      .arg(m_sqlTable, where.text, m_db->backend().limitClause(false)));
    int n = 0;
    for (const auto &v : where.values)
        q.bindValue(n++, v);
    q.bindValue(n, limit);
    m_db->run(q, m_schema.tableName());
    const int count = q.next() ? q.value(0).toInt() : 0;
    q.finish();
    if (count < limit)
        m_count = count;
    return count;
}

QVector<QVariant> Table::readValues(const RowReader &reader, int firstColumn) const
{
    const QVector<FieldDef> &fields = m_schema.fields();
    const int n = int(fields.size());
    QVector<QVariant> values;
    values.reserve(n);
    for (int i = 0; i < n; ++i)
        values.append(reader.value(firstColumn + i, fields.at(i).type));
    return values;
}

Table::CachedRow Table::readCachedRow(const RowReader &reader) const
{
    CachedRow row;
    row.rowId = reader.integer(0);
    row.values = readValues(reader, 1);
    row.key.reserve(m_order.size());
    for (const auto &term : m_order) {
        // Text is held as stored: the value read is the same text.
        const QVariant &value = row.values.at(term.field);
        const FieldType type = m_schema.fieldAt(term.field).type;
        if ((type == FieldType::String || type == FieldType::Memo) && value.typeId() == QMetaType::QString)
            row.key.append(value);
        else
            row.key.append(reader.stored(1 + term.field));
    }
    return row;
}

namespace {

// The WHERE of a read from a position: the seek condition first, then the
// view's own conditions. SQLite takes the first bound it meets on a column
// for its index range; with a range on the key column first (the registers'
// 1 .. 1999999999), a read from the middle walked the index from the
// range's start.
QString seekFirst(const QString &seek, const QString &viewWhereText)
{
    static const QString Where = QStringLiteral(" WHERE ");
    if (seek.isEmpty())
        return viewWhereText;
    if (viewWhereText.isEmpty())
        return Where + seek;
    return Where + seek + QStringLiteral(" AND ") + viewWhereText.mid(Where.size());
}

} // namespace

QVector<Table::CachedRow> Table::readRows(const QString &extraWhere, const QVariantList &extraValues, bool descending,
                                          int offset, int limit)
{
    const Where &where = viewWhere();
    const QString whereText = seekFirst(extraWhere, where.text);
    QVariantList bound = extraValues;
    bound += where.values;
    bound.append(limit);
    if (offset > 0)
        bound.append(offset);
    RowReader &reader = m_db->startRead(m_selectPrefix + whereText + (descending ? m_orderDescending : m_orderAscending)
                                            + m_db->backend().limitClause(offset > 0),
                                        bound, m_schema.tableName());
    QVector<CachedRow> rows;
    while (reader.next())
        rows.append(readCachedRow(reader));
    m_db->endRead(reader, m_schema.tableName());
    return rows;
}

bool Table::selectOne(const QString &extraWhere, const QVariantList &extraValues, bool descending, CachedRow *row)
{
    QVector<CachedRow> rows = readRows(extraWhere, extraValues, descending, 0, 1);
    if (rows.isEmpty())
        return false;
    *row = std::move(rows.first());
    return true;
}

QVector<Table::Condition> Table::adjacentConditions(const QVariantList &key, qint64 rowId, bool forward) const
{
    // In the order (f1, f2, .., row id) the rows after a key are those with
    // an equal f1 .. fn and a greater row id, then those with an equal
    // f1 .. fn-1 and a greater fn, and so on up to a greater f1. Empty fields
    // (NULL) come first.
    QVector<Condition> result;
    const int n = int(m_order.size());
    bool anyNull = false;
    for (const auto &v : key)
        anyNull = anyNull || v.isNull();
    const QString rowIdColumn = m_db->backend().rowIdExpression();
    for (int i = n; i >= 0; --i) {
        QStringList prefix;
        QVariantList values;
        for (int j = 0; j < i; ++j) {
            const OrderTerm &term = m_order.at(j);
            if (key.value(j).isNull()) {
                prefix.append(m_db->quote(m_schema.fieldAt(term.field).name) + QStringLiteral(" IS NULL"));
            } else {
                prefix.append(columnExpression(term) + QStringLiteral(" = ?"));
                values.append(key.value(j));
            }
        }
        auto add = [&](const QString &last, const QVariantList &lastValues) {
            QStringList parts = prefix;
            parts.append(last);
            result.append({parts.join(QStringLiteral(" AND ")), values + lastValues});
        };
        if (i == n) {
            if (m_uniqueOrder && !anyNull && n > 0)
                continue;
            add(rowIdColumn + (forward ? QStringLiteral(" > ?") : QStringLiteral(" < ?")), {rowId});
            continue;
        }
        const OrderTerm &term = m_order.at(i);
        const QString column = m_db->quote(m_schema.fieldAt(term.field).name);
        const QVariant v = key.value(i);
        if (forward) {
            if (v.isNull())
                add(column + QStringLiteral(" IS NOT NULL"), {});
            else
                add(columnExpression(term) + QStringLiteral(" > ?"), {v});
        } else if (!v.isNull()) {
            add(columnExpression(term) + QStringLiteral(" < ?"), {v});
            add(column + QStringLiteral(" IS NULL"), {});
        }
    }
    return result;
}

QVector<Table::CachedRow> Table::readAdjacent(const QVariantList &key, qint64 rowId, bool forward, int skip, int limit,
                                              int *skipped)
{
    QVector<CachedRow> rows;
    CachedRow lastSkipped;
    *skipped = 0;
    const Where &where = viewWhere();
    const QString order = forward ? m_orderAscending : m_orderDescending;
    const QString limitText = m_db->backend().limitClause(false);
    for (const Condition &condition : adjacentConditions(key, rowId, forward)) {
        const int wanted = skip - *skipped + limit - int(rows.size());
        if (wanted <= 0)
            break;
        const QString whereText = seekFirst(condition.text, where.text);
        QVariantList bound = condition.values;
        bound += where.values;
        bound.append(wanted);
        RowReader &reader = m_db->startRead(m_selectPrefix + whereText + order + limitText, bound, m_schema.tableName());
        while (reader.next()) {
            if (*skipped < skip) {
                ++*skipped;
                lastSkipped = readCachedRow(reader);
            } else {
                rows.append(readCachedRow(reader));
            }
        }
        m_db->endRead(reader, m_schema.tableName());
    }
    if (rows.isEmpty() && *skipped > 0) {
        --*skipped;
        rows.append(std::move(lastSkipped));
    }
    return rows;
}

int Table::countBefore(const QVariantList &key, qint64 rowId)
{
    const Where &where = viewWhere();
    int count = 0;
    for (const Condition &condition : adjacentConditions(key, rowId, false)) {
        const QString whereText = seekFirst(condition.text, where.text);
        QSqlQuery &q = m_db->prepared(QStringLiteral("SELECT COUNT(*) FROM %1%2").arg(m_sqlTable, whereText));
        int n = 0;
        for (const auto &v : condition.values)
            q.bindValue(n++, v);
        for (const auto &v : where.values)
            q.bindValue(n++, v);
        m_db->run(q, m_schema.tableName());
        if (q.next())
            count += q.value(0).toInt();
        q.finish();
    }
    return count;
}

QVariantList Table::storedKey(const QVector<QVariant> &values) const
{
    QVariantList key;
    for (const auto &term : m_order)
        key.append(m_db->backend().toStorage(m_schema.fieldAt(term.field).type, values.value(term.field)));
    return key;
}

QVariantList Table::keyFor(qint64 rowId, const QVector<QVariant> &values) const
{
    const int i = findCached(rowId);
    if (i >= 0)
        return m_cache.at(i).key;
    if (rowId == m_removedRowId)
        return m_removedKey;
    if (rowId == m_lastRead.rowId && m_lastRead.key.size() == m_order.size())
        return m_lastRead.key;
    return storedKey(values);
}

QVariantList Table::orderKeyOf(const QVector<QVariant> &values) const
{
    QVariantList key;
    for (const auto &term : m_order)
        key.append(values.value(term.field));
    return key;
}

int Table::findCached(qint64 rowId) const
{
    const int n = int(m_cache.size());
    if (rowId < 0 || n == 0)
        return -1;
    for (int i : {m_hint, m_hint + 1, m_hint - 1}) {
        if (i >= 0 && i < n && m_cache.at(i).rowId == rowId)
            return m_hint = i;
    }
    for (int i = 0; i < n; ++i) {
        if (m_cache.at(i).rowId == rowId)
            return m_hint = i;
    }
    return -1;
}

void Table::clearCache()
{
    m_cache.clear();
    m_cacheStart = -1;
    m_cacheAtFirst = false;
    m_cacheAtLast = false;
    m_hint = 0;
    m_removedIndex = -1;
}

void Table::setCache(QVector<CachedRow> rows, int start, bool atFirst, bool atLast)
{
    m_cache = std::move(rows);
    m_cacheAtFirst = atFirst;
    m_cacheAtLast = atLast;
    m_cacheStart = atFirst ? 0 : start;
    if (m_cacheStart < 0 && atLast && m_count >= 0)
        m_cacheStart = m_count - int(m_cache.size());
    m_hint = 0;
    m_removedIndex = -1;
}

void Table::appendCache(const QVector<CachedRow> &rows)
{
    m_cache += rows;
    m_removedIndex = -1;
    const int excess = int(m_cache.size()) - CacheLimit;
    if (excess > 0) {
        m_cache.remove(0, excess);
        m_hint = std::max(0, m_hint - excess);
        m_cacheAtFirst = false;
        if (m_cacheStart >= 0)
            m_cacheStart += excess;
    }
}

void Table::prependCache(const QVector<CachedRow> &rows)
{
    QVector<CachedRow> joined;
    joined.reserve(rows.size() + m_cache.size());
    for (auto it = rows.crbegin(); it != rows.crend(); ++it)
        joined.append(*it);
    joined += m_cache;
    m_cache = std::move(joined);
    m_hint += int(rows.size());
    m_removedIndex = -1;
    if (m_cacheStart >= 0)
        m_cacheStart -= int(rows.size());
    const int excess = int(m_cache.size()) - CacheLimit;
    if (excess > 0) {
        m_cache.remove(m_cache.size() - excess, excess);
        m_hint = std::min<int>(m_hint, int(m_cache.size()) - 1);
        m_cacheAtLast = false;
    }
}

int Table::cachedIndexOf(int position)
{
    if (position < 0)
        return -1;
    if (m_cacheStart < 0 && !m_cache.isEmpty() && m_cacheAtLast && m_count >= 0)
        m_cacheStart = m_count - int(m_cache.size());
    const bool backwards = m_lastFetched >= 0 && position < m_lastFetched;
    m_lastFetched = position;
    if (m_cacheStart >= 0 && !m_cache.isEmpty()) {
        const int end = m_cacheStart + int(m_cache.size());
        if (position >= m_cacheStart && position < end)
            return position - m_cacheStart;
        int skipped = 0;
        if (position >= end && position - end < 2 * BlockSize) {
            if (m_cacheAtLast)
                return -1;
            const int gap = position - end;
            const int limit = std::clamp(2 * int(m_cache.size()), FirstScreen, BlockSize);
            const CachedRow &lastRow = m_cache.last();
            QVector<CachedRow> rows = readAdjacent(lastRow.key, lastRow.rowId, true, gap, limit, &skipped);
            if (rows.isEmpty() || skipped < gap) {
                // The view ends before the position.
                if (gap == 0)
                    m_cacheAtLast = true;
                return -1;
            }
            const bool atLast = rows.size() < limit;
            if (gap == 0) {
                appendCache(rows);
                m_cacheAtLast = atLast;
            } else {
                setCache(std::move(rows), position, false, atLast);
            }
            return position - m_cacheStart;
        }
        if (position < m_cacheStart && m_cacheStart - position <= 2 * BlockSize) {
            if (m_cacheAtFirst)
                return -1;
            const int gap = m_cacheStart - 1 - position;
            const int limit = std::clamp(2 * int(m_cache.size()), FirstScreen, BlockSize);
            const CachedRow &firstRow = m_cache.first();
            QVector<CachedRow> rows = readAdjacent(firstRow.key, firstRow.rowId, false, gap, limit, &skipped);
            if (rows.isEmpty() || skipped < gap)
                return -1;  // the positions were no longer right: read from the start below
            const bool atFirst = rows.size() < limit;
            if (gap == 0) {
                prependCache(rows);
                if (atFirst) {
                    m_cacheAtFirst = true;
                    m_cacheStart = 0;
                }
            } else {
                QVector<CachedRow> ordered(rows.crbegin(), rows.crend());
                setCache(std::move(ordered), position - int(rows.size()) + 1, atFirst, false);
            }
            return position - m_cacheStart;
        }
    }
    // A far position: one read at its offset, counted from the nearer end.
    int first = backwards ? std::max(0, position - BlockSize + 1) : position;
    if (m_count >= 0 && position >= m_count)
        return -1;
    if (m_count >= 0 && position > m_count / 2) {
        first = std::max(0, std::min(first, m_count - BlockSize));
        const int fromEnd = m_count - (first + BlockSize);
        const int offset = std::max(0, fromEnd);
        const int limit = fromEnd < 0 ? m_count - first : BlockSize;
        QVector<CachedRow> rows = readRows(QString(), {}, true, offset, limit);
        QVector<CachedRow> ordered(rows.crbegin(), rows.crend());
        const int start = m_count - offset - int(ordered.size());
        setCache(std::move(ordered), start, start == 0, offset == 0);
    } else {
        QVector<CachedRow> rows = readRows(QString(), {}, false, first, BlockSize);
        const bool atLast = rows.size() < BlockSize;
        setCache(std::move(rows), first, first == 0, atLast);
    }
    if (position < m_cacheStart || position >= m_cacheStart + int(m_cache.size()))
        return -1;
    return position - m_cacheStart;
}

qint64 Table::rowIdAt(int position)
{
    const int i = cachedIndexOf(position);
    return i >= 0 ? m_cache.at(i).rowId : -1;
}

QVector<QVariant> Table::fetchRow(int position)
{
    const int i = cachedIndexOf(position);
    return i >= 0 ? m_cache.at(i).values : QVector<QVariant>(m_schema.fieldCount());
}

int Table::positionOf(qint64 rowId)
{
    const int i = findCached(rowId);
    if (i >= 0) {
        if (m_cacheStart < 0) {
            if (m_cacheAtLast && m_count >= 0) {
                m_cacheStart = m_count - int(m_cache.size());
            } else {
                const CachedRow &firstRow = m_cache.first();
                m_cacheStart = countBefore(firstRow.key, firstRow.rowId);
            }
        }
        return m_cacheStart + i;
    }
    CachedRow row;
    if (!selectOne(m_db->backend().rowIdExpression() + QStringLiteral(" = ?"), {rowId}, false, &row))
        return -1;
    const int position = countBefore(row.key, row.rowId);
    setCache({row}, position, position == 0, false);
    return position;
}

bool Table::readInView(qint64 rowId, QVector<QVariant> *values)
{
    const int i = findCached(rowId);
    if (i >= 0) {
        *values = m_cache.at(i).values;
        return true;
    }
    CachedRow row;
    if (!selectOne(m_db->backend().rowIdExpression() + QStringLiteral(" = ?"), {rowId}, false, &row))
        return false;
    *values = row.values;
    m_lastRead = std::move(row);
    return true;
}

int Table::stepFrom(qint64 rowId, const QVector<QVariant> &values, int position, int distance, qint64 *targetRowId,
                    QVector<QVariant> *targetValues, int *targetPosition)
{
    if (rowId < 0)
        return DataSet::stepFrom(rowId, values, position, distance, targetRowId, targetValues, targetPosition);
    const bool forward = distance > 0;
    auto stay = [&] {
        *targetRowId = rowId;
        *targetValues = values;
        *targetPosition = position;
        return 0;
    };
    auto land = [&](int index) {
        m_hint = index;
        const CachedRow &row = m_cache.at(index);
        *targetRowId = row.rowId;
        *targetValues = row.values;
        *targetPosition = m_cacheStart >= 0 ? m_cacheStart + index : -1;
    };
    if (distance == 0)
        return stay();
    // Where the row stands in the cache: from (its index) and the index the
    // move reaches. A row deleted here stood just before the row that took
    // its place.
    int from = findCached(rowId);
    bool gone = false;
    if (from < 0 && rowId == m_removedRowId && m_removedIndex >= 0 && !m_cache.isEmpty()) {
        gone = true;
        from = forward ? m_removedIndex - 1 : m_removedIndex;
    }
    if (from < 0 && !gone) {
        // Not among the rows held: read on from its key.
        int skipped = 0;
        const int reach = std::abs(distance);
        QVector<CachedRow> rows = readAdjacent(keyFor(rowId, values), rowId, forward, reach - 1, FirstStep, &skipped);
        if (rows.isEmpty())
            return stay();
        const bool atEdge = rows.size() < FirstStep;
        if (forward) {
            setCache(std::move(rows), -1, false, atEdge);
            land(0);
        } else {
            QVector<CachedRow> ordered(rows.crbegin(), rows.crend());
            setCache(std::move(ordered), -1, atEdge, false);
            land(int(m_cache.size()) - 1);
        }
        return forward ? skipped + 1 : -(skipped + 1);
    }
    const int size = int(m_cache.size());
    const int target = from + distance;
    if (target >= 0 && target < size) {
        land(target);
        return distance;
    }
    int skipped = 0;
    const int limit = std::clamp(4 * size, FirstStep, BlockSize);
    if (target >= size) {
        if (!m_cacheAtLast) {
            const int gap = target - size;
            const CachedRow &lastRow = m_cache.last();
            QVector<CachedRow> rows = readAdjacent(lastRow.key, lastRow.rowId, true, gap, limit, &skipped);
            if (!rows.isEmpty()) {
                const bool atLast = rows.size() < limit;
                if (skipped == 0) {
                    const int before = int(m_cache.size());
                    appendCache(rows);
                    m_cacheAtLast = atLast;
                    const int dropped = before + int(rows.size()) - int(m_cache.size());
                    land(before - dropped);
                } else {
                    const int start = m_cacheStart >= 0 ? m_cacheStart + size + skipped : -1;
                    setCache(std::move(rows), start, false, atLast);
                    land(0);
                }
                return size + skipped - from;
            }
            m_cacheAtLast = true;
        }
        if (size - 1 == from && !gone)
            return stay();
        land(size - 1);
        return size - 1 - from;
    }
    if (!m_cacheAtFirst) {
        const int gap = -target - 1;
        const CachedRow &firstRow = m_cache.first();
        QVector<CachedRow> rows = readAdjacent(firstRow.key, firstRow.rowId, false, gap, limit, &skipped);
        if (!rows.isEmpty()) {
            const bool atFirst = rows.size() < limit;
            if (skipped == 0) {
                prependCache(rows);
                if (atFirst) {
                    m_cacheAtFirst = true;
                    m_cacheStart = 0;
                }
                land(int(rows.size()) - 1);
            } else {
                QVector<CachedRow> ordered(rows.crbegin(), rows.crend());
                const int start = m_cacheStart >= 0 ? m_cacheStart - 1 - skipped - int(ordered.size()) + 1 : -1;
                setCache(std::move(ordered), start, atFirst, false);
                land(int(m_cache.size()) - 1);
            }
            return -1 - skipped - from;
        }
        m_cacheAtFirst = true;
        if (m_cacheStart < 0)
            m_cacheStart = 0;
    }
    if (from == 0 && !gone)
        return stay();
    land(0);
    return -from;
}

bool Table::fetchEdge(bool last, qint64 *rowId, QVector<QVariant> *values)
{
    if (!m_cache.isEmpty() && (last ? m_cacheAtLast : m_cacheAtFirst)) {
        const int i = last ? int(m_cache.size()) - 1 : 0;
        m_hint = i;
        *rowId = m_cache.at(i).rowId;
        *values = m_cache.at(i).values;
        return true;
    }
    // A few rows, so that the first move after an open stays in them.
    QVector<CachedRow> rows = readRows(QString(), {}, last, 0, FirstStep);
    if (rows.isEmpty())
        return false;
    const bool whole = rows.size() < FirstStep;
    if (last)
        std::reverse(rows.begin(), rows.end());
    const int i = last ? int(rows.size()) - 1 : 0;
    *rowId = rows.at(i).rowId;
    *values = rows.at(i).values;
    setCache(std::move(rows), last ? -1 : 0, !last || whole, last || whole);
    m_hint = i;
    return true;
}

void Table::positionOn(const CachedRow &row)
{
    doBeforeScroll();
    const int i = findCached(row.rowId);
    if (i >= 0)
        m_cache[i] = row;
    else
        setCache({row}, -1, false, false);
    loadRow(row.rowId, row.values);
    setBofEof(false, false);
    notifyRecordChanged();
    doAfterScroll();
}

QVector<QVariant> Table::rereadRow(qint64 rowId, bool *found)
{
    return readStoredRow(rowId, found, false);
}

QVector<QVariant> Table::readStoredRow(qint64 rowId, bool *found, bool lock)
{
    RowReader &reader = m_db->startRead(
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?%4")
            .arg(m_columns, m_sqlTable, m_db->backend().rowIdExpression(),
                 lock ? m_db->backend().lockRowSuffix() : QString()),
        {rowId}, m_schema.tableName());
    *found = reader.next();
    QVector<QVariant> values = *found ? readValues(reader, 0) : QVector<QVariant>(m_schema.fieldCount());
    m_db->endRead(reader, m_schema.tableName());
    return values;
}

bool Table::findKey(const QVariantList &keyValues)
{
    checkActive();
    checkBrowseMode();
    syncView();
    QVariantList bound;
    QStringList parts;
    for (int i = 0; i < keyValues.size() && i < m_order.size(); ++i) {
        const OrderTerm &term = m_order.at(i);
        const QVariant v = keyValues.at(i);
        const bool empty = !v.isValid() || v.isNull()
            || (isTextType(m_schema.fieldAt(term.field).type) && v.toString().isEmpty());
        if (empty) {
            parts.append(m_db->quote(m_schema.fieldAt(term.field).name) + QStringLiteral(" IS NULL"));
        } else {
            parts.append(columnExpression(term) + QStringLiteral(" = ?"));
            bound.append(storageValue(term.field, v));
        }
    }
    if (parts.isEmpty())
        return false;
    if (bound.size() == parts.size()) {
        // No empty value: the first row at or after the key is the one
        // sought when it matches, and the rows after it in the order come
        // with it in one read, so that the next move stays in them.
        QVariantList nearBound;
        int used = 0;
        const QString near = keyComparison(keyValues, QStringLiteral(">="), nearBound, &used);
        QVector<CachedRow> rows = readRows(near, nearBound, false, 0, FirstStep);
        if (rows.isEmpty() || !keyMatches(rows.first(), nearBound))
            return false;
        const CachedRow found = rows.first();
        if (findCached(found.rowId) < 0) {
            const bool atLast = rows.size() < FirstStep;
            setCache(std::move(rows), -1, false, atLast);
        }
        positionOn(found);
        return true;
    }
    CachedRow row;
    if (!selectOne(parts.join(QStringLiteral(" AND ")), bound, false, &row))
        return false;
    positionOn(row);
    return true;
}

bool Table::keyMatches(const CachedRow &row, const QVariantList &storedValues) const
{
    for (int i = 0; i < storedValues.size(); ++i) {
        if (i >= row.key.size() || i >= m_order.size())
            return false;
        const QVariant &have = row.key.at(i);
        const QVariant &want = storedValues.at(i);
        if (have.isNull())
            return false;
        if (m_order.at(i).caseInsensitive && have.typeId() == QMetaType::QString
            && want.typeId() == QMetaType::QString) {
            if (compareCaseInsensitive(have.toString(), want.toString()) != 0)
                return false;
        } else if (QVariant::compare(have, want) != QPartialOrdering::Equivalent) {
            return false;
        }
    }
    return true;
}

void Table::findNearest(const QVariantList &keyValues)
{
    checkActive();
    checkBrowseMode();
    syncView();
    QVariantList bound;
    int used = 0;
    const QString cond = keyComparison(keyValues, QStringLiteral(">="), bound, &used);
    if (cond.isEmpty()) {
        first();
        return;
    }
    CachedRow row;
    if (selectOne(cond, bound, false, &row)) {
        positionOn(row);
    } else {
        last();
        setBofEof(false, true);
    }
}

bool Table::locate(const QString &fields, const QVariantList &keyValues, LocateOptions options)
{
    checkActive();
    checkBrowseMode();
    syncView();
    const QStringList names = splitFieldList(fields);
    QVariantList bound;
    QStringList parts;
    for (int i = 0; i < names.size(); ++i) {
        const QVariant v = i < keyValues.size() ? keyValues.at(i) : QVariant();
        const int f = m_schema.fieldIndex(names.at(i));
        if (f < 0)
            throw DatabaseError(QStringLiteral("Feld '%1' nicht gefunden.").arg(names.at(i)));
        FilterCondition c;
        c.field = names.at(i);
        c.value = v;
        c.caseInsensitive = options.caseInsensitive;
        c.op = (options.partialKey && isTextType(m_schema.fieldAt(f).type)) ? FilterCondition::Op::Prefix
                                                                            : FilterCondition::Op::Equal;
        parts.append(conditionSql(c, bound));
    }
    if (parts.isEmpty())
        return false;
    CachedRow row;
    if (!selectOne(parts.join(QStringLiteral(" AND ")), bound, false, &row))
        return false;
    positionOn(row);
    return true;
}

void Table::keepCurrentAfterOrderChange()
{
    // A new order keeps the current record where it is still in view.
    const qint64 rowId = currentRowId();
    invalidateView();
    forgetPosition();
    QVector<QVariant> values;
    if (rowId >= 0 && readInView(rowId, &values)) {
        notifyDataSetChanged();
        return;
    }
    reopenAfterViewChange();
}

void Table::reopenAfterViewChange()
{
    invalidateView();
    forgetPosition();
    if (!isActive())
        return;
    qint64 rowId = -1;
    QVector<QVariant> values;
    doBeforeScroll();
    if (fetchEdge(false, &rowId, &values)) {
        loadRow(rowId, values);
        setBofEof(true, false);
    } else {
        clearCurrent();
        setBofEof(true, true);
    }
    notifyDataSetChanged();
    notifyRecordChanged();
    doAfterScroll();
}

void Table::setRange(const QVariantList &start, const QVariantList &end)
{
    if (isActive())
        checkBrowseMode();
    m_hasRange = true;
    m_rangeStart = start;
    m_rangeEnd = end;
    reopenAfterViewChange();
}

void Table::cancelRange()
{
    if (!m_hasRange)
        return;
    if (isActive())
        checkBrowseMode();
    m_hasRange = false;
    m_rangeStart.clear();
    m_rangeEnd.clear();
    reopenAfterViewChange();
}

void Table::setFilter(const QVector<FilterCondition> &conditions)
{
    if (isActive())
        checkBrowseMode();
    m_filter = conditions;
    if (m_filtered)
        reopenAfterViewChange();
}

void Table::setFilterText(const QString &text)
{
    setFilter(parseFilterText(text, m_filterCaseInsensitive));
}

void Table::setFiltered(bool on)
{
    if (m_filtered == on)
        return;
    if (isActive())
        checkBrowseMode();
    m_filtered = on;
    reopenAfterViewChange();
}

void Table::clearFilter()
{
    const bool was = m_filtered && !m_filter.isEmpty();
    m_filter.clear();
    m_filtered = false;
    if (was)
        reopenAfterViewChange();
}

void Table::setMasterSource(DataSet *master, const QString &masterFields, const QString &detailFields)
{
    if (m_masterConnection)
        disconnect(m_masterConnection);
    m_master = master;
    m_masterFields = splitFieldList(masterFields);
    m_detailFields = detailFields.isEmpty() ? m_masterFields : splitFieldList(detailFields);
    if (master)
        m_masterConnection = connect(master, &DataSet::currentRowChanged, this, &Table::masterRowChanged);
    if (isActive()) {
        m_appliedMasterValues = masterValues();
        reopenAfterViewChange();
    }
}

void Table::masterRowChanged()
{
    if (!isActive())
        return;
    const QVariantList values = masterValues();
    if (values == m_appliedMasterValues && m_whereValid)
        return;
    checkBrowseMode();
    m_appliedMasterValues = values;
    reopenAfterViewChange();
}

void Table::initNewRecord(QVector<QVariant> &values)
{
    if (!m_master)
        return;
    const QVariantList mv = masterValues();
    for (int i = 0; i < m_detailFields.size() && i < mv.size(); ++i) {
        const int f = m_schema.fieldIndex(m_detailFields.at(i));
        if (f >= 0)
            values[f] = coerceValue(m_schema.fieldAt(f), mv.at(i));
    }
}

qint64 Table::writeRecord(bool inserting, qint64 rowId, QVector<QVariant> &values, const QVector<bool> &changed)
{
    const DatabaseBackend &backend = m_db->backend();
    const QString table = m_schema.tableName();
    if (inserting) {
        // Numbers the database assigns.
        for (int i = 0; i < m_schema.fieldCount(); ++i) {
            if (m_schema.fieldAt(i).type == FieldType::AutoInc && (values.at(i).isNull() || !values.at(i).isValid())) {
                QSqlQuery q = m_db->exec(QStringLiteral("SELECT COALESCE(MAX(%1), 0) + 1 FROM %2").arg(m_db->quote(m_schema.fieldAt(i).name), m_sqlTable), {}, table);
                values[i] = q.next() ? q.value(0).toInt() : 1;
            }
        }
        QStringList marks;
        for (int i = 0; i < m_schema.fieldCount(); ++i)
            marks.append(QStringLiteral("?"));
        QSqlQuery &q = m_db->prepared(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)%4")
                                          .arg(m_sqlTable, m_columns, marks.join(QLatin1Char(',')), backend.insertRowIdSuffix()));
        for (int i = 0; i < m_schema.fieldCount(); ++i)
            q.bindValue(i, backend.toStorage(m_schema.fieldAt(i).type, values.at(i)));
        if (!q.exec()) {
            const QSqlError error = q.lastError();
            q.finish();
            m_db->raise(error, table);
        }
        const qint64 newRowId = backend.insertedRowId(q);
        q.finish();
        m_db->touchByKey(m_generationKey);
        return newRowId;
    }
    QStringList sets;
    QVariantList bound;
    for (int i = 0; i < m_schema.fieldCount(); ++i) {
        if (i < changed.size() && changed.at(i)) {
            sets.append(m_db->quote(m_schema.fieldAt(i).name) + QStringLiteral(" = ?"));
            bound.append(backend.toStorage(m_schema.fieldAt(i).type, values.at(i)));
        }
    }
    if (sets.isEmpty())
        return rowId;
    const bool own = !m_db->inTransaction();
    if (own)
        m_db->transaction();
    int affected = 0;
    try {
        checkStoredRecord(rowId, &changed);
        QSqlQuery &q = m_db->prepared(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                                          .arg(m_sqlTable, sets.join(QStringLiteral(", ")), backend.rowIdExpression()));
        for (int i = 0; i < bound.size(); ++i)
            q.bindValue(i, bound.at(i));
        q.bindValue(bound.size(), rowId);
        if (!q.exec()) {
            const QSqlError error = q.lastError();
            q.finish();
            m_db->raise(error, table);
        }
        affected = q.numRowsAffected();
        q.finish();
        if (own)
            m_db->commit();
    } catch (...) {
        if (own)
            m_db->rollback();
        throw;
    }
    if (affected == 0)
        throw DatabaseError(QStringLiteral("Der Datensatz wurde von einem anderen Benutzer gelöscht."));
    m_db->touchByKey(m_generationKey);
    // An integer primary key is the row id itself: a new key moves the row.
    if (m_rowIdKeyField >= 0 && m_rowIdKeyField < changed.size() && changed.at(m_rowIdKeyField))
        return values.at(m_rowIdKeyField).toLongLong();
    return rowId;
}

bool Table::touchesView(const QVector<bool> &changed) const
{
    auto isChanged = [&](int f) { return f >= 0 && f < changed.size() && changed.at(f); };
    for (const auto &term : m_order)
        if (isChanged(term.field))
            return true;
    if (m_filtered)
        for (const auto &c : m_filter)
            if (isChanged(m_schema.fieldIndex(c.field)))
                return true;
    if (m_hasRange)
        return true;
    for (const auto &name : m_detailFields)
        if (isChanged(m_schema.fieldIndex(name)))
            return true;
    return false;
}

int Table::rowWritten(bool inserting, qint64 rowId, int oldPosition, const QVector<bool> &changed,
                      const QVector<QVariant> &values)
{
    m_seenGeneration = m_db->generationByKey(m_generationKey);
    if (inserting) {
        clearCache();
        const bool wholeTable = !m_master && !m_hasRange && !(m_filtered && !m_filter.isEmpty());
        m_count = wholeTable && m_count >= 0 ? m_count + 1 : -1;
        return -1;
    }
    if (touchesView(changed)) {
        clearCache();
        m_count = -1;
        return -1;
    }
    const int i = findCached(rowId);
    if (i >= 0)
        m_cache[i].values = values;
    return oldPosition;
}

bool Table::isSameRecord(const QVector<QVariant> &known, const QVector<QVariant> &fresh) const
{
    for (int f : m_identityFields) {
        if (f >= 0 && f < known.size() && f < fresh.size() && known.at(f) != fresh.at(f))
            return false;
    }
    return true;
}

void Table::checkStoredRecord(qint64 rowId, const QVector<bool> *changed)
{
    const QVector<QVariant> &known = valuesAsRead();
    bool found = false;
    // Inside the writing transaction: held until it ends, so that no one
    // changes the record between this read and the write.
    const QVector<QVariant> stored = readStoredRow(rowId, &found, true);
    if (!found || !isSameRecord(known, stored))
        throw DatabaseError(QStringLiteral("Der Datensatz wurde von einem anderen Benutzer gelöscht."));
    if (!changed)
        return;
    for (int i = 0; i < changed->size() && i < known.size(); ++i) {
        if (changed->at(i) && known.at(i) != stored.at(i))
            throw RecordChangedError(QStringLiteral("Der Datensatz wurde von einem anderen Benutzer geändert. "
                                                    "Die gespeicherten Werte werden angezeigt; bitte geben Sie Ihre "
                                                    "Änderungen noch einmal ein."),
                stored);
    }
}

void Table::removeRecord(qint64 rowId)
{
    const bool own = !m_db->inTransaction();
    if (own)
        m_db->transaction();
    try {
        checkStoredRecord(rowId, nullptr);
        QSqlQuery &q = m_db->prepared(
            QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(m_sqlTable, m_db->backend().rowIdExpression()));
        q.bindValue(0, rowId);
        if (!q.exec()) {
            const QSqlError error = q.lastError();
            q.finish();
            m_db->raise(error, m_schema.tableName());
        }
        q.finish();
        if (own)
            m_db->commit();
    } catch (...) {
        if (own)
            m_db->rollback();
        throw;
    }
    m_db->touchByKey(m_generationKey);
}

void Table::rowRemoved(qint64 rowId, int)
{
    m_seenGeneration = m_db->generationByKey(m_generationKey);
    const int i = findCached(rowId);
    // The key is taken before the row counts as the one removed, which
    // would answer with the key of the row removed before it.
    m_removedKey = keyFor(rowId, valuesAsRead());
    m_removedRowId = rowId;
    if (i >= 0) {
        m_cache.remove(i);
        m_removedIndex = i;
        m_hint = std::max(0, i - 1);
        if (m_count >= 0)
            --m_count;
    } else {
        m_removedIndex = -1;
        m_count = -1;
    }
}

} // namespace platform

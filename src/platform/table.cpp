#include "platform/table.h"

#include "platform/database.h"
#include "platform/databasebackend.h"
#include "platform/fieldvalue.h"
#include "platform/germantext.h"
#include "platform/schemaregistry.h"
#include "platform/session.h"

#include <QSqlRecord>

namespace platform {

namespace {
constexpr int BlockSize = 128;
constexpr int CacheLimit = BlockSize * 8;
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
    m_rowIdOrder = m_order.size() == 1 && key.size() == 1 && m_schema.fieldAt(m_order.first().field).type == FieldType::Integer
        && m_schema.fieldAt(m_order.first().field).name.compare(key.first(), Qt::CaseInsensitive) == 0;
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
    if (m_schema.primaryKeyFields().size() == 1) {
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
}

void Table::closeCursor()
{
    invalidateView();
    m_db = nullptr;
}

void Table::invalidateView()
{
    m_whereValid = false;
    m_keys.clear();
    m_keysLoaded = false;
    m_keyPositions.clear();
    m_keyPositionsValid = false;
    m_window.clear();
    m_windowStart = 0;
    m_count = -1;
    m_lastFetched = -1;
}

void Table::syncView()
{
    if (!m_db)
        return;
    const quint64 generation = m_db->generationByKey(m_generationKey);
    if (generation != m_seenGeneration) {
        m_seenGeneration = generation;
        invalidateView();
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
    for (const auto &term : m_order)
        parts.append(columnExpression(term) + dir);
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

void Table::ensureKeys()
{
    if (m_keysLoaded)
        return;
    const Where &where = viewWhere();
    const QString sql = QStringLiteral("SELECT %1 FROM %2%3%4")
                            .arg(m_db->backend().rowIdExpression(), m_sqlTable, where.text, m_orderAscending);
    QSqlQuery &q = m_db->prepared(sql);
    for (int i = 0; i < where.values.size(); ++i)
        q.bindValue(i, where.values.at(i));
    m_db->run(q, m_schema.tableName());
    m_keys.clear();
    if (m_count > 0)
        m_keys.reserve(m_count);
    while (q.next())
        m_keys.append(q.value(0).toLongLong());
    q.finish();
    m_keysLoaded = true;
    m_keyPositionsValid = false;
    m_count = m_keys.size();
}

int Table::rowCount()
{
    if (m_keysLoaded)
        return m_keys.size();
    if (m_count >= 0)
        return m_count;
    const Where &where = viewWhere();
    QSqlQuery &q = m_db->prepared(QStringLiteral("SELECT COUNT(*) FROM %1%2").arg(m_sqlTable, where.text));
    for (int i = 0; i < where.values.size(); ++i)
        q.bindValue(i, where.values.at(i));
    m_db->run(q, m_schema.tableName());
    m_count = q.next() ? q.value(0).toInt() : 0;
    q.finish();
    return m_count;
}

qint64 Table::rowIdAt(int position)
{
    ensureKeys();
    return position >= 0 && position < m_keys.size() ? m_keys.at(position) : -1;
}

int Table::positionOf(qint64 rowId)
{
    ensureKeys();
    if (m_keys.size() < 64) {
        return m_keys.indexOf(rowId);
    }
    if (!m_keyPositionsValid) {
        m_keyPositions.clear();
        m_keyPositions.reserve(m_keys.size());
        for (int i = 0; i < m_keys.size(); ++i)
            m_keyPositions.insert(m_keys.at(i), i);
        m_keyPositionsValid = true;
    }
    return m_keyPositions.value(rowId, -1);
}

QVector<QVariant> Table::readValues(const QSqlQuery &query, int firstColumn) const
{
    const int n = m_schema.fieldCount();
    QVector<QVariant> values;
    values.reserve(n);
    const DatabaseBackend &backend = m_db->backend();
    const QVector<FieldDef> &fields = m_schema.fields();
    for (int i = 0; i < n; ++i)
        values.append(backend.fromStorage(fields.at(i).type, query.value(firstColumn + i)));
    return values;
}

void Table::readBlock(QSqlQuery &q, int start, int end)
{
    m_blockSlots.clear();
    for (int i = start; i < end; ++i)
        m_blockSlots.insert(m_keys.at(i), i - start);
    m_window = QVector<QVector<QVariant>>(end - start);
    m_windowStart = start;
    m_db->run(q, m_schema.tableName());
    while (q.next()) {
        const auto slot = m_blockSlots.constFind(q.value(0).toLongLong());
        if (slot != m_blockSlots.constEnd())
            m_window[slot.value()] = readValues(q, 1);
    }
    q.finish();
    for (auto &row : m_window)
        if (row.isEmpty())
            row = QVector<QVariant>(m_schema.fieldCount());  // vanished meanwhile
}

QVector<QVariant> Table::fetchRow(int position)
{
    ensureKeys();
    if (position < 0 || position >= m_keys.size())
        return QVector<QVariant>(m_schema.fieldCount());
    const int slot = position - m_windowStart;
    if (slot >= 0 && slot < m_window.size()) {
        m_lastFetched = position;
        return m_window.at(slot);
    }
    // Read a block in the direction of travel.
    int start = position;
    if (m_lastFetched >= 0 && position < m_lastFetched)
        start = std::max(0, position - BlockSize + 1);
    const int end = std::min<int>(m_keys.size(), start + BlockSize);
    m_lastFetched = position;
    if (m_rowIdOrder) {
        // Rows ordered by the row id itself and lying close together: one
        // range read instead of single lookups.
        const qint64 low = m_keys.at(start);
        const qint64 high = m_keys.at(end - 1);
        if (high - low < 2 * BlockSize) {
            QSqlQuery &q = m_db->prepared(m_selectPrefix + QStringLiteral(" WHERE %1 BETWEEN ? AND ?").arg(m_db->backend().rowIdExpression()));
            q.bindValue(0, low);
            q.bindValue(1, high);
            readBlock(q, start, end);
            return m_window.at(position - m_windowStart);
        }
    }
    static const QString marks = [] {
        QStringList m;
        for (int i = 0; i < BlockSize; ++i)
            m.append(QStringLiteral("?"));
        return m.join(QLatin1Char(','));
    }();
    QSqlQuery &q = m_db->prepared(m_selectPrefix + QStringLiteral(" WHERE %1 IN (%2)").arg(m_db->backend().rowIdExpression(), marks));
    for (int i = 0; i < BlockSize; ++i)
        q.bindValue(i, m_keys.at(start + i < end ? start + i : start));
    readBlock(q, start, end);
    return m_window.at(position - m_windowStart);
}

QVector<QVariant> Table::rereadRow(qint64 rowId, bool *found)
{
    QSqlQuery &q = m_db->prepared(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                                      .arg(m_columns, m_sqlTable, m_db->backend().rowIdExpression()));
    q.bindValue(0, rowId);
    m_db->run(q, m_schema.tableName());
    *found = q.next();
    QVector<QVariant> values = *found ? readValues(q, 0) : QVector<QVariant>(m_schema.fieldCount());
    q.finish();
    return values;
}

bool Table::selectOne(const QString &extraWhere, const QVariantList &extraValues, bool descending, qint64 *rowId,
                      QVector<QVariant> *values)
{
    const Where &where = viewWhere();
    QString whereText = where.text;
    QVariantList bound = where.values;
    if (!extraWhere.isEmpty()) {
        whereText += whereText.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
        whereText += extraWhere;
        bound += extraValues;
    }
    QSqlQuery &q = m_db->prepared(m_selectPrefix + whereText + (descending ? m_orderDescending : m_orderAscending)
                                  + QStringLiteral(" LIMIT 1"));
    for (int i = 0; i < bound.size(); ++i)
        q.bindValue(i, bound.at(i));
    m_db->run(q, m_schema.tableName());
    const bool found = q.next();
    if (found) {
        *rowId = q.value(0).toLongLong();
        *values = readValues(q, 1);
    }
    q.finish();
    return found;
}

bool Table::fetchEdge(bool last, qint64 *rowId, QVector<QVariant> *values)
{
    if (m_keysLoaded) {
        if (m_keys.isEmpty())
            return false;
        const int pos = last ? m_keys.size() - 1 : 0;
        *rowId = m_keys.at(pos);
        *values = fetchRow(pos);
        return true;
    }
    return selectOne(QString(), {}, last, rowId, values);
}

void Table::positionOn(qint64 rowId, const QVector<QVariant> &values)
{
    doBeforeScroll();
    loadRow(rowId, values);
    setBofEof(false, false);
    notifyRecordChanged();
    doAfterScroll();
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
    qint64 rowId = -1;
    QVector<QVariant> values;
    if (!selectOne(parts.join(QStringLiteral(" AND ")), bound, false, &rowId, &values))
        return false;
    positionOn(rowId, values);
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
    qint64 rowId = -1;
    QVector<QVariant> values;
    if (selectOne(cond, bound, false, &rowId, &values)) {
        positionOn(rowId, values);
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
    qint64 rowId = -1;
    QVector<QVariant> values;
    if (!selectOne(parts.join(QStringLiteral(" AND ")), bound, false, &rowId, &values))
        return false;
    positionOn(rowId, values);
    return true;
}

void Table::keepCurrentAfterOrderChange()
{
    // A new order keeps the current record where it is still in view.
    const qint64 rowId = currentRowId();
    invalidateView();
    forgetPosition();
    if (rowId >= 0 && positionOf(rowId) >= 0) {
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
        QSqlQuery &q = m_db->prepared(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(m_sqlTable, m_columns, marks.join(QLatin1Char(','))));
        for (int i = 0; i < m_schema.fieldCount(); ++i)
            q.bindValue(i, backend.toStorage(m_schema.fieldAt(i).type, values.at(i)));
        if (!q.exec()) {
            const QSqlError error = q.lastError();
            q.finish();
            m_db->raise(error, table);
        }
        const qint64 newRowId = q.lastInsertId().toLongLong();
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
        m_window.clear();
        const int count = m_keysLoaded ? m_keys.size() : m_count;
        m_keys.clear();
        m_keysLoaded = false;
        m_keyPositionsValid = false;
        m_count = count >= 0 ? count + 1 : -1;
        return -1;
    }
    if (touchesView(changed)) {
        m_window.clear();
        m_keys.clear();
        m_keysLoaded = false;
        m_keyPositionsValid = false;
        m_count = -1;
        return -1;
    }
    const int slot = oldPosition - m_windowStart;
    if (oldPosition >= 0 && slot >= 0 && slot < m_window.size())
        m_window[slot] = values;
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
    const QVector<QVariant> stored = rereadRow(rowId, &found);
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

void Table::rowRemoved(qint64 rowId, int position)
{
    m_seenGeneration = m_db->generationByKey(m_generationKey);
    m_window.clear();
    if (m_keysLoaded && position >= 0 && position < m_keys.size() && m_keys.at(position) == rowId) {
        m_keys.remove(position);
        m_keyPositionsValid = false;
        m_count = m_keys.size();
    } else {
        m_keys.clear();
        m_keysLoaded = false;
        m_keyPositionsValid = false;
        m_count = -1;
    }
}

} // namespace platform

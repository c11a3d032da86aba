#pragma once

#include "platform/dataset.h"
#include "platform/filtercondition.h"
#include "platform/tableschema.h"

#include <QHash>
#include <QPointer>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>

namespace platform {

class Database;
class RowReader;
class Session;

struct LocateOptions {
    bool caseInsensitive = false;
    bool partialKey = false;  // text fields: the value is a prefix
};

// A table of a database alias as a dataset: ordered by its primary key or a
// secondary index, narrowed by a key range, a filter or a master record.
// Moves read the neighbouring rows through the order's index (the rows after
// or before the current one's key and row id); a block of at most a few
// hundred rows is held, whatever the table's size.
class Table : public DataSet
{
    Q_OBJECT
public:
    explicit Table(QObject *parent = nullptr);
    Table(const QString &alias, const QString &tableName, QObject *parent = nullptr);
    ~Table() override;

    void setSession(Session *session);
    Session &session() const;
    void setDatabaseName(const QString &alias);
    const QString &databaseName() const { return m_alias; }
    void setTableName(const QString &name);
    const QString &tableName() const { return m_tableName; }
    Database &database() const;
    // The declaration of the open table (or of the named one when closed).
    TableSchema schema() const;

    bool exists() const;
    void createTable();   // from its declaration
    void emptyTable();    // deletes all records
    void deleteTable();

    // Order: "" is the primary key; else a secondary index by name.
    void setIndexName(const QString &name);
    const QString &indexName() const { return m_indexName; }
    // Order by a field list "BelegNr;Pos": the index with these fields, or
    // simply these fields.
    void setIndexFieldNames(const QString &fields);
    QStringList indexFields() const;
    void addIndex(const QString &name, const QStringList &fields, bool caseInsensitive = false, bool unique = false);

    // Searches on the leading fields of the current order.
    bool findKey(const QVariantList &values);
    void findNearest(const QVariantList &values);
    bool locate(const QString &fields, const QVariantList &values, LocateOptions options = {});

    // Key range on the leading fields of the current order, both ends included.
    void setRange(const QVariantList &start, const QVariantList &end);
    void cancelRange();
    bool hasRange() const { return m_hasRange; }

    // Filters (applied while filtered is on)
    void setFilter(const QVector<FilterCondition> &conditions);
    void setFilterText(const QString &text);  // the program's own fixed filters
    const QVector<FilterCondition> &filter() const { return m_filter; }
    void setFilterCaseInsensitive(bool on) { m_filterCaseInsensitive = on; }
    void setFiltered(bool on);
    bool filtered() const { return m_filtered; }
    void clearFilter();

    // Master-detail: this table shows only the rows whose detail fields equal
    // the master's current fields, and a new record takes them over.
    void setMasterSource(DataSet *master, const QString &masterFields, const QString &detailFields = {});
    DataSet *masterSource() const { return m_master; }

protected:
    void openCursor() override;
    void closeCursor() override;
    int rowCount() override;
    int rowCountUpTo(int limit) override;
    qint64 rowIdAt(int position) override;
    int positionOf(qint64 rowId) override;
    QVector<QVariant> fetchRow(int position) override;
    QVector<QVariant> rereadRow(qint64 rowId, bool *found) override;
    // The stored row; with lock, held by this transaction until it ends.
    QVector<QVariant> readStoredRow(qint64 rowId, bool *found, bool lock);
    bool fetchEdge(bool last, qint64 *rowId, QVector<QVariant> *values) override;
    int stepFrom(qint64 rowId, const QVector<QVariant> &values, int position, int distance, qint64 *targetRowId,
                 QVector<QVariant> *targetValues, int *targetPosition) override;
    bool readInView(qint64 rowId, QVector<QVariant> *values) override;
    QVariantList orderKeyOf(const QVector<QVariant> &values) const override;
    void syncView() override;
    void initNewRecord(QVector<QVariant> &values) override;
    qint64 writeRecord(bool inserting, qint64 rowId, QVector<QVariant> &values, const QVector<bool> &changed) override;
    void removeRecord(qint64 rowId) override;
    int rowWritten(bool inserting, qint64 rowId, int oldPosition, const QVector<bool> &changed,
                   const QVector<QVariant> &values) override;
    void rowRemoved(qint64 rowId, int position) override;
    bool isSameRecord(const QVector<QVariant> &known, const QVector<QVariant> &fresh) const override;

private:
    struct OrderTerm {
        int field;
        bool caseInsensitive;
    };
    struct Where {
        QString text;
        QVariantList values;
    };

    // A row as read, with the order's fields as the database holds them.
    struct CachedRow {
        qint64 rowId = -1;
        QVariantList key;
        QVector<QVariant> values;
    };
    struct Condition {
        QString text;
        QVariantList values;
    };

    void resolveOrder();
    void invalidateView();
    void clearCache();
    const Where &viewWhere();
    QString orderBy(bool descending) const;
    QString columnExpression(const OrderTerm &term) const;
    QVariant storageValue(int field, const QVariant &value) const;
    QString conditionSql(const FilterCondition &condition, QVariantList &values) const;
    QString keyComparison(const QVariantList &values, const QString &op, QVariantList &bound, int *used) const;
    QVector<QVariant> readValues(const RowReader &reader, int firstColumn) const;
    CachedRow readCachedRow(const RowReader &reader) const;
    // The rows of the view in order (descending: from the end), with an
    // extra condition, after skipping offset rows.
    QVector<CachedRow> readRows(const QString &extraWhere, const QVariantList &extraValues, bool descending,
                                int offset, int limit);
    bool selectOne(const QString &extraWhere, const QVariantList &extraValues, bool descending, CachedRow *row);
    // The conditions that together hold every row after (or before) a key
    // and row id, each one an index range, in the order of travel.
    QVector<Condition> adjacentConditions(const QVariantList &key, qint64 rowId, bool forward) const;
    // Up to limit rows after (or before, nearest first) the key and row id,
    // skipping skip rows first; *skipped tells how many were skipped. When
    // the view ends while skipping, the last row skipped is returned.
    QVector<CachedRow> readAdjacent(const QVariantList &key, qint64 rowId, bool forward, int skip, int limit,
                                    int *skipped);
    int countBefore(const QVariantList &key, qint64 rowId);
    // Whether the row's leading order fields equal the values (as stored),
    // compared as the order compares them.
    bool keyMatches(const CachedRow &row, const QVariantList &storedValues) const;
    QVariantList storedKey(const QVector<QVariant> &values) const;
    QVariantList keyFor(qint64 rowId, const QVector<QVariant> &values) const;
    int findCached(qint64 rowId) const;
    // The index of the cached row at the position, reading it when needed;
    // -1 past the end.
    int cachedIndexOf(int position);
    void setCache(QVector<CachedRow> rows, int start, bool atFirst, bool atLast);
    void appendCache(const QVector<CachedRow> &rows);
    void prependCache(const QVector<CachedRow> &rows); // nearest first
    void positionOn(const CachedRow &row);
    void reopenAfterViewChange();
    void keepCurrentAfterOrderChange();
    void masterRowChanged();
    QVariantList masterValues() const;
    bool touchesView(const QVector<bool> &changed) const;
    // Reads the row again inside the write's transaction and refuses the
    // write when it is no longer the record read (or a changed field was
    // changed by someone else meanwhile).
    void checkStoredRecord(qint64 rowId, const QVector<bool> *changed);

    Session *m_session = nullptr;
    QString m_alias;
    QString m_tableName;
    TableSchema m_schema;
    Database *m_db = nullptr;
    QString m_sqlTable;
    QString m_columns;  // quoted field list in order
    QString m_generationKey;
    int m_rowIdKeyField = -1;   // the integer primary key field that is the row id
    QVector<int> m_identityFields; // the primary key; every field where there is none

    QString m_indexName;
    QStringList m_indexFieldNames;  // when ordered by a field list
    QVector<OrderTerm> m_order;

    bool m_hasRange = false;
    QVariantList m_rangeStart;
    QVariantList m_rangeEnd;
    QVector<FilterCondition> m_filter;
    bool m_filtered = false;
    bool m_filterCaseInsensitive = false;

    QPointer<DataSet> m_master;
    QStringList m_masterFields;
    QStringList m_detailFields;
    QVariantList m_appliedMasterValues;
    QMetaObject::Connection m_masterConnection;

    bool m_whereValid = false;
    Where m_where;
    bool m_uniqueOrder = false;  // no two rows share the order's key
    // Consecutive rows of the view as last read; m_cacheStart is the
    // position of the first, -1 while not known.
    QVector<CachedRow> m_cache;
    int m_cacheStart = -1;
    bool m_cacheAtFirst = false;
    bool m_cacheAtLast = false;
    mutable int m_hint = 0;
    int m_lastFetched = -1;
    // The row read last by its id (bookmarks, a change of order).
    CachedRow m_lastRead;
    // The row deleted last: where it stood in the cache, -1 when not there.
    qint64 m_removedRowId = -1;
    QVariantList m_removedKey;
    int m_removedIndex = -1;
    QString m_selectPrefix;  // SELECT rowid, fields FROM table
    QString m_orderAscending;
    QString m_orderDescending;
    int m_count = -1;
    quint64 m_seenGeneration = 0;
    quint64 m_seenOthers = 0;
};

} // namespace platform

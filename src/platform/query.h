#pragma once

#include "platform/dataset.h"

#include <QSqlQuery>
#include <QVariantList>

namespace platform {

class Database;
class Session;

// Local SQL on one database alias: a SELECT read into memory as a read-only
// dataset, or an UPDATE, INSERT or DELETE run with execSql. Table names may be
// written as "X.DB", X.db or X. Values always go in as bound parameters
// (? or :name).
class Query : public DataSet
{
    Q_OBJECT
public:
    explicit Query(QObject *parent = nullptr);
    Query(const QString &alias, const QString &sql, QObject *parent = nullptr);

    void setSession(Session *session) { m_session = session; }
    void setDatabaseName(const QString &alias) { m_alias = alias; }
    const QString &databaseName() const { return m_alias; }
    void setSql(const QString &sql);
    const QString &sql() const { return m_sql; }
    void addBindValue(const QVariant &value);
    void bindValue(const QString &name, const QVariant &value);
    void clearBindValues();

    // Runs a statement without result rows; returns the rows affected.
    int execSql();

    bool canModify() const override { return false; }

    // The SQL text with table names written the database's way.
    static QString translateTableNames(const QString &sql, const Database &db);

protected:
    void openCursor() override;
    void closeCursor() override;
    int rowCount() override { return m_rows.size(); }
    qint64 rowIdAt(int position) override { return position; }
    int positionOf(qint64 rowId) override { return rowId >= 0 && rowId < m_rows.size() ? int(rowId) : -1; }
    QVector<QVariant> fetchRow(int position) override { return m_rows.value(position); }
    QVector<QVariant> rereadRow(qint64 rowId, bool *found) override;

private:
    Database &database() const;
    QSqlQuery run();
    QVariant bindable(const QVariant &value) const;

    Session *m_session = nullptr;
    QString m_alias;
    QString m_sql;
    QVariantList m_positional;
    QList<QPair<QString, QVariant>> m_named;
    QVector<QVector<QVariant>> m_rows;
};

// Routines on the data directory (alias d_ezudod) for one-off lookups.
// The first field of the first row as text, empty when there is no row.
QString queryScalar(const QString &sql, const QVariantList &values = {}, const QString &alias = {});

} // namespace platform

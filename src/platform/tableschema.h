#pragma once

#include "platform/fieldtype.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace platform {

// The two database aliases of the program.
namespace Alias {
inline const QString Data = QStringLiteral("d_ezudod");  // the shared data directory
inline const QString User = QStringLiteral("Export");    // the user's own directory
}

struct IndexDef {
    QString name;
    QStringList fields;
    bool caseInsensitive = false;
    bool unique = false;

    bool operator==(const IndexDef &other) const = default;
};

// Declaration of one table: its file name as the program names it ("EUR1.DB"),
// the alias of the database holding it, its fields in order, its primary key and
// its named secondary indexes. Field names are case-insensitive.
class TableSchema
{
public:
    TableSchema() = default;
    TableSchema(const QString &fileName, const QString &alias);

    // Builder helpers, in field order.
    TableSchema &string(const QString &name, int size, const QVariant &defaultValue = {});
    TableSchema &memo(const QString &name);
    TableSchema &smallInt(const QString &name, const QVariant &defaultValue = {});
    TableSchema &integer(const QString &name, const QVariant &defaultValue = {});
    TableSchema &autoInc(const QString &name);
    TableSchema &floating(const QString &name, const QVariant &defaultValue = {});
    TableSchema &currency(const QString &name, const QVariant &defaultValue = {});
    TableSchema &bcd(const QString &name, int decimals);
    TableSchema &date(const QString &name);
    TableSchema &time(const QString &name);
    TableSchema &dateTime(const QString &name);
    TableSchema &boolean(const QString &name, const QVariant &defaultValue = {});
    TableSchema &graphic(const QString &name);
    TableSchema &blob(const QString &name);
    TableSchema &field(const FieldDef &def);
    // Several String fields "prefix<first>" .. "prefix<last>" (or with suffix).
    TableSchema &strings(const QString &prefix, int first, int last, int size, const QString &suffix = {});

    TableSchema &primaryKey(const QStringList &fields);
    TableSchema &index(const QString &name, const QStringList &fields, bool caseInsensitive = false,
                       bool unique = false);

    const QString &fileName() const { return m_fileName; }
    // The table's name without extension, as the database holds it ("EUR1").
    const QString &tableName() const { return m_tableName; }
    const QString &alias() const { return m_alias; }
    const QVector<FieldDef> &fields() const { return m_fields; }
    int fieldCount() const { return m_fields.size(); }
    const FieldDef &fieldAt(int i) const { return m_fields.at(i); }
    int fieldIndex(const QString &name) const;  // -1 when absent
    bool hasField(const QString &name) const { return fieldIndex(name) >= 0; }
    const QStringList &primaryKeyFields() const { return m_primaryKey; }
    const QVector<IndexDef> &indexes() const { return m_indexes; }
    const IndexDef *findIndex(const QString &name) const;
    void addIndex(const IndexDef &index);
    void setField(int i, const FieldDef &def);
    void setFileName(const QString &fileName);

    bool isValid() const { return !m_tableName.isEmpty(); }

    // "EUR1.DB", "eur1.db", "EUR1" -> "EUR1"
    static QString tableNameOf(const QString &fileName);

private:
    void rebuildLookup();

    QString m_fileName;
    QString m_tableName;
    QString m_alias;
    QVector<FieldDef> m_fields;
    QHash<QString, int> m_lookup;  // lower-case name -> index
    QStringList m_primaryKey;
    QVector<IndexDef> m_indexes;
};

} // namespace platform

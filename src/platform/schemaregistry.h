#pragma once

#include "platform/tableschema.h"

#include <QHash>
#include <QVector>

namespace platform {

// Every table of the program, declared once by the folder that owns it.
// Each library offers a function that adds its tables here; the program and
// the tests call them at start.
class SchemaRegistry
{
public:
    static SchemaRegistry &instance();

    void add(const TableSchema &schema);
    // Accepts "EUR1.DB", "eur1.db" and "EUR1". Null when unknown.
    const TableSchema *find(const QString &name) const;
    bool contains(const QString &name) const { return find(name) != nullptr; }
    QVector<TableSchema> tables(const QString &alias) const;
    QVector<TableSchema> all() const;

private:
    QHash<QString, TableSchema> m_tables;  // key: lower-case table name
    QStringList m_order;
};

} // namespace platform

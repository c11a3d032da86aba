#include "platform/schemaregistry.h"

namespace platform {

SchemaRegistry &SchemaRegistry::instance()
{
    static SchemaRegistry registry;
    return registry;
}

void SchemaRegistry::add(const TableSchema &schema)
{
    const QString key = schema.tableName().toLower();
    if (!m_tables.contains(key))
        m_order.append(key);
    m_tables.insert(key, schema);
}

const TableSchema *SchemaRegistry::find(const QString &name) const
{
    auto it = m_tables.constFind(TableSchema::tableNameOf(name).toLower());
    return it == m_tables.constEnd() ? nullptr : &it.value();
}

QVector<TableSchema> SchemaRegistry::tables(const QString &alias) const
{
    QVector<TableSchema> result;
    for (const auto &key : m_order) {
        const auto &schema = m_tables.value(key);
        if (schema.alias().compare(alias, Qt::CaseInsensitive) == 0)
            result.append(schema);
    }
    return result;
}

QVector<TableSchema> SchemaRegistry::all() const
{
    QVector<TableSchema> result;
    for (const auto &key : m_order)
        result.append(m_tables.value(key));
    return result;
}

} // namespace platform

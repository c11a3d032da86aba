#include "platform/tableschema.h"

namespace platform {

TableSchema::TableSchema(const QString &fileName, const QString &alias)
    : m_alias(alias)
{
    setFileName(fileName);
}

void TableSchema::setFileName(const QString &fileName)
{
    m_fileName = fileName;
    m_tableName = tableNameOf(fileName);
}

QString TableSchema::tableNameOf(const QString &fileName)
{
    QString name = fileName.trimmed();
    if (name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')) && name.size() >= 2)
        name = name.mid(1, name.size() - 2);
    if (name.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
        name.chop(3);
    return name;
}

TableSchema &TableSchema::field(const FieldDef &def)
{
    m_lookup.insert(def.name.toLower(), m_fields.size());
    m_fields.append(def);
    return *this;
}

TableSchema &TableSchema::string(const QString &name, int size, const QVariant &defaultValue)
{
    return field({name, FieldType::String, size, defaultValue});
}

TableSchema &TableSchema::strings(const QString &prefix, int first, int last, int size, const QString &suffix)
{
    for (int i = first; i <= last; ++i)
        string(prefix + QString::number(i) + suffix, size);
    return *this;
}

TableSchema &TableSchema::memo(const QString &name) { return field({name, FieldType::Memo, 0, {}}); }
TableSchema &TableSchema::smallInt(const QString &name, const QVariant &d) { return field({name, FieldType::SmallInt, 0, d}); }
TableSchema &TableSchema::integer(const QString &name, const QVariant &d) { return field({name, FieldType::Integer, 0, d}); }
TableSchema &TableSchema::autoInc(const QString &name) { return field({name, FieldType::AutoInc, 0, {}}); }
TableSchema &TableSchema::floating(const QString &name, const QVariant &d) { return field({name, FieldType::Float, 0, d}); }
TableSchema &TableSchema::currency(const QString &name, const QVariant &d) { return field({name, FieldType::Currency, 0, d}); }
TableSchema &TableSchema::bcd(const QString &name, int decimals) { return field({name, FieldType::Bcd, decimals, {}}); }
TableSchema &TableSchema::date(const QString &name) { return field({name, FieldType::Date, 0, {}}); }
TableSchema &TableSchema::time(const QString &name) { return field({name, FieldType::Time, 0, {}}); }
TableSchema &TableSchema::dateTime(const QString &name) { return field({name, FieldType::DateTime, 0, {}}); }
TableSchema &TableSchema::boolean(const QString &name, const QVariant &d) { return field({name, FieldType::Boolean, 0, d}); }
TableSchema &TableSchema::graphic(const QString &name) { return field({name, FieldType::Graphic, 0, {}}); }
TableSchema &TableSchema::blob(const QString &name) { return field({name, FieldType::Blob, 0, {}}); }

TableSchema &TableSchema::primaryKey(const QStringList &fields)
{
    m_primaryKey = fields;
    return *this;
}

TableSchema &TableSchema::index(const QString &name, const QStringList &fields, bool caseInsensitive, bool unique)
{
    addIndex({name, fields, caseInsensitive, unique});
    return *this;
}

void TableSchema::addIndex(const IndexDef &index)
{
    for (auto &existing : m_indexes) {
        if (existing.name.compare(index.name, Qt::CaseInsensitive) == 0) {
            existing = index;
            return;
        }
    }
    m_indexes.append(index);
}

void TableSchema::setField(int i, const FieldDef &def)
{
    m_fields[i] = def;
    rebuildLookup();
}

void TableSchema::rebuildLookup()
{
    m_lookup.clear();
    for (int i = 0; i < m_fields.size(); ++i)
        m_lookup.insert(m_fields.at(i).name.toLower(), i);
}

int TableSchema::fieldIndex(const QString &name) const
{
    return m_lookup.value(name.toLower(), -1);
}

const IndexDef *TableSchema::findIndex(const QString &name) const
{
    for (const auto &index : m_indexes) {
        if (index.name.compare(name, Qt::CaseInsensitive) == 0)
            return &index;
    }
    return nullptr;
}

} // namespace platform

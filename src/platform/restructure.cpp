#include "platform/restructure.h"

#include "platform/database.h"
#include "platform/databaseerror.h"
#include "platform/fieldvalue.h"
#include "platform/session.h"

#include <QDir>

namespace platform {

TRestructure::TRestructure(Session *session)
    : m_session(session)
{
}

void TRestructure::setDatabaseName(const QString &nameOrPath)
{
    m_databaseName = nameOrPath;
}

QString TRestructure::resolveAlias() const
{
    Session &session = m_session ? *m_session : Session::current();
    if (session.hasAlias(m_databaseName))
        return m_databaseName;
    const QString wanted = QDir::cleanPath(m_databaseName);
    for (const QString &alias : {Alias::Data, Alias::User})
        if (session.hasAlias(alias) && QDir::cleanPath(session.aliasPath(alias)) == wanted)
            return alias;
    throw DatabaseError(QStringLiteral("Table konnte nicht geöffnet werden"), m_databaseName);
}

void TRestructure::setTableName(const QString &fileName)
{
    m_tableName = fileName;
    m_fields.clear();
    load();
}

void TRestructure::load()
{
    Session &session = m_session ? *m_session : Session::current();
    try {
        Database &db = session.database(resolveAlias());
        m_loaded = db.storedSchemaOf(m_tableName);
    } catch (const DatabaseError &e) {
        throw DatabaseError(QStringLiteral("Table konnte nicht geöffnet werden"), e.message());
    }
    m_fields.clear();
    for (const auto &f : m_loaded.fields())
        m_fields.append({f, Pending::Unchanged});
    PrimaryIndexFieldCount = m_loaded.primaryKeyFields().size();
}

TdBasePxFieldType TRestructure::MapFieldType(const FieldDef &field)
{
    switch (field.type) {
    case FieldType::String: return pxAlpha;
    case FieldType::Memo: return pxMemo;
    case FieldType::SmallInt: return pxShort;
    case FieldType::Integer: return pxLongInteger;
    case FieldType::AutoInc: return pxAutoincrement;
    case FieldType::Float: return pxNumber;
    case FieldType::Currency: return pxMoney;
    case FieldType::Bcd: return pxBCD;
    case FieldType::Date: return pxDate;
    case FieldType::Time: return pxTime;
    case FieldType::DateTime: return pxTimestamp;
    case FieldType::Boolean: return pxLogical;
    case FieldType::Graphic: return pxGraphic;
    case FieldType::Blob: return pxBinary;
    }
    return pxUnknown;
}

FieldDef TRestructure::MapToField(const TFieldDesc &desc)
{
    FieldDef f;
    f.name = desc.Name;
    switch (desc.FieldType) {
    case pxAlpha: f.type = FieldType::String; f.size = desc.Length; break;
    case pxNumber: f.type = FieldType::Float; break;
    case pxMoney: f.type = FieldType::Currency; break;
    case pxShort: f.type = FieldType::SmallInt; break;
    case pxLongInteger: f.type = FieldType::Integer; break;
    case pxBCD: f.type = FieldType::Bcd; f.size = desc.Precision; break;
    case pxDate: f.type = FieldType::Date; break;
    case pxTime: f.type = FieldType::Time; break;
    case pxTimestamp: f.type = FieldType::DateTime; break;
    case pxMemo:
    case pxFormattedMemo: f.type = FieldType::Memo; break;
    case pxGraphic: f.type = FieldType::Graphic; break;
    case pxLogical: f.type = FieldType::Boolean; break;
    case pxAutoincrement: f.type = FieldType::AutoInc; break;
    default: f.type = FieldType::Blob; break;
    }
    return f;
}

bool TRestructure::IsFieldValid(const QString &driver, int level, TdBasePxFieldType type)
{
    if (driver.compare(QLatin1String("PARADOX"), Qt::CaseInsensitive) == 0) {
        switch (type) {
        case pxAlpha: case pxNumber: case pxMoney: case pxShort: case pxDate:
            return level >= 3;
        case pxMemo: case pxFormattedMemo: case pxGraphic: case pxOLE: case pxBinary:
            return level >= 4;
        case pxLongInteger: case pxBCD: case pxTime: case pxTimestamp: case pxLogical: case pxAutoincrement: case pxBytes:
            return level >= 5;
        default:
            return false;
        }
    }
    if (driver.compare(QLatin1String("DBASE"), Qt::CaseInsensitive) == 0) {
        switch (type) {
        case dbCharacter: case dbNumber: case dbDate: case dbMemo: case dbLogical:
            return level >= 3;
        case dbFloat:
            return level >= 4;
        case dbOLE: case dbBinary:
            return level >= 5;
        case dbLong: case dbDateTime: case dbDouble: case dbAutoincrement: case dbBytes: case dbLock:
            return level >= 7;
        default:
            return false;
        }
    }
    return false;
}

bool TRestructure::IsFieldValid(const TFieldDesc &field) const
{
    return IsFieldValid(DriverName(), TableLevel(), field.FieldType);
}

void TRestructure::LoadField(int n)
{
    if (n < 1 || n > m_fields.size())
        throw DatabaseError(QStringLiteral("Feld-Index zu klein oder zu Gross"));
    const FieldDef &f = m_fields.at(n - 1).field;
    Field.Name = f.name;
    Field.FieldType = MapFieldType(f);
    Field.Length = f.type == FieldType::String ? f.size : 0;
    Field.Precision = f.type == FieldType::Bcd ? f.size : 0;
    ValCheck = TValCheckDesc();
    if (f.defaultValue.isValid())
        ValCheck.DefaultValue = valueToText(f.type, f.defaultValue);
}

void TRestructure::AddField(bool withValCheck)
{
    if (!IsFieldValid(Field)) {
        if (OnFieldInappropriate)
            OnFieldInappropriate(*this, Field);
        return;
    }
    Entry e{MapToField(Field), Pending::Add};
    if (withValCheck && !ValCheck.DefaultValue.isEmpty())
        e.field.defaultValue = ValCheck.DefaultValue;
    m_fields.append(e);
}

void TRestructure::ModifyField(int n, bool withValCheck)
{
    if (n < 1 || n > m_fields.size())
        throw DatabaseError(QStringLiteral("Field-Index zu klein oder zu Gross"));
    if (!IsFieldValid(Field)) {
        if (OnFieldInappropriate)
            OnFieldInappropriate(*this, Field);
        return;
    }
    Entry &e = m_fields[n - 1];
    const QVariant keepDefault = e.field.defaultValue;
    e.field = MapToField(Field);
    e.field.defaultValue = withValCheck && !ValCheck.DefaultValue.isEmpty() ? QVariant(ValCheck.DefaultValue) : keepDefault;
    if (e.pending != Pending::Add)
        e.pending = Pending::Modify;
}

void TRestructure::DoRestructure()
{
    Session &session = m_session ? *m_session : Session::current();
    Database &db = session.database(resolveAlias());
    TableSchema target(m_loaded.fileName(), m_loaded.alias());
    for (const auto &e : m_fields)
        target.field(e.field);
    QStringList key;
    for (int i = 0; i < PrimaryIndexFieldCount && i < m_fields.size(); ++i)
        key.append(m_fields.at(i).field.name);
    target.primaryKey(key);
    for (const auto &index : m_loaded.indexes())
        target.addIndex(index);
    db.restructure(m_loaded.tableName(), target);
    load();
}

} // namespace platform

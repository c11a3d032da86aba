#pragma once

#include "platform/tableschema.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

namespace platform {

class Session;

// Field types of the old table engine's two drivers, in their original order.
enum TdBasePxFieldType {
    pxUnknown, pxAlpha, pxNumber, pxMoney, pxShort, pxLongInteger, pxBCD, pxDate, pxTime, pxTimestamp,
    pxMemo, pxFormattedMemo, pxGraphic, pxOLE, pxLogical, pxAutoincrement, pxBinary, pxBytes,
    dbCharacter, dbFloat, dbNumber, dbDate, dbMemo, dbLogical, dbOLE, dbBinary, dbLong, dbDateTime,
    dbDouble, dbAutoincrement, dbBytes, dbLock,
};

struct TFieldDesc {
    QString Name;
    TdBasePxFieldType FieldType = pxUnknown;
    quint16 Length = 0;
    quint16 Precision = 0;
    void Assign(const TFieldDesc &other) { *this = other; }
};

enum TLookupType { ltCurrentField, ltAllCorresponding };
enum TLookupAccess { laFillNoHelp, laHelpAndFill };

struct TValCheckDesc {
    bool Required = false;
    QString MinimumValue, MaximumValue, DefaultValue, Picture, LookupDatabaseName, LookupTableName;
    TLookupType LookupType = ltCurrentField;
    TLookupAccess LookupAccess = laHelpAndFill;
    void Assign(const TValCheckDesc &other) { *this = other; }
};

enum TUpdateRule { urCascade, urRestrict };

struct TRefIntDesc {
    QString MasterDatabaseName, MasterTableName;
    TUpdateRule ModifyOperation = urRestrict;
    TUpdateRule DeleteOperation = urRestrict;
    void Assign(const TRefIntDesc &other) { *this = other; }
};

// Changes the structure of an existing table in place, keeping its records
// and indexes: load the table's description, add or change fields, then
// restructure in one operation. Our tables count as the old engine's
// "PARADOX" driver at table level 7.
class TRestructure
{
public:
    using TFieldInappropriateEvent = std::function<void(TRestructure &sender, const TFieldDesc &field)>;

    explicit TRestructure(Session *session = nullptr);

    TFieldDesc Field;
    TValCheckDesc ValCheck;
    TRefIntDesc RefInt;
    bool PackTable = true;
    quint16 PrimaryIndexFieldCount = 0;
    TFieldInappropriateEvent OnFieldInappropriate;

    // A directory or the name of an alias.
    void setDatabaseName(const QString &nameOrPath);
    const QString &DatabaseName() const { return m_databaseName; }
    // Loads the table's description; throws "Table konnte nicht geöffnet werden".
    void setTableName(const QString &fileName);
    const QString &TableName() const { return m_tableName; }
    QString DriverName() const { return QStringLiteral("PARADOX"); }
    int TableLevel() const { return 7; }
    int FieldCount() const { return m_fields.size(); }

    void LoadField(int n);  // 1-based
    void AddField(bool withValCheck = false);
    void ModifyField(int n, bool withValCheck = false);  // 1-based
    void DoRestructure();

    bool IsFieldValid(const TFieldDesc &field) const;
    static bool IsFieldValid(const QString &driver, int level, TdBasePxFieldType type);
    static TdBasePxFieldType MapFieldType(const FieldDef &field);
    static FieldDef MapToField(const TFieldDesc &desc);

private:
    enum class Pending { Unchanged, Add, Modify };
    struct Entry {
        FieldDef field;
        Pending pending = Pending::Unchanged;
    };
    QString resolveAlias() const;
    void load();

    Session *m_session;
    QString m_databaseName;
    QString m_tableName;
    QVector<Entry> m_fields;
    TableSchema m_loaded;
};

} // namespace platform

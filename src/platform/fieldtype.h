#pragma once

#include <QString>
#include <QVariant>

namespace platform {

// The field types a table can hold. They follow the types the stored tables
// were designed with; each maps to one storage class of the database backend.
enum class FieldType {
    String,    // text of a fixed maximum length (size)
    Memo,      // text of any length
    SmallInt,  // 16-bit integer
    Integer,   // 32-bit integer
    AutoInc,   // 32-bit integer numbered by the database
    Float,     // double
    Currency,  // double, shown as an amount
    Bcd,       // double with a fixed number of decimals (size)
    Date,
    Time,
    DateTime,
    Boolean,
    Graphic,   // picture bytes
    Blob,      // any bytes
};

bool isTextType(FieldType type);
bool isIntegerType(FieldType type);
bool isFloatType(FieldType type);
QString fieldTypeName(FieldType type);

struct FieldDef {
    QString name;
    FieldType type = FieldType::String;
    int size = 0;        // String: maximum length; Bcd: decimals
    QVariant defaultValue;  // applied to a new record

    bool operator==(const FieldDef &other) const = default;
};

} // namespace platform

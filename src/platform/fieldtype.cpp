#include "platform/fieldtype.h"

namespace platform {

bool isTextType(FieldType type)
{
    return type == FieldType::String || type == FieldType::Memo;
}

bool isIntegerType(FieldType type)
{
    return type == FieldType::SmallInt || type == FieldType::Integer || type == FieldType::AutoInc;
}

bool isFloatType(FieldType type)
{
    return type == FieldType::Float || type == FieldType::Currency || type == FieldType::Bcd;
}

QString fieldTypeName(FieldType type)
{
    switch (type) {
    case FieldType::String: return QStringLiteral("String");
    case FieldType::Memo: return QStringLiteral("Memo");
    case FieldType::SmallInt: return QStringLiteral("SmallInt");
    case FieldType::Integer: return QStringLiteral("Integer");
    case FieldType::AutoInc: return QStringLiteral("AutoInc");
    case FieldType::Float: return QStringLiteral("Float");
    case FieldType::Currency: return QStringLiteral("Currency");
    case FieldType::Bcd: return QStringLiteral("BCD");
    case FieldType::Date: return QStringLiteral("Date");
    case FieldType::Time: return QStringLiteral("Time");
    case FieldType::DateTime: return QStringLiteral("DateTime");
    case FieldType::Boolean: return QStringLiteral("Boolean");
    case FieldType::Graphic: return QStringLiteral("Graphic");
    case FieldType::Blob: return QStringLiteral("Blob");
    }
    return {};
}

} // namespace platform

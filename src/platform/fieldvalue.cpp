#include "platform/fieldvalue.h"

#include "platform/databaseerror.h"
#include "platform/localformat.h"

#include <cmath>
#include <limits>

namespace platform {

QString valueToText(FieldType type, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (type) {
    case FieldType::String:
    case FieldType::Memo:
        return value.toString();
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::AutoInc:
        return QString::number(value.toLongLong());
    case FieldType::Float:
    case FieldType::Currency:
    case FieldType::Bcd:
        return formatPlainNumber(value.toDouble());
    case FieldType::Date:
        return formatDate(value.toDate());
    case FieldType::Time:
        return formatTime(value.toTime());
    case FieldType::DateTime:
        return formatDateTime(value.toDateTime());
    case FieldType::Boolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case FieldType::Graphic:
    case FieldType::Blob:
        return QString::fromLatin1(value.toByteArray());
    }
    return value.toString();
}

namespace {

bool parseBoolean(const QString &text, bool *ok)
{
    const QString t = text.trimmed().toLower();
    static const QStringList yes = {QStringLiteral("true"), QStringLiteral("t"), QStringLiteral("1"),
                                    QStringLiteral("ja"), QStringLiteral("j"), QStringLiteral("wahr"),
                                    QStringLiteral("yes"), QStringLiteral("y"), QStringLiteral("w")};
    static const QStringList no = {QStringLiteral("false"), QStringLiteral("f"), QStringLiteral("0"),
                                   QStringLiteral("nein"), QStringLiteral("n"), QStringLiteral("falsch"),
                                   QStringLiteral("no")};
    *ok = true;
    if (yes.contains(t))
        return true;
    if (no.contains(t))
        return false;
    *ok = false;
    return false;
}

QVariant fail(bool *ok, QString *error, const QString &message)
{
    *ok = false;
    if (error)
        *error = message;
    return QVariant();
}

} // namespace

QVariant textToValue(const FieldDef &field, const QString &text, bool *ok, QString *error)
{
    *ok = true;
    if (field.type != FieldType::String && field.type != FieldType::Memo && text.trimmed().isEmpty())
        return QVariant();
    switch (field.type) {
    case FieldType::String: {
        if (text.isEmpty())
            return QVariant();
        return field.size > 0 && text.size() > field.size ? QVariant(text.left(field.size)) : QVariant(text);
    }
    case FieldType::Memo:
        return text.isEmpty() ? QVariant() : QVariant(text);
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::AutoInc: {
        bool good = false;
        const qlonglong v = text.trimmed().toLongLong(&good);
        const qlonglong lo = field.type == FieldType::SmallInt ? -32768 : std::numeric_limits<int>::min();
        const qlonglong hi = field.type == FieldType::SmallInt ? 32767 : std::numeric_limits<int>::max();
        if (!good || v < lo || v > hi)
            return fail(ok, error, QStringLiteral("'%1' ist kein gültiger Integerwert.").arg(text));
        return QVariant(static_cast<int>(v));
    }
    case FieldType::Float:
    case FieldType::Currency:
    case FieldType::Bcd: {
        bool good = false;
        const double v = parseNumber(text, &good);
        if (!good)
            return fail(ok, error, QStringLiteral("'%1' ist kein gültiger Gleitkommawert.").arg(text));
        return QVariant(v);
    }
    case FieldType::Date: {
        const QDate d = parseDate(text);
        if (!d.isValid())
            return fail(ok, error, QStringLiteral("'%1' ist kein gültiges Datum.").arg(text));
        return QVariant(d);
    }
    case FieldType::Time: {
        const QTime t = parseTime(text);
        if (!t.isValid())
            return fail(ok, error, QStringLiteral("'%1' ist keine gültige Zeit.").arg(text));
        return QVariant(t);
    }
    case FieldType::DateTime: {
        const QDateTime dt = parseDateTime(text);
        if (!dt.isValid())
            return fail(ok, error, QStringLiteral("'%1' ist kein gültiges Datum mit Uhrzeit.").arg(text));
        return QVariant(dt);
    }
    case FieldType::Boolean: {
        bool good = false;
        const bool v = parseBoolean(text, &good);
        if (!good)
            return fail(ok, error, QStringLiteral("'%1' ist kein gültiger Boolescher Wert.").arg(text));
        return QVariant(v);
    }
    case FieldType::Graphic:
    case FieldType::Blob:
        return QVariant(text.toLatin1());
    }
    return QVariant(text);
}

QVariant coerceValue(const FieldDef &field, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    const int typeId = value.metaType().id();
    switch (field.type) {
    case FieldType::String:
    case FieldType::Memo:
        if (typeId == QMetaType::QString) {
            const QString s = value.toString();
            if (s.isEmpty())
                return QVariant();
            if (field.type == FieldType::String && field.size > 0 && s.size() > field.size)
                return QVariant(s.left(field.size));
            return value;
        }
        break;
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::AutoInc:
        if (typeId == QMetaType::Int)
            return value;
        if (typeId == QMetaType::LongLong || typeId == QMetaType::UInt || typeId == QMetaType::Short
            || typeId == QMetaType::ULongLong || typeId == QMetaType::UShort)
            return QVariant(static_cast<int>(value.toLongLong()));
        if (typeId == QMetaType::Double || typeId == QMetaType::Float)
            return QVariant(static_cast<int>(std::llround(value.toDouble())));
        if (typeId == QMetaType::Bool)
            return QVariant(value.toBool() ? 1 : 0);
        break;
    case FieldType::Float:
    case FieldType::Currency:
    case FieldType::Bcd:
        if (typeId == QMetaType::Double)
            return value;
        if (typeId == QMetaType::Int || typeId == QMetaType::LongLong || typeId == QMetaType::Float
            || typeId == QMetaType::UInt)
            return QVariant(value.toDouble());
        break;
    case FieldType::Date:
        if (typeId == QMetaType::QDate)
            return value.toDate().isValid() ? value : QVariant();
        if (typeId == QMetaType::QDateTime)
            return QVariant(value.toDateTime().date());
        break;
    case FieldType::Time:
        if (typeId == QMetaType::QTime)
            return value;
        if (typeId == QMetaType::QDateTime)
            return QVariant(value.toDateTime().time());
        break;
    case FieldType::DateTime:
        if (typeId == QMetaType::QDateTime)
            return value;
        if (typeId == QMetaType::QDate)
            return QVariant(QDateTime(value.toDate(), QTime(0, 0)));
        break;
    case FieldType::Boolean:
        if (typeId == QMetaType::Bool)
            return value;
        if (typeId == QMetaType::Int || typeId == QMetaType::LongLong)
            return QVariant(value.toLongLong() != 0);
        break;
    case FieldType::Graphic:
    case FieldType::Blob:
        if (typeId == QMetaType::QByteArray)
            return value.toByteArray().isEmpty() ? QVariant() : value;
        break;
    }
    // Anything else goes through its text form.
    bool ok = false;
    QString error;
    const QString text = typeId == QMetaType::Double ? formatPlainNumber(value.toDouble()) : value.toString();
    QVariant converted = textToValue(field, text, &ok, &error);
    if (!ok)
        throw DatabaseError(error);
    return converted;
}

} // namespace platform

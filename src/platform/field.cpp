#include "platform/field.h"

#include "platform/dataset.h"
#include "platform/fieldvalue.h"
#include "platform/localformat.h"

#include <cmath>

namespace platform {

Field::Field(DataSet *dataSet, int index)
    : m_dataSet(dataSet)
    , m_index(index)
{
}

QString Field::fieldName() const
{
    return isValid() ? m_dataSet->fieldDef(m_index).name : QString();
}

FieldType Field::dataType() const
{
    return isValid() ? m_dataSet->fieldDef(m_index).type : FieldType::String;
}

int Field::size() const
{
    return isValid() ? m_dataSet->fieldDef(m_index).size : 0;
}

bool Field::isNull() const
{
    const QVariant v = value();
    return !v.isValid() || v.isNull();
}

void Field::clear()
{
    setValue(QVariant());
}

QVariant Field::value() const
{
    if (!isValid())
        throw DatabaseError(QStringLiteral("Ungültiges Feld."));
    return m_dataSet->value(m_index);
}

void Field::setValue(const QVariant &value)
{
    if (!isValid())
        throw DatabaseError(QStringLiteral("Ungültiges Feld."));
    m_dataSet->setValue(m_index, value);
}

QString Field::asString() const
{
    return valueToText(dataType(), value());
}

void Field::setAsString(const QString &text)
{
    const FieldDef &def = m_dataSet->fieldDef(m_index);
    bool ok = true;
    QString error;
    const QVariant v = textToValue(def, text, &ok, &error);
    if (!ok)
        throw DatabaseError(error);
    setValue(v);
}

int Field::asInteger() const
{
    const QVariant v = value();
    if (v.isNull() || !v.isValid())
        return 0;
    const FieldType t = dataType();
    if (isIntegerType(t))
        return v.toInt();
    if (isFloatType(t))
        return static_cast<int>(std::llround(v.toDouble()));
    if (t == FieldType::Boolean)
        return v.toBool() ? 1 : 0;
    const QString text = asString().trimmed();
    bool ok = false;
    const int i = text.toInt(&ok);
    if (!ok)
        throw DatabaseError(QStringLiteral("'%1' ist kein gültiger Integerwert.").arg(text));
    return i;
}

void Field::setAsInteger(int value)
{
    if (isTextType(dataType()))
        setValue(QString::number(value));
    else
        setValue(QVariant(value));
}

double Field::asFloat() const
{
    const QVariant v = value();
    if (v.isNull() || !v.isValid())
        return 0.0;
    const FieldType t = dataType();
    if (isIntegerType(t) || isFloatType(t))
        return v.toDouble();
    if (t == FieldType::Boolean)
        return v.toBool() ? 1.0 : 0.0;
    const QString text = asString();
    bool ok = false;
    const double d = parseNumber(text, &ok);
    if (!ok)
        throw DatabaseError(QStringLiteral("'%1' ist kein gültiger Gleitkommawert.").arg(text));
    return d;
}

void Field::setAsFloat(double value)
{
    if (isTextType(dataType()))
        setValue(formatPlainNumber(value));
    else
        setValue(QVariant(value));
}

QDate Field::asDate() const
{
    const QVariant v = value();
    if (v.isNull() || !v.isValid())
        return {};
    switch (dataType()) {
    case FieldType::Date: return v.toDate();
    case FieldType::DateTime: return v.toDateTime().date();
    default: return parseDate(asString());
    }
}

void Field::setAsDate(const QDate &value)
{
    if (isTextType(dataType()))
        setValue(formatDate(value));
    else
        setValue(value.isValid() ? QVariant(value) : QVariant());
}

QTime Field::asTime() const
{
    const QVariant v = value();
    if (v.isNull() || !v.isValid())
        return {};
    switch (dataType()) {
    case FieldType::Time: return v.toTime();
    case FieldType::DateTime: return v.toDateTime().time();
    default: return parseTime(asString());
    }
}

void Field::setAsTime(const QTime &value)
{
    if (isTextType(dataType()))
        setValue(formatTime(value));
    else
        setValue(value.isValid() ? QVariant(value) : QVariant());
}

QDateTime Field::asDateTime() const
{
    const QVariant v = value();
    if (v.isNull() || !v.isValid())
        return {};
    switch (dataType()) {
    case FieldType::DateTime: return v.toDateTime();
    case FieldType::Date: return QDateTime(v.toDate(), QTime(0, 0));
    case FieldType::Time: return QDateTime(QDate(1899, 12, 30), v.toTime());
    default: return parseDateTime(asString());
    }
}

void Field::setAsDateTime(const QDateTime &value)
{
    if (isTextType(dataType()))
        setValue(formatDateTime(value));
    else
        setValue(value.isValid() ? QVariant(value) : QVariant());
}

bool Field::asBoolean() const
{
    const QVariant v = value();
    if (v.isNull() || !v.isValid())
        return false;
    const FieldType t = dataType();
    if (t == FieldType::Boolean)
        return v.toBool();
    if (isIntegerType(t) || isFloatType(t))
        return v.toDouble() != 0.0;
    bool ok = true;
    QString error;
    const QVariant b = textToValue(FieldDef{fieldName(), FieldType::Boolean, 0, {}}, asString(), &ok, &error);
    if (!ok)
        throw DatabaseError(error);
    return b.toBool();
}

void Field::setAsBoolean(bool value)
{
    if (isTextType(dataType()))
        setValue(value ? QStringLiteral("True") : QStringLiteral("False"));
    else
        setValue(QVariant(value));
}

QByteArray Field::asBytes() const
{
    const QVariant v = value();
    if (v.isNull() || !v.isValid())
        return {};
    if (isTextType(dataType()))
        return v.toString().toUtf8();
    return v.toByteArray();
}

void Field::setAsBytes(const QByteArray &value)
{
    if (isTextType(dataType()))
        setValue(QString::fromUtf8(value));
    else
        setValue(value.isEmpty() ? QVariant() : QVariant(value));
}

} // namespace platform

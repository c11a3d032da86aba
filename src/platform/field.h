#pragma once

#include "platform/fieldtype.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>

namespace platform {

class DataSet;

// A field of a dataset's current record, read and written in any type.
// Conversions go through the field's text form where the types differ;
// text is cut to the field's size.
class Field
{
public:
    Field() = default;
    Field(DataSet *dataSet, int index);

    bool isValid() const { return m_dataSet && m_index >= 0; }
    int index() const { return m_index; }
    QString fieldName() const;
    FieldType dataType() const;
    int size() const;
    DataSet *dataSet() const { return m_dataSet; }

    bool isNull() const;
    void clear();
    QVariant value() const;
    void setValue(const QVariant &value);

    QString asString() const;
    void setAsString(const QString &text);
    int asInteger() const;
    void setAsInteger(int value);
    double asFloat() const;
    void setAsFloat(double value);
    double asCurrency() const { return asFloat(); }
    void setAsCurrency(double value) { setAsFloat(value); }
    QDate asDate() const;
    void setAsDate(const QDate &value);
    QTime asTime() const;
    void setAsTime(const QTime &value);
    QDateTime asDateTime() const;
    void setAsDateTime(const QDateTime &value);
    bool asBoolean() const;
    void setAsBoolean(bool value);
    QByteArray asBytes() const;
    void setAsBytes(const QByteArray &value);

private:
    DataSet *m_dataSet = nullptr;
    int m_index = -1;
};

} // namespace platform

#include "platform/fielddatalink.h"

#include "platform/localformat.h"

#include "platform/dataset.h"
#include "platform/field.h"
#include "platform/fieldvalue.h"

namespace platform {

FieldDataLink::FieldDataLink(QObject *parent)
    : QObject(parent)
{
}

void FieldDataLink::setDataSet(DataSet *dataSet)
{
    if (m_dataSet == dataSet)
        return;
    for (auto &connection : m_connections)
        disconnect(connection);
    m_dataSet = dataSet;
    if (dataSet) {
        m_connections[0] = connect(dataSet, &DataSet::recordChanged, this, [this] {
            if (!m_writing)
                emit dataChanged();
        });
        m_connections[1] = connect(dataSet, &DataSet::fieldChanged, this, &FieldDataLink::fieldChanged);
        m_connections[2] = connect(dataSet, &DataSet::stateChanged, this, &FieldDataLink::stateChanged);
        m_connections[3] = connect(dataSet, &DataSet::updatingRecord, this, [this] {
            if (isActive())
                emit updateData();
        });
        m_connections[4] = connect(dataSet, &QObject::destroyed, this, [this] {
            emit editingChanged();
            emit dataChanged();
        });
    }
    emit editingChanged();
    emit dataChanged();
}

void FieldDataLink::setFieldName(const QString &name)
{
    if (m_fieldName == name)
        return;
    m_fieldName = name;
    emit editingChanged();
    emit dataChanged();
}

void FieldDataLink::setReadOnly(bool readOnly)
{
    if (m_readOnly == readOnly)
        return;
    m_readOnly = readOnly;
    emit editingChanged();
}

bool FieldDataLink::isActive() const
{
    return fieldIndex() >= 0;
}

int FieldDataLink::fieldIndex() const
{
    if (!m_dataSet || !m_dataSet->isActive() || m_fieldName.isEmpty())
        return -1;
    return m_dataSet->fieldIndex(m_fieldName);
}

FieldDef FieldDataLink::fieldDef() const
{
    const int index = fieldIndex();
    return index >= 0 ? m_dataSet->fieldDef(index) : FieldDef();
}

int FieldDataLink::maxLength() const
{
    const int index = fieldIndex();
    if (index < 0)
        return 0;
    const FieldDef &def = m_dataSet->fieldDef(index);
    return def.type == FieldType::String ? def.size : 0;
}

bool FieldDataLink::canModify() const
{
    return isActive() && !m_readOnly && m_dataSet->canModify();
}

bool FieldDataLink::isEditing() const
{
    return m_dataSet && m_dataSet->isEditing();
}

QVariant FieldDataLink::value() const
{
    const int index = fieldIndex();
    return index >= 0 ? m_dataSet->value(index) : QVariant();
}

QString FieldDataLink::text() const
{
    const int index = fieldIndex();
    if (index < 0)
        return QString();
    const FieldType type = m_dataSet->fieldDef(index).type;
    const QVariant value = m_dataSet->value(index);
    if (!value.isNull() && (type == FieldType::Float || type == FieldType::Currency || type == FieldType::Bcd)) {
        if (m_decimals < 0)
            return formatEditNumber(value.toDouble()); // the decimals the grids show
        QLocale locale = workstationLocale();
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale.toString(value.toDouble(), 'f', m_decimals);
    }
    return valueToText(type, value);
}

bool FieldDataLink::edit()
{
    if (!canModify())
        return false;
    if (!m_dataSet->isEditing()) {
        // Entering edit state re-reads the record; the control keeps what the
        // user has just typed.
        const bool wasWriting = m_writing;
        m_writing = true;
        try {
            m_dataSet->edit();
        } catch (...) {
            m_writing = wasWriting;
            throw;
        }
        m_writing = wasWriting;
    }
    return m_dataSet->isEditing();
}

void FieldDataLink::setValue(const QVariant &value)
{
    const int index = fieldIndex();
    if (index < 0 || !m_dataSet->isEditing())
        return;
    m_writing = true;
    try {
        m_dataSet->setValue(index, value);
    } catch (...) {
        m_writing = false;
        throw;
    }
    m_writing = false;
}

void FieldDataLink::setText(const QString &text)
{
    const int index = fieldIndex();
    if (index < 0 || !m_dataSet->isEditing())
        return;
    m_writing = true;
    try {
        m_dataSet->field(index).setAsString(text);
    } catch (...) {
        m_writing = false;
        throw;
    }
    m_writing = false;
}

void FieldDataLink::stateChanged()
{
    emit editingChanged();
    if (!m_writing)
        emit dataChanged();
}

void FieldDataLink::fieldChanged(int index)
{
    if (!m_writing && index == fieldIndex())
        emit dataChanged();
}

} // namespace platform

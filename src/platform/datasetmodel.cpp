#include "platform/datasetmodel.h"

#include "platform/databaseerror.h"
#include "platform/dataset.h"
#include "platform/dialogservice.h"
#include "platform/fieldvalue.h"
#include "platform/localformat.h"

#include <QScopedValueRollback>

namespace platform {

DataSetModel::DataSetModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

DataSetModel::DataSetModel(DataSet *dataSet, const QVector<DataSetColumn> &columns, QObject *parent)
    : QAbstractTableModel(parent)
    , m_columns(columns)
{
    setDataSet(dataSet);
}

void DataSetModel::setDataSet(DataSet *dataSet)
{
    for (const auto &connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    m_dataSet = dataSet;
    if (dataSet) {
        m_connections = {
            connect(dataSet, &DataSet::dataSetChanged, this, &DataSetModel::reload),
            connect(dataSet, &DataSet::recordChanged, this, &DataSetModel::recordChanged),
            connect(dataSet, &DataSet::stateChanged, this, &DataSetModel::stateChanged),
            connect(dataSet, &DataSet::fieldChanged, this, &DataSetModel::fieldChanged),
            connect(dataSet, &QObject::destroyed, this, &DataSetModel::reload),
        };
    }
    reload();
}

void DataSetModel::setColumns(const QVector<DataSetColumn> &columns)
{
    m_columns = columns;
    reload();
}

void DataSetModel::addColumn(const QString &fieldName, const QString &caption, int width)
{
    m_columns.append({ fieldName, caption, width });
    reload();
}

int DataSetModel::columnWidth(int column) const
{
    return !m_columns.isEmpty() && column >= 0 && column < m_columns.size() ? m_columns.at(column).width : 0;
}

FieldType DataSetModel::columnType(int column) const
{
    const int field = fieldOf(column);
    return field >= 0 && m_dataSet && m_dataSet->isActive() ? m_dataSet->fieldDef(field).type : FieldType::String;
}

int DataSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int DataSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_fieldIndexes.size());
}

int DataSetModel::fieldOf(int column) const
{
    return column >= 0 && column < m_fieldIndexes.size() ? m_fieldIndexes.at(column) : -1;
}

const QVector<QVariant> &DataSetModel::row(int position) const
{
    if (m_cachedPosition != position) {
        // Views read rows while they paint: an error must not unwind through
        // their frames (nor open a dialog inside the painting).
        try {
            m_cachedRow = m_dataSet->rowAt(position);
        } catch (const DatabaseError &error) {
            m_cachedRow = QVector<QVariant>(m_dataSet->fieldCount());
            if (!m_readErrorShown) {
                m_readErrorShown = true;
                const QString message = error.message();
                QMetaObject::invokeMethod(
                    const_cast<DataSetModel *>(this), [message] { dialogs().error(message); }, Qt::QueuedConnection);
            }
        }
        m_cachedPosition = position;
    }
    return m_cachedRow;
}

QString DataSetModel::displayText(FieldType type, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    if (type == FieldType::Boolean)
        return value.toBool() ? QStringLiteral("Ja") : QStringLiteral("Nein");
    if (isFloatType(type))
        return formatDisplayNumber(value.toDouble());
    return valueToText(type, value);
}

QVariant DataSetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_dataSet || !m_dataSet->isActive() || index.row() >= m_rowCount)
        return {};
    const int field = fieldOf(index.column());
    if (field < 0)
        return {};
    const FieldType type = m_dataSet->fieldDef(field).type;
    switch (role) {
    case Qt::DisplayRole: {
        // The record being edited shows what has been typed so far.
        const bool edited
            = (m_dataSet->state() == DataSetState::Edit && index.row() == m_currentRow) || isInsertRow(index.row());
        const QVariant value = edited ? m_dataSet->value(field) : row(index.row()).value(field);
        return displayText(type, value);
    }
    case Qt::TextAlignmentRole:
        if (isIntegerType(type) || isFloatType(type))
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (type == FieldType::Boolean)
            return QVariant(Qt::AlignCenter);
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (!m_columns.isEmpty()) {
        if (section < 0 || section >= m_columns.size())
            return {};
        const DataSetColumn &column = m_columns.at(section);
        return column.caption.isEmpty() ? column.fieldName : column.caption;
    }
    const int field = fieldOf(section);
    return field >= 0 && m_dataSet ? m_dataSet->fieldDef(field).name : QString();
}

bool DataSetModel::isInsertRow(int row) const
{
    return m_inserting && row == m_rowCount - 1;
}

void DataSetModel::setCurrentRow(int row)
{
    if (!m_dataSet || !m_dataSet->isActive() || row < 0 || row >= m_rowCount || m_moving || isInsertRow(row))
        return;
    if (row == m_dataSet->currentPosition() && !m_dataSet->isEditing())
        return;
    m_dataSet->setRecNo(row + 1);
}

void DataSetModel::reload()
{
    beginResetModel();
    m_readErrorShown = false;
    m_cachedPosition = -1;
    m_cachedRow.clear();
    m_fieldIndexes.clear();
    m_rowCount = 0;
    const bool active = m_dataSet && m_dataSet->isActive();
    if (active) {
        if (m_columns.isEmpty()) {
            for (int i = 0; i < m_dataSet->fieldCount(); ++i)
                m_fieldIndexes.append(i);
        } else {
            // A column whose field the dataset lacks stays empty.
            for (const DataSetColumn &column : std::as_const(m_columns))
                m_fieldIndexes.append(m_dataSet->fieldIndex(column.fieldName));
        }
        m_rowCount = m_dataSet->recordCount();
        // A record being added is the last row until it is posted.
        m_inserting = m_dataSet->state() == DataSetState::Insert;
        if (m_inserting)
            ++m_rowCount;
    } else {
        m_inserting = false;
        for (int i = 0; i < m_columns.size(); ++i)
            m_fieldIndexes.append(-1);
    }
    m_wasActive = active;
    m_wasEditing = active && m_dataSet->isEditing();
    m_currentRow = -1;
    endResetModel();
    followCurrent();
}

void DataSetModel::followCurrent()
{
    int current = m_dataSet && m_dataSet->isActive() && m_rowCount > 0 ? m_dataSet->currentPosition() : -1;
    if (m_inserting)
        current = m_rowCount - 1;
    if (current == m_currentRow)
        return;
    const int previous = m_currentRow;
    m_currentRow = current;
    emitRowChanged(previous);
    emitRowChanged(current);
    QScopedValueRollback<bool> moving(m_moving, true);
    emit currentRowChanged(current);
}

void DataSetModel::emitRowChanged(int row)
{
    if (row >= 0 && row < m_rowCount && !m_fieldIndexes.isEmpty())
        emit dataChanged(index(row, 0), index(row, int(m_fieldIndexes.size()) - 1));
}

void DataSetModel::recordChanged()
{
    if (!m_dataSet || !m_dataSet->isActive()) {
        if (m_wasActive)
            reload();
        return;
    }
    // Rows may have come or gone without a dataSetChanged (another dataset
    // on the same table, a posted key change).
    if (m_dataSet->state() != DataSetState::Insert && m_dataSet->recordCount() != m_rowCount - (m_inserting ? 1 : 0)) {
        reload();
        return;
    }
    m_cachedPosition = -1;
    emitRowChanged(m_currentRow);
    followCurrent();
}

void DataSetModel::stateChanged()
{
    const bool active = m_dataSet && m_dataSet->isActive();
    const bool editing = active && m_dataSet->isEditing();
    // Leaving edit state may have moved the record (a changed key) or added
    // one; a reset re-reads only what is on screen.
    if (active != m_wasActive || (m_wasEditing && !editing)
        || (active && !m_inserting && m_dataSet->state() == DataSetState::Insert)) {
        reload();
        return;
    }
    m_wasEditing = editing;
    emitRowChanged(m_currentRow);
}

void DataSetModel::fieldChanged(int)
{
    emitRowChanged(m_currentRow);
}

} // namespace platform

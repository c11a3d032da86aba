#include "platform/datasetmodel.h"

#include "platform/databaseerror.h"
#include "platform/dataset.h"
#include "platform/dialogservice.h"
#include "platform/fieldvalue.h"
#include "platform/localformat.h"

#include <QScopedValueRollback>

namespace platform {

namespace {
// Rows read on each side of the current record while positions are not
// known: a few screens of a grid.
constexpr int AroundReach = 64;
// Rows from an end of those at which a view settles the positions.
constexpr int EndMargin = 4;
} // namespace

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
    if (m_provisional)
        return m_aroundValues.at(position);
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
    if (m_provisional) {
        if (row == m_currentRow && !m_dataSet->isEditing())
            return;
        if (!m_dataSet->gotoBookmark(Bookmark { m_aroundIds.at(row), {} }))
            reload(); // the record has gone meanwhile
        return;
    }
    if (row == m_dataSet->currentPosition() && !m_dataSet->isEditing())
        return;
    m_dataSet->setRecNo(row + 1);
}

void DataSetModel::setPositionsOnDemand(bool on)
{
    if (m_onDemand == on)
        return;
    m_onDemand = on;
    if (!on)
        settlePositions();
}

bool DataSetModel::readAround()
{
    const DataSet::RowsAround around = m_dataSet->rowsAround(AroundReach);
    if (around.current < 0 || (around.atFirst && around.atLast))
        return false;
    m_aroundIds = around.rowIds;
    m_aroundValues = around.values;
    m_aroundAtFirst = around.atFirst;
    m_aroundAtLast = around.atLast;
    m_rowCount = int(m_aroundIds.size());
    return true;
}

bool DataSetModel::nearUnknownEnd(int first, int last) const
{
    if (!m_provisional)
        return false;
    return (!m_aroundAtFirst && first < EndMargin) || (!m_aroundAtLast && last >= m_rowCount - EndMargin);
}

void DataSetModel::settlePositions()
{
    if (!m_provisional)
        return;
    const bool onDemand = m_onDemand;
    m_onDemand = false;
    reload();
    m_onDemand = onDemand;
}

void DataSetModel::reload()
{
    beginResetModel();
    m_readErrorShown = false;
    m_cachedPosition = -1;
    m_cachedRow.clear();
    m_fieldIndexes.clear();
    m_rowCount = 0;
    m_provisional = false;
    m_aroundIds.clear();
    m_aroundValues.clear();
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
        // A record being added is the last row until it is posted.
        m_inserting = m_dataSet->state() == DataSetState::Insert;
        m_provisional = m_onDemand && !m_inserting && readAround();
        if (!m_provisional) {
            m_rowCount = m_dataSet->recordCount();
            if (m_inserting)
                ++m_rowCount;
        }
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
    int current = -1;
    if (m_provisional) {
        current = int(m_aroundIds.indexOf(m_dataSet->currentRowId()));
        if (current < 0) {
            // The record moved beyond the rows known: the rows around it.
            reload();
            return;
        }
    } else if (m_dataSet && m_dataSet->isActive() && m_rowCount > 0) {
        current = m_dataSet->currentPosition();
    }
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
    if (m_provisional) {
        // The current record as read now; the rows around it are read again
        // when they are left.
        if (!m_dataSet->isEditing() && m_currentRow >= 0 && m_currentRow < m_aroundValues.size()
            && m_aroundIds.at(m_currentRow) == m_dataSet->currentRowId()) {
            QVector<QVariant> &values = m_aroundValues[m_currentRow];
            for (int i = 0; i < values.size() && i < m_dataSet->fieldCount(); ++i)
                values[i] = m_dataSet->value(i);
        }
        emitRowChanged(m_currentRow);
        followCurrent();
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

#include "masterdata/redrowmodel.h"

#include <QColor>

namespace masterdata {

RedRowModel::RedRowModel(
    platform::DataSet *dataSet, const QVector<platform::DataSetColumn> &columns, const QString &field, QObject *parent)
    : platform::DataSetModel(dataSet, columns, parent)
    , m_field(field)
{
}

QVariant RedRowModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::ForegroundRole)
        return platform::DataSetModel::data(index, role);
    platform::DataSet *set = dataSet();
    if (!index.isValid() || !set || !set->isActive())
        return {};
    const int field = set->fieldIndex(m_field);
    if (field < 0)
        return {};
    const bool editedRow = set->state() == platform::DataSetState::Edit && index.row() == currentRow();
    const bool red = editedRow ? set->value(field).toBool() : set->rowAt(index.row()).value(field).toBool();
    return QColor(red ? Qt::red : Qt::blue);
}

} // namespace masterdata

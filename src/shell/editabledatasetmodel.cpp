#include "shell/editabledatasetmodel.h"

#include "platform/databaseerror.h"
#include "platform/dialogservice.h"
#include "platform/field.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>

namespace shell {

QString EditableDataSetModel::fieldName(int column) const
{
    if (!columns().isEmpty())
        return column >= 0 && column < columns().size() ? columns().at(column).fieldName : QString();
    platform::DataSet *set = dataSet();
    return set && set->isActive() && column >= 0 && column < set->fieldCount() ? set->fieldDef(column).name : QString();
}

bool EditableDataSetModel::isReadOnlyColumn(int column) const
{
    const QString field = fieldName(column);
    return field.isEmpty() || m_readOnly.contains(field, Qt::CaseInsensitive);
}

Qt::ItemFlags EditableDataSetModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = DataSetModel::flags(index);
    if (index.isValid() && !isReadOnlyColumn(index.column()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant EditableDataSetModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::EditRole)
        role = Qt::DisplayRole;
    return DataSetModel::data(index, role);
}

bool EditableDataSetModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    platform::DataSet *set = dataSet();
    if (role != Qt::EditRole || !index.isValid() || isReadOnlyColumn(index.column()) || !set || !set->isActive())
        return false;
    const QString text = value.toString();
    // An editor closed without a change leaves the record alone.
    if (text == DataSetModel::data(index, Qt::DisplayRole).toString())
        return true;
    try {
        if (set->currentPosition() != index.row())
            setCurrentRow(index.row());
        if (!set->isEditing())
            set->edit();
        set->fieldByName(fieldName(index.column())).setAsString(text);
    } catch (const platform::DatabaseError &error) {
        platform::dialogs().error(error.message());
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

void finishCellEditing(QAbstractItemView *view, bool keep)
{
    // The view's editors are the direct children of its viewport; its commit
    // and close steps are protected slots, reached through the meta-object.
    const auto editors = view->viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *editor : editors) {
        if (keep)
            QMetaObject::invokeMethod(view, "commitData", Q_ARG(QWidget *, editor));
        QMetaObject::invokeMethod(view, "closeEditor", Q_ARG(QWidget *, editor),
            Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
    }
}

} // namespace shell

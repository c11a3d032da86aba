#pragma once

#include "platform/datasetmodel.h"

#include <QStringList>

class QAbstractItemView;

namespace shell {

// A grid model whose cells the user edits in place: a changed cell puts its
// record into edit state and writes the text into the field; the record is
// posted when the dataset moves on or the window posts it. A text that is no
// value of the field is refused with the dataset's German message.
class EditableDataSetModel : public platform::DataSetModel
{
    Q_OBJECT
public:
    using DataSetModel::DataSetModel;

    // Columns on these fields are shown only.
    void setReadOnlyFields(const QStringList &fields) { m_readOnly = fields; }
    bool isReadOnlyColumn(int column) const;
    // The field of a column ("" when there is none).
    QString fieldName(int column) const;

    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    QStringList m_readOnly;
};

// Ends an open cell editor of the view: its text goes into the record when
// kept, else it is dropped.
void finishCellEditing(QAbstractItemView *view, bool keep);

} // namespace shell

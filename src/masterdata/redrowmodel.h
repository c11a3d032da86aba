#pragma once

#include "platform/datasetmodel.h"

namespace masterdata {

// Grid rows in red when a Boolean field of theirs is true, in blue
// otherwise (countries with single notification); the selected row keeps
// the highlight colours of the grid.
class RedRowModel : public platform::DataSetModel
{
    Q_OBJECT
public:
    RedRowModel(platform::DataSet *dataSet, const QVector<platform::DataSetColumn> &columns, const QString &field,
        QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QString m_field;
};

} // namespace masterdata

#pragma once

#include "platform/datasetmodel.h"

namespace orders {

// How a column of an order list shows its numbers and where it aligns them.
struct ColumnLook {
    QString format; // "#,##0.#", "0.000", "0.0"; empty: the plain number
    Qt::Alignment alignment; // empty: numbers right, texts left
};

// The grid model of the order lists: a dataset model whose columns may
// format numbers with a display format and align their cells.
class OrderListModel : public platform::DataSetModel
{
    Q_OBJECT
public:
    OrderListModel(platform::DataSet *dataSet, const QVector<platform::DataSetColumn> &columns,
        const QVector<ColumnLook> &looks, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QVector<ColumnLook> m_looks;
};

// A number in a display format of the kind "#,##0.00": a comma asks for
// group separators, each 0 after the point for a decimal always shown,
// each # for one shown when it is not 0.
QString formatWithPattern(double value, const QString &pattern);

} // namespace orders

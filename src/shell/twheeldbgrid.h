#pragma once

#include "platform/datasetmodel.h"

#include <QPointer>
#include <QTableView>

namespace shell {

// The data grid of registers, search dialogs and master-data windows: a
// read-only table with row selection over a DataSetModel. Its selection
// follows the dataset's current record and choosing a row moves the
// dataset; one wheel step moves the dataset one record (towards the user:
// the next), whatever the wheel's step size.
class TWheelDBGrid : public QTableView
{
    Q_OBJECT
public:
    explicit TWheelDBGrid(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    platform::DataSetModel *dataSetModel() const { return m_model; }

protected:
    void wheelEvent(QWheelEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void showCurrentRow(int row);
    void applyColumnWidths();
    // A model that knows only the rows around the current record counts
    // them when the scroll bar is taken or the view nears their end; the
    // rows on screen stay where they are.
    void settlePositions();
    void settleNearEnd();

    QPointer<platform::DataSetModel> m_model;
    QVector<QMetaObject::Connection> m_connections;
    bool m_following = false;
    bool m_settleQueued = false;
};

} // namespace shell

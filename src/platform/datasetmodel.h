#pragma once

#include "platform/dataset.h"
#include <QAbstractTableModel>
#include <QPointer>
#include <QVector>

namespace platform {

// A column of a grid: the field, its title (the field name when empty) and
// its width in pixels (0: the view's default).
struct DataSetColumn {
    QString fieldName;
    QString caption;
    int width = 0;
};

// A dataset as a table for grids. Rows are the dataset's rows in its current
// order, read one at a time with rowAt() when the view shows them, so a
// grid over 100,000 records reads only what is on screen. The model follows
// the dataset's current record (currentRowChanged) and moves it when a row
// is chosen (setCurrentRow). A record being added is shown as the last row
// and is the current row until it is posted or cancelled. Without columns it
// shows every field.
class DataSetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit DataSetModel(QObject *parent = nullptr);
    DataSetModel(DataSet *dataSet, const QVector<DataSetColumn> &columns, QObject *parent = nullptr);

    void setDataSet(DataSet *dataSet);
    DataSet *dataSet() const { return m_dataSet; }
    void setColumns(const QVector<DataSetColumn> &columns);
    void addColumn(const QString &fieldName, const QString &caption = {}, int width = 0);
    const QVector<DataSetColumn> &columns() const { return m_columns; }
    int columnWidth(int column) const;
    // The type of a column's field; String when the column shows no field.
    FieldType columnType(int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A field's value as a grid shows it: numbers with decimals in the
    // workstation's format ("1.255,00"), Booleans "Ja" and "Nein", dates
    // "dd.MM.yyyy", everything else as the field's text.
    static QString displayText(FieldType type, const QVariant &value);

    // The row of the dataset's current record, -1 when there is none.
    int currentRow() const { return m_currentRow; }
    // Makes the row the dataset's current record.
    void setCurrentRow(int row);

    // Positions on demand, for grids over many records: the model starts
    // with the rows around the current record (a few screens) and counts
    // the records and places the current one only when the view needs it
    // (settlePositions: the scroll bar taken, the view near the end of
    // those rows), so that showing it costs the same over any number of
    // records. A view that holds every record is exact from the start.
    void setPositionsOnDemand(bool on);
    // Rows are the records' true positions and rowCount() their number.
    bool positionsSettled() const { return !m_provisional; }
    void settlePositions();
    // Whether rows first .. last come near an end of the rows known that is
    // not an end of the records (the view should settle the positions).
    bool nearUnknownEnd(int first, int last) const;

signals:
    void currentRowChanged(int row);

private:
    void reload();
    void recordChanged();
    void stateChanged();
    void fieldChanged(int index);
    void followCurrent();
    int fieldOf(int column) const;
    const QVector<QVariant> &row(int position) const;
    void emitRowChanged(int row);

    QPointer<DataSet> m_dataSet;
    QVector<DataSetColumn> m_columns;
    QVector<int> m_fieldIndexes; // per shown column
    QVector<QMetaObject::Connection> m_connections;
    int m_rowCount = 0;
    int m_currentRow = -1;
    bool m_wasActive = false;
    bool m_wasEditing = false;
    bool m_moving = false;
    bool m_inserting = false; // the last row is the record being added
    bool isInsertRow(int row) const;
    // Reads the rows around the current record; false when they are all.
    bool readAround();
    bool m_onDemand = false;
    bool m_provisional = false; // rows are m_aroundIds, not positions
    QVector<qint64> m_aroundIds;
    QVector<QVector<QVariant>> m_aroundValues;
    bool m_aroundAtFirst = false;
    bool m_aroundAtLast = false;
    // The row read last: a view asks for every column of a row in turn.
    mutable int m_cachedPosition = -1;
    mutable QVector<QVariant> m_cachedRow;
    // A row that could not be read while a view painted: its message is shown
    // once, after the painting, and the row stays empty.
    mutable bool m_readErrorShown = false;
};

} // namespace platform

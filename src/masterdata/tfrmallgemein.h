#pragma once

#include <QDialog>

class QPushButton;

namespace platform {
class DataSet;
class DataSetModel;
}

namespace shell {
class TWheelDBGrid;
}

namespace masterdata {

// "Übernahme": the general pick list over a data set of the caller (a table
// of the shared data module, for instance): every field, a row indicator,
// "Abbrechen" and "Übernehmen". Enter, a double click and "Übernehmen" take
// the current row, Escape cancels. After Accepted the caller reads the
// current record of its data set.
class TfrmAllgemein : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAllgemein(QWidget *parent = nullptr);

    void setDataSet(platform::DataSet *dataSet);

    shell::TWheelDBGrid *DBGrid1;
    QPushButton *BitBtn2; // "Abbrechen"
    QPushButton *BitBtn1; // "Übernehmen"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool handleKey(QKeyEvent *event);

    platform::DataSetModel *m_model;
};

} // namespace masterdata

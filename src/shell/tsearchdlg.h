#pragma once

#include "platform/datasetmodel.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace shell {

class TWheelDBGrid;

// The search-as-you-type dialog of some registers. It owns no table: the
// caller lends it its head dataset for the grid and installs its own routine
// (its SearchAsYouType) as the change action of Edit1, which moves the
// caller's table to the nearest match on every keystroke.
class TSearchDlg : public QDialog
{
    Q_OBJECT
public:
    using SearchRoutine = std::function<void(TSearchDlg &)>;

    explicit TSearchDlg(QWidget *parent = nullptr);

    void setDataSet(platform::DataSet *dataSet, const QVector<platform::DataSetColumn> &columns = {});
    void setSearchRoutine(SearchRoutine routine);

    bool byNumber() const; // "nach Beleg-Nr." chosen
    QString searchText() const;

    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QLineEdit *Edit1;
    TWheelDBGrid *DBGrid1;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void edit1Changed();

    platform::DataSetModel *m_model = nullptr;
    SearchRoutine m_routine;
};

} // namespace shell

#pragma once

#include "platform/datasetmodel.h"
#include "platform/filtercondition.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;
class QToolButton;

namespace shell {

class RadioGroup;
class TWheelDBGrid;

// The search window "Stammdaten-Suche" of the registers and master-data
// windows. It owns no table: the caller lends it its dataset for the grid,
// adds its search keys to RadioGroup1 and installs its own search routine
// (its SuchenRoutine) as the action of "Suchen", which reads Edit1 and the
// chosen key and filters the caller's table.
//
//     TfrmSuche frmSuche(this);
//     frmSuche.setDataSet(&tbKunden, columns);
//     frmSuche.RadioGroup1->setItems({"Nummer", "Name"});
//     frmSuche.setSearchRoutine([this](TfrmSuche &dlg) { SuchenRoutine(dlg); });
//     if (frmSuche.exec() == QDialog::Accepted) ...
class TfrmSuche : public QDialog
{
    Q_OBJECT
public:
    using SearchRoutine = std::function<void(TfrmSuche &)>;

    explicit TfrmSuche(QWidget *parent = nullptr);

    // The grid shows the caller's dataset; all fields when no columns are given.
    void setDataSet(platform::DataSet *dataSet, const QVector<platform::DataSetColumn> &columns = {});
    void setSearchRoutine(SearchRoutine routine);

    // The search text and the chosen key (-1: none).
    QString searchText() const;
    int searchKey() const;

    RadioGroup *RadioGroup1;
    QLineEdit *Edit1;
    QToolButton *SpeedButton3;
    QPushButton *BtnUebernehmen;
    QPushButton *BtnAbbruch;
    TWheelDBGrid *DBGrid1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void search();
    void edit1Changed(const QString &text);

    platform::DataSetModel *m_model = nullptr;
    SearchRoutine m_routine;
};

// The number search of the registers: an exact match of the number typed,
// read from at most its first 11 characters. A text that is no whole number
// matches no document.
platform::FilterCondition numberSearchCondition(const QString &field, const QString &text);
// The name search: the field begins with the text, case ignored (a '*' the
// user typed at the end changes nothing).
platform::FilterCondition nameSearchCondition(const QString &field, const QString &text);
// The same with the letter case as typed: "Mül" finds "Müller", not "müller".
platform::FilterCondition caseSensitiveNameSearchCondition(const QString &field, const QString &text);

} // namespace shell

#pragma once

#include <QDialog>

class QPushButton;

namespace platform {
class Table;
}

namespace shell {
class EditableDataSetModel;
class TWheelDBGrid;
}

namespace masterdata {

// "Übersetzungen": the fixed texts of the order print in the five
// languages, edited in the grid; the keys are shown only. "OK" keeps the
// row being edited, "Abbruch" drops its change (rows left earlier were
// stored when the grid moved on).
class Tfrmuebersetzungen : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrmuebersetzungen(QWidget *parent = nullptr);

    platform::Table &table() const { return *m_table; }
    shell::TWheelDBGrid *DBGrid1;
    shell::EditableDataSetModel *model() const { return m_model; }
    QPushButton *btnOK;
    QPushButton *btnAbbruch;

    void done(int result) override;

private:
    platform::Table *m_table;
    shell::EditableDataSetModel *m_model;
};

} // namespace masterdata

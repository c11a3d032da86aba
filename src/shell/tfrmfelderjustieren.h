#pragma once

#include <QDialog>
#include <QStringList>

class QPushButton;

namespace platform {
class Table;
}

namespace shell {

class EditableDataSetModel;
class TWheelDBGrid;

// "Felder Justieren": the corrections of single boxes of one form in an
// editable grid. TfrmDrucker opens it on its own S_FelderJust table,
// filtered to the form's row. "OK" posts the pending change, "Abbrechen"
// drops it.
class TfrmFelderJustieren : public QDialog
{
    Q_OBJECT
public:
    TfrmFelderJustieren(platform::Table &corrections, const QString &rowName, QWidget *parent = nullptr);

    TWheelDBGrid *DBGrid1 = nullptr;
    QPushButton *BtnOK = nullptr;
    QPushButton *BtnAbbrechen = nullptr;

    // The names of the boxes of a form, box 1 first; empty for a form
    // without named boxes.
    static QStringList boxNames(const QString &rowName);

protected:
    void done(int result) override;

private:
    platform::Table &m_corrections;
    EditableDataSetModel *m_model = nullptr;
};

} // namespace shell

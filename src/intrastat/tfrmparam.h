#pragma once

#include <QDialog>

#include <memory>

class QPushButton;

namespace platform {
class DataEdit;
class Table;
}

namespace intrastat {

// A valid name of the statistics file: a letter or an underscore, then
// letters, digits or underscores.
bool isValidFileName(const QString &name);
// "\" name \" ist kein gültiger Dateiname !"
QString invalidFileNameMessage(const QString &name);

// "Parameter Intrastat-Daten - Export": the two file names of the
// statistics file in the parameter record, dispatches and arrivals. It
// closes only by "Abbrechen" (changes dropped) or by "OK" with two valid
// names (posted).
class Tfrmparam : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrmparam(QWidget *parent = nullptr);
    ~Tfrmparam() override;

    platform::Table &table() { return *m_table; }
    // The file name of the direction without extension.
    QString fileName(bool isDispatch);

    void okClicked();
    void cancelClicked();

    platform::DataEdit *DBEdit1 = nullptr; // Dateinamen: dispatches
    platform::DataEdit *DBEdit2 = nullptr; // Dateinamen2: arrivals
    QPushButton *BtnOK = nullptr;
    QPushButton *BtnAbbrechen = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<platform::Table> m_table;
    bool m_closing = false;
};

// The dialog of the statistics-file window while it exists.
extern Tfrmparam *frmparam;

} // namespace intrastat

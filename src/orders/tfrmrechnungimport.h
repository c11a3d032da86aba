#pragma once

#include "masterdata/exchangefiles.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace masterdata {
class ExchangeTable;
class TfrmDatenbank;
}

namespace platform {
class Table;
}

namespace shell {
class TWheelDBGrid;
}

namespace orders {

// "Stammdaten Import !          * Rechnung *": orders travel between
// installations as a pair of files, the heads and the positions, in the
// format of the chooser. Above the orders and the positions of the current
// one; below the two files once they are opened.
class TfrmRechnungimport : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmRechnungimport(masterdata::TfrmDatenbank *chooser, QWidget *parent = nullptr);
    ~TfrmRechnungimport() override;

    // Opens tbRechnung and tbArtikel.
    void openTables();

    platform::Table &tbRechnung() const { return *m_orders; }
    platform::Table &tbArtikel() const { return *m_positions; }
    masterdata::ExchangeTable &tbImport() const { return *m_headFile; }
    masterdata::ExchangeTable &tbImport2() const { return *m_positionFile; }
    shell::TWheelDBGrid *headFileGrid() const { return m_headGrid; }
    shell::TWheelDBGrid *positionFileGrid() const { return m_positionGrid; }
    QLineEdit *headFileName() const { return m_headName; }
    QLineEdit *positionFileName() const { return m_positionName; }
    QProgressBar *progressBar() const { return m_progress; }
    QPushButton *importButton() const { return m_import; }
    QPushButton *exportButton() const { return m_export; }
    QString headPath() const { return m_headPath; }
    QString positionPath() const { return m_positionPath; }

    // "Datenbank &öffnen": the head file, then the position file.
    void openDatabase();
    // "&Datenbankformat "
    void chooseFormat();
    // "Importieren": the files chosen, from a start number the clerk gives.
    void importData();
    // "Exportieren": every order into a new head file and position file.
    void exportData();

private:
    masterdata::ExchangeFormat chosenFormat() const;
    // The format a file is read or written in: delimited text as chosen,
    // any other by the file's name.
    masterdata::ExchangeFormat formatOf(const QString &path) const;
    void showFile(const QString &path, masterdata::ExchangeTable &table, QLineEdit *name, QWidget *grid);
    void hideFile(masterdata::ExchangeTable &table, QLineEdit *name, QWidget *grid);
    // Writes the content into a file the clerk names (a failure is shown).
    void exportInto(const QString &caption, const masterdata::TableContent &content, masterdata::ExchangeTable &table,
        QLineEdit *name, QWidget *grid);
    void showProgress(int done, int total);

    masterdata::TfrmDatenbank *m_chooser;
    platform::Table *m_orders;
    platform::Table *m_positions;
    masterdata::ExchangeTable *m_headFile;
    masterdata::ExchangeTable *m_positionFile;
    shell::TWheelDBGrid *m_headGrid;
    shell::TWheelDBGrid *m_positionGrid;
    QLineEdit *m_headName;
    QLineEdit *m_positionName;
    QProgressBar *m_progress;
    QPushButton *m_import;
    QPushButton *m_export;
    QString m_headPath;
    QString m_positionPath;
    masterdata::ExchangeFileFilter m_filter;
};

// The order register's "&Daten-Import": the format kept under
// "Rechnung-Import" (the chooser first when none is), the window, and the
// format kept again afterwards.
void showInvoiceImport(QWidget *parent = nullptr);

} // namespace orders

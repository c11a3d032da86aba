#pragma once

#include "masterdata/exchangefiles.h"
#include "masterdata/masterdataexchange.h"
#include "masterdata/tablecontent.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QMenuBar;
class QProgressBar;
class QPushButton;

namespace platform {
class DataSetModel;
class Table;
}

namespace shell {
class TWheelDBGrid;
}

namespace masterdata {

class TfrmDatenbank;
struct ExchangeKind;

// What the import windows of master data and orders share: the menu
// "Datenbank &öffnen", "&Datenbankformat ", "&Schließen" (it closes the
// window) and the buttons "Importieren" and "Exportieren", each calling the
// window's routine.
struct ExchangeCommands {
    std::function<void()> openDatabase;
    std::function<void()> chooseFormat;
    std::function<void()> importData;
    std::function<void()> exportData;
};
struct ExchangeControls {
    QMenuBar *menuBar;
    QPushButton *importButton;
    QPushButton *exportButton;
};
ExchangeControls createExchangeControls(QDialog *window, const ExchangeCommands &commands);

// The import and export window of customers, articles and goods numbers:
// the master table above, the file opened below. "Importieren" writes the
// file's rows into the master table (all of them or, when anything is
// wrong, none); "Exportieren" writes the master table into a new file. The
// format is the chooser's.
class TfrmKundenImport : public QDialog
{
    Q_OBJECT
public:
    TfrmKundenImport(TfrmDatenbank *chooser, QWidget *parent = nullptr);
    ~TfrmKundenImport() override;

    // Which master table the window serves: 1 customers, 2 articles,
    // 3 goods numbers.
    void setTag(int tag);
    int tag() const { return m_tag; }
    void setMasterTable(const QString &table, const QString &order);
    void openMasterTable();

    platform::Table &masterTable() const { return *m_master; }
    ExchangeTable &sourceTable() const { return *m_source; }
    shell::TWheelDBGrid *masterGrid() const { return m_masterGrid; }
    shell::TWheelDBGrid *sourceGrid() const { return m_sourceGrid; }
    QLineEdit *fileNameField() const { return m_fileName; }
    QProgressBar *progressBar() const { return m_progress; }
    QPushButton *importButton() const { return m_import; }
    QPushButton *exportButton() const { return m_export; }
    QString fileName() const { return m_path; }

    // "Datenbank &öffnen": chooses the file; a table format is read and
    // shown below, delimited text is read by "Importieren".
    void openDatabase();
    // "&Datenbankformat "
    void chooseFormat();
    void importData();
    void exportData();

private:
    int format() const;
    void showProgress(int done, int total);
    void showSource(const TableContent &content);
    // A reader of the file in a table format (CSV as delimited text).
    std::unique_ptr<TableReader> openSource(ExchangeFormat format, const QString &path) const;

    TfrmDatenbank *m_chooser;
    int m_tag = 0;
    platform::Table *m_master;
    platform::DataSetModel *m_masterModel;
    ExchangeTable *m_source;
    platform::DataSetModel *m_sourceModel;
    shell::TWheelDBGrid *m_masterGrid;
    shell::TWheelDBGrid *m_sourceGrid;
    QLabel *m_masterLabel;
    QLineEdit *m_fileName;
    QProgressBar *m_progress;
    QPushButton *m_import;
    QPushButton *m_export;
    QString m_path; // the file chosen last
    bool m_sourceOpen = false; // a table format read into the lower grid
    ExchangeFileFilter m_filter;
};

// "Daten-&Import" of the customer, article and goods-number windows: the
// format stored under the kind's key (the chooser first when there is
// none), then the import window; the format is stored again afterwards.
void showMasterDataImport(const ExchangeKind &kind, QWidget *parent = nullptr);

} // namespace masterdata

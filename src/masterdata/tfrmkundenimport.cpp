#include "masterdata/tfrmkundenimport.h"

#include "masterdata/dbasefile.h"
#include "masterdata/delimitedtext.h"
#include "masterdata/exchangefiles.h"
#include "masterdata/fixedtextfile.h"
#include "masterdata/masterdataexchange.h"
#include "masterdata/paradoxfile.h"
#include "masterdata/tfrmdatenbank.h"
#include "platform/datasetmodel.h"
#include "platform/dialogservice.h"
#include "platform/reportedcall.h"
#include "platform/table.h"
#include "shell/buttonlook.h"
#include "shell/settings.h"
#include "shell/twheeldbgrid.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace masterdata {

std::unique_ptr<TableReader> TfrmKundenImport::openSource(ExchangeFormat format, const QString &path) const
{
    return openTableFile(format, path, m_chooser->delimiter(), m_chooser->separator());
}

ExchangeControls createExchangeControls(QDialog *window, const ExchangeCommands &commands)
{
    auto *menuBar = new QMenuBar(window);
    QObject::connect(menuBar->addAction(QStringLiteral("Datenbank &öffnen")), &QAction::triggered, window,
        platform::reported(window, commands.openDatabase));
    QObject::connect(menuBar->addAction(QStringLiteral("&Datenbankformat ")), &QAction::triggered, window,
        platform::reported(window, commands.chooseFormat));
    QObject::connect(menuBar->addAction(QStringLiteral("&Schließen")), &QAction::triggered, window, &QDialog::reject);
    auto *importButton = new QPushButton(QStringLiteral("Importieren"), window);
    importButton->setObjectName(QStringLiteral("btnImport"));
    auto *exportButton = new QPushButton(QStringLiteral("Exportieren"), window);
    exportButton->setObjectName(QStringLiteral("btnExport"));
    for (QPushButton *button : { importButton, exportButton }) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    QObject::connect(importButton, &QPushButton::clicked, window, platform::reported(window, commands.importData));
    QObject::connect(exportButton, &QPushButton::clicked, window, platform::reported(window, commands.exportData));
    return { menuBar, importButton, exportButton };
}

TfrmKundenImport::TfrmKundenImport(TfrmDatenbank *chooser, QWidget *parent)
    : QDialog(parent)
    , m_chooser(chooser)
{
    setObjectName(QStringLiteral("frmKundenImport"));
    setSizeGripEnabled(true);

    const ExchangeControls controls = createExchangeControls(this,
        { [this] { openDatabase(); }, [this] { chooseFormat(); }, [this] { importData(); }, [this] { exportData(); } });
    m_import = controls.importButton;
    m_export = controls.exportButton;

    m_master = new platform::Table(this);
    m_master->setObjectName(QStringLiteral("Table1"));
    m_master->setDatabaseName(platform::Alias::Data);
    m_masterModel = new platform::DataSetModel(m_master, {}, this);
    m_masterLabel = new QLabel(QStringLiteral("Programm-Interne Kunden-Datenbank"), this);
    m_masterGrid = new shell::TWheelDBGrid(this);
    m_masterGrid->setObjectName(QStringLiteral("DBGrid1"));
    m_masterGrid->setModel(m_masterModel);

    m_source = new ExchangeTable(this);
    m_source->setObjectName(QStringLiteral("Table2"));
    m_sourceModel = new platform::DataSetModel(m_source, {}, this);
    m_sourceGrid = new shell::TWheelDBGrid(this);
    m_sourceGrid->setObjectName(QStringLiteral("DBGrid2"));
    m_sourceGrid->setModel(m_sourceModel);
    m_sourceGrid->hide();

    m_fileName = new QLineEdit(this);
    m_fileName->setObjectName(QStringLiteral("Edit1"));
    m_fileName->setReadOnly(true);
    m_fileName->hide();
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setValue(0);
    m_progress->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_progress, 1);
    buttons->addWidget(m_import);
    buttons->addWidget(m_export);
    auto *main = new QVBoxLayout(this);
    main->setMenuBar(controls.menuBar);
    main->addWidget(m_masterLabel);
    main->addWidget(m_masterGrid, 1);
    main->addWidget(m_fileName);
    main->addWidget(m_sourceGrid, 1);
    main->addLayout(buttons);
    resize(800, 560);
    shell::applyRaisedButtonLook(this);
}

TfrmKundenImport::~TfrmKundenImport() = default;

void TfrmKundenImport::setTag(int tag)
{
    m_tag = tag;
}

void TfrmKundenImport::setMasterTable(const QString &table, const QString &order)
{
    m_master->close();
    m_master->setTableName(table);
    m_master->setIndexFieldNames(order);
}

void TfrmKundenImport::openMasterTable()
{
    m_master->open();
}

int TfrmKundenImport::format() const
{
    return m_chooser ? m_chooser->format() : int(ExchangeFormat::None);
}

void TfrmKundenImport::chooseFormat()
{
    if (m_chooser)
        m_chooser->exec();
}

void TfrmKundenImport::showProgress(int done, int total)
{
    m_progress->setRange(0, std::max(total, 1));
    m_progress->setValue(done);
    // Long runs keep the window drawn; the user cannot start anything else.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmKundenImport::showSource(const TableContent &content)
{
    m_source->setContent(content);
    m_sourceOpen = true;
    m_sourceGrid->show();
    m_fileName->setText(m_path);
    m_fileName->show();
}

void TfrmKundenImport::openDatabase()
{
    const auto chosen = ExchangeFormat(format());
    if (chosen == ExchangeFormat::None)
        platform::dialogs().error(noFormatMessage());
    const QString filter = m_filter.filterFor(chosen);
    const QString path = platform::dialogs().openFileName(QStringLiteral("Öffnen"), filter, QFileInfo(m_path).path());
    if (path.isEmpty())
        return;
    m_path = path;
    if (chosen == ExchangeFormat::None || chosen == ExchangeFormat::DelimitedText) {
        // Delimited text is read when it is imported.
        m_source->close();
        m_sourceOpen = false;
        m_sourceGrid->hide();
        m_fileName->setText(m_path);
        m_fileName->show();
        return;
    }

    m_source->close();
    m_sourceOpen = false;
    try {
        showSource(readTableFile(chosen, path, m_chooser->delimiter(), m_chooser->separator()));
    } catch (const ExchangeFileError &error) {
        m_sourceGrid->hide();
        platform::dialogs().error(error.message());
    }
}

void TfrmKundenImport::importData()
{
    const auto chosen = ExchangeFormat(format());
    if (chosen == ExchangeFormat::None) {
        platform::dialogs().error(noFormatMessage());
        return;
    }
    const bool delimited = chosen == ExchangeFormat::DelimitedText;
    if (m_path.isEmpty() || (!delimited && !m_sourceOpen)) {
        platform::dialogs().error(
            QStringLiteral("Es ist keine Datei geöffnet.\rBitte wählen Sie die Datei mit \"Datenbank öffnen\"!"));
        return;
    }
    MasterDataImport importer(exchangeKind(m_tag));
    importer.progress = [this](int done, int total) { showProgress(done, total); };
    m_progress->setValue(0);
    m_progress->show();
    // The file is read again as it is imported, a record at a time.
    try {
        if (delimited) {
            importer.importDelimitedFile(m_path, m_chooser->delimiter(), m_chooser->separator());
        } else {
            const std::unique_ptr<TableReader> source = openSource(chosen, m_path);
            importer.importFile(*source, chosen == ExchangeFormat::DBase ? DBaseFile::FieldNameLength : 0);
        }
    } catch (const ExchangeFileError &error) {
        platform::dialogs().error(error.message());
    }
    m_progress->hide();
    m_master->refresh();
}

void TfrmKundenImport::exportData()
{
    const auto chosen = ExchangeFormat(format());
    if (chosen == ExchangeFormat::Csv) {
        platform::dialogs().information(QStringLiteral("Diese Option ist leider noch nicht verfügbar!"));
        return;
    }
    if (chosen == ExchangeFormat::None) {
        // Without a format there is nothing the file could be written as.
        platform::dialogs().error(noFormatMessage());
        return;
    }
    QString path = platform::dialogs().saveFileName(
        QStringLiteral("Speichern unter"), m_filter.filterFor(chosen), QFileInfo(m_path).path());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + ExchangeFileFilter::extension(chosen);

    if (m_master->isEditing())
        m_master->post();
    const TableContent content = tableContent(*m_master);
    try {
        writeTableFile(chosen, path, content, m_chooser->delimiter(), m_chooser->separator());
        m_path = path;
        // Delimited text is shown when it is imported.
        if (chosen != ExchangeFormat::DelimitedText)
            showSource(readTableFile(chosen, path, m_chooser->delimiter(), m_chooser->separator()));
    } catch (const ExchangeFileError &error) {
        platform::dialogs().error(error.message());
    }
}

void showMasterDataImport(const ExchangeKind &kind, QWidget *parent)
{
    TfrmDatenbank chooser(parent);
    TfrmKundenImport window(&chooser, parent);
    loadExchangeFormat(chooser, kind.iniKey);
    window.setWindowTitle(kind.caption);
    window.setMasterTable(kind.table, kind.order);
    window.setTag(kind.tag);
    window.openMasterTable();
    window.exec();
    storeExchangeFormat(chooser, kind.iniKey);
}

} // namespace masterdata

#include "orders/tfrmrechnungimport.h"

#include "masterdata/dbasefile.h"
#include "masterdata/delimitedtext.h"
#include "masterdata/masterdataexchange.h"
#include "masterdata/tablecontent.h"
#include "masterdata/tfrmdatenbank.h"
#include "masterdata/tfrmkundenimport.h"
#include "orders/invoiceexchange.h"
#include "orders/ordertables.h"
#include "platform/datasetmodel.h"
#include "platform/dialogservice.h"
#include "platform/table.h"
#include "shell/buttonlook.h"
#include "shell/tfrmmain.h"
#include "shell/twheeldbgrid.h"
#include "shell/waitcursor.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace orders {

using masterdata::ExchangeFileError;
using masterdata::ExchangeFormat;
using masterdata::ExchangeTable;

namespace {

const QString NumberField = QStringLiteral("Belegnr");
const QString IniKey = QStringLiteral("Rechnung-Import");

shell::TWheelDBGrid *grid(const QString &name, platform::DataSet *set, QWidget *parent)
{
    auto *view = new shell::TWheelDBGrid(parent);
    view->setObjectName(name);
    view->setModel(new platform::DataSetModel(set, {}, view));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return view;
}

QLineEdit *nameField(const QString &name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    return edit;
}

int nameLength(ExchangeFormat format)
{
    return format == ExchangeFormat::DBase ? masterdata::DBaseFile::FieldNameLength : 0;
}

} // namespace

TfrmRechnungimport::TfrmRechnungimport(masterdata::TfrmDatenbank *chooser, QWidget *parent)
    : QDialog(parent)
    , m_chooser(chooser)
{
    setObjectName(QStringLiteral("frmRechnungimport"));
    setWindowTitle(QStringLiteral("Stammdaten Import !          * Rechnung *"));
    setSizeGripEnabled(true);

    const masterdata::ExchangeControls controls = masterdata::createExchangeControls(this,
        { [this] { openDatabase(); }, [this] { chooseFormat(); }, [this] { importData(); }, [this] { exportData(); } });
    m_import = controls.importButton;
    m_export = controls.exportButton;

    m_orders = new platform::Table(platform::Alias::Data, Tables::Orders, this);
    m_orders->setObjectName(QStringLiteral("tbRechnung"));
    m_orders->setIndexFieldNames(NumberField);
    m_positions = new platform::Table(platform::Alias::Data, Tables::Positions, this);
    m_positions->setObjectName(QStringLiteral("tbArtikel"));
    m_positions->setMasterSource(m_orders, NumberField, NumberField);
    m_headFile = new ExchangeTable(this);
    m_headFile->setObjectName(QStringLiteral("tbImport"));
    m_positionFile = new ExchangeTable(this);
    m_positionFile->setObjectName(QStringLiteral("tbImport2"));

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->hide();
    auto *title = new QLabel(QStringLiteral("Programm-Interne Datenbanken"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    m_headName = nameField(QStringLiteral("Edit1"), this);
    m_positionName = nameField(QStringLiteral("Edit2"), this);
    m_headGrid = grid(QStringLiteral("DBGrid3"), m_headFile, this);
    m_positionGrid = grid(QStringLiteral("DBGrid4"), m_positionFile, this);
    for (QWidget *hidden : std::initializer_list<QWidget *> { m_headName, m_positionName, m_headGrid, m_positionGrid })
        hidden->hide();

    auto *tables = new QHBoxLayout;
    tables->addWidget(grid(QStringLiteral("DBGrid1"), m_orders, this), 1);
    tables->addWidget(grid(QStringLiteral("DBGrid2"), m_positions, this), 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_import);
    buttons->addWidget(m_export);
    buttons->addStretch(1);
    auto *files = new QHBoxLayout;
    for (auto [name, view] :
        { std::pair<QWidget *, QWidget *> { m_headName, m_headGrid }, { m_positionName, m_positionGrid } }) {
        auto *column = new QVBoxLayout;
        column->addWidget(name);
        column->addWidget(view, 1);
        files->addLayout(column, 1);
    }
    auto *main = new QVBoxLayout(this);
    main->setMenuBar(controls.menuBar);
    main->addWidget(m_progress);
    main->addWidget(title);
    main->addLayout(tables, 1);
    main->addLayout(buttons);
    main->addLayout(files, 1);
    resize(1000, 640);
    shell::applyRaisedButtonLook(this);
}

TfrmRechnungimport::~TfrmRechnungimport() = default;

void TfrmRechnungimport::openTables()
{
    m_orders->open();
    m_positions->open();
}

ExchangeFormat TfrmRechnungimport::chosenFormat() const
{
    return m_chooser ? ExchangeFormat(m_chooser->format()) : ExchangeFormat::None;
}

ExchangeFormat TfrmRechnungimport::formatOf(const QString &path) const
{
    const ExchangeFormat chosen = chosenFormat();
    return chosen == ExchangeFormat::DelimitedText ? chosen : masterdata::formatOfFile(path, chosen);
}

void TfrmRechnungimport::chooseFormat()
{
    if (m_chooser)
        m_chooser->exec();
}

void TfrmRechnungimport::showFile(const QString &path, ExchangeTable &table, QLineEdit *name, QWidget *view)
{
    name->setText(QDir::toNativeSeparators(path));
    name->show();
    table.close();
    view->hide();
    // Delimited text is read when it is imported.
    const ExchangeFormat format = formatOf(path);
    if (format == ExchangeFormat::DelimitedText)
        return;
    try {
        table.setContent(masterdata::readTableFile(format, path, m_chooser->delimiter(), m_chooser->separator()));
        view->show();
    } catch (const ExchangeFileError &error) {
        platform::dialogs().error(error.message());
    }
}

void TfrmRechnungimport::hideFile(ExchangeTable &table, QLineEdit *name, QWidget *view)
{
    table.close();
    name->clear();
    name->hide();
    view->hide();
}

void TfrmRechnungimport::openDatabase()
{
    const ExchangeFormat chosen = chosenFormat();
    if (chosen == ExchangeFormat::None)
        platform::dialogs().error(masterdata::noFormatMessage());
    const QString filter = m_filter.filterFor(chosen);
    const QString heads
        = platform::dialogs().openFileName(QStringLiteral("Öffnen   *Rechnung*"), filter, QFileInfo(m_headPath).path());
    if (heads.isEmpty())
        return;
    m_headPath = heads;
    m_positionPath
        = platform::dialogs().openFileName(QStringLiteral("Öffnen   *Artikel*"), filter, QFileInfo(heads).path());
    showFile(m_headPath, *m_headFile, m_headName, m_headGrid);
    if (m_positionPath.isEmpty())
        hideFile(*m_positionFile, m_positionName, m_positionGrid);
    else
        showFile(m_positionPath, *m_positionFile, m_positionName, m_positionGrid);
}

void TfrmRechnungimport::showProgress(int done, int total)
{
    m_progress->setRange(0, std::max(total, 1));
    m_progress->setValue(done);
    // Long runs keep the window drawn; the user cannot start anything else.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmRechnungimport::importData()
{
    const QString choose = QStringLiteral("\rBitte wählen Sie die Dateien mit \"Datenbank öffnen\"!");
    if (m_headPath.isEmpty()) {
        platform::dialogs().error(QStringLiteral("Es ist keine Rechnungs-Datei gewählt.") + choose);
        return;
    }
    if (m_positionPath.isEmpty()) {
        platform::dialogs().error(QStringLiteral("Es ist keine Artikel-Datei gewählt.") + choose);
        return;
    }
    const ExchangeFormat headFormat = formatOf(m_headPath);
    const ExchangeFormat positionFormat = formatOf(m_positionPath);
    if (headFormat == ExchangeFormat::None || positionFormat == ExchangeFormat::None) {
        platform::dialogs().error(masterdata::noFormatMessage());
        return;
    }

    shell::WaitCursor wait;
    std::unique_ptr<InvoiceImport> import;
    try {
        const QChar delimiter = m_chooser->delimiter();
        const QChar separator = m_chooser->separator();
        import
            = std::make_unique<InvoiceImport>(masterdata::openTableFile(headFormat, m_headPath, delimiter, separator),
                nameLength(headFormat), masterdata::openTableFile(positionFormat, m_positionPath, delimiter, separator),
                nameLength(positionFormat));
    } catch (const ExchangeFileError &error) {
        wait.restore();
        platform::dialogs().error(error.message());
        return;
    }
    if (!import->structureFits()) {
        wait.restore();
        platform::dialogs().error(masterdata::structureMismatchMessage());
        return;
    }

    wait.restore();
    const platform::InputResult answer = platform::dialogs().inputBox(shell::TfrmMain::applicationTitle(),
        QStringLiteral("Rechnungen Importieren ab BelegNr."), proposedStartNumber());
    if (!answer.accepted)
        return;
    int start = 0;
    if (!validStartNumber(answer.text, &start)) {
        platform::dialogs().error(invalidStartNumberMessage());
        return;
    }

    wait.show();
    import->progress = [this](int done, int total) { showProgress(done, total);
};
m_progress->setValue(0);
m_progress->show();
import->importFrom(start);
m_progress->hide();
m_orders->refresh();
m_positions->refresh();
}

void TfrmRechnungimport::exportInto(const QString &caption, const masterdata::TableContent &content,
    ExchangeTable &table, QLineEdit *name, QWidget *view)
{
    const ExchangeFormat chosen = chosenFormat();
    QString path = platform::dialogs().saveFileName(caption, m_filter.filterFor(chosen), QFileInfo(m_headPath).path());
    if (path.isEmpty())
        return;
    const QString extension = masterdata::ExchangeFileFilter::extension(chosen);
    if (QFileInfo(path).suffix().isEmpty() && !extension.isEmpty())
        path += QLatin1Char('.') + extension;
    try {
        shell::WaitCursor wait;
        const ExchangeFormat format = formatOf(path);
        masterdata::writeTableFile(format, path, content, m_chooser->delimiter(), m_chooser->separator());
        if (format != ExchangeFormat::DelimitedText)
            showFile(path, table, name, view);
    } catch (const ExchangeFileError &error) {
        platform::dialogs().error(error.message());
        return;
    }
}

void TfrmRechnungimport::exportData()
{
    if (chosenFormat() == ExchangeFormat::None) {
        platform::dialogs().error(masterdata::noFormatMessage());
        return;
    }
    // The positions are asked for also when the heads were not written.
    exportInto(QStringLiteral("Speichern unter   *Rechnung*"), exportedOrders(), *m_headFile, m_headName, m_headGrid);
    exportInto(QStringLiteral("Speichern unter   *Artikel*"), exportedPositions(), *m_positionFile, m_positionName,
        m_positionGrid);
}

void showInvoiceImport(QWidget *parent)
{
    std::optional<shell::WaitCursor> wait(std::in_place);
    masterdata::TfrmDatenbank chooser(parent);
    TfrmRechnungimport window(&chooser, parent);
    wait.reset();
    masterdata::loadExchangeFormat(chooser, IniKey);
    window.openTables();
    window.exec();
    masterdata::storeExchangeFormat(chooser, IniKey);
}

} // namespace orders

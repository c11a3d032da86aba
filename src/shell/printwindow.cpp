#include "shell/printwindow.h"

#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/printcanvas.h"
#include "platform/printerservice.h"
#include "platform/table.h"
#include "shell/buttonlook.h"
#include "shell/conversion.h"
#include "shell/failedsave.h"
#include "shell/mainstate.h"
#include "shell/pdfreport.h"
#include "shell/printsettings.h"
#include "shell/radiogroup.h"
#include "shell/reportedcall.h"
#include "shell/settings.h"
#include "shell/tfrmdrucker.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>

namespace shell {

using platform::PrinterService;
using platform::Table;

void SheetJob::forEachItem(const std::function<void(int k)> &action) const
{
    Table *items = window.positions();
    if (!items || !items->isActive())
        return;
    const SheetItems &spread = window.definition().sheets.at(sheet).items;
    const int first = spread.firstItem(page);
    const int last = spread.lastItem(page);
    items->first();
    if (items->eof() || (first > 1 && items->moveBy(first - 1) < first - 1))
        return;
    for (int k = 0; first + k <= last && !items->eof(); ++k) {
        action(k);
        items->next();
    }
}

void SheetJob::beginPage()
{
    if (painter.canvas().printing()) {
        painter.canvas().endDoc();
        ++page;
    }
    window.beginJob(*this);
}

PrintWindow::PrintWindow(PrintWindowDefinition definition, QWidget *parent)
    : DocumentPrintWindow(parent)
    , m_definition(std::move(definition))
{
    setObjectName(m_definition.objectName);
    setWindowTitle(m_definition.caption);
    buildWindow();
    applyRaisedButtonLook(this);

    m_settings = std::make_unique<Table>(platform::Alias::User, PrintSettingsTable);
    m_settings->setFilterCaseInsensitive(true);
    watchFailedSaves(*m_settings);
    m_settings->open();
    prepareSettings();

    m_head = std::make_unique<Table>(platform::Alias::Data, m_definition.headTable);
    watchFailedSaves(*m_head);
    m_head->open();
    if (!m_definition.positionTable.isEmpty()) {
        m_positions = std::make_unique<Table>(platform::Alias::Data, m_definition.positionTable);
        watchFailedSaves(*m_positions);
        m_positions->setMasterSource(m_head.get(), m_definition.positionLinkField);
        m_positions->open();
    }
    choosePrinter();
    showCopies();
}

PrintWindow::~PrintWindow() = default;

void PrintWindow::buildWindow()
{
    auto *layout = new QVBoxLayout(this);
    auto *menuBar = new QMenuBar(this);
    m_menuBar = menuBar;
    QMenu *printerMenu = menuBar->addMenu(m_definition.printerMenu);
    acEinrichten = printerMenu->addAction(m_definition.setupCommand);
    acEinrichten->setObjectName(QStringLiteral("acEinrichten"));
    acEinstellen = printerMenu->addAction(m_definition.administrationCommand);
    acEinstellen->setObjectName(QStringLiteral("acEinstellen"));
    connect(acEinrichten, &QAction::triggered, this, [this] { runReported(this, [this] { printerSetup(); }); });
    connect(
        acEinstellen, &QAction::triggered, this, [this] { runReported(this, [this] { printerAdministration(); }); });
    layout->setMenuBar(menuBar);

    auto *info = new QGridLayout;
    info->addWidget(new QLabel(QStringLiteral("BelegNr. :"), this), 0, 0);
    m_number = new QLabel(this);
    m_number->setObjectName(QStringLiteral("lblBelegNr"));
    info->addWidget(m_number, 0, 1);
    info->addWidget(new QLabel(QStringLiteral("Anzahl Kopien : "), this), 1, 0);
    m_copies = new QLabel(this);
    m_copies->setObjectName(QStringLiteral("lblAnzahlKopien"));
    info->addWidget(m_copies, 1, 1);
    info->setColumnStretch(1, 1);
    layout->addLayout(info);

    for (const PrintSheet &sheet : std::as_const(m_definition.sheets)) {
        QCheckBox *box = nullptr;
        if (!sheet.checkBox.isEmpty()) {
            box = new QCheckBox(sheet.checkBox, this);
            box->setChecked(sheet.checkedAtStart);
            layout->addWidget(box);
        }
        m_sheetBoxes.append(box);
    }

    if (!m_definition.paperChoices.isEmpty()) {
        m_paper = new RadioGroup(QStringLiteral("Ausdruck auf"), this);
        m_paper->setObjectName(QStringLiteral("rgAusdruckAuf"));
        m_paper->setItems(m_definition.paperChoices);
        const int form = m_definition.paperChoices.indexOf(PaperForm);
        m_paper->setItemIndex(form >= 0 ? form : 0);
        layout->addWidget(m_paper);
    }

    if (m_definition.orientation) {
        m_orientation = new RadioGroup(QString(), this);
        m_orientation->setObjectName(QStringLiteral("RadioGroup1"));
        m_orientation->setItems({ QStringLiteral("Hoch-Format"), QStringLiteral("Quer-Format") });
        // 2 or more is landscape, a negative value leaves neither chosen.
        bool ok = false;
        int stored = IniReadString(m_definition.orientation->iniKey, QStringLiteral("1")).trimmed().toInt(&ok);
        if (!ok)
            stored = 1;
        const int item = stored < 0 ? -1 : std::min(stored, 1);
        m_orientation->setItemIndex(item);
        // The choice made here is written back as every choice is.
        IniWriteString(m_definition.orientation->iniKey, QString::number(item));
        connect(m_orientation, &RadioGroup::itemClicked, this, [this](int chosen) {
            runReported(
                this, [this, chosen] { IniWriteString(m_definition.orientation->iniKey, QString::number(chosen)); });
        });
        layout->addWidget(m_orientation);
    }

    m_controls = new QVBoxLayout;
    layout->addLayout(m_controls);
    if (m_definition.layoutChoice) {
        const LayoutChoice &choice = *m_definition.layoutChoice;
        m_layout = new RadioGroup(choice.title, this);
        m_layout->setObjectName(choice.objectName);
        m_layout->setItems(choice.items);
        bool ok = false;
        const int stored = IniReadString(choice.iniKey, QStringLiteral("-1")).trimmed().toInt(&ok);
        m_layout->setItemIndex(ok && stored >= 0 && stored < choice.items.size() ? stored : -1);
        connect(m_layout, &RadioGroup::itemClicked, this, [this](int item) {
            runReported(this, [this, item] {
                const LayoutChoice &choice = *m_definition.layoutChoice;
                IniWriteString(choice.iniKey, QString::number(item));
                if (choice.chosen)
                    choice.chosen(item);
            });
        });
        m_controls->addWidget(m_layout);
    }

    if (m_definition.pageChoice) {
        m_pages = new RadioGroup(QString(), this);
        m_pages->setObjectName(QStringLiteral("RadioGroup1"));
        m_pages->setItems(
            { QStringLiteral("Alles"), QStringLiteral("Druck von Seite bis Seite :"), QStringLiteral("Seite :") });
        m_pages->setItemIndex(0);
        const auto pageEdit = [this](const QString &name) {
            auto *edit = new QLineEdit(this);
            edit->setObjectName(name);
            edit->setMaximumWidth(50);
            return edit;
        };
        m_firstPage = pageEdit(QStringLiteral("Edit2"));
        m_lastPage = pageEdit(QStringLiteral("Edit3"));
        m_singlePage = pageEdit(QStringLiteral("Edit4"));
        m_singlePage->setText(QStringLiteral("1"));
        auto *row = new QHBoxLayout;
        row->addWidget(m_pages, 1);
        auto *edits = new QVBoxLayout;
        auto *range = new QHBoxLayout;
        range->addWidget(m_firstPage);
        range->addWidget(m_lastPage);
        edits->addStretch();
        edits->addLayout(range);
        edits->addWidget(m_singlePage);
        row->addLayout(edits);
        layout->addLayout(row);
        connect(m_pages, &RadioGroup::itemClicked, this, [this] { showPageEdits(); });
        showPageEdits();
    }

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    BtnOK = new QPushButton(m_definition.okCaption, this);
    BtnAbbruch = new QPushButton(m_definition.cancelCaption, this);
    BtnOK->setAutoDefault(false);
    BtnAbbruch->setAutoDefault(false);
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnAbbruch);
    layout->addLayout(buttons);
    connect(BtnOK, &QPushButton::clicked, this, [this] { runReported(this, [this] { printDocument(); }); });
    connect(BtnAbbruch, &QPushButton::clicked, this, reported(this, [this] { cancelPrint(); }));

    if (!m_definition.printingText.isEmpty()) {
        m_printing = new QLabel(m_definition.printingText, this);
        m_printing->setObjectName(QStringLiteral("lblDruck"));
        m_printing->hide();
        layout->addWidget(m_printing);
    }
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, m_definition.progressMaximum);
    m_progress->hide();
    layout->addWidget(m_progress);

    auto *statusBar = new QStatusBar(this);
    statusBar->setSizeGripEnabled(false);
    m_status = new QLabel(statusBar);
    statusBar->addWidget(m_status, 1);
    layout->addWidget(statusBar);
    resize(m_definition.size);
}

void PrintWindow::prepareSettings()
{
    for (const auto &[oldName, newName] : std::as_const(m_definition.renamedRows))
        renamePrintRow(*m_settings, oldName, newName);
    // A user directory made before a form existed lacks its row.
    const QString printer = m_definition.createsMissingRows ? m_definition.newRowPrinter : QStringLiteral("-1");
    for (const PrintSheet &sheet : std::as_const(m_definition.sheets))
        addMissingPrintRow(*m_settings, sheet.row, printer);
}

QString PrintWindow::printerRow() const
{
    if (m_definition.sheets.isEmpty())
        return {};
    const int sheet = m_definition.printerSheet;
    return m_definition.sheets.at(sheet >= 0 && sheet < m_definition.sheets.size() ? sheet : 0).row;
}

void PrintWindow::choosePrinter()
{
    if (m_definition.sheets.isEmpty())
        return;
    const QString mainRow = printerRow();
    if (findPrintRow(*m_settings, mainRow) && m_definition.rowsChoosePrinter) {
        const QString schnittst = m_settings->fieldByName(QStringLiteral("schnittst")).asString();
        // The printer is found by the name remembered for the row; a printer
        // that is gone asks for a printer as "none" does.
        if (resolvePrinterIndex(mainRow, schnittst) < 0) {
            platform::dialogs().information(NoPrinterChosenMessage);
            if (m_definition.noPrinter == NoPrinterStep::PrinterSetup)
                printerSetup();
            else
                printerAdministration();
            if (!findPrintRow(*m_settings, mainRow))
                return;
        }
        const int index = resolvePrinterIndex(mainRow, m_settings->fieldByName(QStringLiteral("schnittst")).asString());
        if (index >= 0) {
            PrinterService::instance().setCurrentIndex(index);
            // The row's place follows its printer when the list has changed.
            if (m_settings->fieldByName(QStringLiteral("schnittst")).asString().trimmed() != QString::number(index)) {
                m_settings->edit();
                m_settings->fieldByName(QStringLiteral("schnittst")).setAsString(QString::number(index));
                m_settings->post();
            }
            if (rememberedPrinter(mainRow).isEmpty())
                rememberPrinter(mainRow, index);
        }
    }
    showPrinter();
}

bool choosePrinterInSetup()
{
    auto &printers = PrinterService::instance();
    const int chosen = platform::dialogs().printerSetup(printers.printerNames(), printers.currentIndex());
    if (chosen < 0)
        return false;
    printers.setCurrentIndex(chosen);
    return true;
}

bool confirmedOk(const QString &text)
{
    return platform::dialogs().confirmation(text, platform::DialogButtons::OkCancel) == platform::DialogAnswer::Ok;
}

void PrintWindow::printerSetup()
{
    auto &printers = PrinterService::instance();
    if (!choosePrinterInSetup() && m_definition.setupStoresOnlyWhenConfirmed)
        return;
    const QString index = QString::number(printers.currentIndex());
    for (const PrintSheet &sheet : std::as_const(m_definition.sheets)) {
        if (!findPrintRow(*m_settings, sheet.row))
            continue;
        m_settings->edit();
        m_settings->fieldByName(QStringLiteral("schnittst")).setAsString(index);
        m_settings->post();
        rememberPrinter(sheet.row, printers.currentIndex());
    }
    rereadMainRow();
    showPrinter();
}

void PrintWindow::printerAdministration()
{
    {
        TfrmDrucker administration(this);
        if (!m_definition.administrationPattern.isEmpty())
            administration.filterRows(m_definition.administrationPattern);
        else if (!m_definition.sheets.isEmpty())
            findPrintRow(administration.tbbenutz(), printerRow());
        if (m_definition.prepareAdministration)
            m_definition.prepareAdministration(administration);
        const int result = administration.exec();
        if (m_definition.administrationDone)
            m_definition.administrationDone(result);
    }
    rereadMainRow();
    showPrinter();
}

void PrintWindow::rereadMainRow()
{
    // Corrections and copies changed elsewhere take effect now.
    m_settings->refresh();
    if (!m_definition.sheets.isEmpty())
        findPrintRow(*m_settings, printerRow());
    showCopies();
}

void PrintWindow::showPrinter()
{
    m_status->setText(QStringLiteral("Drucker: ") + PrinterService::instance().currentPrinterName());
}

void PrintWindow::showCopies()
{
    const bool onRow = m_settings->isActive() && !m_settings->isEmpty();
    m_copies->setText(onRow ? m_settings->fieldByName(QStringLiteral("Anzahl_Kopien")).asString() : QString());
}

bool PrintWindow::findDocument(int number)
{
    const bool found = m_head->findKey({ number });
    m_number->setText(found ? m_head->field(0).asString() : QString());
    return found;
}

QCheckBox *PrintWindow::sheetCheckBox(int sheet) const
{
    return sheet >= 0 && sheet < m_sheetBoxes.size() ? m_sheetBoxes.at(sheet) : nullptr;
}

bool PrintWindow::blankPaper() const
{
    return m_paper && m_paper->itemIndex() >= 0 && m_paper->items().at(m_paper->itemIndex()) == PaperBlank;
}

QString PrintWindow::statusText() const
{
    return m_status->text();
}

QString PrintWindow::numberText() const
{
    return m_number->text();
}

QString PrintWindow::copiesText() const
{
    return m_copies->text();
}

int PrintWindow::pageCount()
{
    if (m_definition.pageChoice && m_definition.pageChoice->sheets) {
        const int items = m_positions && m_positions->isActive() ? m_positions->recordCount() : 0;
        return m_definition.pageChoice->sheets->pageCount(items);
    }
    const int perPage = m_definition.pageChoice ? std::max(1, m_definition.pageChoice->itemsPerPage) : 1;
    const int items = m_positions && m_positions->isActive() ? m_positions->recordCount() : 0;
    return (items + perPage - 1) / perPage;
}

void PrintWindow::showPageChoice()
{
    if (!m_pages)
        return;
    const int pages = pageCount();
    m_firstPage->setText(QStringLiteral("1"));
    m_lastPage->setText(QString::number(pages));
    m_pages->setTitle(QStringLiteral("Mögliche Seiten 1 - ") + QString::number(pages) + QStringLiteral(". "));
}

void PrintWindow::showPageEdits()
{
    const int item = m_pages->itemIndex();
    m_firstPage->setVisible(item == 1);
    m_lastPage->setVisible(item == 1);
    m_singlePage->setVisible(item == 2);
}

QVector<int> PrintWindow::chosenPages()
{
    QVector<int> pages;
    if (!m_pages)
        return { 1 };
    const int count = pageCount();
    const int perPage = std::max(1, m_definition.pageChoice->itemsPerPage);
    const int items = m_positions && m_positions->isActive() ? m_positions->recordCount() : 0;
    const std::optional<SheetItems> &sheets = m_definition.pageChoice->sheets;
    // Whether the page carries the last position (or lies beyond it).
    const auto carriesLast = [&](int page) { return (sheets ? sheets->lastItem(page) : page * perPage) >= items; };
    switch (m_pages->itemIndex()) {
    case 1: {
        const int first = toWholeNumber(m_firstPage->text());
        const int last = toWholeNumber(m_lastPage->text());
        for (int page = first; page <= last; ++page) {
            pages.append(page);
            if (carriesLast(page))
                break;
        }
        break;
    }
    case 2: {
        const int page = toWholeNumber(m_singlePage->text());
        if (items > 0 || sheets)
            pages.append(page);
        break;
    }
    default:
        for (int page = 1; page <= std::max(1, count); ++page)
            pages.append(page);
        break;
    }
    return pages;
}

int PrintWindow::chosenLayout()
{
    if (m_definition.variant)
        return m_definition.variant(*this);
    if (m_definition.layoutChoice) {
        const LayoutChoice &choice = *m_definition.layoutChoice;
        const int item = m_layout->itemIndex();
        return item >= 0 && item < choice.layouts.size() ? choice.layouts.at(item) : choice.layoutWithoutChoice;
    }
    return 0;
}

void PrintWindow::printDocument()
{
    if (m_definition.beforePrint && !m_definition.beforePrint(*this))
        return;
    const int variant = chosenLayout();
    for (QCheckBox *box : std::as_const(m_sheetBoxes)) {
        if (box)
            box->hide();
    }
    if (m_definition.progressMaximumOf)
        m_progress->setRange(0, m_definition.progressMaximumOf(*this));
    m_progress->setValue(0);
    m_progress->show();
    if (m_printing)
        m_printing->show();
    const auto hide = [this] {
        m_progress->hide();
        if (m_printing)
            m_printing->hide();
    };
    auto hideProgress = qScopeGuard(hide);
    PrinterService::takeWrittenPdfFiles();
    {
        auto clearLabel = qScopeGuard([] { PrinterService::setJobLabel(QString()); });
        auto dropJob = qScopeGuard([] {
            if (PrinterService::instance().printing())
                PrinterService::instance().abortJob();
        });
        m_stayOpen = false;
        if (m_definition.printRun)
            m_definition.printRun(*this);
        dropJob.dismiss();
        if (m_stayOpen)
            return;
        for (int sheet = 0; !m_definition.printRun && sheet < int(m_definition.sheets.size()); ++sheet) {
            // A form not inserted: nothing more is printed and the window stays.
            if (!printSheet(sheet, variant))
                return;
        }
    }
    hideProgress.dismiss();
    hide();
    reportWrittenPdfFiles();
    accept();
}

bool PrintWindow::printSheet(int sheetIndex, int variant)
{
    const PrintSheet &sheet = m_definition.sheets.at(sheetIndex);
    if (QCheckBox *box = m_sheetBoxes.at(sheetIndex); box && !box->isChecked())
        return true;
    const bool found = findPrintRow(*m_settings, sheet.row);
    const bool asked = !sheet.question.isEmpty();
    // The pages are read before anything is asked or printed.
    const QVector<int> chosen = m_pages ? chosenPages() : QVector<int>();
    switch (m_definition.question) {
    case FormQuestion::Stop:
    case FormQuestion::StopThenSetup:
        if (asked
            && platform::dialogs().confirmation(sheet.question, platform::DialogButtons::OkCancel)
                != platform::DialogAnswer::Ok)
            return false;
        if (m_definition.question == FormQuestion::StopThenSetup) {
            findPrintRow(*m_settings, sheet.row);
            choosePrinterInSetup();
        }
        break;
    case FormQuestion::Gate:
        if (!found)
            return true;
        if (asked
            && platform::dialogs().confirmation(sheet.question, platform::DialogButtons::OkCancel)
                != platform::DialogAnswer::Ok)
            return true;
        break;
    case FormQuestion::SetupPrompt:
        if (found && asked
            && platform::dialogs().confirmation(sheet.question, platform::DialogButtons::OkCancel)
                == platform::DialogAnswer::Ok) {
            choosePrinterInSetup();
        }
        break;
    case FormQuestion::None:
        if (!found)
            return true;
        break;
    }
    // Without its row (a sheet printed whatever the answer) one copy prints
    // without corrections.
    int copies = 1;
    int spalte = 0;
    int zeile = 0;
    if (found && findPrintRow(*m_settings, sheet.row)) {
        if (sheet.withCopies)
            copies = m_settings->fieldByName(QStringLiteral("Anzahl_Kopien")).asInteger();
        spalte = m_settings->fieldByName(QStringLiteral("spalte")).asInteger();
        zeile = m_settings->fieldByName(QStringLiteral("zeile")).asInteger();
    }
    if (m_pages) {
        for (int copy = 1; copy <= copies; ++copy) {
            for (int page : chosen)
                printJob(sheetIndex, page, copy, variant, spalte, zeile);
        }
        return true;
    }
    int firstPage = 1;
    int lastPage = 1;
    if (sheet.continuation) {
        firstPage = 2;
        lastPage = sheet.items.pageCount(m_positions ? m_positions->recordCount() : 0);
    }
    for (int page = firstPage; page <= lastPage; ++page) {
        for (int copy = 1; copy <= copies; ++copy)
            printJob(sheetIndex, page, copy, variant, spalte, zeile);
    }
    return true;
}

platform::PageOrientation PrintWindow::jobOrientation() const
{
    return m_orientation && m_orientation->itemIndex() == 1 ? platform::PageOrientation::Landscape
                                                            : platform::PageOrientation::Portrait;
}

bool PrintWindow::pageOffsetsApply() const
{
    return !m_orientation || m_orientation->itemIndex() >= 0;
}

QString PrintWindow::jobLabel(int sheetIndex, int page, int copy) const
{
    QStringList parts;
    if (m_head && m_head->isActive() && !m_head->isEmpty() && m_head->fieldCount() > 0)
        parts.append(QStringLiteral("Nr. ") + m_head->field(0).asString());
    if (m_definition.sheets.size() > 1)
        parts.append(m_definition.sheets.at(sheetIndex).row);
    if (m_definition.sheets.at(sheetIndex).continuation || page > 1)
        parts.append(QStringLiteral("Seite %1").arg(page));
    if (copy > 1)
        parts.append(QStringLiteral("Kopie %1").arg(copy));
    return parts.join(QLatin1Char(' '));
}

void PrintWindow::beginJob(const SheetJob &job)
{
    PrinterService::setJobLabel(jobLabel(job.sheet, job.page, job.copy));
    const PrintSheet &sheet = m_definition.sheets.at(job.sheet);
    QString title = sheet.pageJobTitle ? sheet.pageJobTitle(job.page) : QString();
    if (title.isEmpty())
        title = sheet.jobTitle;
    if (title.isEmpty())
        title = m_definition.jobTitle;
    if (m_definition.jobTitleNumbered && m_head && m_head->isActive() && !m_head->isEmpty())
        title += m_head->field(0).asString();
    platform::PrintCanvas &canvas = PrinterService::instance().beginJob(title);
    // A blank starts the page, as the printers of the forms expect.
    canvas.textOut(0, 0, QStringLiteral(" "));
    canvas.setFont(job.painter.font());
}

void PrintWindow::printJob(int sheetIndex, int page, int copy, int variant, int spalte, int zeile)
{
    const PrintSheet &sheet = m_definition.sheets.at(sheetIndex);
    auto &printers = PrinterService::instance();
    // Every job sets the orientation of its form; none inherits one that an
    // earlier print left on the printer.
    const platform::PageOrientation orientation = jobOrientation();
    printers.setOrientation(orientation);
    platform::PrintCanvas &canvas = printers.canvas();
    auto dropJob = qScopeGuard([&canvas] { canvas.abort(); });
    PageOffsets offsets;
    if (pageOffsetsApply()) {
        const bool landscape = orientation == platform::PageOrientation::Landscape;
        offsets = PageOffsets::compute(printers.horzSize(), printers.vertSize(), spalte, zeile, sheet.verticalConstant,
            landscape ? A4Height : A4Width, landscape ? A4Width : A4Height);
    }
    offsets.xoff -= m_definition.xCorrection;
    const FieldCorrections corrections
        = sheet.fieldCorrections ? FieldCorrections::load(sheet.row) : FieldCorrections();
    platform::CanvasFont font = printFont(mainState().AusdruckFont, m_definition.fontHeight);
    if (!m_definition.fontName.isEmpty()) {
        font.name = m_definition.fontName;
        font.style = {};
    }
    LayoutPainter painter(canvas, offsets, font, corrections);
    painter.setProgressHandler([this](int value) { m_progress->setValue(value); });
    SheetJob job { *this, painter, sheetIndex, page, copy, variant, blankPaper() };
    if (!sheet.pagedByRoutine)
        beginJob(job);
    if (sheet.print)
        sheet.print(job);
    dropJob.dismiss();
    if (canvas.printing())
        canvas.endDoc();
    if (m_definition.orientation && m_definition.orientation->portraitAfterJob)
        printers.setOrientation(platform::PageOrientation::Portrait);
}

bool PrintWindow::selectSheetRow(int sheet)
{
    return sheet >= 0 && sheet < m_definition.sheets.size()
        && findPrintRow(*m_settings, m_definition.sheets.at(sheet).row);
}

PageOffsets PrintWindow::currentRowOffsets(int sheet)
{
    if (sheet < 0 || sheet >= m_definition.sheets.size())
        return {};
    auto &printers = PrinterService::instance();
    const bool onRow = m_settings->isActive() && !m_settings->isEmpty();
    const int spalte = onRow ? m_settings->fieldByName(QStringLiteral("spalte")).asInteger() : 0;
    const int zeile = onRow ? m_settings->fieldByName(QStringLiteral("zeile")).asInteger() : 0;
    PageOffsets offsets = PageOffsets::compute(
        printers.horzSize(), printers.vertSize(), spalte, zeile, m_definition.sheets.at(sheet).verticalConstant);
    offsets.xoff -= m_definition.xCorrection;
    return offsets;
}

void PrintWindow::drawPage(int sheet, int page, int copy, const PageOffsets &offsets, const QString &title,
    bool newPage, const std::function<void(SheetJob &)> &draw)
{
    auto &printers = PrinterService::instance();
    const int sheetIndex = std::clamp(sheet, 0, std::max(0, int(m_definition.sheets.size()) - 1));
    if (!newPage || !printers.printing()) {
        if (printers.printing())
            printers.canvas().endDoc();
        printers.setOrientation(platform::PageOrientation::Portrait);
    }
    platform::PrintCanvas &canvas = printers.canvas();
    LayoutPainter painter(canvas, offsets, printFont(mainState().AusdruckFont, m_definition.fontHeight));
    painter.setProgressHandler([this](int value) { m_progress->setValue(value); });
    SheetJob job { *this, painter, sheetIndex, page, copy, 0, blankPaper() };
    if (newPage && canvas.printing()) {
        canvas.newPage();
        canvas.textOut(0, 0, QStringLiteral(" "));
        canvas.setFont(painter.font());
    } else {
        PrinterService::setJobLabel(jobLabel(sheetIndex, page, copy));
        platform::PrintCanvas &begun = printers.beginJob(title.isEmpty() ? m_definition.jobTitle : title);
        begun.textOut(0, 0, QStringLiteral(" "));
        begun.setFont(painter.font());
    }
    if (draw)
        draw(job);
}

void PrintWindow::endJob()
{
    auto &printers = PrinterService::instance();
    if (printers.printing())
        printers.canvas().endDoc();
}

void PrintWindow::cancelPrint()
{
    auto &printers = PrinterService::instance();
    if (printers.printing())
        printers.abortJob();
    QDialog::reject();
}

void PrintWindow::reject()
{
    cancelPrint();
}

void PrintWindow::showEvent(QShowEvent *event)
{
    platform::runReported(this, [&] {
        if (!event->spontaneous())
            showPageChoice();
        for (int sheet = 0; sheet < m_definition.sheets.size(); ++sheet) {
            QCheckBox *box = m_sheetBoxes.at(sheet);
            const auto &available = m_definition.sheets.at(sheet).available;
            if (!box || !available)
                continue;
            const bool something = available(*this);
            box->setChecked(something);
            box->setEnabled(something);
        }
        // Controls a kind added after creation are watched too.
        const auto controls = findChildren<QWidget *>();
        for (QWidget *control : controls) {
            if (!qobject_cast<QMenu *>(control))
                control->installEventFilter(this);
        }
        DocumentPrintWindow::showEvent(event);
    });
}

void PrintWindow::keyPressEvent(QKeyEvent *event)
{
    platform::runReported(this, [&] {
        if (eventFilter(this, event))
            return;
        DocumentPrintWindow::keyPressEvent(event);
    });
}

bool PrintWindow::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        // Enter and Escape belong to the window, whichever control has the focus.
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                BtnOK->click();
                return true;
            }
            if (key == Qt::Key_Escape) {
                BtnAbbruch->click();
                return true;
            }
        }
        return DocumentPrintWindow::eventFilter(watched, event);
    });
}

} // namespace shell

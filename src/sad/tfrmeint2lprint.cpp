#include "sad/tfrmeint2lprint.h"

#include "platform/field.h"
#include "platform/printerservice.h"
#include "platform/table.h"
#include "sad/sadtables.h"
#include "sad/sheetpageloop.h"
#include "sad/t2lprintlayout.h"
#include "shell/printsettings.h"
#include "shell/tfrmdrucker.h"

namespace sad {

namespace {

constexpr int MainSheet = 0;
constexpr int ContinuationSheet = 1;
constexpr int ItemsPerContinuationSheet = 3;

} // namespace

void addT2LPrintRows(platform::Session &session)
{
    platform::Table rows(platform::Alias::Data, shell::PrintSettingsTable);
    rows.setSession(&session);
    rows.open();
    for (const QString &name : { T2LMainSheetRow, T2LContinuationRow })
        shell::createPrintRow(rows, name, T2LNewRowPrinter);
    rows.close();
}

shell::PrintWindowDefinition t2lPrintDefinition()
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmEinT2LPrint");
    d.caption = QStringLiteral("Druck Einheitspapier T2L");
    d.headTable = Tables::EinHT2L;
    d.positionTable = Tables::EinFT2L;
    d.positionLinkField = QStringLiteral("BelegNr");
    d.jobTitle = T2LJobTitle;
    d.createsMissingRows = true;
    d.newRowPrinter = T2LNewRowPrinter;
    d.noPrinter = shell::NoPrinterStep::PrinterSetup;
    // Both rows, whose names share no beginning.
    d.prepareAdministration = [](shell::TfrmDrucker &administration) {
        administration.filterRows(
            QStringList { T2LMainSheetRow + QLatin1Char('*'), T2LContinuationRow + QLatin1Char('*') });
    };
    d.question = shell::FormQuestion::None;
    d.fontHeight = -40;
    d.size = QSize(400, 300);
    d.printerMenu = QStringLiteral("&Drucker ...");
    d.setupCommand = QStringLiteral("... &einrichten");
    d.administrationCommand = QStringLiteral("... &parameter einstellen");
    d.pageChoice = shell::PageChoice { ItemsPerContinuationSheet, shell::SheetItems { 1, ItemsPerContinuationSheet } };
    shell::PrintSheet first;
    first.row = T2LMainSheetRow;
    first.items = shell::SheetItems { 1, ItemsPerContinuationSheet };
    shell::PrintSheet continuation = first;
    continuation.row = T2LContinuationRow;
    continuation.continuation = true;
    d.sheets = { first, continuation };
    d.printRun = [](shell::PrintWindow &window) { static_cast<TfrmEinT2LPrint &>(window).run(); };
    return d;
}

TfrmEinT2LPrint::TfrmEinT2LPrint(QWidget *parent)
    : shell::PrintWindow(t2lPrintDefinition(), parent)
{
}

TfrmEinT2LPrint::~TfrmEinT2LPrint() = default;

void TfrmEinT2LPrint::run()
{
    // The form goes in, and the printer is set up, before the main sheet
    // only; the continuation sheets follow on their own row's printer.
    SheetPageLoop loop;
    loop.paperQuestion
        = [](int, bool) { return QStringLiteral("Bitte Formular Einheitspapier T2L in den Drucker einlegen!"); };
    loop.stepsBeforeEveryPage = false;
    loop.mainSheetBelowOne = false;
    loop.singlePageSetupFirst = false;
    loop.printPage = [this](int page) { PrintPage(page); };
    printSheetPages(*this, loop);
}

void TfrmEinT2LPrint::PrintPage(int page)
{
    // There is no page below 1: it would print item 1 again on a
    // continuation sheet numbered 0.
    if (page < 1)
        return;
    if (page == 1) {
        selectSheetRow(MainSheet);
        PrintMainSheet();
        return;
    }
    // A row without a printer ("LPT1" as it was created, empty, "-1" or no
    // number) leaves the page on the printer that is current.
    if (selectSheetRow(ContinuationSheet)) {
        const int index = shell::resolvePrinterIndex(
            T2LContinuationRow, tbbenutz().fieldByName(QStringLiteral("schnittst")).asString());
        if (index >= 0)
            platform::PrinterService::instance().setCurrentIndex(index);
    }
    printContinuationSheet(page);
}

void TfrmEinT2LPrint::PrintMainSheet()
{
    drawPage(MainSheet, 1, 1, currentRowOffsets(MainSheet), T2LJobTitle, false, [this](shell::SheetJob &job) {
        job.painter.draw(t2lMainSheetHead(), head());
        job.painter.progress(50);
        platform::Table *items = positions();
        if (items && items->isActive()) {
            items->first();
            if (!items->eof())
                job.painter.draw(t2lMainSheetItem(), *items);
        }
        job.painter.progress(100);
    });
    endJob();
}

void TfrmEinT2LPrint::printContinuationSheet(int page)
{
    drawPage(ContinuationSheet, page, 1, currentRowOffsets(ContinuationSheet), T2LJobTitle, false,
        [this, page](shell::SheetJob &job) {
            platform::Table &h = head();
            job.painter.draw(t2lContinuationHead(), [&h, page](const QString &field) {
                return field == T2LPageField ? QString::number(page) : h.fieldByName(field).asString();
            });
            platform::Table *items = positions();
            if (!items || !items->isActive())
                return;
            // Page p begins with item 3p - 4; a page below 2 with item 1.
            items->first();
            const int skip = std::max(0, ItemsPerContinuationSheet * page - 5);
            if (items->eof() || items->moveBy(skip) < skip)
                return;
            for (int k = 0; k < ItemsPerContinuationSheet && !items->eof(); ++k) {
                job.painter.draw(t2lContinuationItem(), *items, 0, T2LItemSpacing * k);
                job.painter.progress(30 * (k + 1));
                items->next();
            }
            job.painter.progress(100);
        });
    endJob();
}

} // namespace sad

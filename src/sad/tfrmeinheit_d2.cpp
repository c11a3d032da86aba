#include "sad/tfrmeinheit_d2.h"

#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/printcanvas.h"
#include "platform/printerservice.h"
#include "platform/table.h"
#include "sad/importblankform.h"
#include "sad/importprintlayout.h"
#include "sad/sadtables.h"
#include "shell/conversion.h"
#include "shell/printsettings.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>

namespace sad {

namespace {

constexpr int FirstSheet = 0;
constexpr int ContinuationSheet = 1;

// The vertical constants: the data lies above the drawn sheet.
constexpr int FirstSheetDataK = -40;
constexpr int ContinuationDataK = -20;
constexpr int FirstSheetFormK = 0;
constexpr int ContinuationFormK = 10;

const QString Copy7Key = QStringLiteral("EinfBlatt7");
const QString BlankPaperQuestion = QStringLiteral("Bitte weißes Blatt Papier in den Drucker einlegen!");

QString iniFile()
{
    return shell::ProgramDirectory() + shell::IniFileName;
}

} // namespace

void addImportPrintRows(platform::Session &session)
{
    platform::Table rows(platform::Alias::Data, shell::PrintSettingsTable);
    rows.setSession(&session);
    rows.open();
    for (const QString &name : { ImportFirstSheetRow, ImportContinuationRow })
        shell::createPrintRow(rows, name, QStringLiteral("-1"));
    rows.close();
}

shell::PrintWindowDefinition importPrintDefinition()
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmEinheit_d2");
    d.caption = QStringLiteral("EINHEITSPAPIER - DRUCK");
    d.headTable = Tables::Impein;
    d.positionTable = Tables::Impfol;
    d.positionLinkField = QStringLiteral("BELEGNR");
    d.jobTitle = ImportJobTitle;
    d.renamedRows = { { QStringLiteral("EINHEITSPAPIER - IMPORT"), ImportFirstSheetRow },
        { QStringLiteral("ERGÄNZUNGSBLATT - IMPORT"), ImportContinuationRow } };
    d.createsMissingRows = true;
    d.newRowPrinter = QStringLiteral("-1");
    d.noPrinter = shell::NoPrinterStep::PrinterSetup;
    d.administrationPattern = ImportFirstSheetRow + QLatin1Char('*');
    d.question = shell::FormQuestion::None;
    d.paperChoices = { shell::PaperForm, shell::PaperBlank };
    d.fontHeight = -40;
    // Every drawing and all data of the import print lie 2 mm further left.
    d.xCorrection = -20;
    d.size = QSize(430, 360);
    d.pageChoice = shell::PageChoice { 3, shell::SheetItems { 1, 3 } };
    shell::PrintSheet first;
    first.row = ImportFirstSheetRow;
    first.items = shell::SheetItems { 1, 3 };
    shell::PrintSheet continuation = first;
    continuation.row = ImportContinuationRow;
    continuation.continuation = true;
    d.sheets = { first, continuation };
    d.printRun = [](shell::PrintWindow &window) { static_cast<TfrmEinheit_d2 &>(window).run(); };
    return d;
}

TfrmEinheit_d2::TfrmEinheit_d2(QWidget *parent)
    : shell::PrintWindow(importPrintDefinition(), parent)
{
    WithCopy7 = withCopy7Setting();
    mnuEmSaetze = menuBar()->addMenu(QStringLiteral("EM-Sätze"));
    acExemplar7 = mnuEmSaetze->addAction(QStringLiteral("mit Exemplar 7"));
    acExemplar7->setCheckable(true);
    acExemplar7->setChecked(WithCopy7);
    mnuEmSaetze->menuAction()->setVisible(false);
    connect(acExemplar7, &QAction::triggered, this, [this] { toggleCopy7(); });

    auto *numberRow = new QHBoxLayout;
    lblNummer = new QLabel(QStringLiteral("Nummmer - Einheitspapier:"), this);
    edtNummer = new QLineEdit(this);
    edtNummer->setObjectName(QStringLiteral("edtNummer"));
    numberRow->addWidget(lblNummer);
    numberRow->addWidget(edtNummer, 1);
    controlsLayout()->addLayout(numberRow);
    connect(paperGroup(), &shell::RadioGroup::itemClicked, this, [this] { applyModeRule(); });
}

TfrmEinheit_d2::~TfrmEinheit_d2() = default;

bool TfrmEinheit_d2::withCopy7Setting()
{
    return shell::IniReadValue(iniFile(), shell::IniSection, Copy7Key, true).toBool();
}

void TfrmEinheit_d2::toggleCopy7()
{
    WithCopy7 = !WithCopy7;
    acExemplar7->setChecked(WithCopy7);
    shell::IniWriteValue(iniFile(), shell::IniSection, Copy7Key, WithCopy7);
}

void TfrmEinheit_d2::showEvent(QShowEvent *event)
{
    shell::PrintWindow::showEvent(event);
    if (event->spontaneous())
        return;
    m_pageCount = pageCount();
    const int items = positions() ? positions()->recordCount() : 0;
    lblNummer->setVisible(items > 1);
    edtNummer->setVisible(items > 1);
}

void TfrmEinheit_d2::applyModeRule()
{
    const int items = positions() ? positions()->recordCount() : 0;
    if (blankPaper()) {
        lblNummer->hide();
        edtNummer->hide();
        edtNummer->clear();
    } else {
        lblNummer->show();
        edtNummer->show();
        if (items > 1)
            edtNummer->clear();
    }
    mnuEmSaetze->menuAction()->setVisible(blankPaper());
}

void TfrmEinheit_d2::run()
{
    ContinuationAsked = false;
    m_cancelled = false;
    switch (pageGroup()->itemIndex()) {
    case 1:
        printPages(shell::toWholeNumber(firstPageEdit()->text()), -1);
        break;
    case 2: {
        const int page = shell::toWholeNumber(singlePageEdit()->text());
        const int items = positions() ? positions()->recordCount() : 0;
        // A page below 1 would print item 1 on a continuation sheet
        // numbered 0: nothing is printed.
        if (items > 0 && page >= 1)
            printPages(page, page);
        break;
    }
    default:
        printPages(1, m_pageCount);
        break;
    }
}

void TfrmEinheit_d2::printPages(int first, int last)
{
    FirstSheetAsked = false;
    const int items = positions() ? positions()->recordCount() : 0;
    const shell::SheetItems sheets { 1, 3 };
    for (int page = std::max(1, first);; ++page) {
        shell::choosePrinterInSetup();
        const int copies
            = tbbenutz().isEmpty() ? 1 : tbbenutz().fieldByName(QStringLiteral("Anzahl_Kopien")).asInteger();
        for (int copy = 0; copy < copies; ++copy)
            PrintImportDeclarationPage(page);
        // The range's last page is read again on every turn.
        const int end = last >= 0 ? last : shell::toWholeNumber(lastPageEdit()->text());
        if (m_cancelled || sheets.lastItem(page) >= items || page >= end)
            break;
    }
}

shell::PageOffsets TfrmEinheit_d2::offsetsWith(int sheet, int k)
{
    shell::PageOffsets offsets = currentRowOffsets(sheet);
    offsets.yoff += k;
    return offsets;
}

void TfrmEinheit_d2::PrintImportDeclarationPage(int page)
{
    const bool blank = blankPaper();
    if (page <= 1) {
        selectSheetRow(FirstSheet);
        if (!FirstSheetAsked) {
            if (!shell::confirmedOk(blank
                        ? BlankPaperQuestion
                        : QStringLiteral("Bitte Formular Einheitspapier in den Drucker einlegen !"))) {
                m_cancelled = true;
                return;
            }
            FirstSheetAsked = true;
        }
        m_cancelled = false;
        PrintImportDeclarationFirstPage();
        return;
    }
    selectSheetRow(ContinuationSheet);
    if (!ContinuationAsked) {
        if (!blank) {
            const platform::InputResult answer
                = platform::dialogs().inputBox(QStringLiteral("Nummer - Einheitspapier:!"),
                    QStringLiteral("Bitte Nummer - Einheitspapier eingeben :"), edtNummer->text());
            if (answer.accepted)
                edtNummer->setText(answer.text);
        }
        if (!shell::confirmedOk(
                blank ? BlankPaperQuestion : QStringLiteral("Bitte Ergänzungsblatt in Drucker einlegen !"))) {
            m_cancelled = true;
            return;
        }
    }
    FirstSheetAsked = true;
    ContinuationAsked = true;
    m_cancelled = false;
    printContinuationSheet(page);
}

void TfrmEinheit_d2::drawFirstSheetData(shell::SheetJob &job)
{
    platform::Table &h = head();
    job.painter.canvas().setBrushNone();
    job.painter.draw(importFirstSheetHead(), [&h](const QString &field) { return importHeadValue(h, field); });
    platform::Table *items = positions();
    if (!items || !items->isActive())
        return;
    items->first();
    if (items->eof())
        return;
    job.painter.draw(importFirstSheetItem(), [items](const QString &field) { return importItemValue(*items, field); });
}

void TfrmEinheit_d2::PrintImportDeclarationFirstPage()
{
    const bool blank = blankPaper();
    const int passes = blank ? 3 : 1;
    bool begun = false;
    for (int copy = 1; copy <= passes; ++copy) {
        if (blank && copy == 2 && !WithCopy7)
            continue;
        selectSheetRow(FirstSheet);
        const shell::PageOffsets data = offsetsWith(FirstSheet, FirstSheetDataK);
        const shell::PageOffsets form = offsetsWith(FirstSheet, FirstSheetFormK);
        drawPage(FirstSheet, 1, copy, data, ImportJobTitle, begun, [&](shell::SheetJob &job) {
            if (blank) {
                drawImportFirstSheet(job.painter.canvas(), form, copy);
                job.painter.canvas().setFont(job.painter.font());
            }
            drawFirstSheetData(job);
        });
        begun = true;
    }
    endJob();
    if (!blank)
        return;
    PrintImportDeclarationBackSheet1();
    PrintImportDeclarationBackSheet3();
}

void TfrmEinheit_d2::printContinuationSheet(int page)
{
    const bool blank = blankPaper();
    const int passes = blank ? 3 : 1;
    platform::Table &h = head();
    platform::Table *items = positions();
    const QString number = edtNummer->text();
    const QString pageText = QString::number(page);
    for (int copy = 1; copy <= passes; ++copy) {
        const shell::PageOffsets data = offsetsWith(ContinuationSheet, ContinuationDataK);
        const shell::PageOffsets form = offsetsWith(ContinuationSheet, ContinuationFormK);
        drawPage(ContinuationSheet, page, copy, data, ImportJobTitle, copy > 1, [&](shell::SheetJob &job) {
            platform::PrintCanvas &canvas = job.painter.canvas();
            if (blank) {
                drawImportContinuationSheet(canvas, form, copy);
                canvas.setFont(job.painter.font());
            }
            canvas.setBrushNone();
            job.painter.draw(importContinuationHead(), [&](const QString &field) {
                if (field == ImportFormNumberField)
                    return number;
                if (field == ImportPageField)
                    return pageText;
                return importHeadValue(h, field);
            });
            if (!items || !items->isActive())
                return;
            items->first();
            items->moveBy(3 * page - 5);
            const auto values = [items](const QString &field) { return importItemValue(*items, field); };
            for (int k = 0; k < 3 && !items->eof(); ++k) {
                job.painter.draw(importContinuationItem(), values, 0, ImportItemSpacing * k);
                job.painter.draw(importContinuationDuties(k), values);
                if (k == 0)
                    job.painter.draw(importContinuationSummary(), values);
                items->next();
            }
        });
    }
    endJob();
}

void TfrmEinheit_d2::printBackSheet(const QString &question, bool firstSheet)
{
    if (!shell::confirmedOk(question))
        return;
    selectSheetRow(FirstSheet);
    const shell::PageOffsets form = offsetsWith(FirstSheet, ContinuationFormK);
    drawPage(FirstSheet, 1, 1, form, ImportJobTitle, false, [&](shell::SheetJob &job) {
        if (firstSheet)
            drawImportBackSheet1(job.painter.canvas(), form);
        else
            drawImportBackSheet3(job.painter.canvas(), form);
    });
    endJob();
}

void TfrmEinheit_d2::PrintImportDeclarationBackSheet1()
{
    printBackSheet(
        QStringLiteral("Bitte legen Sie die Rückseite des 1. Blattes\r\ndes Einheitspapiers in den Drucker ein!"),
        true);
}

void TfrmEinheit_d2::PrintImportDeclarationBackSheet3()
{
    printBackSheet(
        QStringLiteral("Bitte legen Sie die Rückseite des 3. Blattes\r\ndes Einheitspapiers in den Drucker ein!"),
        false);
}

} // namespace sad

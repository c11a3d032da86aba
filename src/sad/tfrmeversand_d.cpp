#include "sad/tfrmeversand_d.h"

#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/printcanvas.h"
#include "platform/printerservice.h"
#include "platform/table.h"
#include "sad/exportprintlayout.h"
#include "sad/prestamplists.h"
#include "sad/sadtables.h"
#include "sad/sheetpageloop.h"
#include "sad/tfrmeinheit_d.h"
#include "sad/tfrmvorabstempler.h"
#include "sad/transitblankform.h"
#include "sad/transitprintlayout.h"
#include "shell/conversion.h"
#include "shell/parameterrecord.h"
#include "shell/printsettings.h"
#include "shell/radiogroup.h"
#include "shell/reportedcall.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QShowEvent>

namespace sad {

using platform::PrinterService;

namespace {

constexpr int FirstSheet = 0;
constexpr int ContinuationSheet = 1;
constexpr int SheetsOfSet = 6;

QStringList transitDefaultPreStampList()
{
    platform::Table parameter(platform::Alias::Data, shell::ParameterTableName);
    parameter.open();
    if (parameter.isEmpty())
        return {};
    return shell::memoTextLines(parameter.fieldByName(QStringLiteral("MemoVorabT12")).asString());
}

const QString BlankPaperMessage = QStringLiteral("Bitte weißes Blatt Papier in den Drucker einlegen!");

} // namespace

void addTransitPrintRows(platform::Session &session)
{
    platform::Table rows(platform::Alias::Data, shell::PrintSettingsTable);
    rows.setSession(&session);
    rows.open();
    for (const QString &name : { TransitFirstSheetRow, TransitContinuationRow })
        shell::createPrintRow(rows, name, QStringLiteral("-1"));
    rows.close();
}

shell::PrintWindowDefinition transitPrintDefinition()
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmEVersand_d");
    d.caption = QStringLiteral("Druck Einheitspapier Versand");
    d.headTable = Tables::Ausfuhr;
    d.positionTable = Tables::Ausfolg;
    d.positionLinkField = QStringLiteral("belegnr");
    d.jobTitle = TransitJobTitle;
    d.renamedRows = { { QStringLiteral("EINHEITSPAPIER - VERSAND"), TransitFirstSheetRow },
        { QStringLiteral("ERGÄNZUNGSBLATT - VERSAND"), TransitContinuationRow } };
    // A missing row is created, never replaced by whatever row is current.
    d.createsMissingRows = true;
    d.newRowPrinter = QStringLiteral("-1");
    d.noPrinter = shell::NoPrinterStep::PrinterSetup;
    d.administrationPattern = TransitFirstSheetRow + QLatin1Char('*');
    d.question = shell::FormQuestion::None;
    d.paperChoices = { shell::PaperForm, shell::PaperBlank };
    d.fontHeight = -40;
    d.size = QSize(430, 380);
    d.printerMenu = QStringLiteral("&Drucker ...");
    d.setupCommand = QStringLiteral("... &einrichten");
    d.administrationCommand = QStringLiteral("... &parameter einstellen");
    d.pageChoice = shell::PageChoice { 3, shell::SheetItems { 1, 3 } };
    shell::PrintSheet first;
    first.row = TransitFirstSheetRow;
    first.items = shell::SheetItems { 1, 3 };
    shell::PrintSheet continuation = first;
    continuation.row = TransitContinuationRow;
    continuation.continuation = true;
    d.sheets = { first, continuation };
    d.printRun = [](shell::PrintWindow &window) { static_cast<TfrmEVersand_d &>(window).run(); };
    return d;
}

TfrmEVersand_d::TfrmEVersand_d(QWidget *parent)
    : shell::PrintWindow(transitPrintDefinition(), parent)
{
    PreStampMask = QBitArray(56, true);
    Action1 = menuBar()->addAction(QStringLiteral("&Vorabstempler - Parameter"));
    connect(Action1, &QAction::triggered, this,
        [this] { shell::runReported(this, [this] { MenuItemVorabstemplerParameterClick(); }); });

    auto *numberRow = new QHBoxLayout;
    Label4 = new QLabel(QStringLiteral("Nummmer - Einheitspapier:"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    numberRow->addWidget(Label4);
    numberRow->addWidget(Edit1, 1);
    controlsLayout()->addLayout(numberRow);
    CheckBox1 = new QCheckBox(QStringLiteral("VorabStempler"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setToolTip(QStringLiteral("Bei Masterform wird vorgedruckt"));
    controlsLayout()->addWidget(CheckBox1);
    connect(paperGroup(), &shell::RadioGroup::itemClicked, this, [this] { RadioGroup2Click(); });
}

TfrmEVersand_d::~TfrmEVersand_d() = default;

bool TfrmEVersand_d::isTemplate()
{
    platform::Table &h = head();
    return h.isActive() && !h.isEmpty() && h.field(0).asInteger() == TemplateNumber;
}

void TfrmEVersand_d::showEvent(QShowEvent *event)
{
    shell::PrintWindow::showEvent(event);
    if (event->spontaneous())
        return;
    m_pageCount = pageCount();
    const int items = positions() ? positions()->recordCount() : 0;
    Label4->setVisible(items > 1);
    Edit1->setVisible(items > 1);
}

void TfrmEVersand_d::RadioGroup2Click()
{
    const int items = positions() ? positions()->recordCount() : 0;
    if (blankPaper()) {
        Label4->hide();
        Edit1->hide();
        Edit1->clear();
    } else if (items >= 2) {
        Label4->show();
        Edit1->show();
        Edit1->clear();
    }
}

void TfrmEVersand_d::MenuItemVorabstemplerParameterClick()
{
    createMissingPreStampFiles();
    TfrmVorabstempler dialog(this);
    dialog.Execute(preStampPath(TransitUnprintedFile), preStampPath(TransitPrintedFile), transitDefaultPreStampList());
}

void TfrmEVersand_d::LoadPreStampMask()
{
    PreStampMask = QBitArray(56, true);
    if (!CheckBox1->isChecked() && !isTemplate())
        return;
    createMissingPreStampFiles();
    const std::optional<QStringList> listed = readPreStampList(preStampPath(TransitPrintedFile));
    if (!listed)
        throw platform::PrintError(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.")
                                       .arg(QDir::toNativeSeparators(preStampPath(TransitPrintedFile))));
    PreStampMask = transitPreStampMask(*listed, isTemplate());
}

QString TfrmEVersand_d::paperQuestion(int page, bool range) const
{
    if (blankPaper())
        return BlankPaperMessage;
    if (page <= 1)
        return QStringLiteral("Bitte Formular T1 in den Drucker einlegen !");
    return range ? QStringLiteral("Bitte Formular T1  - Ergänzungsblätter in den Drucker einlegen !")
                 : QStringLiteral("Bitte Formular T1 - Ergänzungsblätter in den Drucker einlegen !");
}

void TfrmEVersand_d::run()
{
    LoadPreStampMask();
    NumberAsked = false;
    m_pageCount = pageCount();
    SheetPageLoop loop;
    loop.paperQuestion = [this](int page, bool range) { return paperQuestion(page, range); };
    loop.printPage = [this](int page) { PrintPage(page); };
    printSheetPages(*this, loop);
}

void TfrmEVersand_d::PrintPage(int page)
{
    if (page <= 1) {
        selectSheetRow(FirstSheet);
        if (isTemplate() && !shell::confirmedOk(QStringLiteral("Die 1. Seite zum VorabStempler drucken !")))
            return;
        PrintMainSheet();
        return;
    }
    selectSheetRow(ContinuationSheet);
    if (!NumberAsked) {
        const platform::InputResult answer
            = platform::dialogs().inputBox(QStringLiteral("Nummer - Einheitspapier - Versand:!"),
                QStringLiteral("Bitte Nummer - Einheitspapier - Versand eingeben :"), Edit1->text());
        if (answer.accepted)
            Edit1->setText(answer.text);
        NumberAsked = true;
    }
    PrintContinuationSheet(page);
}

void TfrmEVersand_d::PrintMainSheet()
{
    const shell::PageOffsets offsets = currentRowOffsets(FirstSheet);
    const bool blank = blankPaper();
    const int sheets = blank ? SheetsOfSet : 1;
    for (int sheet = 1; sheet <= sheets; ++sheet) {
        drawPage(FirstSheet, 1, sheet, offsets, TransitJobTitle, sheet > 1, [this, blank, sheet](shell::SheetJob &job) {
            if (blank) {
                drawForm(job.painter.canvas(), job.painter.offsets(), transitMainFront(sheet));
                job.painter.canvas().setFont(job.painter.font());
            }
            fillMainSheet(job, sheet);
        });
    }
    endJob();
    if (blank)
        printBacks();
}

void TfrmEVersand_d::printBacks()
{
    const shell::PageOffsets offsets = currentRowOffsets(FirstSheet);
    for (int sheet = 1; sheet <= 5; ++sheet) {
        if (!shell::confirmedOk(
                QStringLiteral("Bitte legen Sie die Rückseite des %1. Blattes\ndes Einheitspapiers in den "
                               "Drucker ein!")
                    .arg(sheet)))
            continue;
        drawPage(FirstSheet, 1, sheet, offsets, TransitJobTitle, false, [sheet](shell::SheetJob &job) {
            drawForm(job.painter.canvas(), job.painter.offsets(), transitBack(sheet));
        });
        endJob();
    }
}

void TfrmEVersand_d::PrintContinuationSheet(int page)
{
    const shell::PageOffsets offsets = currentRowOffsets(ContinuationSheet);
    const bool blank = blankPaper();
    const int sheets = blank ? SheetsOfSet : 1;
    for (int sheet = 1; sheet <= sheets; ++sheet) {
        drawPage(ContinuationSheet, page, sheet, offsets, TransitJobTitle, sheet > 1,
            [this, blank, sheet](shell::SheetJob &job) {
                if (blank) {
                    drawForm(job.painter.canvas(), job.painter.offsets(), transitContinuationFront(sheet));
                    job.painter.canvas().setFont(job.painter.font());
                }
                fillContinuationSheet(job, sheet);
            });
    }
    endJob();
}

void TfrmEVersand_d::fillMainSheet(shell::SheetJob &job, int sheetOfSet)
{
    platform::Table &h = head();
    platform::Table *items = positions();
    if (items && items->isActive())
        items->first();
    const bool hasItem = items && items->isActive() && !items->eof();
    const auto headValue = [&h](const QString &field) {
        if (field == TransitCrossField)
            return h.fieldByName(QStringLiteral("f44_10")).asString() == QLatin1String("j") ? QStringLiteral("x")
                                                                                            : QString();
        return h.fieldByName(field).asString();
    };
    const auto itemValue = [&](const QString &field) {
        if (!hasItem)
            return QString();
        if (field == TransitCurrencyField)
            return transitCurrency(items->fieldByName(QStringLiteral("DM")).asBoolean(),
                items->fieldByName(QStringLiteral("EURO")).asBoolean());
        if (field == QLatin1String("pos"))
            return QString::number(items->fieldByName(field).asInteger());
        return items->fieldByName(field).asString();
    };
    int done = 0;
    const int total = int(transitMainSheetGroups().size());
    for (const TransitGroup &group : transitMainSheetGroups()) {
        ++done;
        if (group.box >= 0 && !PreStampMask.testBit(group.box))
            continue;
        if (!transitSheetCarries(group.sheets, sheetOfSet))
            continue;
        if (group.fromItem)
            job.painter.draw(group.items, itemValue);
        else
            job.painter.draw(group.items, headValue);
        job.painter.progress(100 * done / total);
    }
}

void TfrmEVersand_d::fillContinuationSheet(shell::SheetJob &job, int sheetOfSet)
{
    platform::Table &h = head();
    const QString number = Edit1->text();
    const QString page = QString::number(job.page);
    const auto headValue = [&](const QString &field) {
        if (field == TransitFormNumberField)
            return number;
        if (field == TransitPageField)
            return page;
        return h.fieldByName(field).asString();
    };
    for (const TransitGroup &group : transitContinuationHead()) {
        if (transitSheetCarries(group.sheets, sheetOfSet))
            job.painter.draw(group.items, headValue);
    }
    platform::Table *items = positions();
    job.forEachItem([&](int k) {
        const auto itemValue = [&](const QString &field) {
            if (field == TransitCurrencyField)
                return transitCurrency(items->fieldByName(QStringLiteral("DM")).asBoolean(),
                    items->fieldByName(QStringLiteral("EURO")).asBoolean());
            if (field == QLatin1String("pos"))
                return QString::number(items->fieldByName(field).asInteger());
            return items->fieldByName(field).asString();
        };
        for (const TransitGroup &group : transitContinuationItem()) {
            if (transitSheetCarries(group.sheets, sheetOfSet))
                job.painter.draw(group.items, itemValue, 0, ContinuationItemSpacing * k);
        }
        job.painter.progress(10 + 30 * (k + 1));
    });
    job.painter.progress(100);
}

} // namespace sad

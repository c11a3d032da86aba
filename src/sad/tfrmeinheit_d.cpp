#include "sad/tfrmeinheit_d.h"

#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/printcanvas.h"
#include "platform/printerservice.h"
#include "platform/table.h"
#include "sad/blankform.h"
#include "sad/exportprintlayout.h"
#include "sad/prestamplists.h"
#include "sad/sadtables.h"
#include "sad/tfrmvorabstempler.h"
#include "shell/conversion.h"
#include "shell/documentroutines.h"
#include "shell/mainstate.h"
#include "shell/parameterrecord.h"
#include "shell/printsettings.h"
#include "shell/radiogroup.h"
#include "shell/reportedcall.h"
#include "shell/settings.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>

namespace sad {

using platform::PrinterService;

namespace {

constexpr int FirstSheet = 0;
constexpr int ContinuationSheet = 1;

const QString AeSetKey = QStringLiteral("AeSet");
// The running number of the form sets printed on blank paper.
const QString FormNumberKey = QStringLiteral("AeFormularNr");
const QString FormNumberLetters = QStringLiteral("AE");

// A whole number asked in an input box, asked again after a wrong one;
// nothing on Cancel.
std::optional<int> askCount(const QString &prompt)
{
    for (;;) {
        const platform::InputResult answer
            = platform::dialogs().inputBox(QStringLiteral("Export / Versand"), prompt, QStringLiteral("1"));
        if (!answer.accepted)
            return std::nullopt;
        bool ok = false;
        const int count = answer.text.trimmed().toInt(&ok);
        if (ok)
            return count;
        platform::dialogs().error(QStringLiteral("Sie haben keine gültige Zahl eingegeben!"));
    }
}

QStringList defaultPreStampList()
{
    platform::Table parameter(platform::Alias::Data, shell::ParameterTableName);
    parameter.open();
    if (parameter.isEmpty())
        return {};
    QString text = parameter.fieldByName(QStringLiteral("MemoVorabAE")).asString();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

void addExportPrintRows(platform::Session &session)
{
    platform::Table rows(platform::Alias::Data, shell::PrintSettingsTable);
    rows.setSession(&session);
    rows.open();
    for (const QString &name : { ExportFirstSheetRow, ExportContinuationRow })
        shell::createPrintRow(rows, name, QStringLiteral("-1"));
    rows.close();
    createMissingPreStampFiles();
}

shell::PrintWindowDefinition exportPrintDefinition()
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmEinheit_d");
    d.caption = QStringLiteral("EINHEITSPAPIER - DRUCK");
    d.headTable = Tables::Einheit;
    d.positionTable = Tables::Einfolg;
    d.positionLinkField = QStringLiteral("belegnr");
    d.jobTitle = ExportJobTitle;
    d.renamedRows = { { QStringLiteral("EINHEITSPAPIER"), ExportFirstSheetRow },
        { QStringLiteral("ERGÄNZUNGSBLATT"), ExportContinuationRow } };
    d.createsMissingRows = true;
    d.newRowPrinter = QStringLiteral("-1");
    d.noPrinter = shell::NoPrinterStep::PrinterAdministration;
    d.administrationPattern = ExportFirstSheetRow + QLatin1Char('*');
    d.question = shell::FormQuestion::None;
    d.paperChoices = { shell::PaperForm, shell::PaperBlank };
    d.fontHeight = -40;
    d.size = QSize(430, 420);
    d.pageChoice = shell::PageChoice { 3, shell::SheetItems { 1, 3 } };
    shell::PrintSheet first;
    first.row = ExportFirstSheetRow;
    first.items = shell::SheetItems { 1, 3 };
    shell::PrintSheet continuation = first;
    continuation.row = ExportContinuationRow;
    continuation.continuation = true;
    d.sheets = { first, continuation };
    d.printRun = [](shell::PrintWindow &window) { static_cast<TfrmEinheit_d &>(window).run(); };
    return d;
}

TfrmEinheit_d::TfrmEinheit_d(QWidget *parent)
    : shell::PrintWindow(exportPrintDefinition(), parent)
{
    PreStampBoxes = QBitArray(PreStampEntries);
    QMenu *services = menuBar()->addMenu(QStringLiteral("Dienste"));
    acVorabstempler = services->addAction(QStringLiteral("Parameter für Vorabstempler"));
    acTestdruck = services->addAction(QStringLiteral("Testdruck auf weißem Papier"));
    mnuAeSaetze = services->addMenu(QStringLiteral("AE-Sätze"));
    ac3fach = mnuAeSaetze->addAction(QStringLiteral("3-fach"));
    ac4fach = mnuAeSaetze->addAction(QStringLiteral("4-fach"));
    for (QAction *item : { ac3fach, ac4fach })
        item->setCheckable(true);
    const int set = aeSet();
    ac3fach->setChecked(set == 3);
    ac4fach->setChecked(set == 4);
    connect(acVorabstempler, &QAction::triggered, this,
        [this] { shell::runReported(this, [this] { preStampParameters(); }); });
    connect(acTestdruck, &QAction::triggered, this, [this] { shell::runReported(this, [this] { testPrint(); }); });
    const auto chooseSet = [this](int copies) {
        ac3fach->setChecked(copies == 3);
        ac4fach->setChecked(copies == 4);
        shell::IniWriteString(AeSetKey, QString::number(copies));
    };
    connect(ac3fach, &QAction::triggered, this, [chooseSet] { chooseSet(3); });
    connect(ac4fach, &QAction::triggered, this, [chooseSet] { chooseSet(4); });

    auto *numberRow = new QHBoxLayout;
    lblNummer = new QLabel(QStringLiteral("Nummmer - Einheitspapier:"), this);
    edtNummer = new QLineEdit(this);
    edtNummer->setObjectName(QStringLiteral("edtNummer"));
    numberRow->addWidget(lblNummer);
    numberRow->addWidget(edtNummer, 1);
    controlsLayout()->addLayout(numberRow);
    cbVorabStempler = new QCheckBox(QStringLiteral("VorabStempler"), this);
    cbVorabStempler->setObjectName(QStringLiteral("cbVorabStempler"));
    cbVorabStempler->setToolTip(QStringLiteral("Bei Masterform wird vorgedruckt"));
    controlsLayout()->addWidget(cbVorabStempler);
    auto *backRow = new QHBoxLayout;
    BtnRueckseite1 = new QPushButton(QStringLiteral("Drucke Rückseite für Seite 1"), this);
    BtnRueckseite4 = new QPushButton(QStringLiteral("Drucke Rückseite für Seite 4"), this);
    for (QPushButton *button : { BtnRueckseite1, BtnRueckseite4 }) {
        button->setAutoDefault(false);
        backRow->addWidget(button);
    }
    controlsLayout()->addLayout(backRow);
    connect(BtnRueckseite1, &QPushButton::clicked, this,
        [this] { shell::runReported(this, [this] { printBackPage(1); }); });
    connect(BtnRueckseite4, &QPushButton::clicked, this,
        [this] { shell::runReported(this, [this] { printBackPage(4); }); });
    connect(paperGroup(), &shell::RadioGroup::itemClicked, this, [this] { applyModeRule(); });
    connect(cbVorabStempler, &QCheckBox::toggled, this, [this] {
        if (blankPaper())
            applyModeRule();
    });
}

TfrmEinheit_d::~TfrmEinheit_d() = default;

int TfrmEinheit_d::aeSet()
{
    bool ok = false;
    const int copies = shell::IniReadString(AeSetKey, QStringLiteral("3")).trimmed().toInt(&ok);
    return ok ? copies : 3;
}

bool TfrmEinheit_d::isTemplate()
{
    platform::Table &h = head();
    return h.isActive() && !h.isEmpty() && h.field(0).asInteger() == TemplateNumber;
}

void TfrmEinheit_d::showEvent(QShowEvent *event)
{
    shell::PrintWindow::showEvent(event);
    if (event->spontaneous())
        return;
    m_pageCount = pageCount();
    const int items = positions() ? positions()->recordCount() : 0;
    lblNummer->setVisible(items > 1);
    edtNummer->setVisible(items > 1);
    cbVorabStempler->setVisible(!isTemplate());
    applyModeRule();
}

QString TfrmEinheit_d::nextFormNumber()
{
    bool ok = false;
    int next = shell::IniReadString(FormNumberKey, QStringLiteral("1")).trimmed().toInt(&ok);
    if (!ok || next < 1 || next > 9999999)
        next = 1;
    shell::IniWriteString(FormNumberKey, QString::number(next % 9999999 + 1));
    return FormNumberLetters + QStringLiteral("%1").arg(next, 7, 10, QLatin1Char('0'));
}

QString TfrmEinheit_d::formNumberPrefix() const
{
    return printTag == 2 ? QStringLiteral("AE") : edtNummer->text().left(2);
}

QString TfrmEinheit_d::formNumberDigits() const
{
    return printTag == 2 ? QStringLiteral("TEST123") : edtNummer->text().mid(2, 7);
}

void TfrmEinheit_d::applyModeRule()
{
    const int items = positions() ? positions()->recordCount() : 0;
    const bool blank = blankPaper();
    mnuAeSaetze->menuAction()->setVisible(blank);
    BtnRueckseite1->setEnabled(blank);
    BtnRueckseite4->setEnabled(blank);
    if (pageGroup()) {
        pageGroup()->setVisible(!blank);
        firstPageEdit()->setVisible(!blank && pageGroup()->itemIndex() == 1);
        lastPageEdit()->setVisible(!blank && pageGroup()->itemIndex() == 1);
        singlePageEdit()->setVisible(!blank && pageGroup()->itemIndex() == 2);
    }
    if (blank) {
        lblNummer->show();
        edtNummer->show();
        if (cbVorabStempler->isChecked() && !isTemplate()) {
            // The number of the pre-stamped set is typed in.
            edtNummer->setReadOnly(false);
            edtNummer->clear();
        } else {
            edtNummer->setReadOnly(true);
            bool ok = false;
            int next = shell::IniReadString(FormNumberKey, QStringLiteral("1")).trimmed().toInt(&ok);
            if (!ok || next < 1 || next > 9999999)
                next = 1;
            edtNummer->setText(FormNumberLetters + QStringLiteral("%1").arg(next, 7, 10, QLatin1Char('0')));
        }
        return;
    }
    lblNummer->setVisible(items >= 2);
    edtNummer->setVisible(items >= 2);
    edtNummer->setReadOnly(false);
    edtNummer->setEnabled(true);
    platform::Table &h = head();
    edtNummer->setText(h.isActive() && !h.isEmpty() ? h.fieldByName(QStringLiteral("AENR")).asString() : QString());
}

void TfrmEinheit_d::preStampParameters()
{
    createMissingPreStampFiles();
    TfrmVorabstempler dialog(this);
    dialog.Execute(preStampPath(ExportUnprintedFile), preStampPath(ExportPrintedFile), defaultPreStampList());
}

void TfrmEinheit_d::run()
{
    // A new installation's first print finds the lists created empty.
    createMissingPreStampFiles();
    const std::optional<QStringList> listed = readPreStampList(preStampPath(ExportPrintedFile));
    if (!listed)
        throw platform::PrintError(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.")
                                       .arg(QDir::toNativeSeparators(preStampPath(ExportPrintedFile))));
    PreStampBoxes = preStampBoxes(*listed, UnknownPreStampLine::Stop);
    NumberAsked = false;
    if (blankPaper())
        PrintOnBlankPaper();
    else
        PrintOnForm();
}

void TfrmEinheit_d::askFormNumber()
{
    if (NumberAsked || isTemplate())
        return;
    NumberAsked = true;
    const platform::InputResult answer = platform::dialogs().inputBox(QStringLiteral("Nummer - Einheitspapier:!"),
        QStringLiteral("Bitte Nummer - Einheitspapier eingeben :"), edtNummer->text());
    if (answer.accepted)
        edtNummer->setText(answer.text);
}

void TfrmEinheit_d::PrintOnForm()
{
    GreyMarks = false;
    const QVector<int> pages = chosenPages();
    for (const int page : pages) {
        if (page == 1) {
            if (!shell::confirmedOk(QStringLiteral("Bitte Formular Ausfuhranmeldung in den Drucker einlegen!")))
                return;
            selectSheetRow(FirstSheet);
            shell::choosePrinterInSetup();
        }
        // The copies of the row the settings stand on: the first sheet's for
        // pages 1 and 2.
        const int copies
            = tbbenutz().isEmpty() ? 1 : tbbenutz().fieldByName(QStringLiteral("Anzahl_Kopien")).asInteger();
        if (page >= 2)
            askFormNumber();
        for (int copy = 1; copy <= copies; ++copy) {
            if (isTemplate()
                && !shell::confirmedOk(page == 1 ? QStringLiteral("Die 1. Seite zum VorabStempler drucken !")
                                          : QStringLiteral("Die Ergänzungsseite zum VorabStempler drucken !")))
                continue;
            printFormPage(page, copy);
        }
    }
}

void TfrmEinheit_d::printFormPage(int page, int copy)
{
    const int sheet = page == 1 ? FirstSheet : ContinuationSheet;
    CurrentPage = page;
    selectSheetRow(sheet);
    m_lastSheet = sheet;
    m_lastOffsets = currentRowOffsets(sheet);
    drawPage(sheet, page, copy, m_lastOffsets, ExportJobTitle, false, [this, page](shell::SheetJob &job) {
        if (page == 1)
            PrintExportDeclarationFirstPage(job);
        else
            PrintExportDeclarationPage(job);
    });
    endJob();
}

void TfrmEinheit_d::PrintExportDeclarationFirstPage(shell::SheetJob &job)
{
    platform::Table &h = head();
    platform::Table *items = positions();
    if (items && items->isActive())
        items->first();
    const bool hasItem = items && items->isActive() && !items->eof();
    const bool severalItems = items && items->isActive() && items->recordCount() > 1;
    const bool templatePrint = isTemplate();
    const bool preStamp = !templatePrint && cbVorabStempler->isChecked();
    const auto headText = [&h](const char *field) { return h.fieldByName(QLatin1String(field)).asString(); };
    const auto itemText
        = [&](const QString &field) { return hasItem ? items->fieldByName(field).asString() : QString(); };
    for (const FirstSheetGroup &group : exportFirstSheetGroups()) {
        if (!preStampPrints(group.entry, templatePrint, preStamp, PreStampBoxes))
            continue;
        switch (group.when) {
        case GroupCondition::Always:
            break;
        case GroupCondition::SeveralItems:
            if (!severalItems)
                continue;
            break;
        case GroupCondition::GreyMarks:
            if (!GreyMarks)
                continue;
            break;
        case GroupCondition::ItemRet:
            if (itemText(QStringLiteral("Ret")) != QLatin1String("True"))
                continue;
            break;
        case GroupCondition::HeadStatement:
            if (headText("F44_11") != QLatin1String("j"))
                continue;
            break;
        case GroupCondition::HeadNoStatement:
            if (headText("F44_11") == QLatin1String("j"))
                continue;
            break;
        case GroupCondition::HeadMark:
            if (headText("f44_10") != QLatin1String("j"))
                continue;
            break;
        case GroupCondition::EmergencyProcedure:
            if (!headText("NV_AM").isEmpty() && !headText("NV_TicketNr").isEmpty())
                drawEmergencyProcedureBlock(job.painter, headText("NV_AM"), headText("NV_TicketNr"));
            continue;
        }
        if (group.fromItem)
            job.painter.draw(group.items, itemText);
        else
            job.painter.draw(group.items, h);
    }
}

void TfrmEinheit_d::PrintExportDeclarationPage(shell::SheetJob &job)
{
    if (job.page <= 1) {
        PrintExportDeclarationFirstPage(job);
        return;
    }
    platform::Table &h = head();
    const QString number = edtNummer->text();
    const QString page = QString::number(job.page);
    job.painter.draw(exportContinuationHead(), [&](const QString &field) {
        if (field == QLatin1String("Nummer"))
            return number;
        if (field == QLatin1String("Seite"))
            return page;
        return h.fieldByName(field).asString();
    });
    platform::Table *items = positions();
    job.forEachItem([&](int k) {
        QStringList fields;
        for (int line = 1; line <= 5; ++line)
            fields.append(items->fieldByName(QStringLiteral("f44_%1").arg(line)).asString());
        const QStringList lines = box44Lines(items->fieldByName(QStringLiteral("F44_10")).asString(),
            items->fieldByName(QStringLiteral("F44_11")).asString(), fields);
        job.painter.draw(
            exportContinuationItem(),
            [&](const QString &field) {
                if (field == GreyMarkField)
                    return GreyMarks ? QStringLiteral("XXX") : QString();
                if (field == RetMarkField)
                    return items->fieldByName(QStringLiteral("Ret")).asString() == QLatin1String("True")
                        ? ContinuationRetMark
                        : QString();
                if (field.startsWith(QLatin1String("Zeile44_")))
                    return lines.value(field.mid(8).toInt() - 1);
                return items->fieldByName(field).asString();
            },
            0, ContinuationItemSpacing * k);
        job.painter.progress(10 + 40 * (k + 1));
    });
    job.painter.progress(100);
}

// Blank paper ----------------------------------------------------------------

void TfrmEinheit_d::beginBlankPage(
    int sheet, int page, int copy, const QString &title, const std::function<void(shell::SheetJob &)> &draw)
{
    const bool continueJob = Duplex && JobOpen && PrinterService::instance().printing();
    if (sheet >= 0) {
        selectSheetRow(sheet);
        m_lastSheet = sheet;
        m_lastOffsets = currentRowOffsets(sheet);
    }
    drawPage(std::max(sheet, 0), page, copy, m_lastOffsets, title, continueJob, draw);
    if (Duplex)
        JobOpen = true;
}

void TfrmEinheit_d::DrawExportDeclarationForm(int copy)
{
    beginBlankPage(FirstSheet, 1, copy, ExportJobTitle + QStringLiteral(" Seite:") + QString::number(copy),
        [this, copy](shell::SheetJob &job) {
            const MainStampOptions stamp { shell::mainState().Zollamt1, shell::mainState().Zollamt2,
                shell::mainState().ZollamtAn1, shell::mainState().ZollamtAn2, shell::mainState().ZollamtNr };
            drawExportFirstSheet(job.painter.canvas(), job.painter.offsets(), copy,
                printTag == 0 ? QString() : formNumberPrefix(), printTag == 0 ? QString() : formNumberDigits(), stamp);
            job.painter.canvas().setFont(job.painter.font());
            PrintExportDeclarationFirstPage(job);
        });
    if (printTag == 2) {
        endJob();
        return;
    }
    if (Duplex && (copy == 1 || copy == 4)) {
        PrintExportDeclarationBackSheet(copy, 1);
        return;
    }
    if (!Duplex)
        endJob();
}

void TfrmEinheit_d::DrawExportContinuationForm(int copy)
{
    const int page = CurrentPage;
    beginBlankPage(ContinuationSheet, page, copy, ExportJobTitle, [this, copy](shell::SheetJob &job) {
        drawExportContinuationSheet(job.painter.canvas(), job.painter.offsets(), copy);
        job.painter.canvas().setFont(job.painter.font());
        PrintExportDeclarationPage(job);
    });
    if (!Duplex)
        endJob();
}

void TfrmEinheit_d::PrintExportDeclarationBackSheet(int sheetOfSet, int copies)
{
    auto &printers = PrinterService::instance();
    const bool continueJob = Duplex && JobOpen && printers.printing();
    if (!continueJob)
        printers.setJobCopies(copies);
    drawPage(std::max(m_lastSheet, 0), 1, sheetOfSet, m_lastOffsets, ExportJobTitle, continueJob,
        [sheetOfSet](shell::SheetJob &job) {
            if (sheetOfSet == 1)
                drawExportBackSheet1(job.painter.canvas(), job.painter.offsets());
            else
                drawExportBackSheet4(job.painter.canvas(), job.painter.offsets());
        });
    if (Duplex) {
        JobOpen = true;
        return;
    }
    endJob();
    printers.setJobCopies(1);
}

void TfrmEinheit_d::PrintOnBlankPaper()
{
    GreyMarks = true;
    const int copies = aeSet();
    if (printTag == 2) {
        Duplex = false;
        JobOpen = false;
        CurrentPage = 1;
        for (int copy = 1; copy <= copies; ++copy)
            DrawExportDeclarationForm(copy);
        return;
    }
    Duplex = platform::dialogs().confirmation(
                 QStringLiteral("Verfügt Ihr Drucker über eine Dupplex-Funktion?"), platform::DialogButtons::YesNo)
        == platform::DialogAnswer::Yes;
    JobOpen = false;
    const auto storeNumber = [this] {
        platform::Table &h = head();
        shell::EditIfBrowsing(h);
        h.fieldByName(QStringLiteral("AENR")).setAsString(edtNummer->text());
        h.post();
    };
    if (isTemplate()) {
        const std::optional<int> sets = askCount(QStringLiteral("Bitte Anzahl Formularsätze eingeben!"));
        if (sets) {
            printTag = 1;
            CurrentPage = 1;
            for (int set = 0; set < *sets; ++set) {
                edtNummer->setText(nextFormNumber());
                for (int copy = 1; copy <= copies; ++copy) {
                    DrawExportDeclarationForm(copy);
                    endJob();
                    JobOpen = false;
                }
            }
        }
        storeNumber();
        return;
    }
    if (cbVorabStempler->isChecked()) {
        printTag = 0;
    } else {
        edtNummer->setText(nextFormNumber());
        printTag = 1;
    }
    selectSheetRow(FirstSheet);
    const int sets = tbbenutz().isEmpty() ? 1 : tbbenutz().fieldByName(QStringLiteral("Anzahl_Kopien")).asInteger();
    for (int set = 0; set < sets; ++set) {
        CurrentPage = 1;
        do {
            for (int copy = 1; copy <= copies; ++copy) {
                if (CurrentPage == 1 && cbVorabStempler->isChecked()) {
                    // Onto a pre-stamped set: the data alone.
                    printFormPage(1, copy);
                } else if (CurrentPage == 1) {
                    DrawExportDeclarationForm(copy);
                } else {
                    DrawExportContinuationForm(copy);
                }
                JobOpen = false;
            }
            endJob();
            ++CurrentPage;
        } while (CurrentPage <= m_pageCount);
    }
    storeNumber();
}

void TfrmEinheit_d::testPrint()
{
    auto &printers = PrinterService::instance();
    if (platform::dialogs().printerSetup(printers.printerNames(), printers.currentIndex()) < 0)
        return;
    printTag = 2;
    paperGroup()->setItemIndex(1);
    applyModeRule();
    PrinterService::takeWrittenPdfFiles();
    auto back = qScopeGuard([this] {
        paperGroup()->setItemIndex(0);
        applyModeRule();
        printTag = 0;
    });
    PrintOnBlankPaper();
}

void TfrmEinheit_d::printBackPage(int sheetOfSet)
{
    if (platform::dialogs().confirmation(
            QStringLiteral("Wenn Sie über einen Dupplex-Drucker verfügen, brauchen Sie "
                           "die Rückseiten nicht mehr einzeln drucken!\r\nDennoch fortsetzen?"),
            platform::DialogButtons::YesNo)
        != platform::DialogAnswer::Yes)
        return;
    const std::optional<int> copies = askCount(QStringLiteral("Bitte geben Sie die Anzahl ein!"));
    if (!copies)
        return;
    shell::choosePrinterInSetup();
    Duplex = false;
    JobOpen = false;
    PrintExportDeclarationBackSheet(sheetOfSet, *copies);
}

} // namespace sad

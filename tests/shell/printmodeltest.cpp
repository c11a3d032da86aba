#include "shell/printwindow.h"

#include "platform/dataedit.h"
#include "platform/field.h"
#include "platform/printerservice.h"
#include "platform/schemaregistry.h"
#include "platform/scripteddialogservice.h"
#include "platform/table.h"
#include "shell/editabledatasetmodel.h"
#include "shell/mainstate.h"
#include "shell/printsettings.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"
#include "shell/tfrmdrucker.h"
#include "shell/tfrmfelderjustieren.h"
#include "shell/tinfodialog.h"
#include "shell/twheeldbgrid.h"
#include "support/modaldialog.h"
#include "support/recordingprinters.h"
#include "support/testprogramdirectory.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace platform;
using namespace shell;

namespace {

void registerDemoTables()
{
    auto &registry = SchemaRegistry::instance();
    if (registry.contains("DRUCKKOPF"))
        return;
    registry.add(TableSchema("DRUCKKOPF.DB", Alias::Data)
                     .integer("BelegNr")
                     .date("Datum")
                     .string("Name1", 30)
                     .string("Name2", 30)
                     .string("Ort", 30)
                     .string("Nummer", 10)
                     .primaryKey({ "BelegNr" }));
    registry.add(TableSchema("DRUCKPOS.DB", Alias::Data)
                     .integer("BelegNr")
                     .integer("Pos")
                     .string("Text", 30)
                     .primaryKey({ "BelegNr", "Pos" }));
}

// A small form: a front sheet carrying the head and the first item, a back
// sheet printed once with box corrections, and continuation sheets with
// three items each, 590 apart.
const QVector<PrintItem> &frontLayout()
{
    static const QVector<PrintItem> layout = {
        fieldAt("Name1", 280, 410),
        fieldAt("Name2", 280, 450).box(3),
        fieldAt("Ort", 1200, 625).variant(0).progress(50),
        fieldAt("Ort", 1300, 700).variant(1),
        fieldAt("Nummer", 720, 800).height(-30),
        textAt("Demo", 100, 100).styled(FontStyle::Bold),
    };
    return layout;
}

const QVector<PrintItem> &itemLayout()
{
    static const QVector<PrintItem> layout = { fieldAt("Text", 230, 1160) };
    return layout;
}

void printItems(SheetJob &job)
{
    job.forEachItem([&job](int k) { job.painter.draw(itemLayout(), *job.window.positions(), 0, k * 590); });
}

PrintWindowDefinition demoDefinition()
{
    PrintWindowDefinition definition;
    definition.objectName = "frmDemo_d";
    definition.caption = "DEMO - DRUCK";
    definition.headTable = "DRUCKKOPF.DB";
    definition.positionTable = "DRUCKPOS.DB";
    definition.jobTitle = "Export / Versand: Demo";
    definition.administrationPattern = "DEMO*";
    definition.paperChoices = { PaperForm, PaperBlank };

    PrintSheet front;
    front.row = "DEMO";
    front.checkBox = "Vorderseite";
    front.question = "Bitte Formular Demo in Drucker einlegen !";
    front.verticalConstant = 230;
    front.print = [](SheetJob &job) {
        job.painter.draw(frontLayout(), job.window.head(), job.variant);
        if (job.blankPaper)
            job.painter.text(100, 50, "Rahmen");
        printItems(job);
    };
    PrintSheet back;
    back.row = "DEMO RÜCKSEITE";
    back.checkBox = "Rückseite";
    back.question = "Bitte Formular Demo Rückseite in Drucker einlegen !";
    back.withCopies = false;
    back.fieldCorrections = true;
    back.print = [](SheetJob &job) { job.painter.draw(frontLayout(), job.window.head(), job.variant); };
    PrintSheet continuation;
    continuation.row = "DEMO - ERGÄNZ";
    continuation.continuation = true;
    continuation.print = printItems;
    definition.sheets = { front, back, continuation };
    return definition;
}

class PrintModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerDemoTables();
        resetMainState();
        mainState().AusdruckFont = QFont("Courier New");
        dir = std::make_unique<testsupport::TestProgramDirectory>();
        Table head(Alias::Data, "DRUCKKOPF.DB");
        head.open();
        head.append();
        head.fieldByName("BelegNr").setAsInteger(7);
        head.fieldByName("Name1").setAsString("Müller GmbH");
        head.fieldByName("Name2").setAsString("Hauptstraße 1");
        head.fieldByName("Ort").setAsString("Bremen");
        head.fieldByName("Nummer").setAsString("A-17");
        head.post();
    }

    // A fresh program directory for the next case of a table.
    void restart()
    {
        dir.reset();
        SetUp();
    }

    void addRow(const QString &name, const QVariant &schnittst, int spalte = 0, int zeile = 0, int copies = 1)
    {
        Table settings(Alias::User, PrintSettingsTable);
        settings.open();
        settings.append();
        settings.fieldByName("name").setAsString(name);
        if (!schnittst.isNull())
            settings.fieldByName("schnittst").setAsString(schnittst.toString());
        settings.fieldByName("spalte").setAsInteger(spalte);
        settings.fieldByName("zeile").setAsInteger(zeile);
        settings.fieldByName("Anzahl_Kopien").setAsInteger(copies);
        settings.post();
    }

    QString rowValue(const QString &name, const QString &field)
    {
        Table settings(Alias::User, PrintSettingsTable);
        settings.open();
        return settings.findKey({ name }) ? settings.fieldByName(field).asString() : QString("<fehlt>");
    }

    void addItems(int count)
    {
        Table items(Alias::Data, "DRUCKPOS.DB");
        items.open();
        for (int pos = 1; pos <= count; ++pos) {
            items.append();
            items.fieldByName("BelegNr").setAsInteger(7);
            items.fieldByName("Pos").setAsInteger(pos);
            items.fieldByName("Text").setAsString(QString("Position %1").arg(pos));
            items.post();
        }
    }

    void addCorrections(const QString &name, int box, int x, int y)
    {
        Table corrections(Alias::Data, FieldCorrectionsTable);
        corrections.open();
        corrections.append();
        corrections.fieldByName("Name").setAsString(name);
        corrections.fieldByName(QString("Feld%1x").arg(box)).setAsInteger(x);
        corrections.fieldByName(QString("Feld%1y").arg(box)).setAsInteger(y);
        corrections.post();
    }

    std::unique_ptr<PrintWindow> openWindow(PrintWindowDefinition definition = demoDefinition())
    {
        auto window = std::make_unique<PrintWindow>(std::move(definition));
        EXPECT_TRUE(window->findDocument(7));
        return window;
    }

    // Texts of a job without the blank that starts its page.
    static QStringList jobTexts(RecordingCanvas &canvas, int job)
    {
        QStringList texts;
        for (const CanvasCall &call : canvas.texts(job)) {
            if (call.text != " ")
                texts.append(QString("%1 (%2, %3)").arg(call.text).arg(call.x).arg(call.y));
        }
        return texts;
    }

    std::unique_ptr<testsupport::TestProgramDirectory> dir;
    ScriptedDialogService dialogs;
    DialogServiceGuard guard { dialogs };
};

TEST_F(PrintModelTest, OffsetsFollowThePrintableAreaTheCorrectionsAndTheFormsConstant)
{
    struct Case {
        int horz, vert, spalte, zeile, constant;
        int x, y;
        QPoint device;
    };
    const QVector<Case> cases = {
        { 200, 287, 0, 0, 230, 280, 410, { 230, -130 } }, { 200, 287, 20, 0, 230, 280, 410, { 210, -130 } },
        { 200, 287, 0, 10, 230, 280, 410, { 230, -140 } }, // a larger zeile moves down
        { 203, 289, 0, 0, 230, 280, 410, { 245, -140 } }, { 203, 289, 0, 0, 0, 280, 410, { 245, -370 } },
        { 215, 300, -5, 0, 0, 0, 0, { 30, -15 } }, // printable area beyond A4
    };
    for (const Case &c : cases) {
        const PageOffsets offsets = PageOffsets::compute(c.horz, c.vert, c.spalte, c.zeile, c.constant);
        EXPECT_EQ(offsets.toDevice(c.x, c.y), c.device) << c.horz << " " << c.spalte << " " << c.zeile;
    }

    // The same through a print window on a printer of 200 x 287 mm.
    testsupport::RecordingPrinters printers({ "Drucker 1" }, QSize(200, 287));
    addRow("DEMO", "0", 20, 0, 1);
    auto window = openWindow();
    dialogs.answer(DialogAnswer::Ok);
    window->printDocument();
    RecordingCanvas &canvas = printers.canvas();
    ASSERT_EQ(canvas.jobCount(), 1);
    EXPECT_EQ(canvas.textAt(210, -130, 1), "Müller GmbH");
    EXPECT_EQ(canvas.textAt(0, 0, 1), " ") << "a blank starts the page";
    EXPECT_EQ(canvas.jobs().at(0).title, "Export / Versand: Demo");
    EXPECT_TRUE(canvas.jobs().at(0).ended);
}

TEST_F(PrintModelTest, ContinuationSheetsCarryThreeItemsEach)
{
    struct Case {
        int items, pages;
    };
    const SheetItems sad;
    for (const Case &c : QVector<Case> { { 0, 1 }, { 1, 1 }, { 2, 2 }, { 4, 2 }, { 5, 3 }, { 7, 3 }, { 8, 4 } })
        EXPECT_EQ(sad.pageCount(c.items), c.pages) << c.items << " items";
    EXPECT_EQ(sad.firstItem(2), 2);
    EXPECT_EQ(sad.lastItem(2), 4);
    EXPECT_EQ(sad.firstItem(3), 5);
    EXPECT_EQ(sad.lastItem(3), 7);
    const SheetItems other { 2, 5 };
    EXPECT_EQ(other.pageCount(7), 2);
    EXPECT_EQ(other.pageCount(8), 3);
    EXPECT_EQ(other.firstItem(3), 8);

    testsupport::RecordingPrinters printers({ "Drucker 1" }, QSize(210, 297));
    addRow("DEMO", "0");
    addRow("DEMO - ERGÄNZ", "0");
    addItems(7);
    auto window = openWindow();
    dialogs.answer(DialogAnswer::Ok);
    window->printDocument();
    RecordingCanvas &canvas = printers.canvas();
    ASSERT_EQ(canvas.jobCount(), 3) << "the main sheet and two continuation sheets";
    EXPECT_EQ(jobTexts(canvas, 1).filter("Position"), QStringList({ "Position 1 (230, -930)" }))
        << "the main sheet carries the first item";
    EXPECT_EQ(jobTexts(canvas, 2),
        QStringList({ "Position 2 (230, -1160)", "Position 3 (230, -1750)", "Position 4 (230, -2340)" }));
    EXPECT_EQ(jobTexts(canvas, 3),
        QStringList({ "Position 5 (230, -1160)", "Position 6 (230, -1750)", "Position 7 (230, -2340)" }));
}

TEST_F(PrintModelTest, CopiesQuestionsAndMissingRowsDecideTheJobs)
{
    struct Case {
        const char *name;
        int copies;
        QVector<DialogAnswer> answers; // front, back
        bool backRow;
        bool backTicked;
        int jobs;
        QStringList questions;
    };
    const QString front = "Bitte Formular Demo in Drucker einlegen !";
    const QString back = "Bitte Formular Demo Rückseite in Drucker einlegen !";
    const QVector<Case> cases = {
        { "three copies, then the back once", 3, { DialogAnswer::Ok, DialogAnswer::Ok }, true, true, 4,
            { front, back } },
        { "cancel skips the front only", 3, { DialogAnswer::Cancel, DialogAnswer::Ok }, true, true, 1,
            { front, back } },
        { "a missing back row is created on opening", 1, { DialogAnswer::Ok, DialogAnswer::Ok }, false, true, 2,
            { front, back } },
        { "back unticked", 2, { DialogAnswer::Ok }, true, false, 2, { front } },
        { "no copies", 0, { DialogAnswer::Ok, DialogAnswer::Cancel }, true, true, 0, { front, back } },
    };
    for (const Case &c : cases) {
        restart();
        testsupport::RecordingPrinters printers;
        dialogs.clear();
        addRow("DEMO", "1", 0, 0, c.copies);
        if (c.backRow)
            addRow("DEMO RÜCKSEITE", "1", 0, 0, 5);
        auto window = openWindow();
        window->sheetCheckBox(1)->setChecked(c.backTicked);
        for (DialogAnswer answer : c.answers)
            dialogs.answer(answer);
        window->printDocument();
        EXPECT_EQ(printers.canvas().jobCount(), c.jobs) << c.name;
        EXPECT_EQ(dialogs.texts(), c.questions) << c.name;
        EXPECT_EQ(dialogs.defaultAnswerCount(), 0) << c.name;
        for (const auto &job : printers.canvas().jobs()) {
            EXPECT_TRUE(job.ended) << c.name;
            EXPECT_EQ(job.printer, "Drucker 2") << c.name;
        }
        EXPECT_EQ(window->result(), QDialog::Accepted) << c.name;
        EXPECT_FALSE(window->sheetCheckBox(0)->isVisibleTo(window.get())) << c.name;
    }
}

TEST_F(PrintModelTest, LayoutsChooseTheirVariantPaperAndFonts)
{
    testsupport::RecordingPrinters printers({ "Drucker 1" }, QSize(210, 297));
    addRow("DEMO", "0");
    PrintWindowDefinition definition = demoDefinition();
    definition.variant = [](PrintWindow &) { return 1; };
    auto window = openWindow(definition);
    window->paperGroup()->setItemIndex(1);
    EXPECT_TRUE(window->blankPaper());
    EXPECT_EQ(window->numberText(), "7");
    dialogs.answer(DialogAnswer::Ok);
    window->printDocument();
    RecordingCanvas &canvas = printers.canvas();
    EXPECT_EQ(canvas.textAt(1300, -700 + 230, 1), "Bremen") << "the chosen variant";
    EXPECT_EQ(canvas.findText("Rahmen", 1)->y, -50 + 230) << "blank paper draws the form";
    EXPECT_EQ(jobTexts(canvas, 1).filter("Bremen").size(), 1) << "items of other variants stay out";
    const CanvasCall *number = canvas.findText("A-17", 1);
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->font.height, -30);
    EXPECT_EQ(number->font.name, "Courier New");
    const CanvasCall *name = canvas.findText("Müller GmbH", 1);
    EXPECT_EQ(name->font.height, -35) << "the layout's height after an item of its own";
    EXPECT_TRUE(canvas.findText("Demo", 1)->font.style.testFlag(FontStyle::Bold));
    EXPECT_FALSE(name->font.style.testFlag(FontStyle::Bold));
}

TEST_F(PrintModelTest, ItemsPrintCrossesCharacterBoxesNumbersDatesAndRightAlignedTexts)
{
    struct Case {
        PrintItem item;
        QString value;
        QStringList printed; // "text (x, y)" on a canvas without offsets
    };
    const QVector<Case> cases = {
        { fieldAt("F", 600, 980).cross(), "True", { "X (600, -980)" } },
        { fieldAt("F", 600, 980).cross(), "False", {} },
        { fieldAt("F", 600, 980).cross(), "", {} },
        { fieldAt("F", 140, 1190).crossIfYes(), "J", { "X (140, -1190)" } },
        { fieldAt("F", 140, 1190).crossIfYes(), "X", { "X (140, -1190)" } },
        { fieldAt("F", 140, 1190).crossIfYes(), "N", {} },
        { fieldAt("F", 140, 1190).crossIfYes(), "j", {} },
        { fieldAt("F", 130, 190).date("dd").inCharacterBoxes(39), "05.03.2024", { "0 (130, -190)", "5 (169, -190)" } },
        { fieldAt("F", 1140, 930).number(NumberFormat::Plain), "12,5", { "12,5 (1140, -930)" } },
        { fieldAt("F", 1140, 930).number(NumberFormat::Plain), "", { "0 (1140, -930)" } },
        { fieldAt("F", 1140, 930).number(NumberFormat::Amount), "1234,5", { "1.234,50 (1140, -930)" } },
        { fieldAt("F", 1970, 520).number(NumberFormat::Whole), "2,5", { "3 (1970, -520)" } },
        { fieldAt("F", 240, 220).date("MM/dd/yy"), "05.03.2024", { "03/05/24 (240, -220)" } },
        { fieldAt("F", 240, 220).date("MM/dd/yy"), "", {} },
        { fieldAt("F", 240, 220).date("dd.MM.yy"), "31.12.2023", { "31.12.23 (240, -220)" } },
    };
    testsupport::RecordingPrinters printers({ "Drucker 1" });
    RecordingCanvas &canvas = printers.canvas();
    PrinterService::instance().beginJob("Probe");
    LayoutPainter painter(canvas, PageOffsets {}, printFont(QFont("Arial"), -30));
    for (const Case &c : cases) {
        canvas.clear();
        painter.draw({ c.item }, [&c](const QString &) { return c.value; });
        QStringList printed;
        for (const CanvasCall &call : canvas.texts())
            printed.append(QString("%1 (%2, %3)").arg(call.text).arg(call.x).arg(call.y));
        EXPECT_EQ(printed, c.printed) << c.value.toStdString();
    }
    // Right-aligned: the text ends at x.
    canvas.clear();
    painter.draw({ fieldAt("F", 1000, 100).rightAligned() }, [](const QString &) { return QString("123,45"); });
    const CanvasCall *right = canvas.findText("123,45");
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->x + canvas.textWidth("123,45"), 1000);
    canvas.endDoc();
}

TEST_F(PrintModelTest, EnterPrintsAndEscapeCancelsWhicheverControlHasTheFocus)
{
    testsupport::RecordingPrinters printers;
    addRow("DEMO", "0");
    for (const auto &[key, jobs] : QVector<QPair<Qt::Key, int>> { { Qt::Key_Escape, 0 }, { Qt::Key_Return, 1 } }) {
        printers.canvas().clear();
        auto window = openWindow();
        window->show();
        QApplication::setActiveWindow(window.get());
        window->sheetCheckBox(1)->setFocus();
        dialogs.clear();
        dialogs.answer(DialogAnswer::Ok);
        dialogs.answer(DialogAnswer::Cancel); // the back
        QTest::keyClick(window->sheetCheckBox(1), key);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->result(), jobs ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(printers.canvas().jobCount(), jobs);
        EXPECT_TRUE(window->sheetCheckBox(1)->isChecked()) << "the key goes to the window, not the box";
    }
}

TEST_F(PrintModelTest, AWindowWithoutAPrinterAsksForOneAndStoresItInAllItsRows)
{
    struct Case {
        QVariant schnittst;
        bool asks;
    };
    const QVector<Case> cases = {
        { "LPT1", true },
        { "lpt1", true },
        { QVariant(), true },
        { "-1", true },
        { "7", true },
        { "1", false },
    };
    for (const Case &c : cases) {
        restart();
        testsupport::RecordingPrinters printers({ "Drucker 1", "Drucker 2", "Drucker 3" });
        dialogs.clear();
        addRow("DEMO", c.schnittst);
        addRow("DEMO RÜCKSEITE", "0");
        addRow("ANDERES", "0");
        dialogs.answerIndex(2);
        auto window = openWindow();
        const QString label = c.schnittst.toString();
        if (c.asks) {
            EXPECT_EQ(dialogs.calls().size(), 2) << label.toStdString();
            EXPECT_EQ(dialogs.calls().at(0).kind, DialogKind::Information);
            EXPECT_EQ(dialogs.calls().at(0).text, "Es wurde kein Drucker ausgewählt!");
            EXPECT_EQ(dialogs.calls().at(1).kind, DialogKind::PrinterSetup);
            EXPECT_EQ(rowValue("DEMO", "schnittst"), "2") << label.toStdString();
            EXPECT_EQ(rowValue("DEMO RÜCKSEITE", "schnittst"), "2") << "every row of the window";
            EXPECT_EQ(window->statusText(), "Drucker: Drucker 3");
        } else {
            EXPECT_TRUE(dialogs.calls().isEmpty()) << label.toStdString();
            EXPECT_EQ(window->statusText(), "Drucker: Drucker 2");
        }
        EXPECT_EQ(rowValue("ANDERES", "schnittst"), "0") << "rows of other forms stay";
    }
}

TEST_F(PrintModelTest, TheExportDeclarationsWayRenamesOldRowsAndAsksThePrinterAdministration)
{
    testsupport::RecordingPrinters printers;
    addRow("EINHEITSPAPIER", "LPT1", 15, 0, 2);
    PrintWindowDefinition definition = demoDefinition();
    definition.sheets[0].row = "AUSFUHRANMELDUNG";
    definition.renamedRows = { { "EINHEITSPAPIER", "AUSFUHRANMELDUNG" } };
    definition.noPrinter = NoPrinterStep::PrinterAdministration;
    definition.administrationPattern = "AUSFUHRANMELDUNG*";
    QStringList shownRows;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *drucker = qobject_cast<TfrmDrucker *>(dialog);
        ASSERT_NE(drucker, nullptr);
        Table &rows = drucker->tbbenutz();
        for (rows.first(); !rows.eof(); rows.next())
            shownRows << rows.fieldByName("name").asString() + "=" + rows.fieldByName("schnittst").asString();
        rows.first();
        dialogs.answerIndex(1);
        drucker->assignPrinter();
        drucker->BtnOK->click();
    });
    auto window = openWindow(definition);
    EXPECT_EQ(shownRows, QStringList({ "AUSFUHRANMELDUNG=-1" }));
    EXPECT_EQ(rowValue("EINHEITSPAPIER", "name"), "<fehlt>");
    EXPECT_EQ(rowValue("AUSFUHRANMELDUNG", "spalte"), "15");
    EXPECT_EQ(rowValue("AUSFUHRANMELDUNG", "schnittst"), "1");
    EXPECT_EQ(window->statusText(), "Drucker: Drucker 2");
    EXPECT_EQ(window->copiesText(), "2");
}

TEST_F(PrintModelTest, AWindowThatCreatesItsRowsGivesThemTheDefaults)
{
    testsupport::RecordingPrinters printers;
    PrintWindowDefinition definition = demoDefinition();
    definition.createsMissingRows = true;
    auto window = openWindow(definition);
    EXPECT_TRUE(dialogs.calls().isEmpty()) << "printer 0 is assigned";
    for (const QString &row : QStringList { "DEMO", "DEMO RÜCKSEITE", "DEMO - ERGÄNZ" }) {
        EXPECT_EQ(rowValue(row, "schnittst"), "0");
        EXPECT_EQ(rowValue(row, "spalte"), "0");
        EXPECT_EQ(rowValue(row, "zeile"), "0");
        EXPECT_EQ(rowValue(row, "Anzahl_Kopien"), "1");
    }
}

// One sheet, one field at (240, 220), the orientation offered under the key
// "Demo_DruckFormat".
PrintWindowDefinition orientedDefinition(bool portraitAfterJob)
{
    PrintWindowDefinition definition;
    definition.objectName = "frmDemoQuer_d";
    definition.headTable = "DRUCKKOPF.DB";
    definition.orientation = OrientationChoice { "Demo_DruckFormat", portraitAfterJob };
    definition.question = FormQuestion::None;
    PrintSheet sheet;
    sheet.row = "DEMO QUER";
    sheet.print = [](SheetJob &job) { job.painter.draw({ fieldAt("Name1", 240, 220) }, job.window.head()); };
    definition.sheets = { sheet };
    return definition;
}

TEST_F(PrintModelTest, OrientationDecidesThePageAndTheOffsetsOfEveryJob)
{
    struct Case {
        QString stored; // Export.ini; empty: no key
        int spalte;
        int xCorrection;
        bool portraitAfterJob;
        int item; // the radio group afterwards
        QPoint at;
        PageOrientation job;
        PageOrientation after;
    };
    const auto P = PageOrientation::Portrait;
    const auto L = PageOrientation::Landscape;
    const QVector<Case> cases = {
        { "", 0, 0, false, 1, { 200, -185 }, L, L }, // default "1": dx 40, dy -35
        { "0", 0, 0, false, 0, { 205, -180 }, P, P }, // dx 35, dy -40
        { "1", 0, 0, true, 1, { 200, -185 }, L, P }, // back to portrait after the job
        { "5", 0, 0, false, 1, { 200, -185 }, L, L }, // 2 or more is landscape
        { "-1", 0, 0, false, -1, { 240, -220 }, P, P }, // neither: no centring, no offsets
        { "-1", 10, 0, false, -1, { 240, -220 }, P, P },
        { "0", 10, 0, false, 0, { 195, -180 }, P, P }, // spalte 10 moves 1 mm left
        { "0", 0, 200, false, 0, { 405, -180 }, P, P }, // the x correction
    };
    for (const Case &c : cases) {
        restart();
        testsupport::RecordingPrinters printers({ "Drucker 1" }, QSize(203, 289));
        // An earlier print left the printer in the other orientation.
        PrinterService::instance().setOrientation(c.job == P ? L : P);
        if (!c.stored.isEmpty())
            IniWriteString("Demo_DruckFormat", c.stored);
        addRow("DEMO QUER", "0", c.spalte);
        PrintWindowDefinition definition = orientedDefinition(c.portraitAfterJob);
        definition.xCorrection = c.xCorrection;
        auto window = openWindow(definition);
        const std::string label = c.stored.toStdString() + " " + std::to_string(c.spalte);
        EXPECT_EQ(window->orientationGroup()->itemIndex(), c.item) << label;
        EXPECT_EQ(IniReadString("Demo_DruckFormat", "?"), QString::number(c.item)) << "written back: " << label;
        window->printDocument();
        RecordingCanvas &canvas = printers.canvas();
        ASSERT_EQ(canvas.jobCount(), 1) << label;
        EXPECT_EQ(canvas.textAt(c.at.x(), c.at.y(), 1), "Müller GmbH") << label;
        EXPECT_EQ(canvas.jobs().at(0).orientation, c.job) << label;
        EXPECT_EQ(PrinterService::instance().orientation(), c.after) << label;
    }

    // Each choice is written back; a window without the choice prints in
    // portrait whatever an earlier job left.
    restart();
    testsupport::RecordingPrinters printers({ "Drucker 1" }, QSize(203, 289));
    addRow("DEMO QUER", "0");
    auto window = openWindow(orientedDefinition(false));
    window->orientationGroup()->button(0)->click();
    EXPECT_EQ(IniReadString("Demo_DruckFormat", "?"), "0");
    window->orientationGroup()->button(1)->click();
    EXPECT_EQ(IniReadString("Demo_DruckFormat", "?"), "1");
    window->printDocument();
    PrintWindowDefinition plain = orientedDefinition(false);
    plain.orientation.reset();
    auto portrait = openWindow(plain);
    EXPECT_EQ(portrait->orientationGroup(), nullptr);
    portrait->printDocument();
    ASSERT_EQ(printers.canvas().jobCount(), 2);
    EXPECT_EQ(printers.canvas().jobs().at(0).orientation, PageOrientation::Landscape);
    EXPECT_EQ(printers.canvas().jobs().at(1).orientation, PageOrientation::Portrait);
}

TEST_F(PrintModelTest, MissingRowsComeFromTheMasterCopyElseAskForAPrinter)
{
    testsupport::RecordingPrinters printers({ "Drucker 1", "Drucker 2" });
    {
        dir->session().database(Alias::Data).ensureTables(SchemaRegistry::instance().tables(Alias::User));
        Table master(Alias::Data, PrintSettingsTable);
        master.open();
        master.append();
        master.fieldByName("name").setAsString("DEMO");
        master.fieldByName("schnittst").setAsString("1");
        master.fieldByName("spalte").setAsInteger(12);
        master.fieldByName("zeile").setAsInteger(-4);
        master.fieldByName("Anzahl_Kopien").setAsInteger(2);
        master.post();
    }
    addRow("DEMO - ERGÄNZ", "0", 7);
    PrintWindowDefinition definition = demoDefinition();
    definition.createsMissingRows = true;
    definition.newRowPrinter = "LPT1";
    dialogs.answerIndex(0);
    auto window = openWindow(definition);
    EXPECT_EQ(rowValue("DEMO", "spalte"), "12") << "copied from the master copy";
    EXPECT_EQ(rowValue("DEMO", "zeile"), "-4");
    EXPECT_EQ(rowValue("DEMO", "Anzahl_Kopien"), "2");
    EXPECT_EQ(rowValue("DEMO RÜCKSEITE", "schnittst"), "LPT1") << "created without printer";
    EXPECT_EQ(rowValue("DEMO - ERGÄNZ", "spalte"), "7") << "an existing row stays";
    EXPECT_TRUE(dialogs.calls().isEmpty()) << "the main row names a printer";

    // A main row created without printer asks for one.
    restart();
    testsupport::RecordingPrinters more({ "Drucker 1", "Drucker 2" });
    dialogs.clear();
    dialogs.answerIndex(1);
    auto asking = openWindow(definition);
    ASSERT_EQ(dialogs.calls().size(), 2);
    EXPECT_EQ(dialogs.calls().at(0).text, "Es wurde kein Drucker ausgewählt!");
    EXPECT_EQ(rowValue("DEMO", "schnittst"), "1");
}

TEST_F(PrintModelTest, RowsOfTheOldPrinterOrderAreReadOnceWithPdfLast)
{
    // Before, the list was (A, B, PDF-Datei); today PDF-Datei comes first.
    testsupport::RecordingPrinters printers({ "PDF-Datei", "A", "B" });
    struct Case {
        QString row, stored, nowStored, nowNamed;
    };
    const QVector<Case> cases = {
        { "EUR1", "0", "1", "A" }, { "EUR2", "1", "2", "B" }, { "LISTE", "2", "0", "PDF-Datei" },
        { "KEINER", "-1", "-1", "" }, // asks for a printer, as before
        { "LPT", "LPT1", "LPT1", "" }, { "WEIT", "7", "7", "" }, // named no printer then either: still asks
        { "BENANNT", "0", "0", "B" }, // its printer is known by name already
    };
    for (const Case &c : cases)
        addRow(c.row, c.stored);
    rememberPrinter("BENANNT", 2);

    adoptOldPrinterOrder();
    for (const Case &c : cases) {
        EXPECT_EQ(rowValue(c.row, "schnittst"), c.nowStored) << c.row.toStdString();
        EXPECT_EQ(rememberedPrinter(c.row), c.nowNamed) << c.row.toStdString();
    }
    EXPECT_EQ(resolvePrinterIndex("EUR1", rowValue("EUR1", "schnittst")), 1) << "prints on A, as before";

    // Once only: a row stored afterwards counts in today's order.
    addRow("NEU", "0");
    adoptOldPrinterOrder();
    EXPECT_EQ(rowValue("NEU", "schnittst"), "0");
    EXPECT_EQ(rememberedPrinter("NEU"), "");
    EXPECT_EQ(rowValue("EUR1", "schnittst"), "1");
}

TEST_F(PrintModelTest, PrinterSetupStoresThePrinterOnlyWhenConfirmedWhereTheWindowSaysSo)
{
    for (const bool onlyConfirmed : { false, true }) {
        restart();
        testsupport::RecordingPrinters printers({ "Drucker 1", "Drucker 2" });
        dialogs.clear();
        addRow("DEMO QUER", "1");
        PrintWindowDefinition definition = orientedDefinition(false);
        definition.setupStoresOnlyWhenConfirmed = onlyConfirmed;
        auto window = openWindow(definition);
        PrinterService::instance().setCurrentIndex(0);
        dialogs.answerCancel();
        window->printerSetup();
        EXPECT_EQ(rowValue("DEMO QUER", "schnittst"), onlyConfirmed ? "1" : "0") << onlyConfirmed;
        dialogs.answerIndex(1);
        window->printerSetup();
        EXPECT_EQ(rowValue("DEMO QUER", "schnittst"), "1") << onlyConfirmed;
    }
}

TEST_F(PrintModelTest, FieldCorrectionsMoveTheirBoxOnly)
{
    testsupport::RecordingPrinters printers({ "Drucker 1" }, QSize(210, 297));
    addRow("DEMO", "0");
    addRow("DEMO RÜCKSEITE", "0");
    addCorrections("DEMO RÜCKSEITE", 3, 0, 20);
    addCorrections("DEMO", 3, 50, 50);
    auto window = openWindow();
    dialogs.answer(DialogAnswer::Ok);
    dialogs.answer(DialogAnswer::Ok);
    window->printDocument();
    RecordingCanvas &canvas = printers.canvas();
    ASSERT_EQ(canvas.jobCount(), 2);
    EXPECT_EQ(canvas.textAt(280, -450 + 230, 1), "Hauptstraße 1") << "the front reads no corrections";
    EXPECT_EQ(canvas.textAt(280, -470, 2), "Hauptstraße 1") << "box 3 two millimetres lower";
    EXPECT_EQ(canvas.textAt(280, -410, 2), "Müller GmbH") << "other boxes stay";
}

class PrinterAdministrationTest : public PrintModelTest
{
};

TEST_F(PrinterAdministrationTest, OpeningClearsPortsAndTheStatusCountsTheRows)
{
    struct Case {
        QVector<QVariant> printers;
        QStringList panels;
    };
    const QVector<Case> cases = {
        { { "0", "1", "LPT1", "5" },
            { " 2 Drucker zugeordnet", " 1 Drucker nicht zugeordnet", " 1 Druckerzuordnung Falsch!" } },
        { { "9", "-3", "x", QVariant() },
            { " 0 Drucker zugeordnet", " 1 Drucker nicht zugeordnet", " 3 Druckerzuordnungen Falsch!" } },
    };
    for (const Case &c : cases) {
        restart();
        testsupport::RecordingPrinters printers;
        for (int i = 0; i < c.printers.size(); ++i)
            addRow(QString("FORM%1").arg(i), c.printers.at(i));
        TfrmDrucker drucker;
        EXPECT_EQ(drucker.windowTitle(), "Drucker-Verwaltung");
        drucker.show();
        for (int panel = 0; panel < 3; ++panel)
            EXPECT_EQ(drucker.panelText(panel), c.panels.at(panel));
        drucker.close();
    }
    EXPECT_EQ(rowValue("FORM3", "schnittst"), "-1") << "an empty printer becomes -1";

    restart();
    testsupport::RecordingPrinters printers;
    addRow("A", "LPT1");
    addRow("B", "0");
    addRow("C", "4");
    TfrmDrucker drucker;
    EXPECT_EQ(rowValue("A", "schnittst"), "-1");
    auto *model = drucker.DBGrid1->dataSetModel();
    QStringList shown;
    for (int row = 0; row < model->rowCount(); ++row)
        shown << model->index(row, 0).data().toString() + ": " + model->index(row, 4).data().toString();
    EXPECT_EQ(shown, QStringList({ "A: Kein Drucker zugeordnet", "B: Drucker 1", "C: Druckerzuordnung fehlerhaft!" }));
    EXPECT_EQ(model->index(0, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(245, 252, 3));
    EXPECT_EQ(model->index(1, 1).data(Qt::ForegroundRole).value<QColor>(), TfrmDrucker::AssignedColor);
    EXPECT_EQ(model->index(2, 3).data(Qt::ForegroundRole).value<QColor>(), TfrmDrucker::FaultyColor);
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "x-Koordinate");
    EXPECT_FALSE(model->flags(model->index(0, 0)).testFlag(Qt::ItemIsEditable)) << "the form's name";
    EXPECT_TRUE(model->flags(model->index(0, 1)).testFlag(Qt::ItemIsEditable));
}

TEST_F(PrinterAdministrationTest, EditsPostOnClosingAndTheCallersFilterGoes)
{
    testsupport::RecordingPrinters printers;
    addRow("EUR1", "0");
    addRow("EUR RÜCKSEITE", "0");
    addRow("eur1 alt", "0");
    TfrmDrucker drucker;
    drucker.filterRows("EUR1*");
    auto *model = drucker.DBGrid1->dataSetModel();
    ASSERT_EQ(model->rowCount(), 2) << "the filter ignores the letter case";
    EXPECT_TRUE(model->setData(model->index(0, 1), "25"));
    EXPECT_FALSE(model->setData(model->index(0, 3), "zwei")) << "no number";
    EXPECT_EQ(dialogs.calls(DialogKind::Error).size(), 1);
    drucker.BtnOK->click();
    EXPECT_EQ(drucker.result(), QDialog::Accepted);
    EXPECT_EQ(rowValue("EUR1", "spalte"), "25");
    EXPECT_EQ(rowValue("EUR1", "Anzahl_Kopien"), "1");
    EXPECT_FALSE(drucker.tbbenutz().filtered());
    EXPECT_EQ(drucker.tbbenutz().recordCount(), 3);
}

TEST_F(PrinterAdministrationTest, DoubleClickAssignsAPrinterAndEnterInTheGridIsOk)
{
    testsupport::RecordingPrinters printers;
    addRow("EUR1", "-1");
    TfrmDrucker drucker;
    drucker.show();
    QApplication::setActiveWindow(&drucker);
    auto *model = drucker.DBGrid1->dataSetModel();
    dialogs.answerIndex(1);
    emit drucker.DBGrid1->doubleClicked(model->index(0, 1));
    ASSERT_EQ(dialogs.calls(DialogKind::PrinterSetup).size(), 1);
    EXPECT_EQ(dialogs.calls(DialogKind::PrinterSetup).at(0).choices, QStringList({ "Drucker 1", "Drucker 2" }));
    EXPECT_EQ(model->index(0, 4).data().toString(), "Drucker 2");
    EXPECT_EQ(rowValue("EUR1", "schnittst"), "1");
    EXPECT_EQ(drucker.panelText(0), " 1 Drucker zugeordnet");
    EXPECT_EQ(PrinterService::instance().currentPrinterName(), "Drucker 2");

    QTest::keyClick(drucker.DBGrid1, Qt::Key_Return);
    EXPECT_EQ(drucker.result(), QDialog::Accepted);
    EXPECT_FALSE(drucker.isVisible());
}

TEST_F(PrinterAdministrationTest, FieldAdjustmentIsOfferedOnRowsWithCorrections)
{
    testsupport::RecordingPrinters printers;
    addRow("EUR1", "0");
    addRow("IMO", "0");
    addRow("SHIPPERS DECLARATION", "0");
    addCorrections("IMO", 1, 0, 0);
    addCorrections("SHIPPERS DECLARATION", 1, 0, 0);
    TfrmDrucker drucker;
    drucker.show();
    Table &rows = drucker.tbbenutz();
    for (const auto &[row, offered] :
        QVector<QPair<QString, bool>> { { "EUR1", false }, { "IMO", true }, { "SHIPPERS DECLARATION", true } }) {
        ASSERT_TRUE(rows.findKey({ row }));
        EXPECT_EQ(drucker.BtnFelderJustieren->isVisible(), offered) << row.toStdString();
    }

    rows.findKey({ "IMO" });
    QStringList titles;
    int shownRows = 0;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *adjust = qobject_cast<TfrmFelderJustieren *>(dialog);
        ASSERT_NE(adjust, nullptr);
        auto *model = adjust->DBGrid1->dataSetModel();
        shownRows = model->rowCount();
        for (int column : { 0, 1, 2, 5, 50 })
            titles << model->headerData(column, Qt::Horizontal).toString();
        adjust->BtnAbbrechen->click();
    });
    drucker.BtnFelderJustieren->click();
    EXPECT_EQ(shownRows, 1);
    EXPECT_EQ(titles,
        QStringList({ "Formularbezeichnung", "Versender / Spalte", "Versender / Zeile", "Empfänger / Spalte",
            "Ort u. Datum / Zeile" }));
    EXPECT_FALSE(drucker.tbFelderJust().filtered()) << "the filter goes afterwards";
    const QStringList shipper = TfrmFelderJustieren::boxNames("SHIPPERS DECLARATION");
    EXPECT_EQ(shipper.size(), 24);
    EXPECT_EQ(shipper.at(5), "");
    EXPECT_EQ(shipper.at(23), "Signature");
    drucker.close();
}

TEST_F(PrinterAdministrationTest, FieldAdjustmentKeepsOnOkAndDropsOnAbbrechen)
{
    for (const bool ok : { false, true }) {
        restart();
        addCorrections("IMO", 3, 0, 0);
        Table corrections(Alias::Data, FieldCorrectionsTable);
        corrections.open();
        TfrmFelderJustieren adjust(corrections, "IMO");
        adjust.show();
        auto *model = adjust.DBGrid1->dataSetModel();
        ASSERT_EQ(model->headerData(6, Qt::Horizontal).toString(), "Empfänger / Zeile");
        // One cell already in the record, another still in its editor.
        ASSERT_TRUE(model->setData(model->index(0, 6), "20"));
        const QModelIndex feld3x = model->index(0, 5);
        adjust.DBGrid1->setCurrentIndex(feld3x);
        adjust.DBGrid1->edit(feld3x);
        auto *editor = adjust.DBGrid1->viewport()->findChild<QLineEdit *>();
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, "5");
        (ok ? adjust.BtnOK : adjust.BtnAbbrechen)->click();
        EXPECT_EQ(adjust.result(), ok ? QDialog::Accepted : QDialog::Rejected);
        Table stored(Alias::Data, FieldCorrectionsTable);
        stored.open();
        ASSERT_TRUE(stored.findKey({ "IMO" }));
        EXPECT_EQ(stored.fieldByName("Feld3y").asInteger(), ok ? 20 : 0) << (ok ? "OK" : "Abbrechen");
        EXPECT_EQ(stored.fieldByName("Feld3x").asInteger(), ok ? 5 : 0) << (ok ? "OK" : "Abbrechen");
        QApplication::processEvents();
        EXPECT_FALSE(corrections.isEditing());
    }
}

TEST_F(PrinterAdministrationTest, HelpSaysWhichWayTheCorrectionsMoveThePrint)
{
    TfrmDrucker drucker;
    QString caption;
    QStringList lines;
    bool yesShown = true;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *info = qobject_cast<TInfoDialog *>(dialog);
        ASSERT_NE(info, nullptr);
        caption = info->windowTitle();
        lines = info->Memo_Details->toPlainText().split('\n');
        yesShown = info->BtnJa->isVisibleTo(info);
        info->BtnNein->click();
    });
    drucker.show();
    QTest::keyClick(drucker.DBGrid1, Qt::Key_F1);
    EXPECT_EQ(caption, "Hinweise zu den Druck-Parametern");
    EXPECT_FALSE(yesShown);
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines.at(1), "  Wird der eingetragene Wert erhöht, verschiebt sich der Ausdruk nach links.")
        << "the column correction is subtracted from x";
    EXPECT_EQ(lines.at(2), "  Wird der eingetragene Wert verringert, verschiebt sich der Ausdruck nach rechts.");
    EXPECT_EQ(lines.at(5), "  Wird der eingetragene Wert erhöht, verschiebt sich der Ausdruk nach unten.");
    drucker.close();
}

TEST_F(PrinterAdministrationTest, TheIntrastatSpacingIsHiddenAndBoundToTheParameterRecord)
{
    SchemaRegistry::instance().add(TableSchema("DRUCKPARAM.DB", Alias::Data).autoInc("ID").integer("Inta"));
    restart();
    Table parameter(Alias::Data, "DRUCKPARAM.DB");
    parameter.open();
    parameter.append();
    parameter.fieldByName("Inta").setAsInteger(45);
    parameter.post();
    mainState().tbParameter = &parameter;
    TfrmDrucker drucker;
    drucker.show();
    EXPECT_FALSE(drucker.lblInta->isVisible());
    EXPECT_FALSE(drucker.edtInta->isVisible());
    EXPECT_EQ(drucker.lblInta->text(), "Abstand der Intrastat-Positionen: ");
    EXPECT_EQ(drucker.edtInta->text(), "45");
    drucker.close();
    mainState().tbParameter = nullptr;
}

} // namespace

TEST(CharacterBoxesTest, EachCharacterStandsInItsBoxPitchApartFromTheBase)
{
    struct Case {
        const char *name;
        int pitch;
        int base;
        QString text;
        QVector<QPair<int, QString>> expected; // x, character
    };
    const Case cases[] = {
        { "from the box at x", 50, 0, "DE12", { { 240, "D" }, { 290, "E" }, { 340, "1" }, { 390, "2" } } },
        { "from the box after x", 39, 1, "AB", { { 279, "A" }, { 318, "B" } } },
        { "blanks leave their box empty", 50, 0, " 7", { { 290, "7" } } },
    };
    for (const Case &c : cases) {
        RecordingCanvas canvas(QSize(210, 297));
        canvas.beginDoc("Kästchen");
        // An A4 printable area without offsets: form positions stay as they are.
        LayoutPainter painter(canvas, PageOffsets::compute(210, 297, 0, 0), CanvasFont {});
        painter.draw(
            { fieldAt("Feld", 240, 190).inCharacterBoxes(c.pitch, c.base) }, [&c](const QString &) { return c.text; });
        canvas.endDoc();
        const QList<CanvasCall> texts = canvas.texts();
        ASSERT_EQ(texts.size(), c.expected.size()) << c.name;
        for (int i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts.at(i).x, c.expected.at(i).first) << c.name;
            EXPECT_EQ(texts.at(i).y, -190) << c.name;
            EXPECT_EQ(texts.at(i).text, c.expected.at(i).second) << c.name;
        }
    }
}

#include "sadfixture.h"

#include "platform/printcanvas.h"
#include "sad/exportprintlayout.h"
#include "sad/prestamplists.h"
#include "sad/tfrmeinheit_d.h"
#include "sad/tfrmvorabstempler.h"
#include "shell/conversion.h"
#include "shell/printsettings.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"
#include "shell/users.h"
#include "support/modaldialog.h"
#include "support/recordingprinters.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace sad;
using platform::CanvasCall;
using platform::DialogAnswer;

namespace {

// 203 x 289 mm printable, no user offsets: x - 35, y - 40, y upwards.
QPoint device(int x, int y)
{
    return { x - 35, -(y - 40) };
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class ExportPrintTest : public SadTest
{
protected:
    void SetUp() override
    {
        shell::registerUserTables();
        SadTest::SetUp();
        printers.canvas().clear();
    }

    // Both rows on printer 0 with the copies.
    static void setRows(int copies = 1, int continuationCopies = 1)
    {
        testsupport::setPrintRowCopies({ { ExportFirstSheetRow, copies }, { ExportContinuationRow, continuationCopies } });
    }

    // A declaration with items "Ware 1" .. "Ware n".
    static void addDeclarationWithItems(int number, int items, const QVariantMap &head = {})
    {
        addDeclaration(number, head);
        for (int pos = 1; pos <= items; ++pos)
            addItem(number, pos, { { "f31_1", QStringLiteral("Ware %1").arg(pos) } });
    }

    std::unique_ptr<TfrmEinheit_d> openPrint(int number)
    {
        auto window = std::make_unique<TfrmEinheit_d>();
        EXPECT_TRUE(window->findDocument(number));
        window->show();
        return window;
    }

    // The item texts ("Ware n") of every job, with their form y.
    QList<QStringList> itemsOfJobs()
    {
        QList<QStringList> jobs;
        for (const auto &job : printers.canvas().jobs()) {
            QStringList items;
            for (const CanvasCall &call : printers.canvas().texts(job.number)) {
                if (call.text.startsWith("Ware "))
                    items << call.text.mid(5);
            }
            jobs << items;
        }
        return jobs;
    }

    // The canvas's number of the i-th job recorded (from 0).
    int job(int i) { return printers.canvas().jobs().value(i).number; }
    // The text at a form position in the i-th job.
    QString textIn(int i, int x, int y)
    {
        const QPoint at = device(x, y);
        return printers.canvas().textAt(at.x(), at.y(), job(i));
    }

    testsupport::RecordingPrinters printers;
};

TEST_F(ExportPrintTest, OneItemOnTheFirstSheetAndThreeOnEachContinuationSheet)
{
    struct Case {
        int items;
        QString caption;
        QList<QStringList> jobs;
        bool boxes3And32; // box 3 and the item number on the first sheet
    };
    const Case cases[] = {
        { 0, "Mögliche Seiten 1 - 1. ", { {} }, false },
        { 1, "Mögliche Seiten 1 - 1. ", { { "1" } }, false },
        { 2, "Mögliche Seiten 1 - 2. ", { { "1" }, { "2" } }, true },
        { 4, "Mögliche Seiten 1 - 2. ", { { "1" }, { "2", "3", "4" } }, true },
        { 5, "Mögliche Seiten 1 - 3. ", { { "1" }, { "2", "3", "4" }, { "5" } }, true },
    };
    for (const Case &c : cases) {
        restart();
        printers.canvas().clear();
        setRows();
        addDeclarationWithItems(5, c.items, { { "f3_1", "1" }, { "f3_2", "9" }, { "f2_1", "Versender" } });
        auto window = openPrint(5);
        EXPECT_EQ(window->pageGroup()->title(), c.caption);
        EXPECT_EQ(window->edtNummer->isVisible(), c.items > 1);
        dialogs.answer(DialogAnswer::Ok); // the form is in the printer
        dialogs.answerIndex(0);
        if (c.items > 1)
            dialogs.answerText("AE1234567");
        window->BtnOK->click();
        EXPECT_EQ(itemsOfJobs(), c.jobs) << c.items << " items";
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(textIn(0, 1160, 220) == "1", c.boxes3And32) << c.items;
        EXPECT_EQ(textIn(0, 1255, 1150) == "1", c.boxes3And32) << c.items;
        for (const auto &job : printers.canvas().jobs())
            EXPECT_EQ(job.title, ExportJobTitle);
        if (c.items >= 4) {
            // Items 2 to 4 of sheet 2 stand 590 apart; the head carries the
            // form number and the page number.
            EXPECT_EQ(textIn(1, 800, 280), "Ware 2");
            EXPECT_EQ(textIn(1, 800, 870), "Ware 3");
            EXPECT_EQ(textIn(1, 800, 1460), "Ware 4");
            EXPECT_EQ(textIn(1, 830, 50), "AE1234567");
            EXPECT_EQ(textIn(1, 1160, 220), "2");
            EXPECT_EQ(dialogs.calls(platform::DialogKind::Input).size(), 1) << "asked once per run";
        }
    }
}

TEST_F(ExportPrintTest, CopiesAreReadFromTheRowBeforeEachPage)
{
    // Pages 1 and 2 take the first sheet's copies, later pages the
    // continuation sheet's.
    setRows(2, 1);
    addDeclarationWithItems(5, 5);
    auto window = openPrint(5);
    dialogs.answer(DialogAnswer::Ok);
    dialogs.answerIndex(0);
    dialogs.answerText("AE1");
    window->BtnOK->click();
    const QList<QStringList> expected = { { "1" }, { "1" }, { "2", "3", "4" }, { "2", "3", "4" }, { "5" } };
    EXPECT_EQ(itemsOfJobs(), expected);
}

TEST_F(ExportPrintTest, PageChoiceAndCancelledForm)
{
    setRows();
    addDeclarationWithItems(5, 5);
    {
        auto window = openPrint(5);
        window->pageGroup()->setItemIndex(2);
        window->singlePageEdit()->setText("4");
        dialogs.answerText("AE1");
        window->BtnOK->click();
        // A page beyond the items prints the continuation head alone, without
        // the insert-the-form message.
        EXPECT_EQ(itemsOfJobs(), QList<QStringList>({ {} }));
        EXPECT_TRUE(dialogs.calls(platform::DialogKind::Confirmation).isEmpty());
    }
    printers.canvas().clear();
    {
        auto window = openPrint(5);
        dialogs.answerCancel();
        window->BtnOK->click();
        EXPECT_EQ(printers.canvas().jobCount(), 0);
        EXPECT_FALSE(window->isVisible()) << "Cancel ends the print; the window closes as after OK";
    }
}

TEST_F(ExportPrintTest, PreStampRule)
{
    // Listed: box 2, box 44's first lower line (entry 56), and 99 (ignored).
    struct Case {
        bool isTemplate;
        bool preStamp;
        bool box2;
        bool box8;
        bool line44_1;
    };
    const Case cases[] = {
        { false, false, true, true, true },
        { true, false, true, false, true },
        { false, true, false, true, false },
    };
    for (const Case &c : cases) {
        restart();
        printers.canvas().clear();
        setRows();
        writeFile(preStampPath(ExportPrintedFile), "2\r\n44_1\r\n99\r\n");
        const int number = c.isTemplate ? TemplateNumber : 5;
        addDeclarationWithItems(
            number, 1, { { "f2_1", "Versender" }, { "f8_1", "Empfänger" }, { "f44_5", "Zeile 5" } });
        auto window = openPrint(number);
        EXPECT_EQ(window->cbVorabStempler->isVisible(), !c.isTemplate);
        window->cbVorabStempler->setChecked(c.preStamp);
        dialogs.answer(DialogAnswer::Ok);
        dialogs.answerIndex(0);
        if (c.isTemplate)
            dialogs.answer(DialogAnswer::Ok); // "Die 1. Seite zum VorabStempler drucken !"
        window->BtnOK->click();
        const auto &canvas = printers.canvas();
        EXPECT_EQ(canvas.findText("Versender") != nullptr, c.box2) << c.isTemplate << c.preStamp;
        EXPECT_EQ(canvas.findText("Empfänger") != nullptr, c.box8) << c.isTemplate << c.preStamp;
        EXPECT_EQ(canvas.findText("Zeile 5") != nullptr, c.line44_1) << c.isTemplate << c.preStamp;
        if (c.isTemplate) {
            EXPECT_EQ(dialogs.texts().value(2), "Die 1. Seite zum VorabStempler drucken !");
        }
    }
}

TEST_F(ExportPrintTest, ALineThatIsNoEntryStopsThePrint)
{
    setRows();
    writeFile(preStampPath(ExportPrintedFile), "2\r\nabc\r\n");
    addDeclarationWithItems(5, 1);
    auto window = openPrint(5);
    EXPECT_THROW(window->printDocument(), shell::ConversionError);
    EXPECT_EQ(printers.canvas().jobCount(), 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(dialogs.calls(platform::DialogKind::Confirmation).isEmpty());
}

TEST_F(ExportPrintTest, AMissingListIsCreatedEmptyAndThePrintGoesOn)
{
    setRows();
    QFile::remove(preStampPath(ExportPrintedFile));
    addDeclarationWithItems(5, 1);
    auto window = openPrint(5);
    dialogs.answer(DialogAnswer::Ok);
    dialogs.answerIndex(0);
    window->BtnOK->click();
    EXPECT_EQ(printers.canvas().jobCount(), 1);
    for (const QString &name : { ExportUnprintedFile, ExportPrintedFile, TransitUnprintedFile, TransitPrintedFile })
        EXPECT_EQ(fileBytes(preStampPath(name)), QByteArray()) << name.toStdString();
}

TEST(PreStampEntries, TheLinesOfAList)
{
    const QBitArray boxes = preStampBoxes({ "0", "44_1", "44_3", "55", "56", "-1", "7" }, UnknownPreStampLine::Stop);
    QList<int> set;
    for (int i = 0; i < boxes.size(); ++i) {
        if (boxes.testBit(i))
            set << i;
    }
    EXPECT_EQ(set, QList<int>({ 0, 7, 55, 56, 58 }));
    EXPECT_THROW(preStampBoxes({ "2", "" }, UnknownPreStampLine::Stop), shell::ConversionError);
    EXPECT_EQ(preStampBoxes({ "abc", "3" }, UnknownPreStampLine::Skip).count(true), 1);
}

TEST(Box44Lines, TheDeclarationsOfAnItem)
{
    const QStringList fields = { "a", "b", "c", "d", "e" };
    struct Case {
        QString f44_10;
        QString f44_11;
        QStringList lines;
    };
    const Case cases[] = {
        { "", "", fields }, { "", "i", { NuclearStatement1, NuclearStatement2, "c", "d", "e" } },
        { "i", "", { ArmsStatement1, ArmsStatement2, "c", "d", "e" } },
        { "i", "i", { ArmsStatement1, ArmsStatement2, NuclearStatement1, NuclearStatement2, "e" } },
        { "j", "j", fields }, // the items are ticked with "i"
    };
    for (const Case &c : cases)
        EXPECT_EQ(box44Lines(c.f44_10, c.f44_11, fields), c.lines)
            << c.f44_10.toStdString() << "/" << c.f44_11.toStdString();
}

TEST_F(ExportPrintTest, TheHeadsStatementAndTheEmergencyBlock)
{
    struct Case {
        QString f44_11;
        QString started;
        QString ticket;
        bool statement;
        bool block;
    };
    const Case cases[] = {
        { "j", "01.02.2026 10:00", "T-1", true, true },
        { "", "01.02.2026 10:00", "", false, false },
        { "", "", "T-1", false, false },
    };
    for (const Case &c : cases) {
        restart();
        printers.canvas().clear();
        setRows();
        addDeclarationWithItems(5, 1,
            { { "F44_11", c.f44_11 }, { "f44_5", "fünf" }, { "f44_6", "sechs" }, { "NV_AM", c.started },
                { "NV_TicketNr", c.ticket } });
        auto window = openPrint(5);
        dialogs.answer(DialogAnswer::Ok);
        dialogs.answerIndex(0);
        window->BtnOK->click();
        const auto &canvas = printers.canvas();
        EXPECT_EQ(canvas.findText(NuclearStatement1) != nullptr, c.statement);
        EXPECT_EQ(canvas.findText("fünf") == nullptr, c.statement) << "the statement stands in place of f44_5";
        EXPECT_EQ(canvas.findText("ECS/AES NOTFALLVERFAHREN") != nullptr, c.block);
        if (c.block) {
            const CanvasCall *ticket = canvas.findText("T-1");
            ASSERT_NE(ticket, nullptr);
            EXPECT_EQ(ticket->y, device(0, 2340).y());
            EXPECT_EQ(ticket->font.height, -40);
        }
    }
}

TEST_F(ExportPrintTest, ThePreStampDialog)
{
    const QString unprinted = preStampPath(ExportUnprintedFile);
    const QString printed = preStampPath(ExportPrintedFile);
    QFile::remove(unprinted);
    QFile::remove(printed);
    {
        // Both files missing: the memo fills the left list.
        TfrmVorabstempler dialog;
        dialog.load(unprinted, printed, { "1", "2", "44" });
        EXPECT_EQ(dialog.unprintedEntries(), QStringList({ "1", "2", "44" }));
        EXPECT_EQ(dialog.lbUnbedruckt->item(0)->text(), "Feld 1");
        EXPECT_TRUE(dialog.printedEntries().isEmpty());
        dialog.lbUnbedruckt->setCurrentRow(1);
        dialog.moveRight();
        EXPECT_EQ(dialog.lbUnbedruckt->currentRow(), 1) << "the following entry is selected";
        dialog.moveRight();
        EXPECT_EQ(dialog.lbUnbedruckt->currentRow(), -1) << "none after the last";
        dialog.save();
        EXPECT_EQ(fileBytes(unprinted), QByteArray("1\r\n"));
        EXPECT_EQ(fileBytes(printed), QByteArray("2\r\n44\r\n"));
    }
    {
        // A file in the order of the update is shown and written sorted.
        writeFile(printed, "44\r\n44_1\r\n2\r\n10\r\n");
        TfrmVorabstempler dialog;
        dialog.load(unprinted, printed, {});
        EXPECT_EQ(dialog.printedEntries(), QStringList({ "10", "2", "44", "44_1" }));
        dialog.save();
        EXPECT_EQ(fileBytes(printed), QByteArray("10\r\n2\r\n44\r\n44_1\r\n"));
    }
}

TEST_F(ExportPrintTest, AFailedWriteLeavesBothListsAsTheyWere)
{
    const QString unprinted = preStampPath(ExportUnprintedFile);
    writeFile(unprinted, "1\r\n");
    // A folder in place of the second file cannot be replaced.
    const QString blocked = preStampPath("gesperrt.TV1");
    ASSERT_TRUE(QDir().mkpath(blocked));
    EXPECT_THROW(writePreStampPair(unprinted, { "7" }, blocked, { "8" }), std::runtime_error);
    EXPECT_EQ(fileBytes(unprinted), QByteArray("1\r\n"));
}

TEST_F(ExportPrintTest, BlankPaperSetsCopiesAndBackPages)
{
    struct Case {
        QString aeSet;
        bool duplex;
        QStringList jobs; // per job: its pages as "copy/kind" with F front, B back
    };
    const Case cases[] = {
        { "3", false, { "F", "F", "F" } },
        { "4", false, { "F", "F", "F", "F" } },
        { "5", false, { "F", "F", "F", "F", "F" } },
        { "4", true, { "FB", "F", "F", "FB" } },
    };
    for (const Case &c : cases) {
        restart();
        printers.canvas().clear();
        setRows();
        shell::IniWriteString("AeSet", c.aeSet);
        addDeclarationWithItems(5, 1);
        auto window = openPrint(5);
        window->paperGroup()->setItemIndex(1);
        window->applyModeRule();
        EXPECT_FALSE(window->pageGroup()->isVisible());
        EXPECT_TRUE(window->edtNummer->isReadOnly());
        const QString number = window->edtNummer->text();
        dialogs.answer(c.duplex ? DialogAnswer::Yes : DialogAnswer::No);
        window->BtnOK->click();
        QStringList jobs;
        for (const auto &j : printers.canvas().jobs()) {
            QString pages;
            for (int page = 1; page <= j.pages; ++page) {
                bool back = false;
                for (const CanvasCall &call : printers.canvas().texts(j.number, page))
                    back = back || call.text.startsWith("PRÜFUNG DURCH DIE VERS") || call.text.startsWith("Anleitung");
                pages += back ? "B" : "F";
            }
            jobs << pages;
            EXPECT_TRUE(j.ended);
        }
        EXPECT_EQ(jobs, c.jobs) << c.aeSet.toStdString() << (c.duplex ? " duplex" : "");
        EXPECT_EQ(printers.canvas().jobs().value(0).title, ExportJobTitle + " Seite:1");
        EXPECT_EQ(head(5, "AENR"), number) << "the set's number is kept";
        EXPECT_EQ(number.size(), 9);
        // Copy 4 is the issuer's copy of copy 3.
        if (c.aeSet == "4") {
            EXPECT_EQ(printers.canvas().findText("Kopie für", job(3)) != nullptr, true);
            EXPECT_NE(printers.canvas().findText("Aussteller", job(3)), nullptr);
        }
    }
}

TEST_F(ExportPrintTest, TheStampNeedsAllFiveOptionsAndTheTestPrintStoresNothing)
{
    setRows();
    addDeclarationWithItems(5, 1, { { "AENR", "ALT" } });
    auto &state = shell::mainState();
    state.Zollamt1 = "Hauptzollamt";
    state.Zollamt2 = "Bremen";
    state.ZollamtAn1 = "Am Hafen 1";
    state.ZollamtAn2 = "28195 Bremen";
    for (const bool complete : { true, false }) {
        state.ZollamtNr = complete ? "4711" : QString();
        printers.canvas().clear();
        auto window = openPrint(5);
        dialogs.answerIndex(0);
        window->acTestdruck->trigger();
        EXPECT_EQ(printers.canvas().jobCount(), 3);
        EXPECT_EQ(printers.canvas().findText("DE") != nullptr, complete);
        EXPECT_NE(printers.canvas().findText("T"), nullptr);
        EXPECT_EQ(head(5, "AENR"), "ALT");
        EXPECT_FALSE(window->blankPaper()) << "the form is chosen again";
    }
}

TEST_F(ExportPrintTest, OlderRowsAreRenamedAndMissingRowsCreatedWithoutPrinter)
{
    const auto printerOf = [](const QString &name) {
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
        return rows.findKey({ name }) ? rows.fieldByName("schnittst").asString() : QStringLiteral("<none>");
    };
    addDeclarationWithItems(5, 1);
    {
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
        shell::createPrintRow(rows, "EINHEITSPAPIER", "0");
    }
    {
        TfrmEinheit_d window;
        EXPECT_TRUE(dialogs.texts().isEmpty()) << "the renamed row keeps its printer";
    }
    EXPECT_EQ(printerOf("EINHEITSPAPIER"), "<none>");
    EXPECT_EQ(printerOf(ExportFirstSheetRow), "0");
    EXPECT_EQ(printerOf(ExportContinuationRow), "-1");

    restart();
    testsupport::onNextModal([](QDialog *administration) { administration->reject(); });
    TfrmEinheit_d window;
    EXPECT_EQ(dialogs.texts().value(0), "Es wurde kein Drucker ausgewählt!");
    EXPECT_EQ(printerOf(ExportFirstSheetRow), "-1");
}

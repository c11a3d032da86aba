#include "sadfixture.h"

#include "platform/printcanvas.h"
#include "sad/tfrmeint2lprint.h"
#include "sad/tfrmregiet2l.h"
#include "shell/printsettings.h"
#include "shell/radiogroup.h"
#include "shell/tfrmdrucker.h"
#include "shell/users.h"
#include "support/modaldialog.h"
#include "support/recordingprinters.h"

#include <QLineEdit>
#include <QPushButton>

#include <tuple>

using namespace sad;
using platform::CanvasCall;
using platform::DialogAnswer;
using platform::DialogKind;

namespace {

// 203 x 289 mm printable, no user offsets: x - 35, y - 40, y upwards.
QPoint device(int x, int y)
{
    return { x - 35, -(y - 40) };
}

const QString InsertForm = QStringLiteral("Bitte Formular Einheitspapier T2L in den Drucker einlegen!");

class T2LPrintTest : public SadTest
{
protected:
    void SetUp() override
    {
        shell::registerUserTables();
        SadTest::SetUp();
        printers.canvas().clear();
    }

    // Both rows with their printer index and copies.
    static void setRows(const QString &mainPrinter = "0", int mainCopies = 1, const QString &continuationPrinter = "0",
        int continuationCopies = 1)
    {
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
        for (const auto &[name, printer, copies] : { std::tuple { T2LMainSheetRow, mainPrinter, mainCopies },
                 std::tuple { T2LContinuationRow, continuationPrinter, continuationCopies } }) {
            shell::createPrintRow(rows, name);
            rows.findKey({ name });
            rows.edit();
            rows.fieldByName("schnittst").setAsString(printer);
            rows.fieldByName("Anzahl_Kopien").setAsInteger(copies);
            rows.post();
        }
    }

    // A T2L document with items "Ware 1" .. "Ware n".
    static void addT2L(int number, int items, const QVariantMap &values = {})
    {
        addKeyed(Tables::EinHT2L, { number }, values);
        for (int pos = 1; pos <= items; ++pos)
            addKeyed(Tables::EinFT2L, { number, pos }, { { "F31_1", QStringLiteral("Ware %1").arg(pos) } });
    }

    std::unique_ptr<TfrmEinT2LPrint> openPrint(int number)
    {
        auto window = std::make_unique<TfrmEinT2LPrint>();
        EXPECT_TRUE(window->findDocument(number));
        window->show();
        return window;
    }

    // The item numbers ("Ware n") each job prints.
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

    QStringList printersOfJobs()
    {
        QStringList names;
        for (const auto &job : printers.canvas().jobs())
            names << job.printer;
        return names;
    }

    int job(int i) { return printers.canvas().jobs().value(i).number; }
    QString textIn(int i, QPoint at) { return printers.canvas().textAt(at.x(), at.y(), job(i)); }

    testsupport::RecordingPrinters printers;
};

TEST_F(T2LPrintTest, OneItemOnTheMainSheetAndThreeOnEachContinuationSheet)
{
    struct Case {
        int items;
        QString caption;
        QList<QStringList> jobs;
    };
    const Case cases[] = {
        { 0, "Mögliche Seiten 1 - 1. ", { {} } },
        { 1, "Mögliche Seiten 1 - 1. ", { { "1" } } },
        { 4, "Mögliche Seiten 1 - 2. ", { { "1" }, { "2", "3", "4" } } },
        { 5, "Mögliche Seiten 1 - 3. ", { { "1" }, { "2", "3", "4" }, { "5" } } },
    };
    for (const Case &c : cases) {
        restart();
        printers.canvas().clear();
        setRows();
        addT2L(5, c.items, { { "F1_1", "EX" }, { "F1_2", "A" }, { "F3_2", "3" }, { "F54_6", "Letzte Zeile" } });
        auto window = openPrint(5);
        EXPECT_EQ(window->pageGroup()->title(), c.caption);
        dialogs.answer(DialogAnswer::Ok);
        dialogs.answerIndex(0);
        window->BtnOK->click();
        EXPECT_EQ(itemsOfJobs(), c.jobs) << c.items << " items";
        EXPECT_FALSE(window->isVisible());
        // The form and the printer setup before the main sheet only.
        EXPECT_EQ(dialogs.texts(), QStringList({ InsertForm, QString() })) << c.items << " items";
        EXPECT_EQ(dialogs.calls(DialogKind::PrinterSetup).size(), 1);
        for (const auto &j : printers.canvas().jobs())
            EXPECT_EQ(j.title, T2LJobTitle);
        for (const CanvasCall &call : printers.canvas().texts()) {
            if (call.text != " ") {
                EXPECT_EQ(call.font.height, -40) << call.text.toStdString();
            }
        }
        // The main sheet at the nominal places.
        EXPECT_EQ(textIn(0, device(1120, 110)), "EX");
        EXPECT_EQ(textIn(0, device(1220, 110)), "A");
        EXPECT_EQ(textIn(0, device(1350, 2840)), "Letzte Zeile");
        if (c.items >= 1) {
            EXPECT_EQ(textIn(0, device(210, 1160)), "Ware 1");
            EXPECT_EQ(textIn(0, device(1220, 1160)), "1");
        }
        if (c.items >= 4) {
            // Continuation sheets 1 mm higher, items 595 apart, the page in box 3.
            EXPECT_EQ(textIn(1, device(1140, 120)), "EX");
            EXPECT_EQ(textIn(1, device(1140, 200)), "2");
            EXPECT_EQ(textIn(1, device(1210, 200)), "3");
            EXPECT_EQ(textIn(1, device(220, 290)), "Ware 2");
            EXPECT_EQ(textIn(1, device(220, 290 + 595)), "Ware 3");
            EXPECT_EQ(textIn(1, device(1240, 290 + 2 * 595)), "4");
        }
    }
}

TEST_F(T2LPrintTest, CopiesOfAPageAreThoseOfTheRowCurrentBeforeIt)
{
    // Pages 1 and 2 follow the main row's count (the row page 1 found), page
    // 3 that of the continuation row (found while page 2 printed); each
    // page's copies before the next page. Continuation sheets print on the
    // printer of their own row.
    setRows("0", 2, "1", 3);
    addT2L(5, 7);
    auto window = openPrint(5);
    dialogs.answer(DialogAnswer::Ok);
    dialogs.answerIndex(0);
    window->BtnOK->click();
    const QStringList page2 = { "2", "3", "4" };
    const QStringList page3 = { "5", "6", "7" };
    EXPECT_EQ(itemsOfJobs(), QList<QStringList>({ { "1" }, { "1" }, page2, page2, page3, page3, page3 }));
    EXPECT_EQ(printersOfJobs(),
        QStringList({ "Drucker 1", "Drucker 1", "Drucker 2", "Drucker 2", "Drucker 2", "Drucker 2", "Drucker 2" }));
}

TEST_F(T2LPrintTest, AContinuationRowWithoutPrinterLeavesThePageOnTheCurrentPrinter)
{
    struct Case {
        QString schnittst;
        QString printer;
    };
    const Case cases[] = {
        { "LPT1", "Drucker 2" },
        { "lpt1", "Drucker 2" },
        { "", "Drucker 2" },
        { "-1", "Drucker 2" },
        { "abc", "Drucker 2" },
        { "7", "Drucker 2" }, // no such printer
        { "0", "Drucker 1" },
    };
    for (const Case &c : cases) {
        restart();
        printers.canvas().clear();
        setRows("1", 1, c.schnittst, 1);
        addT2L(5, 4);
        auto window = openPrint(5);
        dialogs.answer(DialogAnswer::Ok);
        dialogs.answerIndex(1);
        window->BtnOK->click();
        EXPECT_EQ(itemsOfJobs(), QList<QStringList>({ { "1" }, { "2", "3", "4" } })) << c.schnittst.toStdString();
        EXPECT_EQ(printersOfJobs(), QStringList({ "Drucker 2", c.printer })) << c.schnittst.toStdString();
        EXPECT_TRUE(dialogs.calls(DialogKind::Error).isEmpty()) << c.schnittst.toStdString();
    }
}

TEST_F(T2LPrintTest, ANewUsersFirstOpeningCreatesBothRowsAndAsksForAPrinter)
{
    addT2L(5, 4);
    dialogs.answerIndex(1);
    auto window = openPrint(5);
    EXPECT_EQ(dialogs.texts().value(0), "Es wurde kein Drucker ausgewählt!");
    EXPECT_EQ(dialogs.calls(DialogKind::PrinterSetup).size(), 1);
    for (const QString &row : { T2LMainSheetRow, T2LContinuationRow }) {
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
        ASSERT_TRUE(rows.findKey({ row })) << row.toStdString();
        EXPECT_EQ(rows.fieldByName("schnittst").asString(), "1") << row.toStdString();
        EXPECT_EQ(rows.fieldByName("zeile").asInteger(), 0);
        EXPECT_EQ(rows.fieldByName("spalte").asInteger(), 0);
        EXPECT_EQ(rows.fieldByName("Anzahl_Kopien").asInteger(), 1);
    }
    EXPECT_EQ(window->statusText(), "Drucker: Drucker 2");
    dialogs.answer(DialogAnswer::Ok);
    dialogs.answerIndex(1);
    window->BtnOK->click();
    EXPECT_EQ(itemsOfJobs(), QList<QStringList>({ { "1" }, { "2", "3", "4" } }));
}

TEST_F(T2LPrintTest, SinglePagesRangesAndCancel)
{
    struct Case {
        const char *name;
        int choice; // 1: range, 2: one page
        QString first;
        QString last;
        QList<QStringList> jobs;
        bool asked; // the form and the printer setup
        QString pageNumber; // box 3 of the continuation sheet
    };
    const Case cases[] = {
        { "page beyond the last: its head alone", 2, "4", "", { {} }, false, "4" },
        { "page 0 prints nothing", 2, "0", "", {}, false, "" },
        { "range from 0 starts with page 1", 1, "0", "2", { { "1" }, { "2", "3", "4" } }, true, "2" },
        { "page 1", 2, "1", "", { { "1" } }, true, "" },
        { "range on continuation sheets", 1, "2", "3", { { "2", "3", "4" }, { "5", "6", "7" } }, false, "2" },
        { "range from beyond its end", 1, "3", "2", { { "5", "6", "7" } }, false, "3" },
        { "range from 1 stops after the last item", 1, "1", "9", { { "1" }, { "2", "3", "4" }, { "5", "6", "7" } },
            true, "2" },
    };
    for (const Case &c : cases) {
        restart();
        printers.canvas().clear();
        setRows();
        addT2L(5, 7, { { "F1_1", "EX" } });
        auto window = openPrint(5);
        window->pageGroup()->setItemIndex(c.choice);
        if (c.choice == 2) {
            window->singlePageEdit()->setText(c.first);
        } else {
            window->firstPageEdit()->setText(c.first);
            window->lastPageEdit()->setText(c.last);
        }
        if (c.asked) {
            dialogs.answer(DialogAnswer::Ok);
            dialogs.answerIndex(0);
        }
        window->BtnOK->click();
        EXPECT_EQ(itemsOfJobs(), c.jobs) << c.name;
        EXPECT_EQ(dialogs.calls(DialogKind::Confirmation).size(), c.asked ? 1 : 0) << c.name;
        EXPECT_EQ(dialogs.calls(DialogKind::PrinterSetup).size(), c.asked ? 1 : 0) << c.name;
        EXPECT_EQ(textIn(c.asked ? 1 : 0, device(1140, 200)), c.pageNumber) << c.name;
        EXPECT_FALSE(window->isVisible()) << c.name;
    }

    // Cancel at the form: nothing printed, the window stays open.
    restart();
    printers.canvas().clear();
    setRows();
    addT2L(5, 4);
    auto window = openPrint(5);
    dialogs.answerCancel();
    window->BtnOK->click();
    EXPECT_EQ(printers.canvas().jobCount(), 0);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(T2LPrintTest, PrinterParametersShowBothRowsAndNoOther)
{
    setRows();
    for (const char *other : { "EINHEITSPAPIER", "ERGÄNZUNGSBLATT", "EINFUHRANMELDUNG" }) {
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
        shell::createPrintRow(rows, other);
    }
    addT2L(5, 1);
    auto window = openPrint(5);
    QStringList shown;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *administration = qobject_cast<shell::TfrmDrucker *>(dialog);
        ASSERT_NE(administration, nullptr);
        platform::Table &rows = administration->tbbenutz();
        for (rows.first(); !rows.eof(); rows.next())
            shown << rows.fieldByName("name").asString();
        dialog->accept();
    });
    window->acEinstellen->trigger();
    EXPECT_EQ(shown, QStringList({ T2LMainSheetRow, T2LContinuationRow }));
}

TEST_F(T2LPrintTest, DruckenOfTheRegisterOpensThePrintOnTheDocument)
{
    setRows();
    addT2L(7, 1);
    TfrmRegieT2L documents;
    ASSERT_TRUE(documents.head().findKey({ 7 }));
    QString caption;
    QString number;
    testsupport::onNextModal([&](QDialog *dialog) {
        caption = dialog->windowTitle();
        if (auto *print = qobject_cast<TfrmEinT2LPrint *>(dialog))
            number = print->head().fieldByName("BelegNr").asString();
        dialog->reject();
    });
    documents.bbtDruckenClick();
    EXPECT_EQ(caption, "Druck Einheitspapier T2L - Belegnummer: 7");
    EXPECT_EQ(number, "7");
}

} // namespace

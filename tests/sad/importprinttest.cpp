#include "sadfixture.h"

#include "platform/printcanvas.h"
#include "platform/recordingcanvas.h"
#include "sad/tfrmeinheit_d2.h"
#include "shell/printsettings.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"
#include "shell/users.h"
#include "support/recordingprinters.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace sad;
using platform::CanvasCall;
using platform::DialogAnswer;

namespace {

// 203 x 289 mm printable, no user offsets; the import print lies 2 mm
// further left, its data 4 mm (first sheet) or 2 mm (continuation) higher.
QPoint firstSheet(int x, int y)
{
    return { x - 55, -(y - 80) };
}

QPoint continuation(int x, int y)
{
    return { x - 55, -(y - 60) };
}

} // namespace

class ImportPrintTest : public SadTest
{
protected:
    void SetUp() override
    {
        shell::registerUserTables();
        SadTest::SetUp();
        printers.canvas().clear();
    }

    static void setRows(int copies = 1, int continuationCopies = 1)
    {
        testsupport::setPrintRowCopies({ { ImportFirstSheetRow, copies }, { ImportContinuationRow, continuationCopies } });
    }

    static void addImport(
        int number, int items, const QVariantMap &head = {}, const QList<QVariantMap> &itemValues = {})
    {
        QVariantMap record = head;
        record.insert("BELEGNR", number);
        testsupport::insertRecord(Tables::Impein, record);
        for (int pos = 1; pos <= items; ++pos) {
            QVariantMap item = itemValues.value(pos - 1);
            item.insert("BELEGNR", number);
            item.insert("POS", pos);
            if (!item.contains("F31_1"))
                item.insert("F31_1", QStringLiteral("Ware %1").arg(pos));
            testsupport::insertRecord(Tables::Impfol, item);
        }
    }

    std::unique_ptr<TfrmEinheit_d2> openPrint(int number)
    {
        auto window = std::make_unique<TfrmEinheit_d2>();
        EXPECT_TRUE(window->findDocument(number));
        window->show();
        return window;
    }

    // The item texts ("Ware n") of every page of every job.
    QList<QStringList> itemsOfPages()
    {
        QList<QStringList> pages;
        for (const auto &job : printers.canvas().jobs()) {
            for (int page = 1; page <= printers.canvas().pageCount(job.number); ++page) {
                QStringList items;
                for (const CanvasCall &call : printers.canvas().texts(job.number, page)) {
                    if (call.text.startsWith("Ware "))
                        items << call.text.mid(5);
                }
                pages << items;
            }
        }
        return pages;
    }

    int job(int i) { return printers.canvas().jobs().value(i).number; }

    testsupport::RecordingPrinters printers;
};

TEST_F(ImportPrintTest, ValuesOnTheFormAtTheirPlaces)
{
    setRows();
    const QVariantMap head = { { "F2_1", "Versender" }, { "F5", 7 }, { "F44_10", "j" }, { "F54_1", "Hamburg" },
        { "DATUM", QDate(2026, 3, 4) }, { "F1_1", "IM" } };
    QVariantMap first = { { "DM", true }, { "F47_4_1", "0,00" }, { "F47_4_2", "0" }, { "F47_4_3", "0,0" },
        { "F47_4_4", "1.234,50" }, { "F47_2_1", "7,00" }, { "F47_summ", "99,00" }, { "F48_2_1", "0,00" } };
    QVariantMap second = { { "EURO", true }, { "F48_2_1", "11,11" }, { "F48_1_1", "A00" }, { "G_summe", "5,00" } };
    QVariantMap third = { { "F48_2_1", "22,22" }, { "F48_1_1", "B00" } };
    QVariantMap fourth = { { "F48_1_1", "C00" } };
    addImport(5, 4, head, { first, second, third, fourth });
    auto window = openPrint(5);
    dialogs.answer(DialogAnswer::Ok); // first sheet
    dialogs.answerText("0737123");
    dialogs.answer(DialogAnswer::Ok); // continuation sheet
    window->BtnOK->click();
    ASSERT_EQ(printers.canvas().jobCount(), 2);
    const auto &canvas = printers.canvas();
    const auto at = [&](int i, QPoint p) { return canvas.textAt(p.x(), p.y(), job(i)); };

    // The first sheet: head, first item, box 46 from the item, 44 tick, 54.
    EXPECT_EQ(at(0, firstSheet(240, 180)), "Versender");
    EXPECT_EQ(at(0, firstSheet(1170, 340)), "7");
    EXPECT_EQ(at(0, firstSheet(280, 1520)), "x");
    EXPECT_EQ(at(0, firstSheet(1400, 2635)), "Hamburg  04.03.2026");
    EXPECT_EQ(at(0, firstSheet(1380, 1670)), "DEM");
    EXPECT_EQ(at(0, firstSheet(1270, 1185)), "1");
    EXPECT_EQ(at(0, firstSheet(810, 1160)), "Ware 1");

    // Amounts: "0,00" blank, "0" and "0,0" printed, all ending at 1090.
    QStringList amounts;
    for (const CanvasCall &call : canvas.texts(job(0))) {
        if (call.y <= firstSheet(0, 1795).y() && call.y >= firstSheet(0, 2115).y() && call.x > 500 - 55
            && call.x < 1090 - 55)
            amounts << call.text;
    }
    EXPECT_FALSE(amounts.contains("0,00"));
    EXPECT_TRUE(amounts.contains("0"));
    EXPECT_TRUE(amounts.contains("0,0"));
    const CanvasCall *small = canvas.findText("0,0", job(0));
    const CanvasCall *large = canvas.findText("1.234,50", job(0));
    ASSERT_TRUE(small && large);
    EXPECT_LT(large->x, small->x) << "right-aligned at one edge";
    EXPECT_LT(small->x, 1090 - 55);
    EXPECT_NE(canvas.findText("99,00", job(0)), nullptr);

    // The continuation sheet: form number, page, items 2 to 4; box 46 "EUR"
    // for item 2 and nothing for item 3; the summary of item 2 only.
    EXPECT_EQ(at(1, continuation(820, 70)), "0737123");
    EXPECT_EQ(at(1, continuation(1180, 240)), "2");
    EXPECT_EQ(at(1, continuation(790, 290)), "Ware 2");
    EXPECT_EQ(at(1, continuation(790, 880)), "Ware 3");
    EXPECT_EQ(at(1, continuation(1400, 835)), "EUR");
    EXPECT_EQ(at(1, continuation(1400, 835 + 590)), "");
    EXPECT_EQ(at(1, continuation(1170, 2550)), "A00");
    EXPECT_NE(canvas.findText("11,11", job(1)), nullptr);
    EXPECT_NE(canvas.findText("5,00", job(1)), nullptr);
    EXPECT_EQ(canvas.findText("22,22", job(1)), nullptr);
    EXPECT_EQ(canvas.findText("B00", job(1)), nullptr);
    EXPECT_EQ(canvas.findText("C00", job(1)), nullptr);
}

TEST_F(ImportPrintTest, PagesCopiesAndQuestions)
{
    struct Case {
        int items;
        int page; // -1: Alles; -2: pages 3 to 2
        int copies;
        int continuationCopies;
        QList<QStringList> pages;
    };
    const Case cases[] = {
        { 0, -1, 1, 1, { {} } },
        { 2, -1, 1, 1, { { "1" }, { "2" } } },
        { 4, -1, 1, 1, { { "1" }, { "2", "3", "4" } } },
        { 5, -1, 1, 1, { { "1" }, { "2", "3", "4" }, { "5" } } },
        // The first sheet's copies count for pages 1 and 2.
        { 5, -1, 2, 1, { { "1" }, { "1" }, { "2", "3", "4" }, { "2", "3", "4" }, { "5" } } },
        { 5, -1, 0, 1, {} },
        { 0, 1, 1, 1, {} },
        { 5, 0, 1, 1, {} },
        { 5, 3, 1, 1, { { "5" } } },
        { 5, 4, 1, 1, { {} } },
        // A range whose first page lies beyond its last prints the first once.
        { 5, -2, 1, 1, { { "5" } } },
    };
    for (const Case &c : cases) {
        restart();
        printers.canvas().clear();
        setRows(c.copies, c.continuationCopies);
        addImport(5, c.items);
        auto window = openPrint(5);
        EXPECT_EQ(window->edtNummer->isVisible(), c.items > 1);
        if (c.page == -2) {
            window->pageGroup()->setItemIndex(1);
            window->firstPageEdit()->setText("3");
            window->lastPageEdit()->setText("2");
        } else if (c.page >= 0) {
            window->pageGroup()->setItemIndex(2);
            window->singlePageEdit()->setText(QString::number(c.page));
        }
        for (int i = 0; i < 4; ++i)
            dialogs.answer(DialogAnswer::Ok);
        window->BtnOK->click();
        EXPECT_EQ(itemsOfPages(), c.pages) << c.items << " items, page " << c.page << ", copies " << c.copies;
        EXPECT_FALSE(window->isVisible());
        if (c.items == 0 && c.page == 1) {
            EXPECT_TRUE(dialogs.calls().isEmpty());
        }
        for (const auto &job : printers.canvas().jobs())
            EXPECT_EQ(job.title, ImportJobTitle);
    }
}

TEST_F(ImportPrintTest, CancelledFirstSheetEndsTheRun)
{
    setRows();
    addImport(5, 5);
    auto window = openPrint(5);
    dialogs.answerCancel();
    window->BtnOK->click();
    EXPECT_EQ(printers.canvas().jobCount(), 0);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ImportPrintTest, BlankPaperCopiesAndBackSheets)
{
    for (const bool withCopy7 : { true, false }) {
        restart();
        printers.canvas().clear();
        setRows();
        addImport(5, 2);
        EXPECT_TRUE(TfrmEinheit_d2::withCopy7Setting()) << "a missing key counts as true";
        auto window = openPrint(5);
        window->paperGroup()->setItemIndex(1);
        window->applyModeRule();
        EXPECT_TRUE(window->mnuEmSaetze->menuAction()->isVisible());
        if (!withCopy7) {
            window->acExemplar7->trigger();
            EXPECT_FALSE(TfrmEinheit_d2::withCopy7Setting()) << "written at once";
        }
        dialogs.answer(DialogAnswer::Ok); // white paper
        dialogs.answerCancel(); // back of sheet 1 skipped
        dialogs.answer(DialogAnswer::Ok); // back of sheet 3
        dialogs.answer(DialogAnswer::Ok); // white paper for the continuation sheet
        window->BtnOK->click();
        const auto &canvas = printers.canvas();
        ASSERT_EQ(canvas.jobCount(), 3) << withCopy7;
        EXPECT_EQ(canvas.pageCount(job(0)), withCopy7 ? 3 : 2);
        EXPECT_EQ(canvas.findText(QStringLiteral("Exemplar für die Statisktik - Bestimmungsland"), job(0)) != nullptr,
            withCopy7);
        EXPECT_NE(canvas.findText(QStringLiteral("Anleitung zur Verwendung und zum Ausfüllen des Vordrucks"), job(1)),
            nullptr);
        EXPECT_EQ(canvas.pageCount(job(2)), 3) << "the continuation sheet always in three copies";
        EXPECT_EQ(itemsOfPages().mid(itemsOfPages().size() - 3), QList<QStringList>({ { "2" }, { "2" }, { "2" } }));
        // The runs of "X" are black.
        for (const CanvasCall &call : canvas.texts(job(0))) {
            if (call.text.startsWith("XXX")) {
                EXPECT_EQ(call.font.color, QColor(Qt::black));
            }
        }
    }
}

TEST_F(ImportPrintTest, LegacyRowsAreRenamed)
{
    {
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
        shell::createPrintRow(rows, "EINHEITSPAPIER - IMPORT", "0");
        shell::createPrintRow(rows, "ERGÄNZUNGSBLATT - IMPORT", "0");
    }
    addImport(5, 1);
    TfrmEinheit_d2 window;
    platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
    rows.open();
    EXPECT_TRUE(rows.findKey({ ImportFirstSheetRow }));
    EXPECT_TRUE(rows.findKey({ ImportContinuationRow }));
    EXPECT_FALSE(rows.findKey({ QStringLiteral("EINHEITSPAPIER - IMPORT") }));
    EXPECT_TRUE(dialogs.texts().filter("Es wurde kein Drucker ausgewählt!").isEmpty());
}

TEST_F(ImportPrintTest, MissingRowsAreCreatedAndTheChosenPrinterGoesIntoBoth)
{
    addImport(5, 1);
    dialogs.answerIndex(1);
    TfrmEinheit_d2 window;
    EXPECT_EQ(dialogs.texts().value(0), "Es wurde kein Drucker ausgewählt!");
    EXPECT_EQ(dialogs.calls(platform::DialogKind::PrinterSetup).size(), 1);
    platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
    rows.open();
    for (const QString &name : { ImportFirstSheetRow, ImportContinuationRow }) {
        ASSERT_TRUE(rows.findKey({ name })) << name.toStdString();
        EXPECT_EQ(rows.fieldByName("schnittst").asString(), "1") << name.toStdString();
        EXPECT_EQ(rows.fieldByName("Anzahl_Kopien").asInteger(), 1);
    }
    EXPECT_FALSE(rows.findKey({ QStringLiteral("AUSFUHRANMELDUNG") })) << "no other form's row";
}

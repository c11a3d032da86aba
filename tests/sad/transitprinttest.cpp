#include "sadfixture.h"

#include "platform/printcanvas.h"
#include "sad/prestamplists.h"
#include "sad/tfrmeversand_d.h"
#include "sad/transitblankform.h"
#include "sad/transitprintlayout.h"
#include "shell/printsettings.h"
#include "shell/radiogroup.h"
#include "shell/users.h"
#include "support/recordingprinters.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
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

// A main sheet field printed at its nominal place: 1 mm right, 4 mm up.
QPoint mainSheet(int x, int y)
{
    return device(x + 10, y - 40);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class TransitPrintTest : public SadTest
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
        testsupport::setPrintRowCopies({ { TransitFirstSheetRow, copies }, { TransitContinuationRow, continuationCopies } });
    }

    // A transit declaration with items "Ware 1" .. "Ware n".
    static void addTransit(int number, int items, const QVariantMap &values = {})
    {
        QVariantMap record = values;
        record.insert("belegnr", number);
        testsupport::insertRecord(Tables::Ausfuhr, record);
        for (int pos = 1; pos <= items; ++pos)
            testsupport::insertRecord(Tables::Ausfolg,
                { { "belegnr", number }, { "pos", pos }, { "f31_1", QStringLiteral("Ware %1").arg(pos) } });
    }

    std::unique_ptr<TfrmEVersand_d> openPrint(int number)
    {
        auto window = std::make_unique<TfrmEVersand_d>();
        EXPECT_TRUE(window->findDocument(number));
        window->show();
        return window;
    }

    // The item texts ("Ware n") of every page of every job.
    QList<QStringList> itemsOfPages()
    {
        QList<QStringList> pages;
        for (const auto &job : printers.canvas().jobs()) {
            for (int page = 1; page <= std::max(job.pages, 1); ++page) {
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
    QString textIn(int i, QPoint at) { return printers.canvas().textAt(at.x(), at.y(), job(i)); }

    testsupport::RecordingPrinters printers;
};

TEST_F(TransitPrintTest, OneItemOnTheMainSheetAndThreeOnEachContinuationSheet)
{
    struct Case {
        int items;
        QString caption;
        QList<QStringList> pages;
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
        addTransit(5, c.items, { { "F1_1", "T1" }, { "f3_2", "3" } });
        auto window = openPrint(5);
        EXPECT_EQ(window->pageGroup()->title(), c.caption);
        EXPECT_EQ(window->Edit1->isVisible(), c.items > 1);
        for (int page = 0; page < c.pages.size(); ++page) {
            dialogs.answer(DialogAnswer::Ok);
            dialogs.answerIndex(0);
            if (page == 1)
                dialogs.answerText("T1-4711");
        }
        window->BtnOK->click();
        EXPECT_EQ(itemsOfPages(), c.pages) << c.items << " items";
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(textIn(0, mainSheet(1150, 160)), "T1") << "box 1 with the main sheet's constants";
        for (const auto &j : printers.canvas().jobs())
            EXPECT_EQ(j.title, TransitJobTitle);
        QStringList messages;
        for (const auto &call : dialogs.calls(platform::DialogKind::Confirmation))
            messages << call.text;
        EXPECT_EQ(messages.value(0), "Bitte Formular T1 in den Drucker einlegen !");
        EXPECT_EQ(dialogs.calls(platform::DialogKind::Input).size(), c.items >= 2 ? 1 : 0)
            << "the form number once per run, never for page 1 alone";
        if (c.items >= 4) {
            EXPECT_EQ(messages.value(1), "Bitte Formular T1 - Ergänzungsblätter in den Drucker einlegen !");
            // Continuation sheets: 2 mm right, items 590 apart, the form
            // number and the page in the head.
            EXPECT_EQ(textIn(1, device(760, 280)), "Ware 2");
            EXPECT_EQ(textIn(1, device(760, 870)), "Ware 3");
            EXPECT_EQ(textIn(1, device(840, 60)), "T1-4711");
            EXPECT_EQ(textIn(1, device(1170, 220)), "2");
        }
    }
}

TEST_F(TransitPrintTest, EachPageTakesTheCopiesOfItsOwnRow)
{
    setRows(2, 1);
    addTransit(5, 5);
    auto window = openPrint(5);
    for (int page = 0; page < 3; ++page) {
        dialogs.answer(DialogAnswer::Ok);
        dialogs.answerIndex(0);
        if (page == 1)
            dialogs.answerText("T1");
    }
    window->BtnOK->click();
    const QList<QStringList> expected = { { "1" }, { "1" }, { "2", "3", "4" }, { "5" } };
    EXPECT_EQ(itemsOfPages(), expected);
}

TEST_F(TransitPrintTest, SinglePageAndRangeAndCancel)
{
    setRows();
    addTransit(5, 5);
    {
        // "Seite :" beyond the last page: the continuation head alone.
        auto window = openPrint(5);
        window->pageGroup()->setItemIndex(2);
        window->singlePageEdit()->setText("4");
        dialogs.answerIndex(0);
        dialogs.answer(DialogAnswer::Ok);
        dialogs.answerText("T1");
        window->BtnOK->click();
        EXPECT_EQ(itemsOfPages(), QList<QStringList>({ {} }));
        EXPECT_EQ(dialogs.texts().value(1), "Bitte Formular T1 in den Drucker einlegen !");
    }
    printers.canvas().clear();
    dialogs.clear();
    {
        // "Seite :" 0 prints the main sheet.
        auto window = openPrint(5);
        window->pageGroup()->setItemIndex(2);
        window->singlePageEdit()->setText("0");
        dialogs.answerIndex(0);
        dialogs.answer(DialogAnswer::Ok);
        window->BtnOK->click();
        EXPECT_EQ(itemsOfPages(), QList<QStringList>({ { "1" } }));
    }
    printers.canvas().clear();
    dialogs.clear();
    {
        // The range message has two blanks before the dash.
        auto window = openPrint(5);
        window->pageGroup()->setItemIndex(1);
        window->firstPageEdit()->setText("2");
        window->lastPageEdit()->setText("2");
        dialogs.answer(DialogAnswer::Ok);
        dialogs.answerIndex(0);
        dialogs.answerText("T1");
        window->BtnOK->click();
        EXPECT_EQ(itemsOfPages(), QList<QStringList>({ { "2", "3", "4" } }));
        EXPECT_EQ(dialogs.texts().value(0), "Bitte Formular T1  - Ergänzungsblätter in den Drucker einlegen !");
    }
    printers.canvas().clear();
    {
        // Cancel at the message: nothing printed, the window stays open.
        auto window = openPrint(5);
        dialogs.answerCancel();
        window->BtnOK->click();
        EXPECT_EQ(printers.canvas().jobCount(), 0);
        EXPECT_TRUE(window->isVisible());
    }
}

TEST_F(TransitPrintTest, PreStampMask)
{
    struct Case {
        QByteArray file;
        bool isTemplate;
        bool ticked;
        bool boxA;
        bool box1;
        bool box2;
    };
    const Case cases[] = {
        { "0\r\n56\r\n-1\r\nabc\r\n", false, true, false, true, true }, // only box A suppressed
        { "0\r\n", false, false, true, true, true }, // unticked: the list is not read
        { "1\r\n44_1\r\n", true, false, false, true, false }, // the template: only the listed boxes
        { "", true, true, false, false, false },
    };
    for (const Case &c : cases) {
        restart();
        printers.canvas().clear();
        setRows();
        writeFile(preStampPath(TransitPrintedFile), c.file);
        const int number = c.isTemplate ? shell::TemplateNumber : 5;
        addTransit(number, 1,
            { { "A1", "Zollamt" }, { "F1_1", "T1" }, { "f2_1", "Versender" }, { "fb1", "Verbuchung" },
                { "D1", "Ergebnis" } });
        auto window = openPrint(number);
        window->CheckBox1->setChecked(c.ticked);
        dialogs.answer(DialogAnswer::Ok);
        dialogs.answerIndex(0);
        if (c.isTemplate)
            dialogs.answer(DialogAnswer::Ok); // "Die 1. Seite zum VorabStempler drucken !"
        window->BtnOK->click();
        const auto &canvas = printers.canvas();
        EXPECT_EQ(canvas.findText("Zollamt") != nullptr, c.boxA) << c.file.constData() << c.isTemplate;
        EXPECT_EQ(canvas.findText("T1") != nullptr, c.box1) << c.file.constData() << c.isTemplate;
        EXPECT_EQ(canvas.findText("Versender") != nullptr, c.box2) << c.file.constData() << c.isTemplate;
        EXPECT_NE(canvas.findText("Verbuchung"), nullptr) << "box B always prints";
        EXPECT_NE(canvas.findText("Ergebnis"), nullptr) << "box D always prints";
    }
}

TEST_F(TransitPrintTest, BlankPaperSetsAndBacks)
{
    setRows();
    addTransit(5, 2, { { "A1", "Zollamt" }, { "F7", "Bezug" }, { "f54_1", "Hamburg" }, { "F1_1", "T1" } });
    auto window = openPrint(5);
    window->paperGroup()->setItemIndex(1);
    window->paperGroup()->itemClicked(1);
    EXPECT_FALSE(window->Edit1->isVisible());
    dialogs.answer(DialogAnswer::Ok); // white paper
    dialogs.answerIndex(0);
    dialogs.answer(DialogAnswer::Ok); // back of sheet 1
    dialogs.answerCancel(); // back of sheet 2 skipped
    for (int back = 3; back <= 5; ++back)
        dialogs.answer(DialogAnswer::Ok);
    dialogs.answer(DialogAnswer::Ok); // white paper for page 2
    dialogs.answerIndex(0);
    dialogs.answerText("");
    window->BtnOK->click();
    const auto &canvas = printers.canvas();
    // One six-page set, four backs, one six-page continuation set.
    ASSERT_EQ(canvas.jobCount(), 6);
    EXPECT_EQ(canvas.jobs().at(0).pages, 6);
    for (int back = 1; back <= 4; ++back)
        EXPECT_EQ(canvas.jobs().at(back).pages, 1);
    EXPECT_EQ(canvas.jobs().at(5).pages, 6);
    const auto onPage = [&](int jobIndex, int page, const QString &text) {
        for (const CanvasCall &call : canvas.texts(job(jobIndex), page)) {
            if (call.text == text)
                return true;
        }
        return false;
    };
    for (int sheet = 1; sheet <= 6; ++sheet) {
        EXPECT_EQ(onPage(0, sheet, "Zollamt"), sheet != 4 && sheet != 5) << sheet;
        EXPECT_EQ(onPage(0, sheet, "Hamburg"), sheet != 4 && sheet != 5) << sheet;
        EXPECT_EQ(onPage(0, sheet, "Bezug"), sheet == 1 || sheet == 6) << sheet;
        EXPECT_TRUE(onPage(0, sheet, "T1")) << sheet;
        EXPECT_TRUE(onPage(0, sheet, "Ware 1")) << sheet;
        EXPECT_TRUE(onPage(5, sheet, "Ware 2")) << "all six sheets show the same items, sheet " << sheet;
        EXPECT_EQ(onPage(5, sheet, "0736"), sheet != 6) << sheet;
    }
    EXPECT_EQ(dialogs.texts().value(2),
        "Bitte legen Sie die Rückseite des 1. Blattes\ndes Einheitspapiers in den Drucker ein!");
    // The backs in order: sheet 1, then sheets 4 and 5 (twice) after the skipped 2.
    EXPECT_NE(canvas.findText("PRÜFUNG DURCH DIE VERSENDUNGS-/AUSFUHRZOLLSTELLE", job(1)), nullptr);
    EXPECT_NE(canvas.findText("ERSUCHEN UM NACHPRÜFUNG", job(2)), nullptr);
    EXPECT_NE(canvas.findText("Die Bestimmungsstelle ", job(3)), nullptr);
}

TEST(TransitBlankForm, SheetMarksAndFooters)
{
    const auto has = [](const FormDrawing &d, const QString &text) {
        return std::any_of(d.begin(), d.end(), [&](const FormPrimitive &p) { return p.text == text; });
    };
    const QString full = "Einheitspapier (gemeinschaftliches/gemeinsames Versandverfahren - gVV -) - III B1 - (2002)";
    const QString reduced = "Einheitspapier (gemeinschaftliches Versandverfahren - gVV -) - III B1 - (2002)";
    for (int sheet = 1; sheet <= 6; ++sheet) {
        const FormDrawing front = transitMainFront(sheet);
        const bool fullFront = sheet == 1 || sheet == 6;
        EXPECT_EQ(has(front, full), fullFront) << sheet;
        EXPECT_EQ(has(front, reduced), !fullFront) << sheet;
        EXPECT_EQ(has(front, "WICHTIGER HINWEIS"), sheet == 2 || sheet == 3) << sheet;
        const bool copyNumber = std::any_of(front.begin(), front.end(),
            [](const FormPrimitive &p) { return p.x <= 170 && p.height == 50 && !p.text.isEmpty(); });
        EXPECT_EQ(copyNumber, sheet != 6) << "copy number in the strip, sheet " << sheet;
        EXPECT_EQ(has(transitContinuationFront(sheet), "0736"), sheet != 6) << sheet;
        EXPECT_EQ(transitBack(sheet).isEmpty(), sheet == 6) << sheet;
    }
    // The empty "return to" cell draws nothing.
    for (const FormPrimitive &p : transitMainFront(4))
        EXPECT_FALSE(p.kind == FormPrimitive::Kind::Text && p.text.isEmpty() && p.y >= 780 && p.y <= 900);
    const FormPrimitive rotatedTitle = DrawRotatedText("Kopie für Aussteller", 160, 750, 270);
    EXPECT_EQ(rotatedTitle.height, 35);
    EXPECT_FALSE(rotatedTitle.bold);
}

TEST_F(TransitPrintTest, OlderRowsAreRenamedAndMissingRowsCreated)
{
    {
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
        shell::createPrintRow(rows, "EINHEITSPAPIER - VERSAND", "0");
        // Another form's row: never taken in place of a missing one.
        shell::createPrintRow(rows, "ANDERES", "0");
    }
    addTransit(5, 0);
    dialogs.answerIndex(0);
    auto window = openPrint(5);
    platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
    rows.open();
    EXPECT_TRUE(rows.findKey({ TransitFirstSheetRow }));
    EXPECT_TRUE(rows.findKey({ TransitContinuationRow }));
    EXPECT_FALSE(rows.findKey({ QStringLiteral("EINHEITSPAPIER - VERSAND") }));
}

} // namespace

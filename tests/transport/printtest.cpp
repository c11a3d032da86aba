#include "transportfixture.h"

#include "platform/printerservice.h"
#include "transport/tfrmlieferscheindruck.h"
#include "transport/tfrmpali_d.h"

#include <QProgressBar>
#include <QStringList>

using namespace transport;
using platform::DialogAnswer;

namespace {

void addPrintRow(const QString &name, int copies)
{
    platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
    rows.open();
    rows.append();
    rows.fieldByName(QStringLiteral("name")).setAsString(name);
    rows.fieldByName(QStringLiteral("schnittst")).setAsString(QStringLiteral("0"));
    rows.fieldByName(QStringLiteral("Anzahl_Kopien")).setAsInteger(copies);
    rows.post();
}

// The text drawn at a form position in a job on the 203 x 289 mm printer
// (dx 35, dy -40).
QString at(platform::RecordingCanvas &canvas, int x, int y, int job)
{
    return canvas.textAt(x - 35, -y + 40, job);
}

QStringList titles(platform::RecordingCanvas &canvas)
{
    QStringList list;
    for (const auto &job : canvas.jobs())
        list.append(job.title);
    return list;
}

} // namespace

TEST_F(TransportTest, ThePackingListPrintsWeightsAndMeasuresAndRunsOverFollowPages)
{
    addHead(PackingListTables::Heads, "belegnr", 7,
        { { "Datum", "05.03.2026" }, { "kunde1", "Zeder GmbH" }, { "Brutto", "1234,5" }, { "mark1", "Z-7" } });
    addLine(7, "1",
        { { "packstnr", 2 }, { "bez", "Kisten" }, { "brutto", 1234.5 }, { "netto", 1000 }, { "laenge", 120 },
            { "breite", 80 }, { "hoehe", 100 }, { "contents", "Schrauben\r\nMuttern\r\n" } });
    QStringList many;
    for (int i = 1; i <= 90; ++i)
        many.append(QStringLiteral("Teil %1").arg(i));
    addLine(7, "2", { { "bez", "Palette" }, { "contents", many.join("\r\n") } });
    addPrintRow(PackingListPrintRow, 1);
    Tfrmpali_d window;
    ASSERT_TRUE(window.findDocument(7));
    dialogs.answer(DialogAnswer::Ok);
    window.printDocument();
    EXPECT_EQ(dialogs.texts().value(0), "Bitte Packliste in den Drucker einlegen !");
    EXPECT_EQ(window.progressBar()->maximum(), 2 + 15) << "the lines and 15";
    EXPECT_EQ(window.progressBar()->value(), 2) << "a step for every line";

    platform::RecordingCanvas &canvas = printers.canvas();
    ASSERT_EQ(canvas.jobCount(), 3);
    EXPECT_EQ(titles(canvas),
        QStringList({ "Export / Versand: Packliste", "Export / Versand: Packliste",
            "Export / Versand: Packliste - Folgeseite" }));
    const int first = canvas.jobs().at(0).number;
    const int second = canvas.jobs().at(1).number;
    EXPECT_EQ(at(canvas, 150, 400, first), "Zeder GmbH");
    EXPECT_EQ(at(canvas, 1350, 520, first), "1234,5");
    EXPECT_EQ(at(canvas, 150, 900, first), "Z-7");
    EXPECT_EQ(at(canvas, 150, 1440, first), "1");
    EXPECT_EQ(at(canvas, 250, 1440, first), "2 Kisten");
    EXPECT_EQ(at(canvas, 650, 1440, first), "1.234,5");
    EXPECT_EQ(at(canvas, 800, 1440, first), "1.000,0");
    EXPECT_EQ(at(canvas, 1000, 1440, first), "120*80*100");
    EXPECT_EQ(at(canvas, 1300, 1440, first), "Schrauben");
    EXPECT_EQ(at(canvas, 1300, 1480, first), "Muttern");
    // The second line after the empty line; its 28th contents line stands
    // at 2640, the lowest the page takes, though it is only the page's 30th.
    EXPECT_EQ(at(canvas, 250, 1560, first), "0 Palette");
    EXPECT_EQ(at(canvas, 1300, 2640, first), "Teil 28");
    EXPECT_EQ(canvas.findText("Teil 29", first), nullptr);
    EXPECT_EQ(at(canvas, 1300, 270, second), "Teil 29");
    EXPECT_EQ(at(canvas, 650, 200, second), "gross-/net-wieght kgs");
    EXPECT_NE(canvas.findText("2", second), nullptr);
    EXPECT_EQ(canvas.findText("Zeder GmbH", second), nullptr);
}

TEST_F(TransportTest, AMissingPackingListRowIsCreatedWithoutPrinter)
{
    addHead(PackingListTables::Heads, "belegnr", 7);
    dialogs.answerIndex(-1);
    Tfrmpali_d window;
    EXPECT_TRUE(dialogs.texts().contains("Es wurde kein Drucker ausgewählt!"));
    platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
    rows.open();
    ASSERT_TRUE(shell::findPrintRow(rows, PackingListPrintRow));
}

TEST_F(TransportTest, TheDeliveryNotePrintsEveryPageAsAJobAndRepeatsThePagesForEachCopy)
{
    addHead(DeliveryNoteTables::Heads, "BelegNr", 4,
        { { "L1_1", "Meier KG" }, { "L6_1", true }, { "L7_8", true }, { "L7_9", "Bahn" }, { "Bemerk2", "Danke" } });
    for (int pos = 1; pos <= 10; ++pos)
        addNotePosition(4, pos,
            { { "L28", QStringLiteral("A%1").arg(pos) }, { "L29_1", "eins" }, { "L29_3", "zwei" }, { "L29_5", "drei" },
                { "L30", "5" }, { "L31", "St" } });
    addPrintRow(DeliveryNotePrintRow, 2);
    TfrmLieferscheinDruck window;
    ASSERT_TRUE(window.findDocument(4));
    dialogs.answer(DialogAnswer::Ok);
    window.printDocument();
    EXPECT_EQ(dialogs.texts().value(0), "Bitte Lieferschein in den Drucker einlegen");

    platform::RecordingCanvas &canvas = printers.canvas();
    ASSERT_EQ(canvas.jobCount(), 4);
    for (int i = 0; i < 4; ++i) {
        const int job = canvas.jobs().at(i).number;
        EXPECT_EQ(canvas.jobs().at(i).title, "Lieferschein - Druck");
        EXPECT_EQ(at(canvas, 70, 540, job), "Meier KG") << i;
        EXPECT_EQ(at(canvas, 1060, 440, job), "X");
        EXPECT_EQ(at(canvas, 1540, 695, job), "X");
        const bool secondPage = i % 2 == 1;
        // Page 1: nine positions of four lines; page 2 the tenth and the remark.
        EXPECT_EQ(at(canvas, 150, 1330, job), secondPage ? "A10" : "A1") << i;
        EXPECT_EQ(at(canvas, 680, 1370, job), "zwei") << i;
        EXPECT_EQ(at(canvas, 300, 1490, job), secondPage ? "Danke" : "") << i;
    }
    const platform::CanvasCall *article = canvas.findText("A1", canvas.jobs().at(0).number);
    ASSERT_NE(article, nullptr);
    EXPECT_EQ(article->font.name, "Courier New");
    EXPECT_EQ(article->font.height, -35);
    const platform::CanvasCall *means = canvas.findText("Bahn", canvas.jobs().at(0).number);
    ASSERT_NE(means, nullptr);
    EXPECT_EQ(means->font.height, -25);
}

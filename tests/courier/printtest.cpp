#include "courierfixture.h"

#include "courier/tfrmfedex_d.h"
#include "courier/tfrmups_d.h"
#include "platform/printerservice.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"

#include <QDate>

using namespace courier;
using platform::CanvasCall;
using platform::DialogAnswer;
using platform::DialogKind;
using platform::PageOrientation;

namespace {

// A text drawn at a form position in the first job recorded on the 203 x 289
// mm printer: in portrait dx 35, dy -40; in landscape dx 40, dy -35.
QString at(platform::RecordingCanvas &canvas, int x, int y, bool landscape)
{
    const int job = canvas.jobs().isEmpty() ? 0 : canvas.jobs().constFirst().number;
    const int dx = landscape ? 40 : 35;
    const int dy = landscape ? -35 : -40;
    return canvas.textAt(x - dx, -y - dy, job);
}

const CanvasCall *call(platform::RecordingCanvas &canvas, const QString &text)
{
    return canvas.findText(text);
}

template <class Window> std::unique_ptr<Window> openPrint(int number)
{
    auto window = std::make_unique<Window>();
    EXPECT_TRUE(window->findDocument(number));
    return window;
}

TEST_F(CourierTest, FedExPrintsTheWaybillOnTheCarriersFormAndTurnsBackToPortrait)
{
    struct Case {
        QString stored;
        bool landscape;
    };
    for (const Case &c : { Case { "", true }, Case { "0", false } }) {
        restart();
        printers.canvas().clear();
        addRecord(Tables::FedEx, 7,
            { { "Datum", QDate(2024, 3, 5) }, { "F1_1", "123456789" }, { "F3_3", "Zeder GmbH" }, { "F4_1", true },
                { "F4_5", true }, { "F6_8", true }, { "F9_2", "12" }, { "F9_3", false }, { "B4", "75001" } });
        addPrintRow(PrintRows::FedEx, "0", 0, 0, 2);
        if (!c.stored.isEmpty())
            shell::IniWriteString("FedEx_DruckFormat", c.stored);
        auto window = openPrint<TfrmFedex_d>(7);
        EXPECT_EQ(window->orientationGroup()->itemIndex(), c.landscape ? 1 : 0);
        dialogs.answer(DialogAnswer::Cancel);
        window->printDocument();
        platform::RecordingCanvas &canvas = printers.canvas();
        ASSERT_EQ(canvas.jobCount(), 2) << "Cancel at the prompt still prints the copies";
        EXPECT_EQ(dialogs.calls().size(), 1) << "without the printer setup";
        EXPECT_EQ(dialogs.calls().at(0).text, "Bitte Formular FedEx in den Drucker einlegen !");
        const std::string label = c.landscape ? "landscape" : "portrait";
        EXPECT_EQ(at(canvas, 240, 220, c.landscape), "03/05/24") << label;
        EXPECT_EQ(at(canvas, 260, 300, c.landscape), "123456789") << label;
        EXPECT_EQ(at(canvas, 1250, 380, c.landscape), "Zeder GmbH") << label;
        EXPECT_EQ(at(canvas, 600, 980, c.landscape), "X") << "F4_1 crossed";
        EXPECT_EQ(at(canvas, 650, 1060, c.landscape), "") << "only the first service";
        EXPECT_EQ(at(canvas, 1560, 1100, c.landscape), "12") << "the lower weight line";
        EXPECT_EQ(at(canvas, 1670, 1110, c.landscape), "x");
        EXPECT_EQ(at(canvas, 1900, 900, c.landscape), "75001");
        EXPECT_EQ(call(canvas, "123456789")->font.height, -40);
        EXPECT_EQ(canvas.texts().size() % 2, 0) << "both copies alike";
        const PageOrientation job = c.landscape ? PageOrientation::Landscape : PageOrientation::Portrait;
        EXPECT_EQ(canvas.jobs().at(0).orientation, job) << label;
        EXPECT_EQ(platform::PrinterService::instance().orientation(), PageOrientation::Portrait)
            << "portrait again after the job";
        // Dangerous goods through box 8 in 3 mm.
        const QList<CanvasCall> texts = canvas.texts();
        const auto cross = std::find_if(texts.begin(), texts.end(),
            [&](const CanvasCall &t) { return t.text == "X" && t.y == -1410 - (c.landscape ? -35 : -40); });
        ASSERT_NE(cross, texts.end());
        EXPECT_EQ(cross->font.height, -30);
    }
}

TEST_F(CourierTest, AnEmptyFedExDatePrintsNothingAndOkOffersThePrinterSetup)
{
    addRecord(Tables::FedEx, 7, { { "F1_1", "123" } });
    addPrintRow(PrintRows::FedEx, "0");
    auto window = openPrint<TfrmFedex_d>(7);
    dialogs.answer(DialogAnswer::Ok);
    dialogs.answerIndex(1);
    window->printDocument();
    ASSERT_EQ(printers.canvas().jobCount(), 1);
    EXPECT_EQ(dialogs.lastCall().kind, DialogKind::PrinterSetup);
    EXPECT_EQ(printers.canvas().jobs().at(0).printer, "Drucker 2");
    EXPECT_EQ(at(printers.canvas(), 240, 220, true), "") << "not 12/30/99";
    EXPECT_EQ(at(printers.canvas(), 260, 300, true), "123");
}

TEST_F(CourierTest, UpsPrintsCharacterBoxesCrossesAndNumbersAndStaysInLandscape)
{
    addRecord(Tables::Ups, 7,
        { { "U1_1", "A1B2" }, { "U1_4", "040 123" }, { "U2_9", "20457" }, { "U3_1", "J" }, { "U3_2", "N" },
            { "U3_3", "J" }, { "U6_2", 12.5 }, { "U8_1", "05" } });
    addPrintRow(PrintRows::Ups, "0", 0, 0, 1);
    auto window = openPrint<Tfrmups_d>(7);
    dialogs.answer(DialogAnswer::Ok);
    window->printDocument();
    platform::RecordingCanvas &canvas = printers.canvas();
    ASSERT_EQ(canvas.jobCount(), 1);
    EXPECT_EQ(dialogs.calls().at(0).text, "Bitte Formular UPS - FRACHTBRIEF in den Drucker einlegen");
    QStringList boxes;
    for (int x : { 130, 169, 208, 247 })
        boxes << at(canvas, x, 190, true);
    EXPECT_EQ(boxes, QStringList({ "A", "1", "B", "2" }));
    EXPECT_EQ(at(canvas, 530, 260, true), "040 123");
    EXPECT_EQ(at(canvas, 130 + 4 * 39, 1020, true), "7");
    EXPECT_EQ(at(canvas, 140, 1190, true), "X");
    EXPECT_EQ(at(canvas, 290, 1190, true), "") << "N prints nothing";
    EXPECT_EQ(at(canvas, 1140, 930, true), "12,5");
    EXPECT_EQ(at(canvas, 1370, 950, true), "0") << "an empty weight prints 0";
    EXPECT_EQ(at(canvas, 1970, 520, true), "0");
    EXPECT_EQ(at(canvas, 1625 + 39, 900, true), "5");
    const QList<CanvasCall> texts = canvas.texts();
    const auto saver = std::find_if(texts.begin(), texts.end(), [](const CanvasCall &t) { return t.x == 1400 - 40; });
    ASSERT_NE(saver, texts.end()) << "Express Saver in the service column";
    EXPECT_EQ(saver->font.height, UpsServiceCrossHeight);
    EXPECT_EQ(call(canvas, "040 123")->font.height, -30);
    EXPECT_EQ(canvas.jobs().at(0).orientation, PageOrientation::Landscape);
    EXPECT_EQ(platform::PrinterService::instance().orientation(), PageOrientation::Landscape) << "stays";
}

TEST_F(CourierTest, UpsPrintsItsCopiesOnlyAfterOkAndCreatesAMissingRow)
{
    struct Case {
        int copies;
        DialogAnswer answer;
        int jobs;
    };
    const QVector<Case> cases
        = { { 3, DialogAnswer::Ok, 3 }, { 0, DialogAnswer::Ok, 0 }, { 2, DialogAnswer::Cancel, 0 } };
    for (const Case &c : cases) {
        restart();
        addRecord(Tables::Ups, 7, { { "U1_3", "Export AG" } });
        addPrintRow(PrintRows::Ups, "0", 0, 0, c.copies);
        auto window = openPrint<Tfrmups_d>(7);
        dialogs.answer(c.answer);
        window->printDocument();
        EXPECT_EQ(printers.canvas().jobCount(), c.jobs) << c.copies;
        EXPECT_FALSE(window->isVisible());
        printers.canvas().clear();
    }

    // Without its row the window creates it and asks for a printer first.
    restart();
    addRecord(Tables::Ups, 7);
    dialogs.answerIndex(1);
    auto window = openPrint<Tfrmups_d>(7);
    ASSERT_GE(dialogs.calls().size(), 2);
    EXPECT_EQ(dialogs.calls().at(0).text, "Es wurde kein Drucker ausgewählt!");
    EXPECT_EQ(dialogs.calls().at(1).kind, DialogKind::PrinterSetup);
    EXPECT_EQ(printRowValue(PrintRows::Ups, "schnittst"), "1");
    EXPECT_EQ(printRowValue(PrintRows::Ups, "Anzahl_Kopien"), "1");
    EXPECT_EQ(printRowValue(PrintRows::FedEx, "name"), "<none>") << "no other row";
    EXPECT_EQ(window->statusText(), "Drucker: Drucker 2");
}

} // namespace

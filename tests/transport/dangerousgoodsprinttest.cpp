#include "dangerousgoodsfixture.h"

#include "platform/recordingcanvas.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"
#include "transport/tfrmimo_d.h"
#include "transport/tfrmship_d.h"

#include <QDate>
#include <QMap>
#include <QPoint>
#include <QRadioButton>

using namespace transport;
using platform::CanvasCall;
using platform::DialogAnswer;

namespace {

// The first job recorded since the canvas was last cleared.
int firstJob(platform::RecordingCanvas &canvas)
{
    return canvas.jobs().isEmpty() ? -1 : canvas.jobs().constFirst().number;
}

// Every text of the first job by where it stands on the form.
QMap<QString, QPoint> formTexts(platform::RecordingCanvas &canvas)
{
    QMap<QString, QPoint> texts;
    for (const CanvasCall &call : canvas.texts(firstJob(canvas))) {
        if (!call.text.trimmed().isEmpty())
            texts.insert(call.text, QPoint(call.x + 35, 40 - call.y));
    }
    return texts;
}

QString textAt(platform::RecordingCanvas &canvas, int x, int y)
{
    return canvas.textAt(x - 35, 40 - y, firstJob(canvas));
}

QVariantMap imoDeclaration()
{
    QVariantMap values;
    for (int line = 1; line <= 13; ++line) {
        values.insert(QString("un%1").arg(line), QString("U%1").arg(line));
        values.insert(QString("in%1").arg(line), QString("Inhalt %1").arg(line));
        values.insert(QString("mark%1").arg(line), QString("M%1").arg(line));
    }
    values.insert("Verp2", "II");
    values.insert("Verp13", "III");
    values.insert("ab1", "Versender GmbH");
    values.insert("brut1", "120");
    values.insert("brut2", "0");
    values.insert("brut4", "7,5");
    values.insert("Merk3", "F-A");
    values.insert("Stueck", "X");
    values.insert("Zu", "X");
    values.insert("name", "Meier, Versand");
    values.insert("ort", "Hamburg");
    return values;
}

} // namespace

TEST_F(DangerousGoodsTest, ImoPrintMovesOnlyTheBoxesOfACorrectionPair)
{
    struct Case {
        const char *pair; // "" for the uncorrected print
        int value;
        QStringList moved; // texts that move by (dx, dy)
        QPoint by;
    };
    QStringList unNumbers, crosses = { "X" };
    for (int line = 1; line <= 13; ++line)
        unNumbers << QString("U%1").arg(line);
    const Case cases[] = {
        { "Feld16x", 15, unNumbers, { 15, 0 } }, { "Feld23y", 10, crosses, { 0, 10 } },
        { "Feld17y", -20, { "120", "7,5" }, { 0, -20 } }, { "Feld18x", 30, { "II", "III" }, { 30, 0 } },
        { "Feld19x", 50, {}, {} }, // unused pair
    };
    addRecord(DangerousGoodsTables::Imo, 4, imoDeclaration());
    setPrintRow(DangerousGoodsRows::Imo, "0");
    const auto print = [this] {
        printers.canvas().clear();
        Tfrmimo_d window;
        EXPECT_TRUE(window.findDocument(4));
        dialogs.answer(DialogAnswer::Ok);
        window.printDocument();
        return formTexts(printers.canvas());
    };
    const QMap<QString, QPoint> plain = print();
    EXPECT_EQ(plain.value("U1"), QPoint(140, 1340));
    EXPECT_EQ(plain.value("U13"), QPoint(140, 1820));
    EXPECT_EQ(plain.value("Inhalt 1"), QPoint(260, 1340));
    EXPECT_EQ(plain.value("II"), QPoint(1020, 1380)) << "the packing group of Verp2";
    EXPECT_EQ(plain.value("Versender GmbH"), QPoint(200, 370));
    EXPECT_EQ(plain.value("F-A"), QPoint(730, 2090));
    EXPECT_EQ(plain.value("Meier, Versand"), QPoint(1150, 2560));
    EXPECT_EQ(plain.value("Hamburg"), QPoint(1150, 2660)) << "without a date the place stands alone";
    EXPECT_EQ(plain.value("120"), QPoint(150, 2010));
    EXPECT_EQ(plain.value("7,5"), QPoint(150, 2130)) << "line 4 keeps its place after a blank line 2";
    EXPECT_FALSE(plain.contains("0")) << "a gross mass of exactly 0 stays blank";
    EXPECT_EQ(printers.canvas().findText("U1", firstJob(printers.canvas()))->font.height, -30);
    EXPECT_EQ(printers.canvas().findText("Versender GmbH", firstJob(printers.canvas()))->font.height, -35);
    EXPECT_EQ(printers.canvas().findText("Hamburg", firstJob(printers.canvas()))->font.height, -40);
    EXPECT_EQ(printers.canvas().jobs().at(0).title, "Export / Versand: IMO - Erklärung");

    for (const Case &c : cases) {
        setCorrection(DangerousGoodsRows::Imo, c.pair, c.value);
        const QMap<QString, QPoint> corrected = print();
        ASSERT_EQ(corrected.keys(), plain.keys()) << c.pair;
        for (auto it = plain.cbegin(); it != plain.cend(); ++it) {
            const QPoint expected = c.moved.contains(it.key()) ? it.value() + c.by : it.value();
            EXPECT_EQ(corrected.value(it.key()), expected) << c.pair << " " << it.key().toStdString();
        }
        setCorrection(DangerousGoodsRows::Imo, c.pair, 0);
    }
    // Both crosses of the delivery kind and of the unit move with pair 23.
    setCorrection(DangerousGoodsRows::Imo, "Feld23y", 10);
    print();
    EXPECT_EQ(textAt(printers.canvas(), 1515, 1920), "X");
    EXPECT_EQ(textAt(printers.canvas(), 1515, 2200), "X");
}

TEST_F(DangerousGoodsTest, ImoPrintAsksForTheFormAndPlacesTheDateAfterThePlace)
{
    QVariantMap values = imoDeclaration();
    values.insert("datum", QDate(2024, 3, 5));
    addRecord(DangerousGoodsTables::Imo, 4, values);
    setPrintRow(DangerousGoodsRows::Imo, "0", 2);

    Tfrmimo_d cancelled;
    ASSERT_TRUE(cancelled.findDocument(4));
    dialogs.answer(DialogAnswer::Cancel);
    cancelled.printDocument();
    EXPECT_EQ(printers.canvas().jobCount(), 0) << "Cancel prints nothing";
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls().at(0).text, "Bitte Formular IMO-Erklärung in Drucker einlegen !");

    Tfrmimo_d window;
    ASSERT_TRUE(window.findDocument(4));
    dialogs.answer(DialogAnswer::Ok);
    window.printDocument();
    EXPECT_EQ(printers.canvas().jobCount(), 2) << "one job a copy";
    EXPECT_EQ(textAt(printers.canvas(), 1150, 2660), "Hamburg 05.03.2024");
}

TEST_F(DangerousGoodsTest, ShippersPrintFollowsTheChosenForm)
{
    addRecord(DangerousGoodsTables::Shippers, 12,
        { { "S1_1", "Versender GmbH" }, { "S4_1", "Frei" }, { "S5_6", true }, { "S5_7", false }, { "S6", false },
            { "S16_3", "Meier" } });
    testsupport::insertRecord(DangerousGoodsTables::ShippersLines,
        { { "BelegNr", 12 }, { "Pos", 1 }, { "S9", "UN1203" }, { "S7", "Benzin" }, { "S11", "6.1" } });
    testsupport::insertRecord(
        DangerousGoodsTables::ShippersLines, { { "BelegNr", 12 }, { "Pos", 2 }, { "S9", "UN1993" }, { "S11", "8" } });
    setPrintRow(DangerousGoodsRows::Shippers, "0", 2);

    struct Case {
        const char *choice;
        QPoint shipper, freeBox, un2, subsidiaryRisk;
        QRect cross; // the passenger-and-cargo cross
        int notRadioactiveY;
    };
    const Case cases[] = {
        { "0", { 160, 210 }, { 1080, 450 }, { 160, 1580 }, {}, QRect(QPoint(400, 980), QPoint(590, 1080)), 1150 },
        { "1", { 160, 210 }, { 1080, 450 }, { 160, 1580 }, {}, QRect(QPoint(245, 1060), QPoint(425, 1155)), 1260 },
        { "2", { 210, 310 }, {}, { 840, 1620 }, { 1070, 1580 }, QRect(QPoint(410, 1050), QPoint(595, 1140)), 1220 },
    };
    for (const Case &c : cases) {
        printers.canvas().clear();
        dialogs.clear();
        shell::IniWriteString("ShipDruck", c.choice);
        TfrmShip_d window;
        ASSERT_TRUE(window.findDocument(12));
        EXPECT_EQ(window.layoutGroup()->itemIndex(), QString(c.choice).toInt());
        window.printDocument();
        EXPECT_TRUE(dialogs.calls().isEmpty()) << c.choice << ": no question";
        platform::RecordingCanvas &canvas = printers.canvas();
        ASSERT_EQ(canvas.jobCount(), 2) << c.choice;
        EXPECT_EQ(canvas.jobs().at(1).title, "Shipper`s Declaration - BelegNr.: 12");
        const QMap<QString, QPoint> texts = formTexts(canvas);
        EXPECT_EQ(texts.value("Versender GmbH"), c.shipper) << c.choice;
        EXPECT_EQ(texts.value("Frei"), c.freeBox) << c.choice << ": the free box, not on Lufthansa's form";
        EXPECT_EQ(texts.value("UN1993"), c.un2) << c.choice << ": line 2 one step below line 1";
        EXPECT_EQ(texts.value("6.1"), c.subsidiaryRisk) << c.choice << ": the subsidiary risk on Lufthansa's only";
        QList<QLine> lines;
        for (const CanvasCall &call : canvas.calls()) {
            if (call.kind == CanvasCall::Kind::Line && call.job == firstJob(canvas)) {
                EXPECT_EQ(call.pen.width, 4);
                lines << QLine(call.x + 35, 40 - call.y, call.x2 + 35, 40 - call.y2);
            }
        }
        const QRect &r = c.cross;
        EXPECT_EQ(lines,
            QList<QLine>(
                { QLine(r.left(), r.top(), r.right(), r.bottom()), QLine(r.left(), r.bottom(), r.right(), r.top()),
                    QLine(lines.value(2).x1(), c.notRadioactiveY, lines.value(2).x2(), c.notRadioactiveY) }))
            << c.choice << ": one cross and the non-radioactive line";
    }
}

TEST_F(DangerousGoodsTest, ShippersPrintMovesTheFreeBoxByItsPairAndRefusesWithoutAChoice)
{
    addRecord(DangerousGoodsTables::Shippers, 12, { { "S4_1", "Frei" }, { "S3_1", "020-123" } });
    setPrintRow(DangerousGoodsRows::Shippers, "0");
    setCorrection(DangerousGoodsRows::Shippers, "Feld6x", 20);
    setCorrection(DangerousGoodsRows::Shippers, "Feld6y", -10);

    shell::IniWriteString("ShipDruck", "-1");
    TfrmShip_d refused;
    ASSERT_TRUE(refused.findDocument(12));
    refused.show();
    refused.printDocument();
    EXPECT_EQ(printers.canvas().jobCount(), 0);
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(
        dialogs.calls().at(0).text, "Sie haben keine Auswahl, auf welches Formular gedruckt werden soll, getätigt!");
    EXPECT_TRUE(refused.isVisible()) << "the window stays open";

    refused.layoutGroup()->button(0)->click();
    EXPECT_EQ(shell::IniReadString("ShipDruck", "-1"), "0") << "the choice is kept at once";
    refused.printDocument();
    const QMap<QString, QPoint> texts = formTexts(printers.canvas());
    EXPECT_EQ(texts.value("Frei"), QPoint(1100, 440));
    EXPECT_EQ(texts.value("020-123"), QPoint(1330, 190)) << "other boxes stay";
}

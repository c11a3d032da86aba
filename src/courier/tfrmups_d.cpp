#include "courier/tfrmups_d.h"
#include "platform/table.h"

#include "courier/couriertables.h"

namespace courier {

using shell::fieldAt;
using shell::NumberFormat;
using shell::PrintItem;

namespace {

constexpr int BoxPitch = 39;

PrintItem boxes(const QString &field, int x, int y)
{
    return fieldAt(field, x, y).inCharacterBoxes(BoxPitch);
}

PrintItem yes(const QString &field, int x, int y)
{
    return fieldAt(field, x, y).crossIfYes();
}

} // namespace

const QVector<PrintItem> &upsLayout()
{
    static const QVector<PrintItem> layout = {
        boxes(QStringLiteral("U1_1"), 130, 190),
        fieldAt(QStringLiteral("U1_2"), 530, 190),
        fieldAt(QStringLiteral("U1_3"), 130, 260),
        fieldAt(QStringLiteral("U1_4"), 530, 260).progress(5),
        fieldAt(QStringLiteral("U1_5"), 130, 360),
        fieldAt(QStringLiteral("U1_6"), 130, 400),
        fieldAt(QStringLiteral("U1_7"), 130, 440),
        fieldAt(QStringLiteral("U1_8"), 130, 480).progress(12),
        boxes(QStringLiteral("U1_9"), 130, 560),
        fieldAt(QStringLiteral("U1_10"), 530, 560).progress(19),
        boxes(QStringLiteral("U2_1"), 130, 660),
        fieldAt(QStringLiteral("U2_2"), 530, 660),
        fieldAt(QStringLiteral("U2_3"), 130, 740),
        fieldAt(QStringLiteral("U2_4"), 530, 740).progress(25),
        fieldAt(QStringLiteral("U2_5"), 130, 820),
        fieldAt(QStringLiteral("U2_6"), 130, 860),
        fieldAt(QStringLiteral("U2_7"), 130, 900),
        fieldAt(QStringLiteral("U2_8"), 130, 940).progress(32),
        boxes(QStringLiteral("U2_9"), 130, 1020),
        fieldAt(QStringLiteral("U2_10"), 530, 1020).progress(41),
        yes(QStringLiteral("U3_1"), 140, 1190),
        yes(QStringLiteral("U3_2"), 290, 1190),
        yes(QStringLiteral("U3_4"), 420, 1190),
        yes(QStringLiteral("U3_5"), 540, 1190),
        yes(QStringLiteral("U3_6"), 670, 1190),
        yes(QStringLiteral("U3_7"), 770, 1190),
        yes(QStringLiteral("U3_8"), 870, 1190).progress(49),
        boxes(QStringLiteral("U3_9"), 90, 1275),
        boxes(QStringLiteral("U3_10"), 775, 1280),
        boxes(QStringLiteral("U3_11"), 875, 1280).progress(53),
        fieldAt(QStringLiteral("U4_1"), 320, 1360),
        fieldAt(QStringLiteral("U4_2"), 630, 1360),
        fieldAt(QStringLiteral("U4_3"), 270, 1400).progress(61),
        // Express Plus, Express, Express Saver, Expedited, Standard.
        yes(QStringLiteral("U5_1"), 1400, 450).height(UpsServiceCrossHeight),
        yes(QStringLiteral("U5_2"), 1400, 540).height(UpsServiceCrossHeight),
        yes(QStringLiteral("U3_3"), 1400, 620).height(UpsServiceCrossHeight),
        yes(QStringLiteral("U5_3"), 1400, 710).height(UpsServiceCrossHeight),
        yes(QStringLiteral("U5_4"), 1400, 800).height(UpsServiceCrossHeight).progress(68),
        fieldAt(QStringLiteral("U6_1"), 990, 950),
        fieldAt(QStringLiteral("U6_2"), 1140, 930).number(NumberFormat::Plain),
        yes(QStringLiteral("U6_3"), 1160, 990),
        fieldAt(QStringLiteral("U6_4"), 1370, 950).number(NumberFormat::Plain),
        fieldAt(QStringLiteral("U6_5"), 1220, 1060).progress(75),
        boxes(QStringLiteral("U6_6"), 990, 1150),
        boxes(QStringLiteral("U6_7"), 990, 1230),
        fieldAt(QStringLiteral("U6_8"), 990, 1300),
        fieldAt(QStringLiteral("U6_9"), 990, 1340),
        yes(QStringLiteral("U6_10"), 1410, 1320),
        yes(QStringLiteral("U6_11"), 1310, 1405).progress(85),
        yes(QStringLiteral("U7_1"), 1630, 440),
        fieldAt(QStringLiteral("U7_2"), 1970, 520).number(NumberFormat::Whole),
        fieldAt(QStringLiteral("U7_3"), 1630, 580),
        fieldAt(QStringLiteral("U7_4"), 1630, 620),
        fieldAt(QStringLiteral("U7_5"), 1630, 660),
        fieldAt(QStringLiteral("U7_6"), 1630, 700),
        fieldAt(QStringLiteral("U7_7"), 1630, 740).progress(93),
        boxes(QStringLiteral("U8_1"), 1625, 900),
        boxes(QStringLiteral("U8_2"), 1695, 900),
        boxes(QStringLiteral("U8_3"), 1775, 900).progress(97),
        fieldAt(QStringLiteral("U8_4"), 1850, 900).progress(100),
    };
    return layout;
}

shell::PrintWindowDefinition upsPrintDefinition()
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmups_d");
    d.caption = QStringLiteral("Druck UPS Frachtbrief");
    d.headTable = Tables::Ups;
    d.administrationPattern = QStringLiteral("UPS*");
    // A user without the row gets it from the master copy, else without
    // printer, so that the first print asks for one.
    d.createsMissingRows = true;
    d.newRowPrinter = QStringLiteral("LPT1");
    d.question = shell::FormQuestion::Gate;
    d.orientation = shell::OrientationChoice { QStringLiteral("UPS_DruckFormat"), false };
    d.fontHeight = -30;
    d.size = QSize(300, 200);
    shell::PrintSheet sheet;
    sheet.row = PrintRows::Ups;
    sheet.question = QStringLiteral("Bitte Formular UPS - FRACHTBRIEF in den Drucker einlegen");
    sheet.print = [](shell::SheetJob &job) { job.painter.draw(upsLayout(), job.window.head()); };
    d.sheets = { sheet };
    return d;
}

Tfrmups_d::Tfrmups_d(QWidget *parent)
    : shell::PrintWindow(upsPrintDefinition(), parent)
{
}

} // namespace courier

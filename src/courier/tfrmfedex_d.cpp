#include "courier/tfrmfedex_d.h"

#include "courier/couriertables.h"
#include "platform/field.h"
#include "platform/table.h"

namespace courier {

using shell::fieldAt;
using shell::PrintItem;
using shell::textAt;

namespace {

// Box 4: only the first service ticked is printed, in this order.
QVector<QVector<PrintItem>> services()
{
    return {
        { fieldAt(QStringLiteral("F4_1"), 600, 980).cross() },
        { fieldAt(QStringLiteral("F4_2"), 870, 980).cross(), fieldAt(QStringLiteral("F4_3"), 920, 980) },
        { fieldAt(QStringLiteral("F4_4"), 260, 1060).cross() },
        { fieldAt(QStringLiteral("F4_5"), 650, 1060).cross() },
        { fieldAt(QStringLiteral("F4_6"), 1000, 1060).cross() },
    };
}

const QStringList ServiceFields = { QStringLiteral("F4_1"), QStringLiteral("F4_2"), QStringLiteral("F4_4"),
    QStringLiteral("F4_5"), QStringLiteral("F4_6") };

// The weight on the upper line (lbs.) when F9_3 is ticked, else on the lower.
QVector<PrintItem> weight(bool upper)
{
    if (upper)
        return { fieldAt(QStringLiteral("F9_2"), 1560, 1060), textAt(QStringLiteral("x"), 1670, 1050) };
    return { fieldAt(QStringLiteral("F9_2"), 1560, 1100), textAt(QStringLiteral("x"), 1670, 1110) };
}

} // namespace

const QVector<PrintItem> &fedExLayout()
{
    // Positions include the form's x correction of +200.
    static const QVector<PrintItem> sender = {
        // The pattern writes slashes whatever the workstation's date separator.
        fieldAt(QStringLiteral("Datum"), 240, 220).date(QStringLiteral("MM/dd/yy")),
        fieldAt(QStringLiteral("F1_1"), 260, 300),
        fieldAt(QStringLiteral("F1_2"), 830, 300),
        fieldAt(QStringLiteral("F1_3"), 260, 380),
        fieldAt(QStringLiteral("F1_4"), 260, 480),
        fieldAt(QStringLiteral("F1_6"), 260, 550),
        fieldAt(QStringLiteral("F1_7"), 260, 630),
        fieldAt(QStringLiteral("F1_8"), 260, 720),
        fieldAt(QStringLiteral("F1_9"), 860, 720),
        fieldAt(QStringLiteral("F1_10"), 260, 810),
        fieldAt(QStringLiteral("F1_11"), 850, 810).progress(10),
        fieldAt(QStringLiteral("F2_1"), 280, 900).progress(15),
        fieldAt(QStringLiteral("F3_1"), 1250, 300),
        fieldAt(QStringLiteral("F3_2"), 1900, 300),
        fieldAt(QStringLiteral("F3_3"), 1250, 380),
        fieldAt(QStringLiteral("F3_5"), 1250, 480),
        fieldAt(QStringLiteral("F3_6"), 1250, 550),
        fieldAt(QStringLiteral("F3_7"), 1250, 630),
        fieldAt(QStringLiteral("F3_8"), 1900, 630),
        fieldAt(QStringLiteral("F3_9"), 1250, 720),
        fieldAt(QStringLiteral("F3_10"), 1900, 720).progress(20),
    };
    return sender;
}

namespace {

// Boxes 5 to 8; from the dangerous-goods line through box 8 in 3 mm.
const QVector<PrintItem> &handlingLayout()
{
    static const QVector<PrintItem> items = {
        fieldAt(QStringLiteral("F5_1"), 260, 1140).cross(),
        fieldAt(QStringLiteral("F5_2"), 550, 1140).cross(),
        fieldAt(QStringLiteral("F5_3"), 870, 1140).cross().progress(30),
        fieldAt(QStringLiteral("F6_1"), 540, 1230).cross(),
        fieldAt(QStringLiteral("F6_2"), 870, 1230).cross(),
        fieldAt(QStringLiteral("F6_3"), 920, 1230),
        fieldAt(QStringLiteral("F6_4"), 260, 1310).cross(),
        fieldAt(QStringLiteral("F6_5"), 540, 1310).cross(),
        fieldAt(QStringLiteral("F6_6"), 870, 1310).cross(),
        fieldAt(QStringLiteral("F6_7"), 1150, 1310).cross().progress(35),
        fieldAt(QStringLiteral("F6_8"), 490, 1410).cross().height(-30),
        fieldAt(QStringLiteral("F6_9"), 670, 1410).cross().height(-30),
        fieldAt(QStringLiteral("F6_10"), 820, 1420).height(-30),
        fieldAt(QStringLiteral("F6_11"), 920, 1420).height(-30),
        fieldAt(QStringLiteral("F6_12"), 1110, 1410).cross().height(-30).progress(40),
        fieldAt(QStringLiteral("F7_1"), 240, 1530).cross().height(-30),
        fieldAt(QStringLiteral("F7_2"), 260, 1580).cross().height(-30),
        fieldAt(QStringLiteral("F7_3"), 290, 1610).cross().height(-30),
        fieldAt(QStringLiteral("F7_4"), 470, 1530).cross().height(-30),
        fieldAt(QStringLiteral("F7_5"), 490, 1580).cross().height(-30),
        fieldAt(QStringLiteral("F7_6"), 230, 1690).height(-30),
        fieldAt(QStringLiteral("F7_7"), 230, 1760).height(-30),
        fieldAt(QStringLiteral("F7_8"), 470, 1760).height(-30).progress(45),
        fieldAt(QStringLiteral("F8_1"), 740, 1540).cross().height(-30),
        fieldAt(QStringLiteral("F8_2"), 770, 1580).cross().height(-30),
        fieldAt(QStringLiteral("F8_3"), 790, 1620).cross().height(-30),
        fieldAt(QStringLiteral("F8_4"), 720, 1690).height(-30).progress(50),
    };
    return items;
}

const QVector<PrintItem> &shipmentLayout()
{
    static const QVector<PrintItem> items = {
        fieldAt(QStringLiteral("F9_4"), 1750, 1060),
        fieldAt(QStringLiteral("F9_5"), 2200, 980),
        fieldAt(QStringLiteral("F9_6"), 1880, 1060),
        fieldAt(QStringLiteral("F9_7"), 2140, 1060).progress(55),
        fieldAt(QStringLiteral("F9_8"), 1250, 1170),
        fieldAt(QStringLiteral("F9_9"), 1250, 1210),
        fieldAt(QStringLiteral("F9_10"), 1250, 1260).cross(),
        fieldAt(QStringLiteral("F10_11"), 1250, 1360),
        fieldAt(QStringLiteral("F10_1"), 1800, 1540).progress(60),
        fieldAt(QStringLiteral("B1"), 1250, 820),
        fieldAt(QStringLiteral("B2"), 2000, 820),
        fieldAt(QStringLiteral("B3"), 1250, 900),
        fieldAt(QStringLiteral("B4"), 1900, 900).progress(65),
    };
    return items;
}

void printFedEx(shell::SheetJob &job)
{
    platform::Table &waybill = job.window.head();
    shell::LayoutPainter &painter = job.painter;
    painter.progress(5);
    painter.draw(fedExLayout(), waybill);
    const QVector<QVector<PrintItem>> service = services();
    for (int i = 0; i < ServiceFields.size(); ++i) {
        if (waybill.fieldByName(ServiceFields.at(i)).asBoolean()) {
            painter.draw(service.at(i), waybill);
            break;
        }
    }
    painter.progress(25);
    painter.draw(handlingLayout(), waybill);
    painter.draw({ fieldAt(QStringLiteral("F9_1"), 1250, 1060) }, waybill);
    painter.draw(weight(waybill.fieldByName(QStringLiteral("F9_3")).asBoolean()), waybill);
    painter.draw(shipmentLayout(), waybill);
}

} // namespace

shell::PrintWindowDefinition fedExPrintDefinition()
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmFedex_d");
    d.caption = QStringLiteral("Druck FedEx");
    d.headTable = Tables::FedEx;
    d.administrationPattern = QStringLiteral("FEDEX*");
    // A user without the row gets it from the master copy, else without
    // printer, so that the first print asks for one.
    d.createsMissingRows = true;
    d.newRowPrinter = QStringLiteral("LPT1");
    d.question = shell::FormQuestion::SetupPrompt;
    d.orientation = shell::OrientationChoice { QStringLiteral("FedEx_DruckFormat"), true };
    d.fontHeight = -40;
    d.progressMaximum = 65;
    d.size = QSize(300, 200);
    shell::PrintSheet sheet;
    sheet.row = PrintRows::FedEx;
    sheet.question = QStringLiteral("Bitte Formular FedEx in den Drucker einlegen !");
    sheet.print = printFedEx;
    d.sheets = { sheet };
    return d;
}

TfrmFedex_d::TfrmFedex_d(QWidget *parent)
    : shell::PrintWindow(fedExPrintDefinition(), parent)
{
}

} // namespace courier

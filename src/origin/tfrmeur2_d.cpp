#include "origin/tfrmeur2_d.h"

#include "origin/origintables.h"
#include "platform/table.h"

namespace origin {

using shell::fieldAt;
using shell::fieldColumn;
using shell::PrintItem;

const QVector<PrintItem> &eur2Layout()
{
    static const QVector<PrintItem> layout = [] {
        QVector<PrintItem> items;
        items << fieldAt(QStringLiteral("eu1_1"), 1230, 480)
              << fieldAt(QStringLiteral("eu1_2"), 1650, 480).progress(10);
        items << fieldColumn(QStringLiteral("eu2_"), 1, 5, 280, 600, 40);
        items.last().progress(20);
        // The consignee's lines stand wider apart than the other boxes'.
        items << fieldColumn(QStringLiteral("eu4_"), 1, 6, 280, 850, 50);
        items.last().progress(30);
        items << fieldAt(QStringLiteral("eu5_1"), 1250, 985)
              << fieldAt(QStringLiteral("eu6_1"), 1650, 1070).progress(40);
        items << fieldAt(QStringLiteral("eu7_1"), 280, 1180)
              << fieldAt(QStringLiteral("eu7_2"), 280, 1230).progress(50);
        items << fieldAt(QStringLiteral("eu8_1"), 1250, 1200)
              << fieldAt(QStringLiteral("eu8_2"), 1250, 1250).progress(60);
        items << fieldAt(QStringLiteral("eu9_1"), 1650, 1170)
              << fieldAt(QStringLiteral("eu10_1"), 1650, 1245).progress(70);
        items << fieldColumn(QStringLiteral("eu11_"), 1, 4, 280, 1350, 40);
        items.last().progress(80);
        items << fieldColumn(QStringLiteral("eu11_"), 5, 9, 280, 1510, 40);
        items.last().progress(100);
        return items;
    }();
    return layout;
}

shell::PrintWindowDefinition eur2PrintDefinition()
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmEur2_d");
    d.caption = QStringLiteral("EUR2 - DRUCK");
    d.headTable = Tables::Eur2;
    d.jobTitle = QStringLiteral("Export / Versand: EUR 2");
    d.size = QSize(242, 168);
    d.printerMenu = QStringLiteral("&Dienste");
    d.setupCommand = QStringLiteral("&Drucker einrichten");
    d.administrationCommand = QStringLiteral("&Parameter einstellen");
    d.printingText = QStringLiteral("Eur2 - Seite wird gedruckt !");

    shell::PrintSheet sheet;
    sheet.row = PrintRows::Eur2;
    sheet.question = QStringLiteral("Bitte Formular EUR. 2 in Drucker einlegen !");
    sheet.verticalConstant = 230;
    sheet.print = [](shell::SheetJob &job) { job.painter.draw(eur2Layout(), job.window.head(), job.variant); };
    d.sheets = { sheet };
    return d;
}

TfrmEur2_d::TfrmEur2_d(QWidget *parent)
    : shell::PrintWindow(eur2PrintDefinition(), parent)
{
}

} // namespace origin

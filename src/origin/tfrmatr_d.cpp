#include "origin/tfrmatr_d.h"

#include "origin/origintables.h"
#include "origin/tfrmeur1_d.h"
#include "platform/table.h"

namespace origin {

using shell::fieldAt;
using shell::fieldColumn;
using shell::inVariant;
using shell::PrintItem;

namespace {

// Box 10 line k: 40 apart, but line 12 lies only 30 below line 11 and line
// 13 50 below line 12, as the form's rules run.
int goodsLineY(int line)
{
    if (line <= 11)
        return 1580 + 40 * (line - 3);
    if (line == 12)
        return 1930;
    return 1980 + 40 * (line - 13);
}

} // namespace

const QVector<PrintItem> &atrLayout()
{
    static const QVector<PrintItem> layout = [] {
        QVector<PrintItem> items;
        items << certificateHead({ .left = 280,
            .exporter = QStringLiteral("Absender_"),
            .exporterTop = 400,
            .reference1 = { 1220, 560 },
            .reference2 = { 1620, 560 },
            .consignee = QStringLiteral("Empfaenger_"),
            .consigneeTop = 670,
            .country1 = QStringLiteral("Staat1"),
            .country1At = { 1130, 930 },
            .country2 = QStringLiteral("Staat2"),
            .country2At = { 1590, 930 },
            .box6 = QStringLiteral("Angaben_"),
            .box6Top = 1080 });
        items << fieldColumn(QStringLiteral("Bemerkung_"), 1, 6, 1200, 1080, 40);
        items.last().progress(50);
        items << fieldAt(QStringLiteral("Eintrag1"), 230, 1500) << fieldAt(QStringLiteral("Eintrag2"), 230, 1540);
        for (int line = 3; line <= 25; ++line) {
            const int y = goodsLineY(line);
            items << fieldAt(QStringLiteral("Eintrag%1_1").arg(line), 230, y)
                  << fieldAt(QStringLiteral("Eintrag%1_2").arg(line), 1840, y);
            if (line == 12)
                items.last().progress(70);
            if (line == 25)
                items.last().progress(90);
        }
        items << inVariant(
            { fieldAt(QStringLiteral("Art_Muster"), 390, 2720), fieldAt(QStringLiteral("Art_nr"), 610, 2720),
                fieldAt(QStringLiteral("Ort_datum"), 1430, 2830), fieldAt(QStringLiteral("Unterschrift"), 1440, 3010) },
            AtrOrvantaSelmar);
        items << inVariant(
            { fieldAt(QStringLiteral("Art_Muster"), 420, 2750), fieldAt(QStringLiteral("Art_nr"), 760, 2750),
                fieldAt(QStringLiteral("Art_vom"), 340, 2790), fieldAt(QStringLiteral("Ort_datum"), 1430, 2890),
                fieldAt(QStringLiteral("Unterschrift"), 1440, 3110) },
            AtrAndere);
        return items;
    }();
    return layout;
}

shell::PrintWindowDefinition atrPrintDefinition()
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmAtr_d");
    d.caption = QStringLiteral("A.TR.1 - DRUCK");
    d.headTable = Tables::Atr;
    d.jobTitle = QStringLiteral("Export / Versand: A.T.R.");
    d.administrationPattern = QStringLiteral("ATR*");
    d.size = QSize(339, 172);

    shell::PrintSheet sheet;
    sheet.row = PrintRows::Atr;
    sheet.question = QStringLiteral("Bitte Formular A.TR. 1 in Drucker einlegen !");
    sheet.verticalConstant = 230;
    sheet.print = [](shell::SheetJob &job) {
        job.painter.draw(atrLayout(), job.window.head(), job.variant);
        job.painter.progress(100);
    };
    d.sheets = { sheet };

    shell::LayoutChoice publisher;
    publisher.objectName = QStringLiteral("RadioGroup1");
    publisher.title = QStringLiteral("Auswahl");
    publisher.items = { QStringLiteral("Orvanta, Selmar"), QStringLiteral("Andere") };
    publisher.iniKey = QStringLiteral("ATRDruck");
    publisher.layouts = { AtrOrvantaSelmar, AtrAndere };
    publisher.layoutWithoutChoice = AtrAndere;
    d.layoutChoice = publisher;
    return d;
}

TfrmAtr_d::TfrmAtr_d(QWidget *parent)
    : shell::PrintWindow(atrPrintDefinition(), parent)
{
}

} // namespace origin

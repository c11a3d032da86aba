#include "sad/tformeinheitzusatz_druck.h"

#include "platform/table.h"
#include "sad/sadtables.h"

namespace sad {

using shell::fieldAt;
using shell::fieldColumn;
using shell::PrintItem;

namespace {

const QString Mark = QStringLiteral("x");

PrintItem mark(const char *field, int x, int y)
{
    return fieldAt(QLatin1String(field), x, y).cross(Mark);
}

PrintItem text(const char *field, int x, int y)
{
    return fieldAt(QLatin1String(field), x, y);
}

// The progress value set before the group that follows the item.
void progressAfterLast(QVector<PrintItem> &items, int value)
{
    items.last().progress(value);
}

} // namespace

const QVector<PrintItem> &supplementarySheetLayout()
{
    static const QVector<PrintItem> layout = [] {
        QVector<PrintItem> items;
        items << mark("F0_1", 230, 300) << mark("F0_2", 735, 300);
        items << fieldColumn(QStringLiteral("FV_"), 1, 7, 990, 130, 40);
        progressAfterLast(items, 10);
        items << fieldColumn(QStringLiteral("FZ_"), 1, 7, 1500, 130, 40);
        items << text("F1_1", 230, 460) << text("F2_1", 990, 460);
        items << mark("F3_1", 1505, 470) << mark("F3_2", 1755, 470);
        progressAfterLast(items, 20);
        items << fieldColumn(QStringLiteral("F4_"), 1, 15, 230, 580, 40);
        progressAfterLast(items, 40);
        items << text("F5_1", 380, 1270) << text("F5_2a", 550, 1320) << text("F5_2b", 830, 1320);
        items << text("F6_1a", 1070, 1270) << text("F6_1b", 1945, 1270) << text("F6_2a", 1070, 1320)
              << text("F6_2b", 1945, 1320);
        items << mark("F7_1", 230, 1400) << mark("F7_2", 480, 1400) << mark("F7_3", 730, 1400)
              << mark("F8_1", 990, 1400);
        progressAfterLast(items, 50);
        items << mark("F9_1a", 230, 1485) << fieldColumn(QStringLiteral("F9_1b_"), 1, 3, 230, 1570, 40);
        items << fieldColumn(QStringLiteral("F10_"), 1, 3, 1500, 1570, 40);
        progressAfterLast(items, 60);
        items << mark("F11_1", 230, 1740) << mark("F11_2", 990, 1740);
        items << text("F12_1", 1500, 1820);
        progressAfterLast(items, 70);
        items << mark("F13_1a", 230, 1910) << mark("F13_1b", 735, 1910) << text("F13_2", 990, 1910)
              << text("F14_1", 1800, 1910);
        items << text("F15_1", 1500, 1990);
        progressAfterLast(items, 80);
        items << text("F16_1", 230, 2280) << text("F16_2", 230, 2320) << text("F17_1", 1300, 2280)
              << text("F17_2", 1300, 2320);
        items << text("FW_1a_1", 230, 2455) << text("FW_1a_2", 230, 2495) << text("FW_1b_1", 740, 2455)
              << text("FW_1b_2", 740, 2495);
        items << text("FW_2a_1", 230, 2575) << text("FW_2a_2", 230, 2615) << text("FW_2b_1", 740, 2575)
              << text("FW_2b_2", 740, 2615);
        progressAfterLast(items, 90);
        items << fieldColumn(QStringLiteral("FW_3_"), 1, 4, 230, 2710, 40);
        return items;
    }();
    return layout;
}

shell::PrintWindowDefinition supplementarySheetPrintDefinition()
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("FormEinheitZusatz_Druck");
    d.caption = QStringLiteral("EINHEITSPAPIER - DRUCK");
    d.headTable = Tables::EinZus;
    d.jobTitle = QStringLiteral("Export / Versand: Zusatzblatt zum Einheitspapier");
    d.createsMissingRows = true;
    d.newRowPrinter = QStringLiteral("LPT1");
    d.noPrinter = shell::NoPrinterStep::PrinterSetup;
    d.administrationPattern = SupplementarySheetRow + QLatin1Char('*');
    d.question = shell::FormQuestion::StopThenSetup;
    d.fontHeight = -40;

    shell::PrintSheet sheet;
    sheet.row = SupplementarySheetRow;
    sheet.question = QStringLiteral("Bitte Formular \"Aktive Veredelung\" in den Drucker einlegen!");
    sheet.print = [](shell::SheetJob &job) { job.painter.draw(supplementarySheetLayout(), job.window.head()); };
    d.sheets = { sheet };
    return d;
}

TFormEinheitZusatz_Druck::TFormEinheitZusatz_Druck(QWidget *parent)
    : shell::PrintWindow(supplementarySheetPrintDefinition(), parent)
{
}

} // namespace sad

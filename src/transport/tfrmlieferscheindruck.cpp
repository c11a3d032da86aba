#include "transport/tfrmlieferscheindruck.h"

#include "platform/field.h"
#include "platform/table.h"
#include "transport/deliverynotepages.h"
#include "transport/deliverynotetables.h"

namespace transport {

using shell::fieldAt;
using shell::PrintItem;

namespace {

const QString Courier = QStringLiteral("Courier New");
constexpr int FirstLineY = 1330;
constexpr int LineStep = 40;

QVector<PrintItem> headLayout()
{
    QVector<PrintItem> items = shell::fieldColumn(QStringLiteral("L5_"), 1, 3, 70, 170, 40);
    items.append(fieldAt(QStringLiteral("Postfach"), 250, 425));
    items += shell::fieldColumn(QStringLiteral("L1_"), 1, 4, 70, 540, 40);
    items += shell::fieldColumn(QStringLiteral("L2_"), 1, 4, 1010, 190, 40);
    items.append(fieldAt(QStringLiteral("L6_1"), 1060, 440).cross());
    items.append(fieldAt(QStringLiteral("L6_2"), 1200, 440).cross());
    items.append(fieldAt(QStringLiteral("L6_3"), 1000, 550));
    for (int box = 1; box <= 8; ++box)
        items.append(
            fieldAt(QStringLiteral("L7_%1").arg(box), box <= 4 ? 1340 : 1540, 440 + 85 * ((box - 1) % 4)).cross());
    items.append(fieldAt(QStringLiteral("L7_9"), 1370, 710).height(-25));
    items.append(fieldAt(QStringLiteral("L3_1"), 1700, 115));
    items.append(fieldAt(QStringLiteral("L4_1"), 1800, 190));
    items.append(fieldAt(QStringLiteral("L8_1"), 1700, 610));
    items.append(fieldAt(QStringLiteral("L9_1"), 1700, 700));
    const struct {
        const char *prefix;
        int x;
        int y;
    } pairs[] = { { "L10_", 70, 855 }, { "L11_", 350, 855 }, { "L15_", 1010, 855 }, { "L12_", 1320, 855 },
        { "L13_", 1570, 855 }, { "L14_", 1730, 855 }, { "L19_", 70, 980 }, { "L21_", 815, 980 }, { "L22_", 1145, 980 },
        { "L25_", 70, 1155 } };
    for (const auto &pair : pairs)
        items += shell::fieldColumn(QLatin1String(pair.prefix), 1, 2, pair.x, pair.y, 40);
    items += shell::fieldColumn(QStringLiteral("L20_"), 1, 2, 660, 980, 40);
    items += shell::fieldColumn(QStringLiteral("L20_"), 3, 4, 740, 980, 40);
    items.append(fieldAt(QStringLiteral("L23_1"), 1660, 1000));
    items.append(fieldAt(QStringLiteral("L24_1"), 1890, 1000));
    items.append(fieldAt(QStringLiteral("L26_1"), 1740, 1180));
    return items;
}

// The filled ones among the fields prefix1 .. prefix<last>, in order.
QStringList filledLines(platform::DataSet &record, const QString &prefix, int last)
{
    QStringList lines;
    for (int i = 1; i <= last; ++i) {
        const QString text = record.fieldByName(prefix + QString::number(i)).asString();
        if (!text.isEmpty())
            lines.append(text);
    }
    return lines;
}

void printDeliveryNote(shell::SheetJob &job)
{
    platform::Table &head = job.window.head();
    platform::Table &positions = *job.window.positions();
    shell::LayoutPainter &painter = job.painter;
    struct Position {
        QString number, article, quantity, unit;
        QStringList description;
    };
    QVector<Position> list;
    QVector<int> descriptionLines;
    for (positions.first(); !positions.eof(); positions.next()) {
        const auto text
            = [&positions](const char *field) { return positions.fieldByName(QLatin1String(field)).asString(); };
        list.append(
            { text("Pos"), text("L28"), text("L30"), text("L31"), filledLines(positions, QStringLiteral("L29_"), 5) });
        descriptionLines.append(list.constLast().description.size());
    }
    const QStringList remarks = filledLines(head, QStringLiteral("Bemerk"), 10);
    const QVector<int> headProgress = { 10, 20, 30, 40, 50 };
    for (const DeliveryNotePage &page : deliveryNotePages(descriptionLines, remarks.size())) {
        job.beginPage();
        painter.progress(0);
        const QVector<PrintItem> layout = headLayout();
        const int fifth = (layout.size() + 4) / 5;
        for (int part = 0; part < 5; ++part) {
            painter.draw(layout.mid(part * fifth, fifth), head);
            painter.progress(headProgress.at(part));
        }
        const auto lineY = [](int line) { return FirstLineY + LineStep * line; };
        int progress = 50;
        for (const DeliveryNotePage::Placed &placed : page.positions) {
            const Position &position = list.at(placed.position);
            const int y = lineY(placed.line);
            painter.text(70, y, position.number);
            painter.text(150, y, position.article);
            painter.text(1350, y, position.quantity);
            painter.text(1500, y, position.unit);
            for (int k = 0; k < position.description.size(); ++k)
                painter.text(680, lineY(placed.line + k), position.description.at(k));
            progress = std::min(progress + 7, 100);
            painter.progress(progress);
        }
        if (page.remarksLine >= 0) {
            for (int k = 0; k < remarks.size(); ++k)
                painter.text(300, lineY(page.remarksLine + k), remarks.at(k));
        }
        painter.progress(100);
    }
}

} // namespace

shell::PrintWindowDefinition deliveryNotePrintDefinition()
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmLieferscheinDruck");
    d.caption = QStringLiteral("Lieferschein - Druck");
    d.headTable = DeliveryNoteTables::Heads;
    d.positionTable = DeliveryNoteTables::Positions;
    d.jobTitle = QStringLiteral("Lieferschein - Druck");
    d.createsMissingRows = true;
    d.newRowPrinter = QStringLiteral("LPT1");
    d.administrationPattern = DeliveryNotePrintRow + QLatin1Char('*');
    d.fontName = Courier;
    d.fontHeight = -35;
    d.okCaption = QStringLiteral("Drucken");
    d.cancelCaption = QStringLiteral("Abbruch");

    shell::PrintSheet sheet;
    sheet.row = DeliveryNotePrintRow;
    sheet.question = QStringLiteral("Bitte Lieferschein in den Drucker einlegen");
    sheet.pagedByRoutine = true;
    sheet.print = printDeliveryNote;
    d.sheets = { sheet };
    return d;
}

TfrmLieferscheinDruck::TfrmLieferscheinDruck(QWidget *parent)
    : shell::PrintWindow(deliveryNotePrintDefinition(), parent)
{
}

} // namespace transport

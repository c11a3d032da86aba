#include "transport/tfrmimo_d.h"

#include "platform/field.h"
#include "platform/table.h"
#include "transport/dangerousgoodstables.h"

#include <QDate>

namespace transport {

using shell::fieldAt;
using shell::fieldColumn;
using shell::inBox;
using shell::PrintItem;

namespace {

constexpr int GoodsTop = 1340; // goods line 1
constexpr int MassTop = 2010; // gross mass, schedule and properties line 1
constexpr int Line = 40;
constexpr int GoodsHeight = -30;
constexpr int CrossHeight = -40;

QVector<PrintItem> withProgress(QVector<PrintItem> items, int step)
{
    items.last().progress(step);
    return items;
}

QVector<PrintItem> goodsColumn(const QString &prefix, int x, int box, int step)
{
    QVector<PrintItem> items = inBox(fieldColumn(prefix, 1, 13, x, GoodsTop, Line), box);
    for (PrintItem &item : items)
        item.height(GoodsHeight);
    return withProgress(items, step);
}

QVector<PrintItem> massColumn(const QString &prefix, int x, int box, int step)
{
    QVector<PrintItem> items = inBox(fieldColumn(prefix, 1, 5, x, MassTop, Line), box);
    for (PrintItem &item : items)
        item.height(GoodsHeight);
    return withProgress(items, step);
}

// The packing groups: the capitals of Verp2 and Verp6 .. Verp13 belong to
// the stored names.
QVector<PrintItem> packingGroups(int step)
{
    QVector<PrintItem> items;
    for (int line = 1; line <= 13; ++line) {
        const QString field
            = (line == 2 || line >= 6) ? QStringLiteral("Verp%1").arg(line) : QStringLiteral("verp%1").arg(line);
        items.append(fieldAt(field, 1020, GoodsTop + Line * (line - 1)).height(GoodsHeight).box(18));
    }
    return withProgress(items, step);
}

// The place and date of the declaration, box 25: the place, one blank and
// the date when the document has one.
const QString PlaceAndDate = QStringLiteral("#ortdatum");

} // namespace

const QVector<PrintItem> &imoLayout()
{
    static const QVector<PrintItem> items = [] {
        QVector<PrintItem> l;
        l += withProgress(inBox(fieldColumn(QStringLiteral("ab"), 1, 3, 200, 370, Line), 1), 1);
        l += withProgress(inBox(fieldColumn(QStringLiteral("buch"), 1, 3, 1100, 370, Line), 2), 2);
        l += withProgress(inBox(fieldColumn(QStringLiteral("em"), 1, 3, 200, 560, Line), 3), 3);
        l += withProgress(inBox(fieldColumn(QStringLiteral("bef"), 1, 3, 1100, 560, Line), 4), 4);
        l += fieldAt(QStringLiteral("ContainerNr"), 1100, 720).box(5).progress(5);
        l += fieldAt(QStringLiteral("packer"), 1100, 830).box(6).progress(6);
        l += fieldAt(QStringLiteral("ortdat"), 1250, 910).box(7).progress(7);
        l += fieldAt(QStringLiteral("schiff"), 200, 1060).box(8).progress(8);
        l += fieldAt(QStringLiteral("lade"), 650, 1060).box(9).progress(9);
        l += fieldAt(QStringLiteral("hafen"), 380, 1150).box(10).progress(10);
        l += withProgress(inBox(fieldColumn(QStringLiteral("text"), 1, 2, 1100, 1120, Line), 11), 11);
        l += goodsColumn(QStringLiteral("un"), 140, 16, 12);
        l += goodsColumn(QStringLiteral("in"), 260, 14, 13);
        l += goodsColumn(QStringLiteral("kl"), 840, 15, 14);
        l += packingGroups(15);
        l += goodsColumn(QStringLiteral("mark"), 1140, 12, 16);
        l += goodsColumn(QStringLiteral("anz"), 1580, 13, 17);
        l += massColumn(QStringLiteral("brut"), 150, 17, 18);
        l += massColumn(QStringLiteral("Merk"), 730, 21, 19);
        l += massColumn(QStringLiteral("eig"), 950, 22, 20);
        l += fieldAt(QStringLiteral("Stueck"), 1515, 1910).height(CrossHeight).box(23);
        l += fieldAt(QStringLiteral("Ladung"), 1515, 1960).height(CrossHeight).box(23);
        l += fieldAt(QStringLiteral("Bulk"), 1515, 2000).height(CrossHeight).box(23);
        l += fieldAt(QStringLiteral("Offen"), 1515, 2150).height(CrossHeight).box(23);
        l += fieldAt(QStringLiteral("Zu"), 1515, 2190).height(CrossHeight).box(23).progress(21);
        l += fieldAt(QStringLiteral("name"), 1150, 2560).height(CrossHeight).box(24);
        l += fieldAt(PlaceAndDate, 1150, 2660).height(CrossHeight).box(25);
        return l;
    }();
    return items;
}

namespace {

void printImo(shell::SheetJob &job)
{
    platform::Table &declaration = job.window.head();
    const auto values = [&declaration](const QString &field) {
        if (field == PlaceAndDate) {
            const QString place = declaration.fieldByName(QStringLiteral("ort")).asString();
            const QDate date = declaration.fieldByName(QStringLiteral("datum")).asDate();
            return date.isValid() ? place + QLatin1Char(' ') + date.toString(QStringLiteral("dd.MM.yyyy")) : place;
        }
        const QString text = declaration.fieldByName(field).asString();
        // A gross mass of exactly "0" stays blank; its line keeps its place.
        if (field.startsWith(QLatin1String("brut")) && text == QLatin1String("0"))
            return QString();
        return text;
    };
    job.painter.draw(imoLayout(), values);
}

} // namespace

shell::PrintWindowDefinition imoPrintDefinition()
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmimo_d");
    d.caption = QStringLiteral("Imo - DRUCK");
    d.headTable = DangerousGoodsTables::Imo;
    d.jobTitle = QStringLiteral("Export / Versand: IMO - Erklärung");
    d.administrationPattern = QStringLiteral("IMO*");
    d.question = shell::FormQuestion::Gate;
    d.fontHeight = -35;
    d.progressMaximum = 21;
    d.size = QSize(254, 143);
    shell::PrintSheet sheet;
    sheet.row = DangerousGoodsRows::Imo;
    sheet.question = QStringLiteral("Bitte Formular IMO-Erklärung in Drucker einlegen !");
    sheet.fieldCorrections = true;
    sheet.print = printImo;
    d.sheets = { sheet };
    return d;
}

Tfrmimo_d::Tfrmimo_d(QWidget *parent)
    : shell::PrintWindow(imoPrintDefinition(), parent)
{
}

} // namespace transport

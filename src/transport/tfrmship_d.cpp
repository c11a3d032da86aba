#include "transport/tfrmship_d.h"

#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/printcanvas.h"
#include "platform/table.h"
#include "shell/radiogroup.h"
#include "transport/dangerousgoodstables.h"

#include <QRect>

namespace transport {

using shell::fieldAt;
using shell::fieldColumn;
using shell::inBox;
using shell::PrintItem;

namespace {

constexpr int Line = 40;
constexpr int SmallHeight = -30;

// A box of lines one below the other.
QVector<PrintItem> lines(const QString &prefix, int last, int x, int y, int box, int first = 1)
{
    return inBox(fieldColumn(prefix, first, last, x, y, Line), box);
}

// A strike-out mark of the form: a cross over a rectangle or a line.
struct Mark {
    QRect area; // left, top, right, bottom in 0.1 mm; a line has no height
    int box = 0;
};

void drawCross(shell::LayoutPainter &painter, const Mark &mark)
{
    const QRect &r = mark.area;
    painter.line(r.left(), r.top(), r.right(), r.bottom(), mark.box);
    painter.line(r.left(), r.bottom(), r.right(), r.top(), mark.box);
}

void drawLine(shell::LayoutPainter &painter, const Mark &mark)
{
    const QRect &r = mark.area;
    painter.line(r.left(), r.top(), r.right(), r.top(), mark.box);
}

QRect area(int x1, int x2, int y1, int y2)
{
    return QRect(QPoint(x1, y1), QPoint(x2, y2));
}

struct LayoutMarks {
    Mark cargoOnly; // S5_7
    Mark passengerAndCargo; // S5_6
    Mark radioactive; // S6 true
    Mark notRadioactive; // S6 false
};

LayoutMarks marksOf(ShippersLayout layout)
{
    switch (layout) {
    case Orvanta:
        return { { area(170, 400, 980, 1080), 8 }, { area(400, 590, 980, 1080), 7 },
            { area(1120, 1430, 1150, 1150), 11 }, { area(1440, 1680, 1150, 1150), 12 } };
    case Andere:
        return { { area(430, 610, 1060, 1155), 8 }, { area(245, 425, 1060, 1155), 7 },
            { area(1210, 1450, 1250, 1250), 11 }, { area(1500, 1680, 1260, 1260), 12 } };
    case Lufthansa:
        break;
    }
    return { { area(215, 410, 1050, 1140), 8 }, { area(410, 595, 1050, 1140), 7 }, { area(1150, 1440, 1220, 1220), 11 },
        { area(1440, 1650, 1220, 1220), 12 } };
}

} // namespace

QVector<PrintItem> shippersHeadLayout(ShippersLayout layout)
{
    QVector<PrintItem> l;
    if (layout == Lufthansa) {
        l += lines(QStringLiteral("S1_"), 5, 210, 310, 1);
        l.last().progress(10);
        l += lines(QStringLiteral("S2_"), 5, 210, 560, 5);
        l.last().progress(15);
        l += fieldAt(QStringLiteral("S3_1"), 1340, 310).box(2).progress(20);
        l += fieldAt(QStringLiteral("S3_2"), 1200, 380).box(3);
        l += fieldAt(QStringLiteral("S3_3"), 1340, 380).box(3).progress(25);
        l += fieldAt(QStringLiteral("S3_4"), 1230, 470).box(4).progress(30);
        l += lines(QStringLiteral("S5_"), 4, 630, 980, 9);
        l += fieldAt(QStringLiteral("S5_5"), 530, 1180).box(10).progress(40);
        return l;
    }
    l += lines(QStringLiteral("S1_"), 5, 160, 210, 1);
    l.last().progress(10);
    l += lines(QStringLiteral("S2_"), 5, 160, 470, 5);
    l.last().progress(15);
    l += fieldAt(QStringLiteral("S3_1"), 1330, 190).box(2).progress(20);
    l += fieldAt(QStringLiteral("S3_2"), 1180, 270).box(3);
    l += fieldAt(QStringLiteral("S3_3"), 1340, 270).box(3).progress(25);
    l += fieldAt(QStringLiteral("S3_4"), 1560, 330).box(4).progress(30);
    l += lines(QStringLiteral("S4_"), 5, 1080, 450, 6);
    l.last().progress(35);
    l += lines(QStringLiteral("S5_"), 4, 620, 900, 9);
    l += fieldAt(QStringLiteral("S5_5"), 530, 1100).box(10).progress(40);
    return l;
}

QVector<PrintItem> shippersGoodsLineLayout(ShippersLayout layout)
{
    if (layout == Lufthansa) {
        return {
            fieldAt(QStringLiteral("S7"), 210, 1580).height(SmallHeight).box(13),
            fieldAt(QStringLiteral("S8"), 740, 1580).box(14),
            fieldAt(QStringLiteral("S9"), 840, 1580).box(15),
            fieldAt(QStringLiteral("S10"), 970, 1580).box(16),
            fieldAt(QStringLiteral("S11"), 1070, 1580).height(SmallHeight).box(17),
            fieldAt(QStringLiteral("S12"), 1170, 1580).height(SmallHeight).box(18),
            fieldAt(QStringLiteral("S13"), 1650, 1580).height(SmallHeight).box(19),
            fieldAt(QStringLiteral("S14"), 1770, 1580).box(20),
        };
    }
    return {
        fieldAt(QStringLiteral("S9"), 160, 1540).box(15),
        fieldAt(QStringLiteral("S7"), 340, 1540).height(SmallHeight).box(13),
        fieldAt(QStringLiteral("S8"), 870, 1540).box(14),
        fieldAt(QStringLiteral("S10"), 1060, 1540).box(16),
        fieldAt(QStringLiteral("S12"), 1190, 1540).height(SmallHeight).box(18),
        fieldAt(QStringLiteral("S13"), 1580, 1540).height(SmallHeight).box(19),
        fieldAt(QStringLiteral("S14"), 1740, 1540).box(20),
    };
}

QVector<PrintItem> shippersFootLayout(ShippersLayout layout)
{
    const bool lufthansa = layout == Lufthansa;
    QVector<PrintItem> l = lines(QStringLiteral("S15_"), 3, lufthansa ? 210 : 160, lufthansa ? 2300 : 2340, 21);
    l += fieldAt(QStringLiteral("S16_1"), lufthansa ? 1260 : 1330, lufthansa ? 2500 : 2530).box(22);
    l += fieldAt(QStringLiteral("S16_2"), lufthansa ? 1260 : 1330, lufthansa ? 2590 : 2640).box(23);
    l += fieldAt(QStringLiteral("S16_3"), lufthansa ? 1260 : 1330, lufthansa ? 2710 : 2680).box(24);
    return l;
}

namespace {

void printShippers(shell::SheetJob &job)
{
    const auto layout = static_cast<ShippersLayout>(job.variant);
    platform::Table &declaration = job.window.head();
    shell::LayoutPainter &painter = job.painter;
    painter.progress(5);
    painter.draw(shippersHeadLayout(layout), declaration);

    platform::PrintCanvas &canvas = painter.canvas();
    canvas.setPenWidth(4);
    const LayoutMarks marks = marksOf(layout);
    if (declaration.fieldByName(QStringLiteral("S5_7")).asBoolean())
        drawCross(painter, marks.cargoOnly);
    if (declaration.fieldByName(QStringLiteral("S5_6")).asBoolean())
        drawCross(painter, marks.passengerAndCargo);
    drawLine(
        painter, declaration.fieldByName(QStringLiteral("S6")).asBoolean() ? marks.radioactive : marks.notRadioactive);
    canvas.setPenWidth(1);
    painter.progress(45);

    // Every goods line of the document, one below the other.
    if (platform::Table *goods = job.window.positions()) {
        const QVector<PrintItem> line = shippersGoodsLineLayout(layout);
        int progress = 45;
        int i = 0;
        for (goods->first(); !goods->eof(); goods->next(), ++i) {
            painter.draw(line, *goods, 0, Line * i);
            progress = qMin(progress + 3, 94);
            painter.progress(progress);
        }
    }
    painter.progress(95);
    painter.draw(shippersFootLayout(layout), declaration);
    painter.progress(100);
}

} // namespace

shell::PrintWindowDefinition shippersPrintDefinition()
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmShip_d");
    d.caption = ShipperS + QStringLiteral(" Declaration - DRUCK");
    d.headTable = DangerousGoodsTables::Shippers;
    d.positionTable = DangerousGoodsTables::ShippersLines;
    d.jobTitle = ShipperS + QStringLiteral(" Declaration - BelegNr.: ");
    d.jobTitleNumbered = true;
    d.administrationPattern = QStringLiteral("SHIPPERS*");
    d.question = shell::FormQuestion::None;
    d.fontHeight = -40;
    d.progressMaximum = 100;
    d.size = QSize(540, 330);
    shell::LayoutChoice choice;
    choice.objectName = QStringLiteral("RadioGroup1");
    choice.title = QStringLiteral("Auswahl");
    choice.items = { QStringLiteral("Orvanta"), QStringLiteral("Andere"), QStringLiteral("Lufthansa") };
    choice.iniKey = QStringLiteral("ShipDruck");
    choice.layouts = { Orvanta, Andere, Lufthansa };
    d.layoutChoice = choice;
    d.beforePrint = [](shell::PrintWindow &window) {
        if (window.layoutGroup()->itemIndex() >= 0)
            return true;
        platform::dialogs().information(
            QStringLiteral("Sie haben keine Auswahl, auf welches Formular gedruckt werden soll, getätigt!"));
        return false;
    };
    shell::PrintSheet sheet;
    sheet.row = DangerousGoodsRows::Shippers;
    sheet.fieldCorrections = true;
    sheet.print = printShippers;
    d.sheets = { sheet };
    return d;
}

TfrmShip_d::TfrmShip_d(QWidget *parent)
    : shell::PrintWindow(shippersPrintDefinition(), parent)
{
}

} // namespace transport

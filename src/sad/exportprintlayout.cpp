#include "sad/exportprintlayout.h"

#include "platform/printcanvas.h"

namespace sad {

using shell::fieldAt;
using shell::fieldColumn;
using shell::PrintItem;
using shell::textAt;

namespace {

const QColor Grey(0x80, 0x80, 0x80);

PrintItem greyMark(int x, int y)
{
    return textAt(QStringLiteral("XXX"), x, y)
        .height(-30)
        .colored(Grey)
        .styled(platform::FontStyles())
        .font(QStringLiteral("Arial"));
}

FirstSheetGroup group(int entry, QVector<PrintItem> items, GroupCondition when = GroupCondition::Always)
{
    return FirstSheetGroup { entry, false, when, std::move(items) };
}

FirstSheetGroup itemGroup(int entry, QVector<PrintItem> items, GroupCondition when = GroupCondition::Always)
{
    return FirstSheetGroup { entry, true, when, std::move(items) };
}

template <typename... Items> QVector<PrintItem> join(const Items &...parts)
{
    QVector<PrintItem> items;
    (items.append(parts), ...);
    return items;
}

} // namespace

const QVector<FirstSheetGroup> &exportFirstSheetGroups()
{
    static const QVector<FirstSheetGroup> groups = [] {
        const auto s = [](const char *name) { return QString::fromLatin1(name); };
        QVector<FirstSheetGroup> g;
        g << group(0, { fieldAt(s("F0_1"), 1480, 150).height(-35), fieldAt(s("F0_2"), 1760, 150).height(-35) });
        g << group(1, { fieldAt(s("f1_1"), 1160, 120), fieldAt(s("f1_2"), 1250, 120).progress(10) });
        g << group(
            2, join(QVector<PrintItem> { fieldAt(s("f2_0"), 650, 100) }, fieldColumn(s("f2_"), 1, 5, 230, 140, 40)));
        g << group(3, { fieldAt(s("f3_1"), 1160, 220), fieldAt(s("f3_2"), 1225, 220) }, GroupCondition::SeveralItems);
        g << group(5, { fieldAt(s("F5"), 1165, 310) });
        g << group(7, { fieldAt(s("f7"), 1520, 310) });
        g << group(
            8, join(QVector<PrintItem> { fieldAt(s("f8_0"), 650, 360) }, fieldColumn(s("f8_"), 1, 5, 230, 400, 40)));
        g << group(9, fieldColumn(s("F9_"), 1, 3, 1160, 400, 40));
        g << group(-1, { greyMark(1330, 565) }, GroupCondition::GreyMarks);
        {
            QVector<PrintItem> box14 = { fieldAt(s("f14_0"), 650, 610), fieldAt(s("F14_1"), 230, 650),
                fieldAt(s("f14_2"), 230, 690), fieldAt(s("f14_3"), 230, 730) };
            for (PrintItem &item : box14)
                item.height(-39);
            box14.last().progress(30);
            g << group(14, box14);
        }
        g << group(17, { fieldAt(s("f17_1"), 1855, 650), fieldAt(s("f17_2"), 1605, 735) });
        g << group(19, { fieldAt(s("f19"), 1040, 810) });
        g << group(20, { fieldAt(s("f20_1"), 1150, 810), fieldAt(s("f20_2"), 1260, 810) });
        g << group(21, { fieldAt(s("f21_1"), 230, 890), fieldAt(s("f21_2"), 1040, 890) });
        g << group(22, { fieldAt(s("f22_1"), 1150, 890), fieldAt(s("f22_2"), 1260, 890) });
        g << group(24, { fieldAt(s("f24_1"), 1840, 890), fieldAt(s("f24_2"), 1890, 890) });
        g << group(25, { fieldAt(s("f25"), 230, 990) });
        g << group(26, { fieldAt(s("f26"), 450, 990) });
        g << group(29, { fieldAt(s("f29"), 230, 1060).progress(50) });
        g << itemGroup(31,
            join(QVector<PrintItem> { fieldAt(s("f31_1"), 805, 1120) }, fieldColumn(s("f31_"), 2, 9, 230, 1160, 40)));
        g << itemGroup(32, { fieldAt(s("pos"), 1255, 1150) }, GroupCondition::SeveralItems);
        g << itemGroup(33, { fieldAt(s("f33_1"), 1380, 1150), fieldAt(s("f33_2"), 1580, 1150) });
        g << itemGroup(34, { greyMark(1410, 1240) }, GroupCondition::GreyMarks);
        g << itemGroup(34, { fieldAt(s("f34_2"), 1525, 1240) });
        g << itemGroup(35, { fieldAt(s("f35_1"), 1610, 1240) });
        g << itemGroup(37, { fieldAt(s("f37_1"), 1380, 1320), fieldAt(s("f37_2"), 1510, 1320) });
        g << itemGroup(38, { fieldAt(s("f38"), 1610, 1320) });
        g << itemGroup(40, { fieldAt(s("F40"), 1380, 1410).progress(70) });
        g << itemGroup(42, { textAt(s("RET-EXP-30400"), 1380, 1560).height(-30) }, GroupCondition::ItemRet);
        g << group(44,
            { fieldAt(s("f44_0"), 910, 1490).height(-25), fieldAt(s("f44_4"), 1160, 1490),
                fieldAt(s("f44_1"), 520, 1530), fieldAt(s("f44_2"), 780, 1530).height(-30),
                fieldAt(s("f44_3"), 1160, 1530) });
        g << group(44,
            { textAt(NuclearStatement1, 230, 1610).height(-30), textAt(NuclearStatement2, 230, 1640).height(-30) },
            GroupCondition::HeadStatement);
        g << group(44, { textAt(s("x"), 240, 1580) }, GroupCondition::HeadMark);
        g << group(56, { fieldAt(s("f44_5"), 230, 1610).height(-30) }, GroupCondition::HeadNoStatement);
        g << group(57, { fieldAt(s("f44_6"), 230, 1640).height(-30) }, GroupCondition::HeadNoStatement);
        g << group(58, { fieldAt(s("F44_7"), 230, 1670).height(-30) });
        g << itemGroup(41, { fieldAt(s("f41_1"), 1380, 1490) });
        g << itemGroup(46, { fieldAt(s("f46"), 1690, 1650) });
        g << group(49, { fieldAt(s("f49"), 1610, 1750).progress(90) });
        g << group(-1, {}, GroupCondition::EmergencyProcedure);
        g << group(50, fieldColumn(s("fb"), 1, 4, 1420, 1970, 40));
        g << group(54,
            join(QVector<PrintItem> { fieldAt(s("f54_1"), 1400, 2600) }, fieldColumn(s("f54_"), 2, 5, 1400, 2680, 40)));
        g << group(-1,
            { fieldAt(s("FD_1"), 220, 2600), fieldAt(s("FD_2"), 460, 2640), fieldAt(s("FD_3"), 270, 2680),
                fieldAt(s("FD_4"), 290, 2720), fieldAt(s("FD_5"), 220, 2760).progress(100) });
        return g;
    }();
    return groups;
}

bool preStampPrints(int entry, bool isTemplate, bool preStamp, const QBitArray &listed)
{
    if (entry < 0)
        return true;
    const bool isListed = entry < listed.size() && listed.testBit(entry);
    if (isTemplate)
        return isListed;
    return !preStamp || !isListed;
}

const QVector<PrintItem> &exportContinuationHead()
{
    static const QVector<PrintItem> items = [] {
        const auto s = [](const char *name) { return QString::fromLatin1(name); };
        QVector<PrintItem> h = { fieldAt(s("Nummer"), 830, 50), fieldAt(s("f1_1"), 1160, 100),
            fieldAt(s("f1_2"), 1245, 100), fieldAt(s("f2_0"), 650, 100) };
        h << fieldColumn(s("f2_"), 1, 3, 230, 140, 40);
        h << fieldAt(s("Seite"), 1160, 220) << fieldAt(s("f3_2"), 1245, 220).progress(10);
        return h;
    }();
    return items;
}

const QVector<PrintItem> &exportContinuationItem()
{
    static const QVector<PrintItem> items = [] {
        const auto s = [](const char *name) { return QString::fromLatin1(name); };
        QVector<PrintItem> b = { fieldAt(s("f31_1"), 800, 280) };
        b << fieldColumn(s("f31_"), 2, 9, 230, 320, 40);
        b << fieldAt(s("pos"), 1255, 295) << fieldAt(s("f33_1"), 1385, 295) << fieldAt(s("f33_2"), 1580, 295);
        PrintItem grey = greyMark(1410, 380);
        grey.field = GreyMarkField; // "XXX" only with the grey marks
        b << grey << fieldAt(s("f34_2"), 1530, 380);
        b << fieldAt(s("f35_1"), 1610, 380) << fieldAt(s("f35_2"), 1900, 380);
        b << fieldAt(s("f37_1"), 1395, 465) << fieldAt(s("f37_2"), 1510, 465) << fieldAt(s("f38"), 1620, 465);
        b << fieldAt(s("F40"), 1395, 550) << fieldAt(s("f41_1"), 1385, 640);
        b << fieldColumn(s("Zeile44_"), 1, 5, 230, 670, 35);
        b << fieldAt(RetMarkField, 1390, 720).height(-30);
        b << fieldAt(s("f46"), 1700, 805);
        return b;
    }();
    return items;
}

QStringList box44Lines(const QString &f44_10, const QString &f44_11, const QStringList &fields)
{
    const bool arms = f44_10 == QLatin1String("i");
    const bool nuclear = f44_11 == QLatin1String("i");
    QStringList lines = fields;
    while (lines.size() < 5)
        lines.append(QString());
    if (arms && nuclear)
        return { ArmsStatement1, ArmsStatement2, NuclearStatement1, NuclearStatement2, lines.at(4) };
    if (arms)
        return { ArmsStatement1, ArmsStatement2, lines.at(2), lines.at(3), lines.at(4) };
    if (nuclear)
        return { NuclearStatement1, NuclearStatement2, lines.at(2), lines.at(3), lines.at(4) };
    return lines.mid(0, 5);
}

QString dotLeader(const shell::LayoutPainter &painter, const QString &label, int width)
{
    platform::PrintCanvas &canvas = painter.canvas();
    QString dots;
    while (canvas.textWidth(label + dots) < width)
        dots += QLatin1Char('.');
    return dots;
}

void drawEmergencyProcedureBlock(shell::LayoutPainter &painter, const QString &startedAt, const QString &ticket)
{
    platform::PrintCanvas &canvas = painter.canvas();
    platform::CanvasFont arial;
    arial.name = QStringLiteral("Arial");
    arial.height = -30;
    const auto out = [&](int x, int y, const QString &text) {
        const QPoint at = painter.offsets().toDevice(x, y);
        canvas.textOut(at.x(), at.y(), text);
    };
    platform::CanvasFont bold = arial;
    bold.style = platform::FontStyle::Bold;
    canvas.setFont(bold);
    out(1540, 2140, QStringLiteral("ECS/AES NOTFALLVERFAHREN"));
    canvas.setFont(arial);
    out(1460, 2210, QStringLiteral("KEINE DATEN IM SYSTEM VERFÜGBAR"));
    const QString begun = QStringLiteral("Begonnen am ");
    out(1460, 2270, begun);
    out(1460 + canvas.textWidth(begun), 2270, dotLeader(painter, begun));
    out(1460, 2300, QStringLiteral("(Datum/Uhrzeit)"));
    const int startedX = 1460 + canvas.textWidth(QStringLiteral("Begonnen am  "));
    const QString ticketLabel = QStringLiteral("Ticket-Nr.: ");
    out(1460, 2360, QStringLiteral("Ticket-Nr.:"));
    out(1460 + canvas.textWidth(ticketLabel), 2360, dotLeader(painter, ticketLabel));
    const int ticketX = 1460 + canvas.textWidth(QStringLiteral("Ticket-Nr.:  "));
    canvas.setFont(painter.font());
    out(startedX, 2250, startedAt);
    out(ticketX, 2340, ticket);
}

} // namespace sad

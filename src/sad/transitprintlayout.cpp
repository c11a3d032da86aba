#include "sad/transitprintlayout.h"

namespace sad {

using shell::fieldAt;
using shell::PrintItem;
using shell::textAt;

namespace {

constexpr int MainRight = 10;
constexpr int MainUp = 40;
constexpr int ContinuationRight = 20;

// A field of the main sheet at its nominal position.
PrintItem at(const char *field, int x, int y)
{
    return fieldAt(QLatin1String(field), x + MainRight, y - MainUp);
}

// The fields prefix<first> .. prefix<last> of the main sheet down a column.
QVector<PrintItem> column(const char *prefix, int first, int last, int x, int y, int step = 40)
{
    QVector<PrintItem> items;
    for (int n = first; n <= last; ++n, y += step)
        items.append(fieldAt(QLatin1String(prefix) + QString::number(n), x + MainRight, y - MainUp));
    return items;
}

// A field of the continuation sheet.
PrintItem cont(const QString &field, int x, int y)
{
    return fieldAt(field, x + ContinuationRight, y);
}

TransitGroup head(int box, TransitSheets sheets, QVector<PrintItem> items)
{
    return TransitGroup { box, sheets, false, std::move(items) };
}

TransitGroup item(int box, TransitSheets sheets, QVector<PrintItem> items)
{
    return TransitGroup { box, sheets, true, std::move(items) };
}

} // namespace

bool transitSheetCarries(TransitSheets sheets, int sheetOfSet)
{
    switch (sheets) {
    case TransitSheets::All:
        return true;
    case TransitSheets::FirstAndLast:
        return sheetOfSet == 1 || sheetOfSet == 6;
    case TransitSheets::WithBoxA:
        return sheetOfSet <= 3 || sheetOfSet == 6;
    }
    return true;
}

const QVector<TransitGroup> &transitMainSheetGroups()
{
    using S = TransitSheets;
    static const QVector<TransitGroup> groups = [] {
        QVector<TransitGroup> g;
        g << head(0, S::WithBoxA, column("A", 1, 4, 1450, 110));
        g << head(1, S::All, { at("F1_1", 1150, 160), at("f1_2", 1230, 160), at("f1_3", 1300, 160) });
        g << head(2, S::All, QVector<PrintItem> { at("f2_0", 650, 120) } + column("f2_", 1, 5, 220, 160));
        g << head(3, S::All, { at("f3_1", 1140, 250), at("f3_2", 1220, 250) });
        g << head(4, S::All, { at("F4", 1295, 250) });
        g << head(5, S::All, { at("F5", 1150, 330) });
        g << head(6, S::All, { at("F6", 1300, 330) });
        g << head(7, S::FirstAndLast, { at("F7", 1500, 330) });
        g << head(8, S::All, QVector<PrintItem> { at("f8_0", 650, 375) } + column("f8_", 1, 5, 220, 415));
        g << head(11, S::FirstAndLast, { at("F11", 1320, 570) });
        g << head(14, S::All, QVector<PrintItem> { at("f14_0", 650, 630) } + column("f14_", 1, 3, 220, 670));
        g << head(15, S::All, { at("F15", 1140, 665) });
        g << head(16, S::FirstAndLast, { at("F16", 1140, 750) });
        g << head(17, S::All, { at("F17", 1595, 750) });
        g << head(17, S::FirstAndLast, { at("F17_1", 1850, 670) });
        g << head(19, S::All, { at("F19", 1050, 830) });
        g << head(20, S::FirstAndLast, { at("F20_1", 1140, 830), at("F20_2", 1240, 830) });
        g << head(21, S::All, { at("f21_1", 220, 910), at("f21_2", 1040, 910) });
        g << head(22, S::FirstAndLast, { at("F22_1", 1140, 910), at("F22_2", 1240, 910) });
        g << head(24, S::FirstAndLast, { at("F24_1", 1830, 910), at("F24_2", 1870, 910) });
        g << head(25, S::All, { at("F25", 210, 1000) });
        g << head(26, S::FirstAndLast, { at("F26", 460, 1000) });
        g << head(28, S::FirstAndLast, { at("F28", 1140, 1000) });
        g << head(29, S::FirstAndLast, { at("F29", 220, 1080) });
        g << item(31, S::All, QVector<PrintItem> { at("f31_1", 780, 1145) } + column("f31_", 2, 9, 235, 1185));
        g << item(32, S::All, { at("pos", 1240, 1170) });
        g << item(33, S::All, { at("f33_1", 1370, 1170), at("f33_2", 1610, 1170) });
        g << item(34, S::FirstAndLast, { at("F34_1", 1400, 1260), at("F34_2", 1510, 1260) });
        g << item(35, S::All, { at("f35_1", 1600, 1250) });
        g << item(37, S::FirstAndLast, { at("F37_1", 1370, 1340), at("F37_2", 1500, 1340) });
        g << item(38, S::All, { at("f38", 1600, 1340) });
        g << item(40, S::All, { at("F40", 1370, 1425) });
        g << item(41, S::FirstAndLast, { at("f41_1", 1370, 1505) });
        QVector<PrintItem> box44 = column("f44_", 3, 6, 235, 1560);
        box44.append(fieldAt(TransitCrossField, 230 + MainRight, 1605 - MainUp));
        g << head(44, S::All, box44);
        g << item(
            44, S::All, { at("Ret", 1360, 1590), fieldAt(TransitCurrencyField, 1360 + MainRight, 1690 - MainUp) });
        g << item(46, S::FirstAndLast, { at("F46", 1690, 1675) });
        g << head(49, S::FirstAndLast, { at("F49", 1580, 1760) });
        g << head(50, S::All,
            QVector<PrintItem> { at("f50_1", 420, 2160), at("f50_2", 650, 2160) } + column("f50_", 3, 5, 235, 2200)
                + QVector<PrintItem> { at("F50_6", 390, 2320), at("F40_7", 390, 2360) });
        g << head(51, S::All,
            { at("F51_1", 235, 2440), at("F51_2", 520, 2440), at("F51_3", 820, 2440), at("F51_4", 1140, 2440),
                at("F51_5", 1430, 2440), at("F51_6", 1750, 2440) });
        g << head(52, S::All, { at("F52_1", 235, 2490), at("F52_2", 235, 2530), at("F52_3", 1350, 2520) });
        g << head(53, S::All, { at("F53", 1440, 2520) });
        g << head(-1, S::FirstAndLast, column("fb", 1, 4, 1490, 1980));
        g << head(-1, S::All,
            { at("D1", 530, 2575), at("D2", 200, 2615), at("D3", 450, 2655), at("D4", 250, 2700), at("D5", 300, 2740),
                at("D6", 250, 2780) });
        g << head(54, S::WithBoxA, QVector<PrintItem> { at("f54_1", 1400, 2610) } + column("f54_", 2, 5, 1400, 2740));
        return g;
    }();
    return groups;
}

const QVector<TransitGroup> &transitContinuationHead()
{
    using S = TransitSheets;
    static const QVector<TransitGroup> groups = {
        head(-1, S::All, { cont(TransitFormNumberField, 820, 60) }),
        head(-1, S::WithBoxA, { cont(QStringLiteral("A1"), 1450, 170), cont(QStringLiteral("A2"), 1450, 210) }),
        head(-1, S::All,
            { cont(QStringLiteral("F1_1"), 1140, 110), cont(QStringLiteral("f1_2"), 1230, 110),
                cont(QStringLiteral("f1_3"), 1290, 110) }),
        head(-1, S::All,
            { cont(QStringLiteral("f2_0"), 650, 100), cont(QStringLiteral("f2_1"), 210, 140),
                cont(QStringLiteral("f2_2"), 210, 180), cont(QStringLiteral("f2_3"), 210, 220) }),
        head(-1, S::All, { cont(TransitPageField, 1150, 220), cont(QStringLiteral("f3_2"), 1225, 220) }),
    };
    return groups;
}

const QVector<TransitGroup> &transitContinuationItem()
{
    using S = TransitSheets;
    static const QVector<TransitGroup> groups = [] {
        const auto f = [](const char *field, int x, int y) { return cont(QLatin1String(field), x, y); };
        QVector<TransitGroup> g;
        g << item(-1, S::All,
            { f("f31_1", 740, 280), f("f31_2", 210, 320), f("f31_3", 210, 360), f("f31_4", 210, 400),
                f("f31_5", 210, 440), f("f31_6", 210, 480), f("f31_7", 210, 510), f("f31_8", 210, 550),
                f("f31_9", 210, 590) });
        g << item(-1, S::All, { f("pos", 1250, 300), f("f33_1", 1380, 300) });
        g << item(-1, S::FirstAndLast, { f("f33_2", 1580, 300) });
        g << item(-1, S::FirstAndLast, { f("F34_1", 1380, 380), f("F34_2", 1500, 380), f("f35_2", 1890, 380) });
        g << item(-1, S::All, { f("f35_1", 1600, 380) });
        g << item(-1, S::FirstAndLast, { f("F37_1", 1380, 470), f("F37_2", 1500, 470) });
        g << item(-1, S::All, { f("f38", 1600, 470), f("F40", 1390, 560) });
        g << item(-1, S::FirstAndLast, { f("f41_1", 1380, 640), f("F46", 1680, 800) });
        QVector<PrintItem> box44;
        for (int line = 1; line <= 5; ++line)
            box44.append(cont(QStringLiteral("f44_%1").arg(line), 210, 610 + 40 * line).height(-30));
        box44.append(f("Ret", 1360, 720));
        box44.append(cont(TransitCurrencyField, 1360, 830));
        g << item(-1, S::All, box44);
        return g;
    }();
    return groups;
}

QBitArray transitPreStampMask(const QStringList &printedInAdvance, bool isTemplate)
{
    QBitArray mask(56, true);
    for (const QString &line : printedInAdvance) {
        bool ok = false;
        const int box = line.trimmed().toInt(&ok);
        if (ok && box >= 0 && box <= 55)
            mask.clearBit(box);
    }
    if (isTemplate)
        mask = ~mask;
    return mask;
}

QString transitCurrency(bool dm, bool euro)
{
    if (dm)
        return QStringLiteral("DEM");
    return euro ? QStringLiteral("EUR") : QString();
}

} // namespace sad

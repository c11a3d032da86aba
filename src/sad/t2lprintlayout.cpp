#include "sad/t2lprintlayout.h"

namespace sad {

using shell::fieldAt;
using shell::PrintItem;

namespace {

constexpr int ContinuationUp = 10;

PrintItem at(const QString &field, int x, int y)
{
    return fieldAt(field, x, y);
}

PrintItem at(const char *field, int x, int y)
{
    return fieldAt(QLatin1String(field), x, y);
}

// The fields prefix<first> .. prefix<last> down a column, step apart.
QVector<PrintItem> column(const char *prefix, int first, int last, int x, int y, int step = 40)
{
    QVector<PrintItem> items;
    for (int n = first; n <= last; ++n, y += step)
        items.append(at(QLatin1String(prefix) + QString::number(n), x, y));
    return items;
}

// A continuation sheet's items 1 mm higher than their nominal places.
QVector<PrintItem> raised(QVector<PrintItem> items)
{
    for (PrintItem &item : items)
        item.y -= ContinuationUp;
    return items;
}

} // namespace

const QVector<PrintItem> &t2lMainSheetHead()
{
    static const QVector<PrintItem> items = [] {
        QVector<PrintItem> h;
        h << at("F1_1", 1120, 110) << at("F1_2", 1220, 110);
        h << at("F2_1", 620, 100) << column("F2_", 2, 6, 210, 140);
        h << at("F3_1", 1120, 220) << at("F3_2", 1190, 220) << at("F4", 1260, 220);
        h << at("F5", 1120, 310) << at("F6", 1260, 310);
        h << at("F8_1", 620, 350) << column("F8_", 2, 6, 210, 390);
        h << at("F14_1", 620, 610) << column("F14_", 2, 4, 210, 650);
        h << at("F15", 1120, 650);
        h << at("F17", 1570, 730);
        h << at("F18_1", 210, 820) << at("F18_2", 920, 820) << at("F19", 1020, 820);
        h << at("F21_1", 210, 900) << at("F21_2", 1020, 900);
        h << at("F25", 200, 980) << at("F27_1", 660, 980) << at("F27_2", 1020, 980);
        h << at("F55_1", 350, 1710) << at("F55_2", 550, 1750) << at("F55_3", 280, 1800) << at("F55_4", 650, 1800);
        h << at("F55_5", 1260, 1710) << at("F55_6", 1470, 1750) << at("F55_7", 1200, 1800) << at("F55_8", 1560, 1800);
        h << at("F50_1", 630, 2140) << column("F50_", 2, 4, 210, 2180) << at("F50_5", 400, 2300)
          << at("F50_6", 400, 2340);
        const int columns[] = { 210, 510, 810, 1110, 1420, 1730 };
        for (int c = 1; c <= 6; ++c) {
            h << at(QStringLiteral("F51_%1_1").arg(c), columns[c - 1], 2400)
              << at(QStringLiteral("F51_%1_2").arg(c), columns[c - 1], 2440);
        }
        // Box 52's second line has no edit and stays empty.
        h << at("F52_1", 210, 2510) << at("F52_3", 1350, 2510) << at("F53", 1430, 2510);
        h << at("F54_1", 1350, 2600) << column("F54_", 2, 6, 1350, 2680);
        return h;
    }();
    return items;
}

const QVector<PrintItem> &t2lMainSheetItem()
{
    static const QVector<PrintItem> items = [] {
        QVector<PrintItem> i = column("F31_", 1, 8, 210, 1160);
        i << at("Pos", 1220, 1160) << at("F33", 1350, 1160);
        i << at("F35", 1580, 1240) << at("F38", 1580, 1320) << at("F40", 1350, 1400);
        i << column("F44_", 1, 5, 210, 1510) << at("F44_6", 1660, 1570);
        // The entry at the right of box 44, where the continuation sheets
        // print it, so that item 1 shows it too.
        i << at("F44_7", 1350, 1630);
        return i;
    }();
    return items;
}

const QVector<PrintItem> &t2lContinuationHead()
{
    static const QVector<PrintItem> items = raised(
        QVector<PrintItem> { at("F1_1", 1140, 130), at("F1_2", 1230, 130), at("F2_1", 660, 100) }
        + column("F2_", 2, 4, 220, 140) + QVector<PrintItem> { at(T2LPageField, 1140, 210), at("F3_2", 1210, 210) });
    return items;
}

const QVector<PrintItem> &t2lContinuationItem()
{
    static const QVector<PrintItem> items = raised(column("F31_", 1, 8, 220, 300)
        + QVector<PrintItem> { at("Pos", 1240, 300), at("F33", 1360, 300), at("F35", 1590, 380), at("F38", 1590, 470),
            at("F40", 1360, 560) }
        + column("F44_", 1, 5, 220, 650) + QVector<PrintItem> { at("F44_6", 1680, 720), at("F44_7", 1370, 780) });
    return items;
}

} // namespace sad

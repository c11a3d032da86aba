#include "sad/importprintlayout.h"

#include "platform/dataset.h"
#include "platform/field.h"
#include "platform/localformat.h"

namespace sad {

using shell::fieldAt;
using shell::fieldColumn;
using shell::PrintItem;
using shell::textAt;

namespace {

QString f(const char *name)
{
    return QString::fromLatin1(name);
}

template <typename... Items> QVector<PrintItem> join(const Items &...parts)
{
    QVector<PrintItem> items;
    (items.append(parts), ...);
    return items;
}

// The eight duty lines of box 47 from y on, 40 apart: type at typeX (3.5 mm),
// base, rate and amount ending at their edges, payment at paymentX; the sum
// below the last line at sumY.
QVector<PrintItem> dutyLines(int typeX, int baseEdge, int rateEdge, int amountEdge, int paymentX, int y, int sumY)
{
    QVector<PrintItem> items;
    for (int k = 1; k <= 8; ++k) {
        const int lineY = y + 40 * (k - 1);
        items << fieldAt(QStringLiteral("F47_1_%1").arg(k), typeX, lineY).height(-35);
        items << fieldAt(QStringLiteral("F47_2_%1").arg(k), baseEdge, lineY).rightAligned();
        items << fieldAt(QStringLiteral("F47_3_%1").arg(k), rateEdge, lineY).rightAligned();
        items << fieldAt(QStringLiteral("F47_4_%1").arg(k), amountEdge, lineY).rightAligned();
        items << fieldAt(QStringLiteral("F47_5_%1").arg(k), paymentX, lineY);
    }
    items << fieldAt(f("F47_summ"), amountEdge, sumY).rightAligned();
    return items;
}

bool isAmount(const QString &field)
{
    return field.startsWith(QLatin1String("F47_4_")) || field.startsWith(QLatin1String("F48_2_"))
        || field == QLatin1String("F47_summ") || field == QLatin1String("G_summe");
}

QString plainValue(platform::DataSet &record, const QString &field)
{
    const platform::Field &value = record.fieldByName(field);
    if (field == QLatin1String("F5") || field == QLatin1String("POS"))
        return value.isNull() ? QString() : QString::number(value.asInteger());
    const QString text = value.asString();
    if (isAmount(field) && text == QLatin1String("0,00"))
        return {};
    return text;
}

} // namespace

const QVector<PrintItem> &importFirstSheetHead()
{
    static const QVector<PrintItem> items = join(
        QVector<PrintItem> {
            fieldAt(f("F1_1"), 1170, 160),
            fieldAt(f("F1_2"), 1265, 160),
            fieldAt(f("F2_0"), 670, 140),
            fieldAt(f("F2_1"), 240, 180),
        },
        fieldColumn(f("F2_"), 2, 5, 240, 220, 40),
        QVector<PrintItem> {
            fieldAt(f("F3_1"), 1170, 260),
            fieldAt(f("F3_2"), 1240, 260),
            fieldAt(f("F5"), 1170, 340),
            fieldAt(f("F7"), 1520, 340),
            fieldAt(f("F8_0"), 670, 390),
            fieldAt(f("F8_1"), 240, 430),
        },
        fieldColumn(f("F8_"), 2, 5, 240, 470, 40),
        QVector<PrintItem> {
            fieldAt(f("F11_1"), 1340, 590),
            fieldAt(f("F14_0"), 670, 650),
        },
        fieldColumn(f("F14_"), 1, 3, 240, 690, 40),
        QVector<PrintItem> {
            fieldAt(f("F15"), 1170, 680),
            fieldAt(f("F15_1"), 1640, 680),
            fieldAt(f("F16"), 1170, 770),
            fieldAt(f("F17_1"), 1980, 680),
            fieldAt(f("F18_1"), 240, 850),
            fieldAt(f("F18_2"), 955, 850),
            fieldAt(f("F19"), 1070, 850),
            fieldAt(f("F20_1"), 1170, 850),
            fieldAt(f("F20_2"), 1280, 850),
            fieldAt(f("F21_1"), 240, 935),
            fieldAt(f("F21_2"), 1055, 935),
            fieldAt(f("F22_1"), 1170, 935),
            fieldAt(f("F22_2"), 1280, 935),
            fieldAt(f("F30"), 1610, 935), // the exchange rate of box 23
            fieldAt(f("F24_1"), 1860, 935),
            fieldAt(f("F24_2"), 1900, 935),
            fieldAt(f("F25"), 240, 1020),
            fieldAt(f("F26"), 470, 1020),
            fieldAt(f("F27_1"), 700, 1020),
            fieldAt(f("F27_2"), 1070, 1020),
            fieldAt(f("F28"), 1170, 1020),
            fieldAt(f("F29"), 240, 1100),
            fieldAt(f("F30_1"), 700, 1100),
            fieldAt(ImportTickField, 280, 1520),
            fieldAt(f("F44_1"), 490, 1560),
            fieldAt(f("F44_2"), 770, 1560),
            fieldAt(f("F44_0"), 870, 1560),
            fieldAt(f("F44_3"), 1130, 1560),
            // The head's F44_4 has no place on the form: below F44_3.
            fieldAt(f("F44_4"), 1130, 1600),
            fieldAt(f("F44_5"), 260, 1640),
            fieldAt(f("F48_1"), 1150, 1780),
            fieldAt(f("F49"), 1610, 1780),
        },
        fieldColumn(f("FB"), 1, 7, 1600, 1860, 40), QVector<PrintItem> { fieldAt(ImportPlaceDateField, 1400, 2635) },
        fieldColumn(f("F54_"), 2, 5, 1400, 2720, 40));
    return items;
}

const QVector<PrintItem> &importFirstSheetItem()
{
    static const QVector<PrintItem> items
        = join(QVector<PrintItem> { fieldAt(f("F31_1"), 810, 1160) }, fieldColumn(f("F31_"), 2, 9, 260, 1200, 40),
            QVector<PrintItem> {
                fieldAt(f("POS"), 1270, 1185),
                fieldAt(f("F33_1"), 1400, 1185),
                fieldAt(f("F33_2"), 1620, 1185),
                fieldAt(f("F33_5"), 1720, 1185),
                fieldAt(f("F33_4"), 1825, 1185),
                fieldAt(f("F33_3"), 1950, 1185),
                fieldAt(f("F34_1"), 1420, 1270),
                fieldAt(f("F35_1"), 1630, 1270),
                fieldAt(f("F35_2"), 1770, 1270),
                fieldAt(f("F36_1"), 1920, 1270),
                fieldAt(f("F37_1"), 1400, 1355),
                fieldAt(f("F37_2"), 1530, 1355),
                fieldAt(f("F38"), 1630, 1355),
                fieldAt(f("F39_1"), 1920, 1355),
                fieldAt(f("F40_1"), 1420, 1440),
                fieldAt(f("F41_1"), 1420, 1515),
                fieldAt(f("F42"), 1690, 1515),
                fieldAt(f("F44_1"), 260, 1570),
                fieldAt(f("F44_2"), 260, 1602),
                fieldAt(f("F44_3"), 260, 1635),
                fieldAt(f("F44_4"), 260, 1667),
                fieldAt(f("F44_5"), 260, 1700),
                fieldAt(ImportCurrencyField, 1380, 1670),
                fieldAt(f("F46"), 1690, 1690),
            },
            dutyLines(260, 580, 830, 1090, 1100, 1795, 2115));
    return items;
}

const QVector<PrintItem> &importContinuationHead()
{
    static const QVector<PrintItem> items = join(
        QVector<PrintItem> {
            fieldAt(ImportFormNumberField, 820, 70),
            fieldAt(f("F1_1"), 1170, 120),
            fieldAt(f("F1_2"), 1280, 120),
            fieldAt(f("F8_0"), 650, 120),
            fieldAt(f("F8_1"), 240, 160),
        },
        fieldColumn(f("F8_"), 2, 3, 240, 200, 40),
        QVector<PrintItem> {
            fieldAt(ImportPageField, 1180, 240),
            fieldAt(f("F3_2"), 1270, 240),
        });
    return items;
}

const QVector<PrintItem> &importContinuationItem()
{
    static const QVector<PrintItem> items
        = join(QVector<PrintItem> { fieldAt(f("F31_1"), 790, 290) }, fieldColumn(f("F31_"), 2, 9, 240, 375, 35),
            QVector<PrintItem> {
                fieldAt(f("POS"), 1280, 320),
                fieldAt(f("F33_1"), 1400, 320),
                fieldAt(f("F33_2"), 1640, 320),
                fieldAt(f("F33_5"), 1740, 320),
                fieldAt(f("F33_4"), 1840, 320),
                fieldAt(f("F33_3"), 1960, 320),
                fieldAt(f("F34_1"), 1420, 400),
                fieldAt(f("F35_1"), 1630, 400),
                fieldAt(f("F35_2"), 1820, 400),
                fieldAt(f("F36_1"), 1930, 400),
                fieldAt(f("F37_1"), 1400, 490),
                fieldAt(f("F37_2"), 1540, 490),
                fieldAt(f("F38"), 1630, 490),
                fieldAt(f("F39_1"), 1930, 490),
                fieldAt(f("F40_1"), 1410, 580),
                fieldAt(f("F41_1"), 1410, 665),
                fieldAt(f("F42"), 1710, 665),
            },
            fieldColumn(f("F44_"), 1, 4, 240, 680, 40),
            QVector<PrintItem> {
                fieldAt(f("F46"), 1710, 830),
                fieldAt(ImportCurrencyField, 1400, 835),
            });
    return items;
}

const QVector<PrintItem> &importContinuationDuties(int itemOfSheet)
{
    static const QVector<PrintItem> tables[3] = {
        dutyLines(240, 580, 830, 1080, 1110, 2120, 2440),
        dutyLines(1160, 1470, 1720, 1990, 2010, 2115, 2435),
        dutyLines(240, 580, 830, 1080, 1110, 2550, 2875),
    };
    return tables[std::clamp(itemOfSheet, 0, 2)];
}

const QVector<PrintItem> &importContinuationSummary()
{
    static const QVector<PrintItem> items = [] {
        QVector<PrintItem> summary;
        for (int k = 1; k <= 8; ++k) {
            const int y = 2550 + 40 * (k - 1);
            summary << fieldAt(QStringLiteral("F48_1_%1").arg(k), 1170, y).height(-35);
            summary << fieldAt(QStringLiteral("F48_2_%1").arg(k), 1500, y).rightAligned();
            summary << fieldAt(QStringLiteral("F48_3_%1").arg(k), 1525, y);
        }
        summary << fieldAt(f("G_summe"), 1500, 2870).rightAligned();
        return summary;
    }();
    return items;
}

QString importHeadValue(platform::DataSet &head, const QString &field)
{
    if (field == ImportTickField)
        return head.fieldByName(f("F44_10")).asString() == QLatin1String("j") ? QStringLiteral("x") : QString();
    if (field == ImportPlaceDateField) {
        const QDate date = head.fieldByName(f("DATUM")).asDate();
        return head.fieldByName(f("F54_1")).asString() + QStringLiteral("  ")
            + (date.isValid() ? platform::formatDate(date) : QString());
    }
    return plainValue(head, field);
}

QString importItemValue(platform::DataSet &item, const QString &field)
{
    if (field == ImportCurrencyField) {
        if (item.fieldByName(f("DM")).asBoolean())
            return QStringLiteral("DEM");
        return item.fieldByName(f("EURO")).asBoolean() ? QStringLiteral("EUR") : QString();
    }
    return plainValue(item, field);
}

} // namespace sad

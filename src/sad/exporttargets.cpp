#include "sad/exporttargets.h"

#include "masterdata/countries.h"
#include "platform/localformat.h"

namespace sad {

namespace {

const QString Exports = QStringLiteral("&Export-Papiere");
const QString Shipping = QStringLiteral("&Versand-Papiere");

// Target lines first .. last (pattern "%1" for the number) from the head
// fields source lines from .. on.
QVector<FieldValue> lines(const QString &target, int first, int last, const QString &source, int from)
{
    QVector<FieldValue> values;
    for (int i = 0; i <= last - first; ++i)
        values.append({ target.arg(first + i), headField(source.arg(from + i)) });
    return values;
}

FieldValue date(const QString &target)
{
    return { target, headField(QStringLiteral("datum")) };
}

// The consignee's and the exporter's lines of the declaration.
QVector<FieldValue> consignee(const QString &target, int first, int count)
{
    return lines(target, first, first + count - 1, QStringLiteral("f8_%1"), 1);
}
QVector<FieldValue> exporter(const QString &target, int first, int count)
{
    return lines(target, first, first + count - 1, QStringLiteral("f2_%1"), 1);
}

SourceValue packageCount()
{
    return [](const SourceDocument &source, int item) {
        return QVariant(splitPackages(source.items.value(item).text(QStringLiteral("f31_1"))).count);
    };
}

SourceValue packageKind()
{
    return [](const SourceDocument &source, int item) {
        return QVariant(splitPackages(source.items.value(item).text(QStringLiteral("f31_1"))).kind);
    };
}

// The sum of an item value over every item (the shipping order's totals).
SourceValue itemSum(const std::function<QString(const SourceRecord &)> &text)
{
    return [text](const SourceDocument &source, int) {
        double sum = 0;
        for (const SourceRecord &item : source.items)
            sum += sourceNumber(text(item));
        return QVariant(sum);
    };
}

// A goods item as a line of an origin document: its number, box 31 line 1
// and 2, and the gross mass beside it.
QVector<FieldValue> originGoodsLine(const QString &description, const QString &mass)
{
    return {
        { description,
            [](const SourceDocument &source, int item) {
                const SourceRecord &goods = source.items.value(item);
                return QVariant(QStringLiteral("%1. %2 %3")
                                    .arg(item + 1)
                                    .arg(goods.text(QStringLiteral("f31_1")), goods.text(QStringLiteral("f31_2"))));
            } },
        { mass, itemField(QStringLiteral("f35_1")) },
    };
}

GeneratorTarget transitTarget()
{
    GeneratorTarget t;
    t.kindKey = QStringLiteral("T1_T2");
    t.deletesItems = true;
    t.head = { date(QStringLiteral("datum")) };
    t.head += consignee(QStringLiteral("f8_%1"), 1, 5);
    t.head += exporter(QStringLiteral("f2_%1"), 1, 5);
    t.head += {
        { QStringLiteral("f1_2"), headField(QStringLiteral("f1_2")) },
        { QStringLiteral("F7"), headField(QStringLiteral("f7")) },
        // The consignee's country by the origin code, when a country has it.
        { QStringLiteral("f8_5"),
            [](const SourceDocument &source, int) {
                const QString name = masterdata::TfrmLnder_e::LookupCountryName(
                    QStringLiteral("Land"), source.head.text(QStringLiteral("f34_1")));
                return QVariant(name.isEmpty() ? source.head.text(QStringLiteral("f8_5")) : name);
            } },
        { QStringLiteral("F17_1"), headField(QStringLiteral("f17_1")) },
        { QStringLiteral("F17"), headField(QStringLiteral("f17_2")) },
        { QStringLiteral("f18_1"), headField(QStringLiteral("f18_1")) },
        { QStringLiteral("f18_2"), headField(QStringLiteral("f18_2")) },
        { QStringLiteral("f21_1"), headField(QStringLiteral("f21_1")) },
        { QStringLiteral("f21_2"), headField(QStringLiteral("f21_2")) },
        { QStringLiteral("F25"), headField(QStringLiteral("f25")) },
        { QStringLiteral("F27"), headField(QStringLiteral("f27_1")) },
    };
    t.head += lines(QStringLiteral("f54_%1"), 1, 5, QStringLiteral("f54_%1"), 1);
    t.head += lines(QStringLiteral("fb%1"), 1, 4, QStringLiteral("fb%1"), 1);
    t.itemPlace = ItemPlace::Items;
    t.itemFields = { { QStringLiteral("pos"), itemField(QStringLiteral("pos")) } };
    for (int line = 1; line <= 9; ++line)
        t.itemFields.append({ QStringLiteral("f31_%1").arg(line), itemField(QStringLiteral("f31_%1").arg(line)) });
    for (int line = 1; line <= 5; ++line)
        t.itemFields.append({ QStringLiteral("f44_%1").arg(line), itemField(QStringLiteral("f44_%1").arg(line)) });
    for (const char *field : { "f33_1", "f35_1", "f38", "f41_1" })
        t.itemFields.append({ QLatin1String(field), itemField(QLatin1String(field)) });
    return t;
}

GeneratorTarget originTarget(const QString &kindKey, const QString &date, const QString &consigneeField,
    const QString &exporterField, int firstLine, int limit)
{
    GeneratorTarget t;
    t.kindKey = kindKey;
    t.head = { sad::FieldValue { date, headField(QStringLiteral("datum")) } };
    t.head += consignee(consigneeField, 1, 5);
    t.head += exporter(exporterField, 1, 5);
    t.itemPlace = ItemPlace::HeadLines;
    t.firstLine = firstLine;
    t.itemLimit = limit;
    t.itemFields = originGoodsLine(QStringLiteral("Eintrag%1_1"), QStringLiteral("Eintrag%1_2"));
    return t;
}

GeneratorTarget eur1Target()
{
    GeneratorTarget t = originTarget(
        QStringLiteral("EUR1"), QStringLiteral("Datum"), QStringLiteral("we3_%1"), QStringLiteral("we1_%1"), 3, 23);
    t.head += { { QStringLiteral("We2_2"), headField(QStringLiteral("f17_2")) },
        { QStringLiteral("we5_1"), headField(QStringLiteral("f17_2")) } };
    return t;
}

GeneratorTarget cmrTarget()
{
    GeneratorTarget t;
    t.kindKey = QStringLiteral("CMR");
    t.deletesItems = true;
    t.head = { date(QStringLiteral("DATUM")) };
    t.head += consignee(QStringLiteral("C2_%1"), 1, 5);
    t.head += exporter(QStringLiteral("C1_%1"), 1, 5);
    t.itemPlace = ItemPlace::Items;
    t.itemFields = {
        { QStringLiteral("C6"),
            [](const SourceDocument &source, int item) {
                const SourceRecord &goods = source.items.value(item);
                const Packages packages = splitPackages(goods.text(QStringLiteral("f31_1")));
                return QVariant(packages.count + QLatin1Char(' ') + packages.kind + QLatin1Char(' ')
                    + goods.text(QStringLiteral("f31_2")));
            } },
        { QStringLiteral("C10"), itemField(QStringLiteral("f33_1")) },
        { QStringLiteral("C11"), itemField(QStringLiteral("f35_1")) },
    };
    return t;
}

GeneratorTarget packingListTarget()
{
    GeneratorTarget t;
    t.kindKey = QStringLiteral("Packliste");
    t.head = { date(QStringLiteral("Datum")) };
    t.head += consignee(QStringLiteral("kunde%1"), 1, 5);
    return t;
}

GeneratorTarget shippingOrderTarget()
{
    GeneratorTarget t;
    t.kindKey = QStringLiteral("Versandauftrag");
    t.deletesItems = true;
    t.head = { date(QStringLiteral("DATUM")), { QStringLiteral("S12_1"), headField(QStringLiteral("f8_0")) } };
    t.head += consignee(QStringLiteral("S11_%1"), 1, 5);
    t.head += exporter(QStringLiteral("S1_%1"), 1, 5);
    t.itemPlace = ItemPlace::Items;
    t.itemFields = {
        date(QStringLiteral("DATUM")),
        { QStringLiteral("S19"), packageCount() },
        { QStringLiteral("S20"), packageKind() },
        { QStringLiteral("S22"), itemField(QStringLiteral("f31_2")) },
        { QStringLiteral("S23"),
            [](const SourceDocument &source, int item) {
                return QVariant(platform::roundHalfAwayFromZero(
                    sourceNumber(source.items.value(item).text(QStringLiteral("f38")))));
            } },
        { QStringLiteral("S24"),
            [](const SourceDocument &source, int item) {
                return QVariant(platform::roundHalfAwayFromZero(
                    sourceNumber(source.items.value(item).text(QStringLiteral("f35_1")))));
            } },
    };
    t.totals = {
        { QStringLiteral("S25_1"),
            itemSum([](const SourceRecord &item) { return splitPackages(item.text(QStringLiteral("f31_1"))).count; }) },
        { QStringLiteral("S27_1"), itemSum([](const SourceRecord &item) { return item.text(QStringLiteral("f38")); }) },
        { QStringLiteral("S28_1"),
            itemSum([](const SourceRecord &item) { return item.text(QStringLiteral("f35_1")); }) },
    };
    return t;
}

GeneratorTarget parcelCardTarget()
{
    GeneratorTarget t;
    t.kindKey = QStringLiteral("Paket");
    t.head = { date(QStringLiteral("Datum")) };
    t.head += consignee(QStringLiteral("An_%1"), 1, 4);
    t.head += exporter(QStringLiteral("Von_%1"), 1, 4);
    t.itemPlace = ItemPlace::HeadLines;
    t.itemLimit = 6;
    t.itemFields = {
        { QStringLiteral("BEZ_%1"), itemField(QStringLiteral("f31_1")) },
        { QStringLiteral("UR_%1"), itemField(QStringLiteral("f34_1")) },
        // The gross mass of box 35 goes into the net field.
        { QStringLiteral("NETTO_%1"), itemField(QStringLiteral("f35_1")) },
        { QStringLiteral("ZOLL_%1"), itemField(QStringLiteral("f33_1")) },
        { QStringLiteral("WERT_%1"), itemField(QStringLiteral("f46")) },
    };
    return t;
}

GeneratorTarget courierTarget(const QString &kindKey, const QString &dateField, const QString &consigneeField,
    int consigneeFirst, const QString &senderField, int senderFirst)
{
    GeneratorTarget t;
    t.kindKey = kindKey;
    t.head = { date(dateField) };
    t.head += consignee(consigneeField, consigneeFirst, 4);
    t.head += exporter(senderField, senderFirst, 4);
    return t;
}

// The FedEx waybill of the declaration's number: nothing is taken over.
GeneratorTarget fedexTarget()
{
    GeneratorTarget t;
    t.kindKey = QStringLiteral("FedEx");
    return t;
}

QVector<ExportTarget> buildTargets()
{
    QVector<ExportTarget> targets = {
        { Exports, QStringLiteral("&AT. R."),
            originTarget(QStringLiteral("ATR"), QStringLiteral("Datum"), QStringLiteral("Empfaenger_%1"),
                QStringLiteral("Absender_%1"), 3, 23) },
        { Exports, QStringLiteral("EUR &1"), eur1Target() },
        { Exports, QStringLiteral("&Ursprngszeugnis"),
            originTarget(QStringLiteral("UZ"), QStringLiteral("Datum"), QStringLiteral("We2_%1"),
                QStringLiteral("We1_%1"), 1, 25) },
        { Exports, QStringLiteral("&Versandanmeldung T1, T2"), transitTarget() },
        { Shipping, QStringLiteral("&CMR - Frachtbrief"), cmrTarget() },
        { Shipping, QStringLiteral("&DHL"),
            courierTarget(QStringLiteral("DHL"), QStringLiteral("Datum"), QStringLiteral("D2_%1"), 1,
                QStringLiteral("D1_%1"), 4) },
        { Shipping, QStringLiteral("&Packliste"), packingListTarget() },
        { Shipping, QStringLiteral("Paket&karte"), parcelCardTarget() },
        { Shipping, QStringLiteral("TNT - &Express Inland"),
            courierTarget(QStringLiteral("TNTInland"), QStringLiteral("Datum"), QStringLiteral("T3_%1"), 1,
                QStringLiteral("T1_%1"), 1) },
        { Shipping, QStringLiteral("TNT - &Worldwide"),
            courierTarget(QStringLiteral("TNTWorldWide"), QStringLiteral("Datum"), QStringLiteral("TNT2_%1"), 1,
                QStringLiteral("TNT1_%1"), 1) },
        { Shipping, QStringLiteral("FedEX"), fedexTarget() },
        { Shipping, QStringLiteral("&UPS"),
            courierTarget(QStringLiteral("UPS"), QStringLiteral("Datum"), QStringLiteral("U2_%1"), 5,
                QStringLiteral("U1_%1"), 5) },
        { Shipping, QStringLiteral("&Versand- / Speditionsauftrag"), shippingOrderTarget() },
    };
    for (ExportTarget &entry : targets)
        entry.target.title = QString(entry.caption).remove(QLatin1Char('&'));
    return targets;
}

} // namespace

const QVector<ExportTarget> &exportDeclarationTargets()
{
    static const QVector<ExportTarget> targets = buildTargets();
    return targets;
}

const GeneratorTarget *exportDeclarationTarget(const QString &kindKey)
{
    for (const ExportTarget &entry : exportDeclarationTargets()) {
        if (entry.target.kindKey == kindKey)
            return &entry.target;
    }
    return nullptr;
}

} // namespace sad

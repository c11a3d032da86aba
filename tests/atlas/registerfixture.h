#pragma once

#include "atlasfixture.h"

#include "masterdata/masterdatatables.h"
#include "platform/field.h"
#include "platform/query.h"
#include "shell/documentroutines.h"
#include "shell/mainstate.h"
#include "shell/parameterrecord.h"

#include <QStringList>

// The ATLAS tables with the master tables (countries, customers, customs
// offices) beside them, as the register and its windows need them.
class AtlasRegisterTest : public AtlasTest
{
protected:
    void SetUp() override
    {
        masterdata::registerMasterdataTables();
        shell::resetMainState();
        AtlasTest::SetUp();
    }

    static QString scalar(const QString &sql, const QVariantList &values = {})
    {
        return shell::QueryScalar(sql, values);
    }

    static int count(const QString &table, int number)
    {
        return scalar(
            QStringLiteral("SELECT COUNT(*) FROM %1 WHERE BelegNr = ?").arg(platform::TableSchema::tableNameOf(table)),
            { number })
            .toInt();
    }

    static QString headText(int number, const QString &field)
    {
        return scalar(QStringLiteral("SELECT %1 FROM AtlasKopf WHERE BelegNr = ?").arg(field), { number });
    }

    static QList<int> headNumbers()
    {
        platform::Query query(platform::Alias::Data, QStringLiteral("SELECT BelegNr FROM AtlasKopf ORDER BY BelegNr"));
        query.open();
        QList<int> numbers;
        for (query.first(); !query.eof(); query.next())
            numbers.append(query.value(0).toInt());
        return numbers;
    }

    // A column of a list of one declaration in key order.
    static QStringList listColumn(const QString &table, int number, const QString &field)
    {
        const bool perItem
            = table != atlas::Tables::Ware && table != atlas::Tables::Verschluss && table != atlas::Tables::Route;
        platform::Query query(platform::Alias::Data,
            QStringLiteral("SELECT %1 FROM %2 WHERE BelegNr = ? ORDER BY %3")
                .arg(field, platform::TableSchema::tableNameOf(table),
                    perItem ? QStringLiteral("WarenPos, Pos") : QStringLiteral("Pos")));
        query.addBindValue(number);
        query.open();
        QStringList values;
        for (query.first(); !query.eof(); query.next())
            values.append(query.value(0).toString());
        return values;
    }

    static void setParameter(const QString &field, const QVariant &value) { testsupport::setParameter(field, value); }

    static QString parameterValue(const QString &field) { return testsupport::parameterValue(field); }

    // The template with a seal, a route entry and an item with one entry in
    // each of its lists, and a number of an export declaration made from it.
    static void addTemplate()
    {
        addHead(shell::TemplateNumber,
            { { "Datum", "01.01.2020" }, { "Art1", "a" }, { "Art3", "XX" }, { "BelegNrAE", 77 },
                { "EMP_Name", "Vorlage" } });
        addHeadEntry(atlas::Tables::Verschluss, shell::TemplateNumber, 1, "Zeichen", "Plombe");
        addHeadEntry(atlas::Tables::Route, shell::TemplateNumber, 1, "Land", "AT");
        addItem(shell::TemplateNumber, 1, { { "WarenBez", "Muster" }, { "Rohmasse", "10" } });
        addItemEntry(atlas::Tables::Vorpapier, shell::TemplateNumber, 1, 1, { { "Typ", "X" } });
        addItemEntry(atlas::Tables::Packst, shell::TemplateNumber, 1, 1, { { "Verpackungsart", "CT" } });
        addItemEntry(atlas::Tables::Container, shell::TemplateNumber, 1, 1, { { "Nummer", "C9" } });
        addItemEntry(atlas::Tables::Unterlage, shell::TemplateNumber, 1, 1, { { "Typ", "N380" } });
    }

    // A declaration with two seals, a route entry, two goods items and one
    // entry in each list of the first item.
    static void addDeclaration(int number, const QVariantMap &head = {})
    {
        addHead(number, head);
        addHeadEntry(atlas::Tables::Verschluss, number, 1, QStringLiteral("Zeichen"), QStringLiteral("S1"));
        addHeadEntry(atlas::Tables::Verschluss, number, 2, QStringLiteral("Zeichen"), QStringLiteral("S2"));
        addHeadEntry(atlas::Tables::Route, number, 1, QStringLiteral("Land"), QStringLiteral("CH"));
        addItem(number, 1, { { QStringLiteral("WarenBez"), QStringLiteral("Pumpe") } });
        addItem(number, 2, { { QStringLiteral("WarenBez"), QStringLiteral("Ventil") } });
        addItemEntry(atlas::Tables::Vorpapier, number, 1, 1, { { QStringLiteral("Typ"), QStringLiteral("OHNE") } });
        addItemEntry(
            atlas::Tables::Packst, number, 1, 1, { { QStringLiteral("Verpackungsart"), QStringLiteral("CT") } });
        addItemEntry(atlas::Tables::Container, number, 1, 1, { { QStringLiteral("Nummer"), QStringLiteral("C1") } });
        addItemEntry(atlas::Tables::Unterlage, number, 1, 1, { { QStringLiteral("Typ"), QStringLiteral("N380") } });
    }
};

#include "masterdata/countries.h"
#include "masterdata/keylookup.h"
#include "masterdata/picklists.h"
#include "masterdata/picktargets.h"
#include "masterdata/tfrmallgemein.h"
#include "masterdatafixture.h"

#include "platform/dataedit.h"
#include "platform/schemaregistry.h"
#include "shell/tfrmdata1.h"
#include "shell/twheeldbgrid.h"
#include "support/modaldialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace masterdata;

namespace {

const QString DocumentTable = QStringLiteral("PICKDOK.DB");

// A document head with the kinds of box a pick list writes.
void registerDocumentTable()
{
    auto &registry = platform::SchemaRegistry::instance();
    if (registry.contains(DocumentTable))
        return;
    registry.add(platform::TableSchema(DocumentTable, platform::Alias::Data)
                     .integer(QStringLiteral("BelegNr"))
                     .string(QStringLiteral("F24_1"), 1)
                     .string(QStringLiteral("F24_2"), 1)
                     .string(QStringLiteral("F34_1"), 3)
                     .string(QStringLiteral("f37_1"), 4)
                     .string(QStringLiteral("f37_2"), 3)
                     .floating(QStringLiteral("F30"))
                     .primaryKey({ QStringLiteral("BelegNr") }));
}

using Creator = std::function<SelectionWindow *()>;

template <typename Window> Creator creator()
{
    return [] { return new Window; };
}

} // namespace

class PickListTest : public MasterDataTest
{
protected:
    void SetUp() override
    {
        registerDocumentTable();
        MasterDataTest::SetUp();
    }
};

TEST_F(PickListTest, EveryListShowsItsTableInItsOrderWithItsColumns)
{
    struct Case {
        const char *className;
        Creator create;
        const char *caption;
        QString table;
        QStringList order;
        QStringList fields;
        QStringList titles;
    };
    const QVector<Case> cases = {
        { "TfrmLnder_e", creator<TfrmLnder_e>(), "Auswahl: Ländertabelle", Tables::Countries, { "Bez" },
            { "Lkz", "Waehrung", "Land", "Bez", "Verfahren1", "Verfahren2" },
            { "Alpha-2-Code", "Waehrung", "Land", "Bezeichnung", "Verfahren1", "Verfahren2" } },
        { "TfrmLnderbrd_e", creator<TfrmLnderbrd_e>(), "Auswahl: Bundesländer", Tables::FederalStates, { "Bez" },
            { "Ulandi", "Bez" }, { "Nr.", "Bezeichnung" } },
        { "TfrmVerfan_e", creator<TfrmVerfan_e>(), "Auswahl: Verfahren", Tables::DeclarationProcedures, { "Bez" },
            { "Verfahr", "Bez" }, { "Verfahr", "Bez" } },
        { "TfrmLiefer_e", creator<TfrmLiefer_e>(), "Auswahl: Lieferbedingung", Tables::DeliveryTerms, { "Bedeutung" },
            { "Lieferb", "Bedeutung" }, { "Lieferb", "Bedeutung" } },
        { "TfrmZoll_e", creator<TfrmZoll_e>(), "Auswahl: Zolltabelle", Tables::CustomsOffices, { "Ort" },
            { "Zollst", "Art", "Ort", "TArt" }, { "Zollst", "Art", "Ort", "TArt" } },
        { "TfrmVerzw_e", creator<TfrmVerzw_e>(), "Auswahl: VerkehrszweigeTabelle", Tables::TransportModes, { "Bez1" },
            { "Vkzweig", "Bez1", "Bez2" }, { "Nummer", "Bezeichnung", "Transportart" } },
        { "TfrmPackst_e", creator<TfrmPackst_e>(), "Auswahl: Packstücke", Tables::PackageKinds, { "bez" },
            { "packart", "bez", "laenge", "breite", "hoehe" },
            { "Packart", "Bezeichnung", "laenge", "breite", "hoehe" } },
        { "TfrmVerf_e", creator<TfrmVerf_e>(), "Auswahl: VerfahrenAuswahl", Tables::Box37Procedures, { "Bedeutung" },
            { "Verfnr1", "Verfnr2", "Bedeutung" }, { "Nr1", "Nr2", "Bedeutung" } },
        { "TfrmHafen_e", creator<TfrmHafen_e>(), "Auswahl: Hafen - Tabelle", Tables::Ports, { "Nummer" },
            { "Nummer", "Hafen" }, { "Nummer", "Hafen" } },
        { "TfrmWare_e", creator<TfrmWare_e>(), "Auswahl: Statistische Warennummer", Tables::GoodsNumbers, { "bez1" },
            { "waren", "bez1", "Land" }, { "WarenNr.", "Bezeichnung", "Land" } },
        { "TfrmArtikel_e", creator<TfrmArtikel_e>(), "Auswahl: Artikel", Tables::Articles, { "bez1" },
            { "artikel", "waren", "bez1" }, { "ArtikelNr.", "WarenNr.", "Bezeichnung" } },
        { "TfrmGesch_e", creator<TfrmGesch_e>(), "Auswahl: Geschäftsart-Tabelle", Tables::BusinessTypes, { "Bez" },
            { "Geart", "Bez" }, { "Art", "Bezeichnung" } },
        { "TfrmUrzeug_e", creator<TfrmUrzeug_e>(), "Auswahl: Ursprung - Tabelle", Tables::OriginClauses, { "klausel1" },
            { "uzklaus", "klausel1" }, { "Nr", "Klausel" } },
    };
    EXPECT_EQ(selectionDefinitions().size(), cases.size());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.className);
        std::unique_ptr<SelectionWindow> window(c.create());
        EXPECT_EQ(window->definition().className, c.className);
        EXPECT_EQ(window->objectName(), QString::fromLatin1(c.className).mid(1));
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_TRUE(window->table().isActive());
        EXPECT_EQ(window->table().tableName(), c.table);
        EXPECT_EQ(window->table().indexFields().join(';').toLower(), c.order.join(';').toLower());
        QStringList fields;
        QStringList titles;
        for (int i = 0; i < window->model()->columnCount(); ++i) {
            fields.append(window->model()->columns().at(i).fieldName);
            titles.append(window->model()->headerData(i, Qt::Horizontal).toString());
        }
        EXPECT_EQ(fields, c.fields);
        EXPECT_EQ(titles, c.titles);
        EXPECT_EQ(window->takeButton()->text(), "Übernehmen");
        EXPECT_EQ(window->cancelButton()->text(), "Abbrechen");
    }
}

TEST_F(PickListTest, TypeAheadJumpsByTheSingleKeyAndEnterTakesTheRowJumpedTo)
{
    for (const auto &[code, name] : { std::pair { "09", "Bayern" }, std::pair { "12", "#Sonderfall" },
             std::pair { "05", "Nordrhein-Westfalen" }, std::pair { "11", "Berlin" } })
        insert(Tables::FederalStates, { { "Ulandi", code }, { "Bez", name } });
    for (const auto &[code, name] : { std::pair { "DAP", "geliefert" }, std::pair { "EXW", "ab Werk" } })
        insert(Tables::DeliveryTerms, { { "Lieferb", code }, { "Bedeutung", name } });

    // Any key moves the federal states; the delivery terms take letters and
    // digits only. Each key searches alone, from its own character.
    TfrmLnderbrd_e states;
    EXPECT_EQ(states.table().fieldByName("Bez").asString(), "#Sonderfall");
    struct Case {
        SelectionWindow *list;
        QString key;
        bool moves;
        QString current;
    };
    TfrmLiefer_e terms;
    const QVector<Case> cases = {
        { &states, "n", true, "Nordrhein-Westfalen" },
        { &states, "#", true, "#Sonderfall" },
        { &states, "b", true, "Bayern" },
        { &states, "e", true, "Nordrhein-Westfalen" }, // not "Be...": the single key only
        { &terms, "g", true, "geliefert" },
        { &terms, "#", false, "geliefert" },
        { &terms, "A", true, "ab Werk" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key.toStdString());
        EXPECT_EQ(c.list->typeAhead(c.key), c.moves);
        EXPECT_EQ(c.list->table().fieldByName(c.list->definition().searchField).asString(), c.current);
    }

    testsupport::onNextModal([](QDialog *dialog) {
        auto *list = dynamic_cast<TfrmLnderbrd_e *>(dialog);
        QTest::keyClick(list->grid(), Qt::Key_N, {}, 0);
        QTest::keyClick(list->grid(), Qt::Key_Return);
    });
    EXPECT_EQ(TfrmLnderbrd_e::SelectFederalState({}), "05");
}

TEST_F(PickListTest, ClassFunctionsReturnTheChosenCodeAndAnEmptyTextWhenCancelled)
{
    insert(Tables::FederalStates, { { "Ulandi", "BY" }, { "Bez", "Bayern" } });
    insert(Tables::FederalStates, { { "Ulandi", "NW" }, { "Bez", "Nordrhein-Westfalen" } });
    insert(Tables::DeliveryTerms, { { "Lieferb", "FCA" }, { "Bedeutung", "frei Frachtführer" } });
    insert(Tables::DeliveryTerms, { { "Lieferb", "EXW" }, { "Bedeutung", "ab Werk" } });
    insert(Tables::TransportModes, { { "Vkzweig", "3" }, { "Bez1", "Straßenverkehr" }, { "Bez2", "LKW" } });
    insert(Tables::TransportModes, { { "Vkzweig", "1" }, { "Bez1", "Seeverkehr" }, { "Bez2", "Schiff" } });
    insert(Tables::BusinessTypes, { { "Geart", "21" }, { "Bez", "Rücksendung" } });
    insert(Tables::BusinessTypes, { { "Geart", "11" }, { "Bez", "Kauf" } });

    struct Case {
        const char *name;
        std::function<QString()> select;
        bool take;
        QString shownOn; // the row the list stands on when it opens
        QString result;
    };
    const QVector<Case> cases = {
        { "state on its number, ignoring case", [] { return TfrmLnderbrd_e::SelectFederalState("nw"); }, true,
            "Nordrhein-Westfalen", "NW" },
        { "state not there: the first by name", [] { return TfrmLnderbrd_e::SelectFederalState("XX"); }, true, "Bayern",
            "BY" },
        { "state cancelled", [] { return TfrmLnderbrd_e::SelectFederalState("NW"); }, false, "Nordrhein-Westfalen",
            "" },
        { "delivery term", [] { return TfrmLiefer_e::SelectDeliveryTerm("FCA"); }, true, "ab Werk", "EXW" },
        { "delivery term cancelled", [] { return TfrmLiefer_e::SelectDeliveryTerm(); }, false, "ab Werk", "" },
        { "transport mode", [] { return TfrmVerzw_e::SelectTransportMode("3"); }, true, "Seeverkehr", "1" },
        { "transport mode cancelled", [] { return TfrmVerzw_e::SelectTransportMode(); }, false, "Seeverkehr", "" },
        { "business type", [] { return TfrmGesch_e::SelectBusinessType("21"); }, true, "Kauf", "11" },
        { "business type cancelled", [] { return TfrmGesch_e::SelectBusinessType(); }, false, "Kauf", "" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QString shownOn;
        testsupport::onNextModal([&](QDialog *dialog) {
            auto *list = dynamic_cast<SelectionWindow *>(dialog);
            shownOn = list->table().fieldByName(list->definition().searchField).asString();
            if (c.take)
                list->takeButton()->click();
            else
                QTest::keyClick(list->grid(), Qt::Key_Escape);
        });
        EXPECT_EQ(c.select(), c.result);
        EXPECT_EQ(shownOn, c.shownOn);
    }

    // A list over an empty table gives the empty value on OK.
    platform::Table states(platform::Alias::Data, Tables::FederalStates);
    states.open();
    states.emptyTable();
    testsupport::onNextModal([](QDialog *dialog) { dynamic_cast<SelectionWindow *>(dialog)->takeButton()->click(); });
    EXPECT_EQ(TfrmLnderbrd_e::SelectFederalState({}), "");
}

TEST_F(PickListTest, OptionsPicksStartOnTheCurrentCode)
{
    insert(Tables::Box37Procedures, { { "Einh37", "01" }, { "Verfnr1", "1000" }, { "Verfnr2", "0" } });
    insert(Tables::Box37Procedures, { { "Einh37", "02" }, { "Verfnr1", "2100" }, { "Verfnr2", "1" } });
    insert(Tables::Box37Procedures, { { "Einh37", "03" }, { "Verfnr1", "3151" }, { "Verfnr2", "9" } });
    insert(Tables::BusinessTypes, { { "Geart", "11" }, { "Bez", "Kauf" } });
    insert(Tables::BusinessTypes, { { "Geart", "21" }, { "Bez", "Rücksendung" } });
    struct Case {
        QString (*pick)(QWidget *, const QString &, bool *);
        QString current;
        QString shownOn;
        bool take;
        QString result;
    };
    const QVector<Case> cases = {
        { pickProcedureForOptions, "21001", "21001", true, "21001" },
        { pickProcedureForOptions, "99999", "31519", true, "31519" }, // not there: the last row
        { pickProcedureForOptions, "10000", "10000", false, "" },
        { pickBusinessTypeForOptions, "15", "21", true, "21" }, // the nearest code
        { pickBusinessTypeForOptions, "11", "11", false, "" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.current.toStdString());
        QString shownOn;
        testsupport::onNextModal([&](QDialog *dialog) {
            auto &table = dynamic_cast<SelectionWindow *>(dialog)->table();
            shownOn = table.findField("Verfnr1").isValid()
                ? table.fieldByName("Verfnr1").asString() + table.fieldByName("Verfnr2").asString()
                : table.fieldByName("Geart").asString();
            c.take ? dialog->accept() : dialog->reject();
        });
        bool chosen = false;
        EXPECT_EQ(c.pick(nullptr, c.current, &chosen), c.result);
        EXPECT_EQ(chosen, c.take);
        EXPECT_EQ(shownOn, c.shownOn);
    }
}

TEST_F(PickListTest, TagWritesTheChosenRowIntoTheTargetsAKindRegistered)
{
    insert(Tables::BusinessTypes, { { "Geart", "12" }, { "Bez", "Kauf mit Rückgaberecht" } });
    insert(Tables::Countries,
        { { "Land", "004" }, { "Bez", "Deutschland" }, { "Lkz", "DE" }, { "Verfahren1", "1000" },
            { "Verfahren2", "001" }, { "Kurs", 1.5 } });
    insert(Tables::Countries, { { "Land", "060" }, { "Bez", "Polen" }, { "Lkz", "PL" } });
    insert(DocumentTable, { { "BelegNr", 1 }, { "f37_1", "4000" }, { "f37_2", "000" } });

    // The entry window of a kind: edits bound to its document.
    QDialog entry;
    entry.setObjectName("frmEinheit");
    platform::Table document(platform::Alias::Data, DocumentTable);
    document.open();
    for (const char *field : { "F24_1", "F24_2", "F34_1", "f37_1", "f37_2", "F30" }) {
        auto *edit = new platform::DataEdit(&entry);
        edit->bind(&document, field);
        edit->setObjectName(field);
    }
    entry.show();
    auto text = [&](const char *field) { return entry.findChild<QLineEdit *>(field)->text(); };

    registerPickTarget("TfrmGesch_e", 24,
        { "frmEinheit",
            { PickTargetValue::character("F24_1", "Geart", 0), PickTargetValue::character("F24_2", "Geart", 1) } });
    PickTarget country { "frmEinheit", { PickTargetValue::fromField("F34_1", "Lkz") } };
    for (const char *field : { "f37_1", "f37_2" })
        country.values.append({ field,
            [field](platform::DataSet &row) {
                return row.fieldByName(QString::fromLatin1(field) == "f37_1" ? "Verfahren1" : "Verfahren2").asString();
            },
            "Verfahren1" });
    registerPickTarget("TfrmLnder_e", 34, country);
    registerPickTarget("TfrmLnder_e", 220, { "frmEinheit", { PickTargetValue::fromField("F30", "Kurs") } });
    registerPickTarget("TfrmLnder_e", 99, { "frmNichtOffen", { PickTargetValue::fromField("F34_1", "Lkz") } });

    {
        TfrmGesch_e list;
        list.setTag(24);
        list.accept();
    }
    EXPECT_EQ(text("F24_1"), "1");
    EXPECT_EQ(text("F24_2"), "2");
    EXPECT_TRUE(document.isEditing()) << "the values reach the document as typed";

    auto takeCountry = [](const QString &name, int tag) {
        TfrmLnder_e list;
        list.setTag(tag);
        list.table().locate("Bez", { name });
        list.accept();
    };
    takeCountry("Polen", 34); // no default procedure: box 37 stays
    EXPECT_EQ(text("F34_1"), "PL");
    EXPECT_EQ(text("f37_1"), "4000");
    EXPECT_EQ(text("f37_2"), "000");
    takeCountry("Deutschland", 34);
    EXPECT_EQ(text("F34_1"), "DE");
    EXPECT_EQ(text("f37_1"), "1000");
    EXPECT_EQ(text("f37_2"), "001");
    takeCountry("Deutschland", 220);
    takeCountry("Polen", 0); // no tag: the caller reads the row itself
    takeCountry("Polen", 99); // a target that is not open
    takeCountry("Polen", 1); // a tag nobody registered
    EXPECT_EQ(text("F34_1"), "DE");

    document.post();
    EXPECT_EQ(document.fieldByName("F24_1").asString(), "1");
    EXPECT_EQ(document.fieldByName("F24_2").asString(), "2");
    EXPECT_EQ(document.fieldByName("F34_1").asString(), "DE");
    EXPECT_EQ(document.fieldByName("f37_2").asString(), "001");
    EXPECT_DOUBLE_EQ(document.fieldByName("F30").asFloat(), 1.5);

    // Cancelling writes nothing.
    {
        TfrmLnder_e list;
        list.setTag(34);
        list.table().locate("Bez", { "Polen" });
        list.reject();
    }
    EXPECT_EQ(text("F34_1"), "DE");
    for (const auto &[list, tag] : { std::pair { "TfrmGesch_e", 24 }, std::pair { "TfrmLnder_e", 34 },
             std::pair { "TfrmLnder_e", 220 }, std::pair { "TfrmLnder_e", 99 } })
        unregisterPickTarget(list, tag);
}

class KeyLookupTest : public MasterDataTest
{
protected:
    void SetUp() override
    {
        MasterDataTest::SetUp();
        for (const auto &[code, name] :
            { std::pair { "KI", "Kiste" }, std::pair { "KA", "Karton" }, std::pair { "PA", "Palette" } })
            insert(Tables::PackageKinds, { { "packart", code }, { "bez", name } });
        for (int number : { 12, 120, 7 })
            insert(Tables::Customers, { { "nummer", number }, { "name1", QStringLiteral("Kunde %1").arg(number) } });
        module = std::make_unique<shell::TfrmData1>();
    }
    void TearDown() override
    {
        module.reset();
        MasterDataTest::TearDown();
    }

    std::unique_ptr<shell::TfrmData1> module;
};

TEST_F(KeyLookupTest, UniqueKeyIsTakenSeveralAreOfferedNoneIsReported)
{
    const KeyLookup packageKind { "PackArt", KeyMatch::Prefix, NoPackageKindFound };
    const KeyLookup customer { "Nummer", KeyMatch::Number, NoEntryFound };
    struct Case {
        const char *name;
        platform::Table *table;
        KeyLookup lookup;
        QString text;
        int offered; // rows in "Übernahme"; 0: not shown
        bool take; // in "Übernahme": the second row
        KeyLookupResult result;
        QString current;
    };
    const QVector<Case> cases = {
        { "unique, any case", module->tbPackst, packageKind, "ki", 0, false, KeyLookupResult::Found, "KI" },
        { "several", module->tbPackst, packageKind, "K", 2, true, KeyLookupResult::Chosen, "KI" },
        { "several, cancelled", module->tbPackst, packageKind, "K", 2, false, KeyLookupResult::Cancelled, {} },
        { "none", module->tbPackst, packageKind, "X", 0, false, KeyLookupResult::NotFound, {} },
        { "no text", module->tbPackst, packageKind, "", 0, false, KeyLookupResult::Empty, {} },
        { "a number is not a prefix", module->tbKunden, customer, "12", 0, false, KeyLookupResult::Found, "12" },
        { "no number", module->tbKunden, customer, "1x", 0, false, KeyLookupResult::NotFound, {} },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.clear();
        int offered = 0;
        if (c.offered > 0) {
            testsupport::onNextModal([&](QDialog *dialog) {
                auto *pick = dynamic_cast<TfrmAllgemein *>(dialog);
                if (!pick) {
                    dialog->reject();
                    return;
                }
                EXPECT_EQ(pick->windowTitle(), "Übernahme");
                offered = pick->DBGrid1->model()->rowCount();
                if (c.take) {
                    pick->DBGrid1->setCurrentIndex(pick->DBGrid1->model()->index(1, 0));
                    QTest::keyClick(pick->DBGrid1, Qt::Key_Return);
                } else {
                    QTest::keyClick(pick->DBGrid1, Qt::Key_Escape);
                }
            });
        }
        EXPECT_EQ(lookUpTypedKey(*c.table, c.lookup, c.text), c.result);
        EXPECT_EQ(offered, c.offered);
        if (!c.current.isEmpty()) {
            EXPECT_EQ(c.table->fieldByName(c.lookup.field).asString(), c.current);
        }
        if (c.result == KeyLookupResult::NotFound) {
            ASSERT_EQ(dialogs.calls().size(), 1);
            EXPECT_EQ(dialogs.lastCall().kind, platform::DialogKind::Error);
            EXPECT_EQ(dialogs.lastCall().text, c.lookup.notFoundMessage);
        } else {
            EXPECT_TRUE(dialogs.calls().isEmpty());
        }
    }
}

TEST_F(KeyLookupTest, EditTiedToTheLookupFiltersWhileTypingAndFillsOnLeaving)
{
    QStringList taken;
    QDialog window;
    auto *first = new QLineEdit(&window);
    auto *second = new QLineEdit(&window);
    const KeyLookup packageKind { "PackArt", KeyMatch::Prefix, NoPackageKindFound };
    attachKeyLookup(
        first, [this] { return module->tbPackst; }, packageKind,
        [&](platform::Table &row) { taken.append(row.fieldByName("bez").asString()); });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first->setFocus();

    QTest::keyClicks(first, "P");
    EXPECT_EQ(module->tbPackst->recordCount(), 1) << "typing narrows the module's table";
    second->setFocus();
    EXPECT_EQ(taken, QStringList { "Palette" });

    // Typing into a field elsewhere leaves another filter; the text left
    // here is looked up by itself.
    filterTypedKey(*module->tbPackst, packageKind, "K");
    first->setFocus();
    first->setText("KA");
    second->setFocus();
    EXPECT_EQ(taken, QStringList({ "Palette", "Karton" }));

    // Closing the window with the focus in the field looks nothing up.
    first->setFocus();
    window.close();
    EXPECT_EQ(taken.size(), 2);
}

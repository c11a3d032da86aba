#include "masterdata/masterdatawindow.h"
#include "masterdata/codetables.h"
#include "masterdata/countries.h"
#include "masterdata/forwarders.h"
#include "masterdata/goodsnumbers.h"
#include "masterdata/masterdatawindows.h"
#include "masterdata/packagekinds.h"
#include "masterdata/preferenceclauses.h"
#include "masterdata/procedurecodes.h"
#include "masterdatafixture.h"

#include "platform/databaseerror.h"
#include "platform/datalookupcombobox.h"
#include "shell/kindtable.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"
#include "shell/tfrmsuche.h"
#include "shell/twheeldbgrid.h"
#include "shell/windowfactories.h"
#include "support/modaldialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace masterdata;

namespace {

QStringList keysOf(platform::Table &table, const QString &field)
{
    QStringList keys;
    for (table.first(); !table.eof(); table.next())
        keys.append(table.fieldByName(field).asString());
    return keys;
}

} // namespace

class MasterDataWindowTest : public MasterDataTest
{
};

TEST_F(MasterDataWindowTest, SearchFiltersByPrefixAndShowsTheFoundRecordInNameOrder)
{
    struct Row {
        QString key;
        QString name;
    };
    struct Case {
        const char *window;
        MasterDataDefinition (*definition)();
        QString keyField;
        QString nameField;
        QVector<Row> rows;
        int item;
        QString text;
        QStringList found; // in the window's order
        QString orderAfter;
    };
    const QVector<Row> offices
        = { { "DE001", "Hamburg" }, { "DE002", "Aachen" }, { "FR003", "Calais" }, { "de004", "Bremen" } };
    const QVector<Case> cases = {
        { "customs offices", customsOfficeDefinition, "Zollst", "Ort", offices, 0, "DE", { "DE001", "DE002", "de004" },
            "Ort" },
        { "customs offices", customsOfficeDefinition, "Zollst", "Ort", offices, 1, "b", { "de004" }, "Ort" },
        { "transport modes", transportModeDefinition, "Vkzweig", "Bez1",
            { { "1", "Seeverkehr" }, { "2", "Eisenbahnverkehr" }, { "3", "Straßenverkehr" } }, 1, "str", { "3" },
            "Bez1" },
        { "delivery terms", deliveryTermDefinition, "Lieferb", "Bedeutung",
            { { "FOB", "Frei an Bord" }, { "EXW", "Ab Werk" }, { "FCA", "Frei Frachtführer" } }, 0, "f",
            { "FOB", "FCA" }, "Bedeutung" },
        { "declaration procedures", declarationProcedureDefinition, "Verfahr", "Bez",
            { { "1", "Ausfuhr" }, { "2", "Einfuhr" } }, 1, "EIN", { "2" }, "Bez" },
        { "box-37 procedures", box37ProcedureDefinition, "Einh37", "Bedeutung",
            { { "10", "Endgültige Ausfuhr" }, { "21", "Passive Veredelung" } }, 0, "2", { "21" }, "Bedeutung" },
        { "business types", businessTypeDefinition, "Geart", "Bez", { { "11", "Kauf" }, { "12", "Kommission" } }, 1,
            "ko", { "12" }, "Bez" },
        { "ports", portDefinition, "Nummer", "Hafen", { { "4711", "Hamburg" }, { "4712", "Bremerhaven" } }, 1, "br",
            { "4712" }, "Hafen" },
        { "federal states", federalStateDefinition, "Ulandi", "Bez",
            { { "01", "Schleswig-Holstein" }, { "02", "Hamburg" }, { "09", "Bayern" } }, 0, "0", { "01", "02", "09" },
            "Bez" },
        { "origin clauses", originClauseDefinition, "uzklaus", "klausel1",
            { { "1", "Die Waren haben Ursprung" }, { "2", "Ursprung EU" } }, 1, "urs", { "2" }, "klausel1" },
        { "countries", countryDefinition, "Land", "Bez",
            { { "001", "Frankreich" }, { "004", "Deutschland" }, { "100", "Bulgarien" } }, 0, "00", { "004", "001" },
            "Bez" },
        { "countries", countryDefinition, "Land", "Bez", { { "038", "Österreich" }, { "060", "Polen" } }, 2, "ö",
            { "038" }, "Bez" },
        { "preference clauses", preferenceClauseDefinition, "praefz", "text1",
            { { "EU", "Ursprungswaren der EU" }, { "CH", "O'Neill's Erklärung" } }, 1, "o'n", { "CH" }, "text1" },
        { "package kinds", packageKindDefinition, "packart", "bez",
            { { "KI", "Kiste" }, { "KA", "Karton" }, { "PA", "Palette" } }, 0, "k", { "KA", "KI" }, "bez" },
        { "shipping addresses", shippingAddressDefinition, "nummer", "name1",
            { { "1", "Müller GmbH" }, { "2", "Meier AG" } }, 1, "mü", { "1" }, "name1" },
        { "forwarders", forwarderDefinition, "nummer", "name1",
            { { "1", "Zeta" }, { "10", "Alpha" }, { "12", "Beta" }, { "2", "Gamma" } }, 0, "1", { "10", "12", "1" },
            "name1" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + c.text.toStdString());
        MasterDataWindow window(c.definition());
        platform::Table &table = window.table();
        window.openTables();
        table.emptyTable();
        for (const Row &row : c.rows)
            insert(window.definition().table, { { c.keyField, row.key }, { c.nameField, row.name } });
        table.refresh();
        table.first();

        window.SuchenRoutine(c.item, c.text);
        EXPECT_EQ(keysOf(table, c.keyField), c.found);
        table.first();
        window.finishSearch(true);
        EXPECT_FALSE(table.filtered());
        EXPECT_EQ(table.recordCount(), c.rows.size()) << "all records shown again";
        EXPECT_EQ(table.fieldByName(c.keyField).asString(), c.found.first()) << "the found record stays current";
        ASSERT_EQ(table.indexFields().size(), 1);
        EXPECT_EQ(table.indexFields().first().toLower(), c.orderAfter.toLower());
    }
}

TEST_F(MasterDataWindowTest, SearchDialogOfTheWindowFindsByCountryName)
{
    insert(Tables::Countries, { { "Land", "038" }, { "Bez", "Österreich" } });
    insert(Tables::Countries, { { "Land", "004" }, { "Bez", "Deutschland" } });
    insert(Tables::Countries, { { "Land", "060" }, { "Bez", "Polen" } });
    TfrmLnder window;
    window.show();
    testsupport::onNextModal([](QDialog *dialog) {
        auto *search = qobject_cast<shell::TfrmSuche *>(dialog);
        if (!search) {
            dialog->reject();
            FAIL() << "unexpected window";
        }
        EXPECT_EQ(search->RadioGroup1->items(), QStringList({ "Länder-Code", "ISO-Alpha-Code", "Länder-Name" }));
        search->RadioGroup1->setItemIndex(2);
        search->Edit1->setText("öst");
        search->SpeedButton3->click();
        EXPECT_EQ(search->DBGrid1->model()->rowCount(), 1);
        search->BtnUebernehmen->click();
    });
    window.search();
    EXPECT_EQ(window.table().fieldByName("Bez").asString(), "Österreich");
    EXPECT_EQ(window.table().recordCount(), 3);
    EXPECT_EQ(column(window.table(), "Bez"), QStringList({ "Deutschland", "Österreich", "Polen" }));
    window.close();
}

TEST_F(MasterDataWindowTest, ForwarderNumberProposalIsTheHighestNumberPlusOne)
{
    TfrmSpedit empty;
    empty.show();
    empty.clickRecordButton(MasterDataWindow::Add);
    EXPECT_EQ(empty.table().fieldByName("nummer").asInteger(), 1);
    empty.table().cancel();
    empty.close();

    for (int number : { 3, 7, 5 })
        insert(Tables::Forwarders, { { "nummer", number }, { "name1", QStringLiteral("Spedition %1").arg(number) } });
    TfrmSpedit window;
    window.show();
    window.clickRecordButton(MasterDataWindow::Add);
    EXPECT_EQ(window.table().state(), platform::DataSetState::Insert);
    EXPECT_EQ(window.table().fieldByName("nummer").asInteger(), 8);
    // Closing the window stores the new record.
    window.close();
    EXPECT_FALSE(window.isVisible());
    platform::Table forwarders(platform::Alias::Data, Tables::Forwarders);
    forwarders.open();
    EXPECT_TRUE(forwarders.findKey({ 8 }));
    EXPECT_EQ(forwarders.recordCount(), 4);
}

TEST_F(MasterDataWindowTest, FailedPostOnClosingKeepsTheWindowOpenWithTheEntry)
{
    insert(Tables::CustomsOffices, { { "Zollst", "DE001" }, { "Ort", "Hamburg" } });
    MasterDataWindow window(customsOfficeDefinition());
    window.show();
    window.clickRecordButton(MasterDataWindow::Add);
    window.table().setValue("Zollst", "DE001");
    window.table().setValue("Ort", "Doppelt");
    window.close();
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(dialogs.calls(platform::DialogKind::Error).size(), 1);
    EXPECT_TRUE(dialogs.lastCall().text.endsWith("\rDaten konnten nicht gespeichert werden!"));
    EXPECT_EQ(window.table().state(), platform::DataSetState::Insert);
    EXPECT_EQ(window.table().fieldByName("Ort").asString(), "Doppelt");

    window.table().setValue("Zollst", "DE002");
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.table().isActive()) << "the code tables close their table";
}

TEST_F(MasterDataWindowTest, ARecordBeingAddedIsTheGridsCurrentRowEscapeDropsItAndItNeedsAKey)
{
    insert(Tables::Ports, { { "Nummer", "1" }, { "Hafen", "Hamburg" } });
    insert(Tables::Ports, { { "Nummer", "2" }, { "Hafen", "Kiel" } });
    MasterDataWindow window(portDefinition());
    window.show();
    QAbstractItemModel *model = window.grid()->model();
    window.clickRecordButton(MasterDataWindow::Add);
    window.table().setValue("Hafen", "Lübeck");
    ASSERT_EQ(model->rowCount(), 3) << "the new record is a row of the grid";
    EXPECT_EQ(window.grid()->currentIndex().row(), 2);
    QStringList row;
    for (int column = 0; column < model->columnCount(); ++column)
        row.append(model->index(2, column).data().toString());
    EXPECT_TRUE(row.contains("Lübeck")) << row.join("|").toStdString();

    // A goods number, a port ...: a record without its text key is refused.
    EXPECT_THROW(window.table().post(), platform::AbortException);
    EXPECT_EQ(window.table().state(), platform::DataSetState::Insert);
    ASSERT_EQ(dialogs.calls(platform::DialogKind::Error).size(), 1);
    EXPECT_TRUE(dialogs.lastCall().text.contains("darf nicht leer sein")) << dialogs.lastCall().text.toStdString();
    window.table().setValue("Nummer", " ");
    EXPECT_THROW(window.table().post(), platform::AbortException);
    EXPECT_EQ(dialogs.calls(platform::DialogKind::Error).size(), 2) << "blanks are no key either";

    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(window.table().state(), platform::DataSetState::Browse) << "Escape drops the new record";
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_EQ(column(window.table(), "Nummer"), QStringList({ "1", "2" }));

    window.clickRecordButton(MasterDataWindow::Add);
    window.table().setValue("Nummer", "3");
    window.table().post();
    EXPECT_EQ(model->rowCount(), 3);
    EXPECT_EQ(column(window.table(), "Nummer"), QStringList({ "1", "2", "3" }));
}

// The goods number is no key (it may repeat), yet a goods row without it
// could never be found or picked: closing with it empty is refused.
TEST_F(MasterDataWindowTest, AGoodsRowNeedsItsNumber)
{
    MasterDataWindow window(goodsNumberDefinition());
    window.show();
    window.clickRecordButton(MasterDataWindow::Add);
    window.table().setValue("bez1", "Rechner");
    window.close();
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(dialogs.calls(platform::DialogKind::Error).size(), 1);
    EXPECT_EQ(dialogs.lastCall().text, "Der Schlüssel „Warennummer“ darf nicht leer sein.\rBitte geben Sie ihn ein.");
    EXPECT_EQ(window.table().state(), platform::DataSetState::Insert);

    window.table().setValue("waren", "84713000");
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(testsupport::snapshot(Tables::GoodsNumbers, "waren").size(), 1);
}

TEST_F(MasterDataWindowTest, DeleteAsksFirst)
{
    insert(Tables::Ports, { { "Nummer", "1" }, { "Hafen", "Hamburg" } });
    insert(Tables::Ports, { { "Nummer", "2" }, { "Hafen", "Kiel" } });
    MasterDataWindow window(portDefinition());
    window.openTables();
    dialogs.answer(platform::DialogAnswer::Cancel);
    window.clickRecordButton(MasterDataWindow::Delete);
    EXPECT_EQ(window.table().recordCount(), 2);
    EXPECT_EQ(dialogs.lastCall().text, "Datensatz löschen?");
    EXPECT_EQ(dialogs.lastCall().buttons, platform::DialogButtons::OkCancel);
    dialogs.answer(platform::DialogAnswer::Ok);
    window.clickRecordButton(MasterDataWindow::Delete);
    EXPECT_EQ(column(window.table(), "Nummer"), QStringList({ "2" }));
    EXPECT_EQ(dialogs.calls().size(), 2);
}

TEST_F(MasterDataWindowTest, RecordButtonsAreEnabledByPosition)
{
    for (const char *number : { "1", "2", "3" })
        insert(Tables::Ports, { { "Nummer", number } });
    MasterDataWindow window(portDefinition());
    window.openTables();
    auto enabled = [&window] {
        QVector<bool> states;
        for (auto which :
            { MasterDataWindow::First, MasterDataWindow::Prior, MasterDataWindow::Next, MasterDataWindow::Last })
            states.append(window.recordButton(which)->isEnabled());
        return states;
    };
    EXPECT_EQ(enabled(), QVector<bool>({ false, false, true, true })) << "at the beginning";
    window.clickRecordButton(MasterDataWindow::Next);
    EXPECT_EQ(enabled(), QVector<bool>({ true, true, true, true })) << "in the middle";
    window.clickRecordButton(MasterDataWindow::Next);
    window.clickRecordButton(MasterDataWindow::Next);
    EXPECT_EQ(window.table().fieldByName("Nummer").asString(), "3");
    EXPECT_EQ(enabled(), QVector<bool>({ true, true, false, false })) << "at the end";
    EXPECT_EQ(window.recordButton(MasterDataWindow::Add)->toolTip(), "Hafen hinzufügen");
    EXPECT_EQ(window.recordButton(MasterDataWindow::Delete)->toolTip(), "Akteller Hafen löschen");
}

TEST_F(MasterDataWindowTest, GridTakesTheRecordOnlyInPickMode)
{
    insert(Tables::Forwarders, { { "nummer", 1 }, { "name1", "Nord" } });
    TfrmSpedit window;
    window.show();
    const QModelIndex cell = window.model()->index(0, 1);
    const QPoint centre = window.grid()->visualRect(cell).center();
    QTest::mouseDClick(window.grid()->viewport(), Qt::LeftButton, {}, centre);
    QTest::keyClick(window.grid(), Qt::Key_Return);
    EXPECT_TRUE(window.isVisible()) << "without pick buttons a double click and Enter do nothing";
    EXPECT_TRUE(window.takeButton()->isHidden());

    window.setPickMode(true);
    QTest::keyClick(window.grid(), Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_TRUE(window.table().isActive()) << "the caller reads the chosen record";
}

TEST_F(MasterDataWindowTest, EnterMovesToTheNextFieldWhereTheWindowSaysSo)
{
    MasterDataWindow window(transportModeDefinition());
    window.show();
    QApplication::setActiveWindow(&window);
    QWidget *number = window.control("DBEdit1");
    QWidget *designation = window.control("DBEdit2");
    QWidget *kind = window.control("DBEdit3");
    number->setFocus();
    QTest::keyClick(number, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), designation);
    kind->setFocus();
    QTest::keyClick(kind, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), kind) << "Enter does nothing in the last field";
    EXPECT_TRUE(window.isVisible());
    window.close();
}

TEST_F(MasterDataWindowTest, CountriesWithSingleNotificationAreRed)
{
    insert(Tables::Countries, { { "Land", "001" }, { "Bez", "Frankreich" }, { "EinzelMit", true } });
    insert(Tables::Countries, { { "Land", "004" }, { "Bez", "Deutschland" }, { "EinzelMit", false } });
    TfrmLnder window;
    window.openTables();
    EXPECT_EQ(window.model()->data(window.model()->index(0, 1), Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
    EXPECT_EQ(window.model()->data(window.model()->index(1, 1), Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    EXPECT_EQ(window.model()->data(window.model()->index(1, 1)).toString(), "Frankreich");

    TfrmLnder_e list;
    EXPECT_EQ(list.model()->data(list.model()->index(1, 0), Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
}

TEST_F(MasterDataWindowTest, F9InTheSecondProcedureFieldPicksFromTheSecondSubFieldList)
{
    insert(Tables::Countries,
        { { "Land", "004" }, { "Bez", "Deutschland" }, { "Verfahren1", "1000" }, { "Verfahren2", "B" } });
    for (const char *code : { "A", "B", "C" })
        insert(Tables::ProcedureCodes2, { { "Code", code }, { "Bezeichnung", QStringLiteral("Code %1").arg(code) } });
    TfrmLnder window;
    window.show();
    QString shownOn;
    testsupport::onNextModal([&shownOn](QDialog *dialog) {
        auto *list = dynamic_cast<TfrmEinh_Verfahren2 *>(dialog);
        if (!list) {
            dialog->reject();
            FAIL() << "unexpected window";
        }
        shownOn = list->code();
        EXPECT_TRUE(list->pickMode());
        list->table().next();
        list->takeButton()->click();
    });
    QWidget *field = window.controlForField("Verfahren2");
    QTest::keyClick(field, Qt::Key_F9);
    EXPECT_EQ(shownOn, "B") << "the list opens on the field's code";
    EXPECT_EQ(window.table().state(), platform::DataSetState::Browse) << "the country is posted";
    EXPECT_EQ(window.table().fieldByName("Verfahren2").asString(), "C");
    EXPECT_EQ(window.table().fieldByName("Verfahren1").asString(), "1000");
    window.close();
}

TEST_F(MasterDataWindowTest, LetterInTheCountryFieldMovesTheCountryListByName)
{
    insert(Tables::Countries, { { "Land", "001" }, { "Bez", "Chile" } });
    insert(Tables::Countries, { { "Land", "002" }, { "Bez", "Argentinien" } });
    insert(Tables::Countries, { { "Land", "003" }, { "Bez", "Belgien" } });
    insert(Tables::OriginClauses, { { "uzklaus", "1" }, { "klausel1", "Ursprung" } });
    MasterDataWindow window(originClauseDefinition());
    window.show();
    platform::Table *countries = window.lookupTable("LAND");
    ASSERT_TRUE(countries);
    for (const auto &[key, text] : { std::pair { Qt::Key_B, "b" }, std::pair { Qt::Key_B, "B" } }) {
        countries->setIndexFieldNames("Land");
        countries->first();
        QKeyEvent press(QEvent::KeyPress, key, {}, QString::fromLatin1(text));
        QApplication::sendEvent(window.controlForField("LAND"), &press);
        EXPECT_EQ(countries->fieldByName("Bez").asString(), "Belgien") << text;
        EXPECT_EQ(countries->indexName(), "iBez");
    }
    window.table().cancel();
    window.close();
}

TEST_F(MasterDataWindowTest, EveryWindowOpensFromTheMainWindowEntry)
{
    const QVector<QPair<QString, QString>> captions = {
        { "TfrmKunden", "Kundenverwaltung" },
        { "TfrmWare", "Statistische Warennummern" },
        { "TfrmArtikel", "Artikelverwaltung" },
        { "TfrmLnder", "Länderverwaltung" },
        { "TfrmUrzeug", "Ursprungszeugnis" },
        { "TfrmVerkehrszweig", "Verkehrszweige" },
        { "TfrmLieferbedingungen", "Lieferbedingungen" },
        { "TfrmVerfan", "Verfahren - Anmeldung" },
        { "TfrmVerf", "Verfahren" },
        { "TfrmGeschft", "Geschäftsart" },
        { "TfrmHafen", "Hafenverwaltung" },
        { "TfrmZoll", "Zollstellen" },
        { "TfrmBundeslnder", "Bundesländer" },
        { "TfrmEinh_Verfahren1", "Verfahren für Einheitspapiere 1. Unterfeld" },
        { "TfrmEinh_Verfahren2", "Verfahren für Einheitspapiere 2. Unterfeld" },
        { "TfrmPraef", "Präferenzklausel" },
        { "TfrmPackst", "Packstücke" },
        { "TfrmSpedit", "Spediteure" },
        { "TfrmVersand", "Versandanschrift" },
        { "TfrmZahlung", "Zahlungsbedingung" },
        { "TfrmKlausel", "Rechnungsklauseln" },
        { "TfrmUnterlagen", "Unterlagen" },
    };
    EXPECT_EQ(masterDataWindowClasses().size(), captions.size());
    registerMasterdataWindows();
    for (const auto &[className, caption] : captions) {
        SCOPED_TRACE(className.toStdString());
        ASSERT_TRUE(shell::hasWindowFactory(className)) << "the main window's entry opens it";
        EXPECT_TRUE(std::any_of(shell::windowTable().cbegin(), shell::windowTable().cend(),
            [&](const shell::WindowEntry &entry) { return entry.key == className; }));
        std::unique_ptr<QDialog> window(shell::windowFactory(className)(nullptr));
        ASSERT_TRUE(window);
        EXPECT_EQ(window->windowTitle(), caption);
        window->show();
        auto *masterData = qobject_cast<MasterDataWindow *>(window.get());
        ASSERT_TRUE(masterData);
        EXPECT_TRUE(masterData->table().isActive());
        EXPECT_FALSE(masterData->pickMode());
        window->close();
        shell::unregisterWindowFactory(className);
    }
}

TEST_F(MasterDataWindowTest, SortChoiceIsReadAtCreationAndStoredWhereTheWindowSaysSo)
{
    for (const auto &[number, name] : { std::pair { 2, "Alpha" }, std::pair { 1, "Zeta" }, std::pair { 3, "Mitte" } })
        insert(Tables::Forwarders, { { "nummer", number }, { "name1", name } });
    for (const bool store : { true, false }) {
        SCOPED_TRACE(store);
        shell::StammSortWrite("WarenNr", 1);
        MasterDataDefinition definition = forwarderDefinition();
        definition.sort = { { "Stat.-Waren-Nr.", "Bezeichnung" }, { "nummer", "name1" }, "WarenNr", store };
        MasterDataWindow window(definition);
        window.openTables();
        EXPECT_EQ(column(window.table(), "name1"), QStringList({ "Alpha", "Mitte", "Zeta" }));
        EXPECT_TRUE(window.sortGroup()->button(1)->isChecked());
        window.sortGroup()->button(0)->click();
        EXPECT_EQ(column(window.table(), "nummer"), QStringList({ "1", "2", "3" }));
        EXPECT_EQ(window.table().fieldByName("nummer").asInteger(), 1) << "on the first record";
        EXPECT_EQ(shell::StammSortRead("WarenNr"), store ? 0 : 1);
    }
}

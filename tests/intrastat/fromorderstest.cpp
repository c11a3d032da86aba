#include "intrastatfixture.h"

#include "intrastat/intrastatfromorders.h"
#include "intrastat/tfrmregieintrastat.h"
#include "orders/tfrmregieauftragsdaten.h"
#include "platform/query.h"
#include "shell/entrywindow.h"

#include <QDate>

using namespace intrastat;
using platform::DialogAnswer;

namespace {

void addOrder(int number, const QDate &date, const QString &credit = {})
{
    testsupport::insertRecord(
        orders::Tables::Orders, { { "Belegnr", number }, { "Redatum", date }, { "Reklau14", credit } });
}

void addOrderPosition(int number, int pos, const QString &goods, const QString &country, const QString &region,
    double net, int count, double amount)
{
    testsupport::insertRecord(orders::Tables::Positions,
        { { "Belegnr", number }, { "Pos", pos }, { "waren", goods }, { "urland", country }, { "buland", region },
            { "wabe1", QStringLiteral("Ware %1/%2").arg(number).arg(pos) }, { "nettoges", net }, { "anzahl", count },
            { "quersum", amount } });
}

} // namespace

class FromOrdersTest : public IntrastatTest
{
};

TEST_F(FromOrdersTest, TheMonthsOrdersBecomeOnePositionPerGoodsNumberCountryAndRegion)
{
    shell::mainState().IntraUebernahme = true;
    shell::mainState().IntraVerfahren = "10000";
    addHead(Tables::DispatchHeads, 7);
    addOrder(1, QDate(2024, 3, 5));
    addOrderPosition(1, 1, "84713000", "FR", "09", 10.4, 2, 100.4);
    addOrderPosition(1, 2, "84713000", "FR", "09", 20.4, 1, 50.5);
    addOrderPosition(1, 3, "84713000", "IT", "09", 0.4, 0, 1.5);
    addOrderPosition(1, 4, "84713000", "CH", "09", 5, 1, 10);
    addOrderPosition(1, 5, "84713000", "DE", "09", 5, 1, 10);
    addOrderPosition(1, 6, "99999999", "FR", "09", 5, 1, 10);
    addOrderPosition(1, 7, "", "FR", "09", 5, 1, 10);
    addOrder(2, QDate(2024, 4, 1));
    addOrderPosition(2, 1, "84713000", "FR", "09", 100, 1, 1000);
    addOrder(3, QDate(2024, 3, 31), "1");
    addOrderPosition(3, 1, "11111111", "NL", "01", 5, 2, 80);

    QString opened;
    closeNextModal([&opened](QDialog *dialog) { opened = qobject_cast<shell::EntryWindow *>(dialog)->statusText(1); });
    EXPECT_EQ(generateMonthlyDeclaration(3, 2024), 8);
    EXPECT_EQ(opened, "BelegNr. : 8");
    EXPECT_EQ(stored(Tables::DispatchHeads, { 8 }, "int2_1"), "03");
    EXPECT_EQ(stored(Tables::DispatchHeads, { 8 }, "int2_2"), "24");
    EXPECT_EQ(stored(Tables::DispatchHeads, { 8 }, "Positionen"), "3");
    const auto column = [](const char *field) { return positionColumn(Tables::DispatchPositions, 8, field); };
    EXPECT_EQ(column("int8_1"), QStringList({ "FR", "IT", "NL" })) << "CH, DE, 99999999 and empty left out";
    EXPECT_EQ(column("int16_1"), QStringList({ "30", "1", "1" })) << "10.4 + 20.4 made whole apiece; 0.4 gives 1";
    EXPECT_EQ(column("int17_1"), QStringList({ "3", "1", "1" }));
    EXPECT_EQ(column("int18_1"), QStringList({ "151", "2", "1" })) << "1.5 gives 2; a credit alone gives 1";
    EXPECT_EQ(column("int19_1"), QStringList({ "151", "2", "1" }));
    EXPECT_EQ(column("int6_1"), QStringList({ "Ware 1/1", "Ware 1/3", "Ware 3/1" }));
    EXPECT_EQ(column("int15_1"), QStringList({ "10000", "10000", "10000" }));
    EXPECT_EQ(column("Pos"), QStringList({ "1", "2", "3" }));
}

TEST_F(FromOrdersTest, ATwoDigitYearMatchesNoOrderButStillMakesADeclaration)
{
    addOrder(1, QDate(2024, 3, 5));
    addOrderPosition(1, 1, "84713000", "FR", "09", 1, 1, 1);
    closeNextModal();
    EXPECT_EQ(generateMonthlyDeclaration(3, 24), 1) << "the first declaration after the template";
    EXPECT_TRUE(positionColumn(Tables::DispatchPositions, 1, "Pos").isEmpty());
}

class OneOrderTest : public IntrastatTest
{
protected:
    void SetUp() override
    {
        IntrastatTest::SetUp();
        addOrder(17, QDate(2024, 3, 5));
        addOrderPosition(17, 1, "84713000", "FR", "09", 10, 1, 100);
        addOrderPosition(17, 2, "84713000", "FR", "09", 5, 1, 50);
        addOrderPosition(17, 3, "85000000", "IT", "01", 1, 1, 10);
        {
            TfrmRegieIntrastat prepare(true); // the templates
        }
        platform::Table templ(platform::Alias::Data, Tables::DispatchHeads);
        templ.open();
        templ.findKey({ 2000000000 });
        templ.edit();
        templ.fieldByName("int1_1").setAsString("DE999");
        templ.post();
        addHead(Tables::DispatchHeads, 17, { { "int1_1", "ALT" } });
        for (int pos = 1; pos <= 3; ++pos)
            addPosition(Tables::DispatchPositions, 17, pos, { { "int13_1", "alt" } });
        orderRegister = std::make_unique<orders::TfrmRegieAuftragsdaten>();
        orderRegister->tbRechnung().findKey({ 17 });
    }

    void TearDown() override
    {
        orderRegister.reset();
        IntrastatTest::TearDown();
    }

    std::unique_ptr<orders::TfrmRegieAuftragsdaten> orderRegister;
};

TEST_F(OneOrderTest, NoOpensTheExistingDeclarationUnchanged)
{
    dialogs.answer(DialogAnswer::No);
    QString opened;
    closeNextModal([&opened](QDialog *dialog) { opened = qobject_cast<shell::EntryWindow *>(dialog)->statusText(1); });
    declarationFromOrder(orderRegister->tbArtikel(), 17);
    EXPECT_EQ(
        dialogs.calls().value(0).text, "Diese Beleg-Nr. wurde bereits vergeben! \rMöchten Sie diese Überschreiben?");
    EXPECT_EQ(opened, "BelegNr. : 17");
    EXPECT_EQ(stored(Tables::DispatchHeads, { 17 }, "int1_1"), "ALT");
    EXPECT_EQ(positionColumn(Tables::DispatchPositions, 17, "int13_1"), QStringList({ "alt", "alt", "alt" }));
}

TEST_F(OneOrderTest, YesReplacesItByTheTemplateAndTheCondensedPositions)
{
    dialogs.answer(DialogAnswer::Yes);
    closeNextModal();
    declarationFromOrder(orderRegister->tbArtikel(), 17);
    EXPECT_EQ(stored(Tables::DispatchHeads, { 17 }, "int1_1"), "DE999");
    EXPECT_EQ(positionColumn(Tables::DispatchPositions, 17, "int13_1"), QStringList({ "84713000", "85000000" }));
    EXPECT_EQ(positionColumn(Tables::DispatchPositions, 17, "int16_1"), QStringList({ "15", "1" }));
}

TEST_F(OneOrderTest, AFailureLeavesTheOldDeclarationAsItWas)
{
    platform::Query trigger(platform::Alias::Data,
        "CREATE TRIGGER voll BEFORE INSERT ON INTRAV_X BEGIN SELECT RAISE(ABORT, 'Datenträger voll'); END");
    trigger.execSql();
    dialogs.answer(DialogAnswer::Yes);
    declarationFromOrder(orderRegister->tbArtikel(), 17);
    EXPECT_EQ(dialogs.calls(platform::DialogKind::Error).size(), 1) << "one message";
    EXPECT_EQ(stored(Tables::DispatchHeads, { 17 }, "int1_1"), "ALT");
    EXPECT_EQ(positionColumn(Tables::DispatchPositions, 17, "int13_1"), QStringList({ "alt", "alt", "alt" }));
}

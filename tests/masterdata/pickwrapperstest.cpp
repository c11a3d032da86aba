#include "masterdata/pickwrappers.h"
#include "masterdata/pickrecords.h"
#include "masterdata/selectionwindow.h"
#include "masterdata/supportingdocuments.h"
#include "masterdatafixture.h"

#include "support/modaldialog.h"

#include <QAction>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

using namespace masterdata;

TEST(PickRecordsTest, TextsAreCutToTheirCapacity)
{
    const QString longText = QString(200, QLatin1Char('x'));
    TPartyAddress party;
    party.TIN = QStringLiteral("DE123456789012345");
    party.IsDeuZoll = QStringLiteral("10");
    party.name1 = longText;
    party.strasse = longText;
    party.PLZ = QStringLiteral("1234567");
    party.ort = longText;
    party.land = QStringLiteral("DEU");
    struct Case {
        const char *name;
        QString value;
        int size;
    };
    const Case partyCases[] = {
        { "TIN", party.TIN, 7 },
        { "IsDeuZoll", party.IsDeuZoll, 1 },
        { "name1", party.name1, 105 },
        { "strasse", party.strasse, 70 },
        { "PLZ", party.PLZ, 5 },
        { "ort", party.ort, 35 },
        { "land", party.land, 3 },
    };
    for (const Case &c : partyCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.value.size(), c.size);
    }
    EXPECT_EQ(party.TIN, QStringLiteral("DE12345"));
    EXPECT_EQ(party.PLZ, QStringLiteral("12345"));

    TGoodsNumberRecord goods;
    goods.waren = QStringLiteral("8471300000");
    goods.Waren2 = QStringLiteral("123");
    goods.Waren3 = QStringLiteral("12345");
    goods.Waren4 = QStringLiteral("1234");
    goods.Waren5 = QStringLiteral("ABCDE");
    goods.bez = longText;
    EXPECT_EQ(goods.waren, QStringLiteral("84713000"));
    EXPECT_EQ(goods.Waren2, QStringLiteral("12"));
    EXPECT_EQ(goods.Waren3, QStringLiteral("1234"));
    EXPECT_EQ(goods.Waren4, QStringLiteral("1234"));
    EXPECT_EQ(goods.Waren5, QStringLiteral("ABCD"));
    EXPECT_EQ(goods.bez.size(), 200); // the description is never cut

    TDocumentCodeRecord document { QStringLiteral("N935XY"), QStringLiteral("ABCDEFG") };
    EXPECT_EQ(document.Code, QStringLiteral("N935X"));
    EXPECT_EQ(document.Quali, QStringLiteral("ABCDE"));
    document.Code = QStringLiteral("Y");
    EXPECT_EQ(document.Code, QStringLiteral("Y"));
}

class PickWrappersTest : public MasterDataTest
{
protected:
    void SetUp() override
    {
        MasterDataTest::SetUp();
        insert(Tables::Countries, { { "Land", "004" }, { "Bez", "Deutschland" }, { "Lkz", "DE" } });
        insert(Tables::BusinessTypes, { { "Geart", "11" }, { "Bez", "Kauf" } });
        insert(Tables::FederalStates, { { "Ulandi", "09" }, { "Bez", "Bayern" } });
        insert(Tables::ProcedureCodes1, { { "Code", "1000" } });
        insert(Tables::ProcedureCodes2, { { "Code", "001" } });
        insert(Tables::PackageKinds, { { "packart", "KI" }, { "bez", "Kiste" } });
        insert(Tables::DeliveryTerms, { { "Lieferb", "EXW" }, { "Bedeutung", "ab Werk" } });
        insert(Tables::TransportModes, { { "Vkzweig", "3" }, { "Bez1", "Straßenverkehr" } });
        insert(Tables::Articles, { { "artikel", "A-1" }, { "bez1", "Schraube" }, { "bez2", "M6" } });
        insert(Tables::Customers,
            { { "nummer", 1 }, { "name1", "Muster GmbH" }, { "strasse", "Hauptstraße 1" }, { "PLZ", "1234567" },
                { "ort", "Köln" }, { "land", "004" }, { "TIN", "DE123456789012" }, { "IsDeuZoll", "J" } });
        insert(Tables::GoodsNumbers,
            { { "waren", "84713000" }, { "Waren2", "12" }, { "bez1", "Tragbare" }, { "bez2", "Rechner" } });
        insert(Tables::SupportingDocuments, { { "Code", "N935" }, { "Quali", "Y" }, { "Text", "Rechnung" } });
    }

    // Takes over or cancels the next pick window, whatever kind it is.
    static void closeNextPick(bool take)
    {
        testsupport::onNextModal([take](QDialog *dialog) {
            if (!take) {
                dialog->reject();
                return;
            }
            if (auto *list = dynamic_cast<SelectionWindow *>(dialog))
                list->takeButton()->click();
            else if (auto *window = dynamic_cast<MasterDataWindow *>(dialog))
                window->takeButton()->click();
            else
                dialog->accept();
        });
    }
};

TEST_F(PickWrappersTest, TextWrappersReportAChoiceAndLeaveTheValueEmptyWhenCancelled)
{
    struct Case {
        const char *name;
        std::function<bool(QString &)> pick;
        QString chosen;
    };
    const QVector<Case> cases = {
        { "country", [](QString &v) { return PickCountry("Lkz", v, "DE"); }, "DE" },
        { "business type", [](QString &v) { return PickBusinessType(v); }, "11" },
        { "federal state", [](QString &v) { return PickFederalState(v); }, "09" },
        { "procedure 1", [](QString &v) { return PickProcedureCode1(v); }, "1000" },
        { "procedure 2", [](QString &v) { return PickProcedureCode2(v); }, "001" },
        { "package kind", [](QString &v) { return PickPackageKind(v); }, "KI" },
        { "delivery term", [](QString &v) { return PickDeliveryTerm(v); }, "EXW" },
        { "transport mode", [](QString &v) { return PickTransportMode(v, {}); }, "3" },
        { "article text", [](QString &v) { return PickArticleText(v); }, "Schraube M6    " },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QString value = QStringLiteral("alt");
        closeNextPick(true);
        EXPECT_TRUE(c.pick(value));
        EXPECT_EQ(value, c.chosen);
        closeNextPick(false);
        EXPECT_FALSE(c.pick(value));
        EXPECT_EQ(value, "");
    }

    // A list without rows: taking over gives nothing, and no choice.
    platform::Table terms(platform::Alias::Data, Tables::DeliveryTerms);
    terms.open();
    terms.emptyTable();
    QString value = QStringLiteral("alt");
    closeNextPick(true);
    EXPECT_FALSE(PickDeliveryTerm(value));
    EXPECT_EQ(value, "");
}

TEST_F(PickWrappersTest, DocumentPickFillsTheRecordOnlyWhenTaken)
{
    TDocumentCodeRecord record { QStringLiteral("ALT"), QStringLiteral("A") };
    testsupport::onNextModal([](QDialog *dialog) {
        auto *window = dynamic_cast<TfrmUnterlagen *>(dialog);
        EXPECT_TRUE(window->pickMode());
        window->cancelButton()->click();
    });
    EXPECT_FALSE(PickDocument(record));
    EXPECT_EQ(record, (TDocumentCodeRecord { QStringLiteral("ALT"), QStringLiteral("A") }));

    for (auto close : { std::function<void(QDialog *)>([](QDialog *d) { d->close(); }),
             std::function<void(QDialog *)>([](QDialog *d) {
                 // The menu's "Schließen"
                 for (QAction *action : d->findChildren<QAction *>())
                     if (action->text() == "Schließen")
                         action->trigger();
             }) }) {
        testsupport::onNextModal(close);
        EXPECT_FALSE(PickDocument(record));
        EXPECT_EQ(record.Code, QStringLiteral("ALT"));
    }

    closeNextPick(true);
    EXPECT_TRUE(PickDocument(record));
    EXPECT_EQ(record, (TDocumentCodeRecord { QStringLiteral("N935"), QStringLiteral("Y") }));
}

TEST_F(PickWrappersTest, CustomerAndGoodsNumberPicksFillTheirRecordOnlyWhenTaken)
{
    TPartyAddress party;
    party.name1 = QStringLiteral("bisher");
    const TPartyAddress before = party;
    closeNextPick(false);
    EXPECT_FALSE(PickCustomer(party));
    EXPECT_EQ(party, before);
    closeNextPick(true);
    EXPECT_TRUE(PickCustomer(party));
    EXPECT_EQ(party.name1, QStringLiteral("Muster GmbH"));
    EXPECT_EQ(party.TIN, QStringLiteral("DE12345"));
    EXPECT_EQ(party.PLZ, QStringLiteral("12345"));
    EXPECT_EQ(party.IsDeuZoll, QStringLiteral("1"));
    EXPECT_EQ(party.land, QStringLiteral("DE"));

    TGoodsNumberRecord goods;
    goods.bez = QStringLiteral("bisher");
    closeNextPick(false);
    EXPECT_FALSE(PickGoodsNumber(goods));
    EXPECT_EQ(goods.bez, QStringLiteral("bisher"));
    closeNextPick(true);
    EXPECT_TRUE(PickGoodsNumber(goods));
    EXPECT_EQ(goods.waren, QStringLiteral("84713000"));
    EXPECT_EQ(goods.Waren2, QStringLiteral("12"));
    EXPECT_TRUE(goods.bez.startsWith(QStringLiteral("Tragbare Rechner")));
}

TEST_F(PickWrappersTest, DatePickGivesTheDateOrNothing)
{
    QString value = QStringLiteral("alt");
    closeNextPick(true);
    PickDate(value, QDate(2024, 2, 29));
    EXPECT_EQ(value, "20240229");
    closeNextPick(false);
    PickDate(value, QDate(2024, 2, 29));
    EXPECT_EQ(value, "");

    QString date = QStringLiteral("01.03.2024");
    QString time = QStringLiteral("9:30");
    closeNextPick(false);
    EXPECT_FALSE(PickDateTime(date, time));
    EXPECT_EQ(date, "0");
    EXPECT_EQ(time, "0");
}

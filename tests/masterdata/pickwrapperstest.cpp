#include "masterdata/pickrecords.h"

#include <gtest/gtest.h>

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

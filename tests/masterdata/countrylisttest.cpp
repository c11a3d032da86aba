#include "masterdata/countrylist.h"
#include "masterdatafixture.h"

#include <QSet>

using namespace masterdata;

namespace {

TEST_F(MasterDataTest, AFreshCountryTableGetsTheOfficialListOnce)
{
    // The delivered rows fit their fields and have one row per number and code.
    QSet<QString> numbers, codes;
    for (const CountryRow &row : deliveredCountries()) {
        const QString bez = QString::fromUtf8(row.bez);
        EXPECT_LE(bez.size(), 29) << row.bez;
        EXPECT_EQ(QString::fromUtf8(row.land).size(), 3) << row.land;
        EXPECT_EQ(QString::fromUtf8(row.lkz).size(), 2) << row.lkz;
        numbers.insert(QString::fromUtf8(row.land));
        codes.insert(QString::fromUtf8(row.lkz));
    }
    EXPECT_EQ(numbers.size(), deliveredCountries().size());
    EXPECT_EQ(codes.size(), deliveredCountries().size());

    fillCountryTable(directory->session());
    platform::Table countries(platform::Alias::Data, Tables::Countries);
    countries.open();
    EXPECT_EQ(countries.recordCount(), deliveredCountries().size());
    struct Case {
        const char *lkz, *land, *bez, *english;
    };
    const Case cases[] = { { "DE", "276", "Deutschland", "Germany" }, { "CH", "756", "Schweiz", "Switzerland" },
        { "US", "840", "Vereinigte Staaten", "United States" }, { "VE", "862", "Venezuela", "Venezuela" } };
    for (const Case &c : cases) {
        ASSERT_TRUE(countries.locate(QStringLiteral("Lkz"), { QString::fromLatin1(c.lkz) })) << c.lkz;
        EXPECT_EQ(countries.fieldByName("Land").asString(), c.land) << c.lkz;
        EXPECT_EQ(countries.fieldByName("Bez").asString(), QString::fromUtf8(c.bez)) << c.lkz;
        EXPECT_EQ(countries.fieldByName("E").asString(), c.english) << c.lkz;
    }

    // A table the office keeps is left alone.
    countries.emptyTable();
    insert(Tables::Countries, { { "Land", "004" }, { "Bez", "Deutschland" }, { "Lkz", "DE" } });
    fillCountryTable(directory->session());
    countries.refresh();
    EXPECT_EQ(countries.recordCount(), 1);
}

} // namespace

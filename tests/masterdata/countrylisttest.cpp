#include "masterdata/countrylist.h"
#include "masterdatafixture.h"

#include <QDir>
#include <QFile>
#include <QSet>

using namespace masterdata;

namespace {

QString fieldOf(const QString &table, const QString &keyField, const QVariant &key, const QString &field)
{
    platform::Table t(platform::Alias::Data, table);
    t.open();
    if (!t.locate(keyField, { key }))
        return QStringLiteral("<fehlt>");
    return t.fieldByName(field).asString();
}

TEST_F(MasterDataTest, AFreshCountryTableGetsTheOfficialListOnce)
{
    // The delivered rows fit their fields and have one row per number and code.
    QSet<QString> numbers, codes;
    for (const CountryRow &row : deliveredCountries()) {
        const QString bez = QString::fromUtf8(row.bez);
        EXPECT_LE(bez.size(), 29) << row.bez;
        EXPECT_EQ(QString::fromUtf8(row.land).size(), 3) << row.land;
        EXPECT_EQ(QString::fromUtf8(row.lkz).size(), 2) << row.lkz;
        EXPECT_TRUE(QString::fromUtf8(row.iso).isEmpty() || QString::fromUtf8(row.iso).size() == 3) << row.lkz;
        numbers.insert(QString::fromUtf8(row.land));
        codes.insert(QString::fromUtf8(row.lkz));
    }
    EXPECT_EQ(numbers.size(), deliveredCountries().size());
    EXPECT_EQ(codes.size(), deliveredCountries().size());

    fillCountryTable(directory->session());
    platform::Table countries(platform::Alias::Data, Tables::Countries);
    countries.open();
    EXPECT_EQ(countries.recordCount(), deliveredCountries().size());
    // The numbers of the foreign-trade country list, not the ISO codes
    // (Germany 004, not 276; 276 is Ghana's).
    const std::pair<const char *, const char *> numbersByCode[]
        = { { "FR", "001" }, { "NL", "003" }, { "DE", "004" }, { "IT", "005" }, { "GB", "006" }, { "IE", "007" },
              { "DK", "008" }, { "GR", "009" }, { "PT", "010" }, { "ES", "011" }, { "BE", "017" }, { "LU", "018" },
              { "XC", "021" }, { "XL", "023" }, { "IS", "024" }, { "NO", "028" }, { "SE", "030" }, { "FI", "032" },
              { "LI", "037" }, { "AT", "038" }, { "CH", "039" }, { "FO", "041" }, { "TR", "052" }, { "PL", "060" },
              { "CZ", "061" }, { "HU", "064" }, { "RO", "066" }, { "BG", "068" }, { "RU", "075" }, { "XK", "095" },
              { "ME", "097" }, { "RS", "098" }, { "MA", "204" }, { "EG", "220" }, { "GH", "276" }, { "ZA", "388" },
              { "US", "400" }, { "CA", "404" }, { "GL", "406" }, { "MX", "412" }, { "BR", "508" }, { "AR", "528" },
              { "IL", "624" }, { "AF", "660" }, { "IN", "664" }, { "CN", "720" }, { "KR", "728" }, { "JP", "732" },
              { "TW", "736" }, { "HK", "740" }, { "AU", "800" }, { "NZ", "804" }, { "MC", "MCO" }, { "PR", "PRI" } };
    for (const auto &[lkz, land] : numbersByCode) {
        ASSERT_TRUE(countries.locate(QStringLiteral("Lkz"), { QString::fromLatin1(lkz) })) << lkz;
        EXPECT_EQ(countries.fieldByName("Land").asString(), land) << lkz;
    }
    struct Case {
        const char *lkz, *bez, *english;
    };
    const Case names[] = { { "DE", "Deutschland", "Germany" }, { "CH", "Schweiz", "Switzerland" },
        { "US", "Vereinigte Staaten", "United States" }, { "VE", "Venezuela", "Venezuela" },
        { "XK", "Kosovo", "Kosovo" } };
    for (const Case &c : names) {
        ASSERT_TRUE(countries.locate(QStringLiteral("Lkz"), { QString::fromLatin1(c.lkz) })) << c.lkz;
        EXPECT_EQ(countries.fieldByName("Bez").asString(), QString::fromUtf8(c.bez)) << c.lkz;
        EXPECT_EQ(countries.fieldByName("E").asString(), c.english) << c.lkz;
    }

    // The correction after it finds nothing to do in a fresh list.
    correctCountryNumbers(directory->session());
    countries.refresh();
    EXPECT_EQ(countries.recordCount(), deliveredCountries().size());
    ASSERT_TRUE(countries.locate(QStringLiteral("Lkz"), { QStringLiteral("DE") }));
    EXPECT_EQ(countries.fieldByName("Land").asString(), "004");

    // A table the office keeps is left alone.
    countries.emptyTable();
    insert(Tables::Countries, { { "Land", "004" }, { "Bez", "Deutschland" }, { "Lkz", "DE" } });
    fillCountryTable(directory->session());
    countries.refresh();
    EXPECT_EQ(countries.recordCount(), 1);
}

// A data directory filled while the program delivered the ISO numeric codes:
// the rows it wrote get their trade numbers once, with everything that refers
// to them; what the office entered or changed stays, and so does a row whose
// new number the office's own row holds (and the rows that wait for its
// number in turn).
TEST_F(MasterDataTest, CountryNumbersOfTheFirstDeliveryAreMovedOnce)
{
    struct Old {
        const char *land, *lkz, *bez;
    };
    const Old rows[] = {
        { "276", "DE", "Deutschland" }, // -> 004, which Afghanistan leaves
        { "004", "AF", "Afghanistan" }, // -> 660
        { "288", "GH", "Ghana" }, // -> 276, which Germany leaves
        { "250", "FR", "Frankreich" }, // -> 001
        { "756", "CH", "Schweiz" }, // -> 039
        { "380", "IT", "Italien, eigene Schreibweise" }, // the office renamed it: stays
        { "554", "NZ", "Neuseeland" }, // wants 804, which Ukraine keeps: stays
        { "804", "UA", "Ukraine" }, // wants 072, which Botswana keeps: stays
        { "072", "BW", "Botsuana" }, // wants 391, the office's own: stays
        { "391", "QQ", "Zolllager" }, // the office's own row
        { "KOS", "XK", "Kosovo" }, // the office's own Kosovo: no second one
    };
    for (const Old &row : rows)
        insert(Tables::Countries, { { "Land", row.land }, { "Lkz", row.lkz }, { "Bez", QString::fromUtf8(row.bez) } });
    struct Reference {
        QString table;
        QVariant key;
        QString land, moved;
    };
    const QVector<Reference> references = {
        { Tables::Customers, 1, "276", "004" }, // Germany
        { Tables::Customers, 2, "004", "660" }, // Afghanistan, not Germany
        { Tables::Customers, 3, "380", "380" }, // the office's own Italy
        { Tables::Customers, 4, "554", "554" }, // New Zealand, held back
        { Tables::Customers, 5, "756", "039" },
        { Tables::Customers, 6, "999", "999" }, // a number without a country
        { Tables::Forwarders, 1, "288", "276" }, // Ghana, not Germany
        { Tables::ShippingAddresses, 1, "804", "804" },
        { Tables::OriginClauses, "1", "250", "001" },
    };
    for (const Reference &r : references) {
        insert(r.table, { { r.table == Tables::OriginClauses ? "uzklaus" : "nummer", r.key }, { "land", r.land } });
    }

    correctCountryNumbers(directory->session());
    const std::pair<const char *, const char *> expected[] = { { "DE", "004" }, { "AF", "660" }, { "GH", "276" },
        { "FR", "001" }, { "CH", "039" }, { "IT", "380" }, { "NZ", "554" }, { "UA", "804" }, { "BW", "072" },
        { "QQ", "391" }, { "XK", "KOS" }, { "XC", "021" }, { "XL", "023" } };
    for (const auto &[lkz, land] : expected)
        EXPECT_EQ(fieldOf(Tables::Countries, "Lkz", lkz, "Land"), land) << lkz;
    EXPECT_EQ(fieldOf(Tables::Countries, "Lkz", "XC", "Bez"), "Ceuta");
    EXPECT_EQ(testsupport::snapshot(Tables::Countries).size(), std::size(rows) + 2);
    for (const Reference &r : references) {
        EXPECT_EQ(fieldOf(r.table, r.table == Tables::OriginClauses ? "uzklaus" : "nummer", r.key, "land"), r.moved)
            << r.table.toStdString() << " " << r.key.toString().toStdString();
    }
    QFile done(QDir(directory->dataDirectory()).filePath("Laendernummern.txt"));
    ASSERT_TRUE(done.open(QIODevice::ReadOnly));
    const QString report = QString::fromUtf8(done.readAll());
    EXPECT_TRUE(report.contains("DE Deutschland: 276 -> 004")) << report.toStdString();
    EXPECT_TRUE(report.contains("NZ Neuseeland bleibt bei 554")) << report.toStdString();
    EXPECT_TRUE(
        report.contains("IT Italien, eigene Schreibweise bleibt bei 380: von Hand geändert (Ländernummer 005)."))
        << report.toStdString();
    done.close();

    // Later the office gives Switzerland its old number again and adds a
    // row: the next start leaves both alone.
    {
        platform::Table countries(platform::Alias::Data, Tables::Countries);
        countries.open();
        ASSERT_TRUE(countries.locate(QStringLiteral("Lkz"), { QStringLiteral("CH") }));
        countries.edit();
        countries.setValue(QStringLiteral("Land"), QStringLiteral("756"));
        countries.post();
    }
    const auto before = testsupport::snapshot(Tables::Countries);
    correctCountryNumbers(directory->session());
    EXPECT_EQ(testsupport::snapshot(Tables::Countries), before);
    EXPECT_EQ(fieldOf(Tables::Customers, "nummer", 5, "land"), "039");
}

} // namespace

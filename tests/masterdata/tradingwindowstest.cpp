#include "masterdata/articles.h"
#include "masterdata/customers.h"
#include "masterdata/goodsnumbers.h"
#include "masterdatafixture.h"

#include "platform/datacombobox.h"
#include "platform/dataedit.h"
#include "support/modaldialog.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QTest>

using namespace masterdata;

class TradingWindowsTest : public MasterDataTest
{
protected:
    // Runs the action on the next modal window of that class; anything else
    // is closed and fails the test.
    template <typename Window> static void onNextWindow(std::function<void(Window &)> action)
    {
        testsupport::onNextModal([action](QDialog *dialog) {
            auto *window = dynamic_cast<Window *>(dialog);
            if (!window) {
                dialog->reject();
                FAIL() << "unexpected window";
            }
            action(*window);
        });
    }

    static void take(MasterDataWindow &window)
    {
        EXPECT_TRUE(window.pickMode());
        window.takeButton()->click();
    }
};

TEST_F(TradingWindowsTest, SelectCustomerHandsOverTheAddressCutToTheRecord)
{
    insert(Tables::Countries, { { "Land", "004" }, { "Bez", "Deutschland" }, { "Lkz", "DE" } });
    struct Case {
        QString identKind;
        QString land;
        QString flag;
        QString country;
    };
    const QVector<Case> cases = {
        { "J", "004", "1", "DE" }, { "N", "004", "0", "DE" }, { "j", "004", "0", "DE" },
        { "", "999", "0", "" }, // no such country: no code
    };
    int number = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.identKind.toStdString());
        insert(Tables::Customers,
            { { "nummer", ++number }, { "name1", "Müller Maschinenbau" }, { "strasse", "Hauptstraße 1" },
                { "PLZ", "D-12345" }, { "ort", "Köln" }, { "land", c.land }, { "TIN", "DE123456789012345" },
                { "IsDeuZoll", c.identKind } });
        TPartyAddress address;
        onNextWindow<TfrmKunden>([number](TfrmKunden &window) {
            window.table().findKey({ number });
            take(window);
        });
        ASSERT_TRUE(TfrmKunden::SelectCustomer(address));
        EXPECT_EQ(address.TIN, "DE12345");
        EXPECT_EQ(address.IsDeuZoll, c.flag);
        EXPECT_EQ(address.name1, "Müller Maschinenbau");
        EXPECT_EQ(address.strasse, "Hauptstraße 1");
        EXPECT_EQ(address.PLZ, "D-123");
        EXPECT_EQ(address.ort, "Köln");
        EXPECT_EQ(address.land, c.country);
    }

    TPartyAddress untouched;
    untouched.name1 = QStringLiteral("bleibt");
    onNextWindow<TfrmKunden>([](TfrmKunden &window) { window.cancelButton()->click(); });
    EXPECT_FALSE(TfrmKunden::SelectCustomer(untouched));
    EXPECT_EQ(untouched.name1, "bleibt");
}

TEST_F(TradingWindowsTest, CustomerNumberPickAndLookupByTIN)
{
    insert(Tables::Customers, { { "nummer", 4 }, { "name1", "Nord" }, { "TIN", "DE0001" } });
    insert(Tables::Customers, { { "nummer", 9 }, { "name1", "Süd" }, { "TIN", "Abc-9" }, { "IsDeuZoll", "J" } });

    onNextWindow<TfrmKunden>([](TfrmKunden &window) {
        window.table().last();
        take(window);
    });
    EXPECT_EQ(TfrmKunden::SelectCustomerNumber(), 9);
    onNextWindow<TfrmKunden>([](TfrmKunden &window) { window.cancelButton()->click(); });
    EXPECT_EQ(TfrmKunden::SelectCustomerNumber(), -1);
    onNextWindow<TfrmKunden>([](TfrmKunden &window) { window.close(); });
    EXPECT_EQ(TfrmKunden::SelectCustomerNumber(), -1);

    struct Case {
        QString tin;
        bool found;
        QString name;
    };
    const QVector<Case> cases
        = { { "ABC-9", true, "Süd" }, { "de0001", true, "Nord" }, { "DE000", false, "" }, { "", false, "" } };
    for (const Case &c : cases) {
        TPartyAddress address;
        EXPECT_EQ(TfrmKunden::LookupCustomerByTIN(c.tin, address), c.found) << c.tin.toStdString();
        EXPECT_EQ(address.name1, c.name) << c.tin.toStdString();
        EXPECT_TRUE(address.IsDeuZoll.isEmpty()) << "the lookup leaves the flag alone";
    }
}

TEST_F(TradingWindowsTest, NewCustomerTakesTheNextNumberAndIsStoredAtOnce)
{
    EXPECT_EQ(proposeCustomerNumber(), 1);
    for (int number : { 1, 2, 7 })
        insert(Tables::Customers, { { "nummer", number }, { "name1", QStringLiteral("Kunde %1").arg(number) } });
    {
        TfrmKunden window;
        window.show();
        QApplication::setActiveWindow(&window);
        window.clickRecordButton(MasterDataWindow::Add);
        EXPECT_EQ(window.table().fieldByName("nummer").asInteger(), 8);
        EXPECT_FALSE(window.table().isEditing());
        EXPECT_EQ(window.table().indexFields(), QStringList({ "name1" }));
        EXPECT_EQ(window.table().recNo(), 1) << "the empty name stands first";
        EXPECT_EQ(QApplication::focusWidget(), window.controlForField("nummer"));
        window.close();
    }
    platform::Table customers(platform::Alias::Data, Tables::Customers);
    customers.open();
    EXPECT_EQ(column(customers, "nummer"), QStringList({ "1", "2", "7", "8" }));
}

TEST_F(TradingWindowsTest, IdentKindStoresItsCode)
{
    insert(Tables::Customers, { { "nummer", 1 }, { "IsDeuZoll", "E" } });
    TfrmKunden window;
    window.show();
    auto *combo = qobject_cast<platform::DataComboBox *>(window.controlForField("IsDeuZoll"));
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->currentText(), "EORI-TIN");
    const int customsNumber = combo->findText("Zollnummer");
    combo->setCurrentIndex(customsNumber);
    emit combo->activated(customsNumber);
    window.table().post();
    EXPECT_EQ(window.table().fieldByName("IsDeuZoll").asString(), "J");
    window.close();
}

TEST_F(TradingWindowsTest, GoodsNumberPicksJoinPartsAndLines)
{
    insert(Tables::GoodsNumbers,
        { { "waren", "84713000" }, { "Waren2", "10" }, { "Waren5", "9" }, { "bez1", "Tragbare Rechner" },
            { "bez3", "bis 10 kg" } });
    TGoodsNumberRecord record;
    onNextWindow<TfrmWare>([](TfrmWare &window) {
        EXPECT_EQ(window.cancelButton()->text(), "Abbrechen");
        take(window);
    });
    ASSERT_TRUE(TfrmWare::SelectGoodsNumber(record));
    EXPECT_EQ(record.waren, "84713000");
    EXPECT_EQ(record.Waren2, "10");
    EXPECT_EQ(record.Waren3, "");
    EXPECT_EQ(record.Waren5, "9");
    EXPECT_EQ(record.bez, "Tragbare Rechner  bis 10 kg      ") << "always eight blanks";

    onNextWindow<TfrmWare>([](TfrmWare &window) { take(window); });
    EXPECT_EQ(TfrmWare::SelectGoodsNumberText(), "84713000;10;;");
    onNextWindow<TfrmWare>([](TfrmWare &window) { window.cancelButton()->click(); });
    EXPECT_EQ(TfrmWare::SelectGoodsNumberText(), "");
    TGoodsNumberRecord untouched;
    untouched.waren = QStringLiteral("1");
    onNextWindow<TfrmWare>([](TfrmWare &window) { window.cancelButton()->click(); });
    EXPECT_FALSE(TfrmWare::SelectGoodsNumber(untouched));
    EXPECT_EQ(untouched.waren, "1");
}

TEST_F(TradingWindowsTest, SpecialUnitFlagStoresJOrNAndClearsTheUnit)
{
    insert(Tables::GoodsNumbers, { { "waren", "1" }, { "maseinheit", "N" }, { "Einheit", "Stück" } });
    TfrmWare window;
    window.show();
    auto *flag = qobject_cast<QAbstractButton *>(window.controlForField("maseinheit"));
    ASSERT_TRUE(flag);
    for (const char *expected : { "J", "N" }) {
        flag->click();
        window.table().post();
        EXPECT_EQ(window.table().fieldByName("maseinheit").asString(), expected);
        EXPECT_TRUE(window.table().fieldByName("Einheit").isNull());
    }
    window.close();
}

TEST_F(TradingWindowsTest, ArticleNumberProposalSkipsNumbersInUse)
{
    for (const char *number : { "1", "2", "3", "10", "AB-7" })
        insert(Tables::Articles, { { "artikel", number }, { "bez1", QStringLiteral("Artikel %1").arg(number) } });
    TfrmArtikel window;
    window.show();
    QApplication::setActiveWindow(&window);
    window.clickRecordButton(MasterDataWindow::Add);
    EXPECT_EQ(window.table().fieldByName("artikel").asString(), "4");
    EXPECT_EQ(window.table().fieldByName("preis").asFloat(), 0.0);
    EXPECT_FALSE(window.table().fieldByName("preis").isNull());

    // What is typed into the number field and left is where the next
    // proposal starts; a number that is no whole number changes nothing.
    auto *number = qobject_cast<platform::DataEdit *>(window.controlForField("artikel"));
    ASSERT_TRUE(number);
    struct Case {
        QString typed;
        QString next;
    };
    const QVector<Case> cases = { { "9", "11" }, { "X-12", "11" } };
    for (const Case &c : cases) {
        number->setFocus();
        number->selectAll();
        QTest::keyClicks(number, c.typed);
        window.controlForField("bez1")->setFocus();
        window.table().post();
        window.clickRecordButton(MasterDataWindow::Add);
        EXPECT_EQ(window.table().fieldByName("artikel").asString(), c.next) << c.typed.toStdString();
    }
    window.table().cancel();
    window.close();
}

TEST_F(TradingWindowsTest, LanguageButtonsShowTheLinesOfTheirLanguage)
{
    platform::Table parameter(platform::Alias::Data, "S_PARAME.DB");
    parameter.open();
    parameter.edit();
    const QStringList names = { "Deutsch", "Englisch", "Französisch", "Portugiesisch", "Spanisch" };
    for (int i = 0; i < 5; ++i)
        parameter.setValue(QStringLiteral("Sprache%1").arg(i + 1), names.at(i));
    parameter.post();
    QVariantMap values { { "artikel", "1" } };
    for (int line = 1; line <= 6; ++line) {
        for (int language = 0; language < 5; ++language)
            values.insert(TfrmArtikel::descriptionField(TfrmArtikel::Language(language), line),
                QStringLiteral("%1 Zeile %2").arg(names.at(language)).arg(line));
    }
    insert(Tables::Articles, values);

    onNextWindow<TfrmArtikel>([&](TfrmArtikel &window) {
        for (int language = 0; language < 5; ++language) {
            QPushButton *button = window.languageButton(TfrmArtikel::Language(language));
            EXPECT_EQ(button->text(), names.at(language));
            button->click();
            EXPECT_EQ(window.descriptionLines().first(), names.at(language) + " Zeile 1");
            EXPECT_EQ(window.descriptionLines().last(), names.at(language) + " Zeile 6");
        }
        take(window);
    });
    EXPECT_EQ(TfrmArtikel::SelectArticleText(),
        "Deutsch Zeile 1 Deutsch Zeile 2 Deutsch Zeile 3 Deutsch Zeile 4 Deutsch Zeile 5 Deutsch Zeile 6")
        << "the German lines, whichever language was shown";
    onNextWindow<TfrmArtikel>([](TfrmArtikel &window) { window.cancelButton()->click(); });
    EXPECT_EQ(TfrmArtikel::SelectArticleText(), "");
}

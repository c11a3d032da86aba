#include "masterdata/articles.h"
#include "masterdata/customers.h"
#include "masterdata/goodsnumbers.h"
#include "masterdata/masterdatawindows.h"
#include "masterdata/picklists.h"
#include "masterdatafixture.h"

#include "platform/datacombobox.h"
#include "platform/dataedit.h"
#include "platform/recordingcanvas.h"
#include "support/modaldialog.h"

#include <QMenuBar>

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

namespace {

// Where the list engine puts a position of the A4 sheet on the recording
// printer (printable 203 x 289 mm).
constexpr int Mx = 35;
constexpr int My = 40;

int boldWidth(const QString &text)
{
    platform::RecordingCanvas measure;
    measure.setFont({ QStringLiteral("Courier New"), -40, platform::FontStyle::Bold, 0, Qt::black });
    return measure.textWidth(text);
}

int linesIn(const platform::RecordingCanvas &canvas, int job)
{
    int lines = 0;
    for (const platform::CanvasCall &call : canvas.calls())
        lines += call.job == job && call.kind == platform::CanvasCall::Kind::Line ? 1 : 0;
    return lines;
}

} // namespace

TEST_F(TradingWindowsTest, ListsPrintTheirBlocks)
{
    insert(Tables::Countries, { { "Land", "004" }, { "Bez", "Deutschland" }, { "Lkz", "DE" } });
    insert(Tables::Languages, { { "Skz", "d" }, { "Sprache", "Deutsch" } });
    insert(Tables::Customers,
        { { "nummer", 12 }, { "name1", "Berger" }, { "name3", "Zweiter Zusatz" }, { "ort", "Bonn" }, { "land", "004" },
            { "sprache", "d" }, { "ustnr", "DE999" } });
    auto print = [this](const ListLayout &layout) {
        dialogs.answer(platform::DialogAnswer::Ok);
        ListPrintWindow window(layout);
        window.print();
        return printers.canvas().jobCount();
    };
    auto valueAt = [this](int job, int x, int y, const QString &reference) {
        return printers.canvas().textAt(x + boldWidth(reference) - Mx, -y + My, job);
    };

    int job = print(customerListLayout());
    const QString firma = QStringLiteral("Firma      : ");
    EXPECT_EQ(valueAt(job, 900, 200, firma), "12");
    EXPECT_EQ(valueAt(job, 150, 242, firma), "Berger");
    EXPECT_EQ(valueAt(job, 150, 368, firma), "Zweiter Zusatz");
    EXPECT_EQ(valueAt(job, 150, 452, firma), "Bonn");
    EXPECT_EQ(valueAt(job, 150, 626, firma), "Deutschland");
    EXPECT_EQ(valueAt(job, 900, 500, firma), "Deutsch");
    EXPECT_EQ(valueAt(job, 900, 584, firma), "DE999");
    EXPECT_EQ(printers.canvas().findText("Kunden Stammdaten", job)->x, 800 - Mx);

    // The special unit only where the flag says so, in either case.
    const QString unitCaption = QStringLiteral("Besondere Maßeinheit :");
    for (const char *flag : { "j", "J", "N", "" }) {
        SCOPED_TRACE(flag);
        platform::Table(platform::Alias::Data, Tables::GoodsNumbers).emptyTable();
        insert(Tables::GoodsNumbers,
            { { "waren", "84713000" }, { "Waren2", "10" }, { "Waren5", "7" }, { "maseinheit", flag },
                { "Einheit", "Stück" }, { "Land", "DE" }, { "bez9", "Zeile 9" } });
        job = print(goodsNumberListLayout());
        const bool shown = QString::fromLatin1(flag).toUpper() == QLatin1String("J");
        EXPECT_EQ(printers.canvas().findText(unitCaption, job) != nullptr, shown);
        EXPECT_EQ(valueAt(job, 150, 652, QStringLiteral("Besondere Maßeinheit : ")), shown ? "Stück" : "");
        EXPECT_EQ(valueAt(job, 550, 200, QStringLiteral("Warennummer   : ")), "84713000 10   7");
        EXPECT_EQ(valueAt(job, 150, 596, QStringLiteral("Bezeichnung 1        : ")), "Zeile 9");
        EXPECT_EQ(valueAt(job, 150, 694, QStringLiteral("Besondere Maßeinheit : ")), "Deutschland");
    }

    // Seven articles: a line between the blocks of a sheet, none after its
    // fifth block.
    for (int i = 1; i <= 7; ++i)
        insert(Tables::Articles,
            { { "artikel", QString::number(i) }, { "bez6", QStringLiteral("Sechste %1").arg(i) }, { "preis", 1234.5 },
                { "netto", 2.0 } });
    printers.canvas().clear();
    print(articleListLayout());
    ASSERT_EQ(printers.canvas().jobCount(), 2);
    const int first = printers.canvas().jobs().at(0).number;
    const int second = printers.canvas().jobs().at(1).number;
    EXPECT_EQ(linesIn(printers.canvas(), first), 4);
    EXPECT_EQ(linesIn(printers.canvas(), second), 2);
    const QString net = QStringLiteral("Netto Gewicht : ");
    EXPECT_EQ(valueAt(first, 1200, 242, net), "2,00");
    EXPECT_EQ(valueAt(first, 1200, 200, net), QStringLiteral("1.234,50\u00a0€"));
    EXPECT_EQ(printers.canvas().textAt(150 - Mx, -552 + My, first), "Sechste 1");
    EXPECT_EQ(printers.canvas().findText("Artikelnr.            : ", first)->font.style, platform::FontStyles {})
        << "captions regular";
}

TEST_F(TradingWindowsTest, WindowsOfferTheDataImport)
{
    for (const char *className : { "TfrmKunden", "TfrmWare", "TfrmArtikel" }) {
        std::unique_ptr<QDialog> window(createMasterDataWindow(className));
        ASSERT_TRUE(window);
        QStringList entries;
        for (QAction *action : window->findChild<QMenuBar *>()->actions())
            entries.append(action->text());
        EXPECT_TRUE(entries.contains("Daten-&Import")) << className;
        EXPECT_EQ(entries.indexOf("Daten-&Import"), entries.size() - 2) << "before closing";
    }
}

TEST_F(TradingWindowsTest, ArticleTakesItsGoodsNumberFromThePickList)
{
    insert(Tables::GoodsNumbers, { { "waren", "84713000" }, { "bez1", "Rechner" } });
    insert(Tables::GoodsNumbers, { { "waren", "85171200" }, { "bez1", "Telefone" } });
    insert(Tables::Articles, { { "artikel", "1" }, { "waren", "11111111" } });
    TfrmArtikel window;
    window.show();
    struct Case {
        bool take;
        QString waren;
    };
    for (const Case &c : { Case { false, "11111111" }, Case { true, "85171200" } }) {
        testsupport::onNextModal([&](QDialog *dialog) {
            auto *list = dynamic_cast<TfrmWare_e *>(dialog);
            if (!list) {
                dialog->reject();
                FAIL() << "unexpected window";
            }
            list->table().last();
            (c.take ? list->takeButton() : list->cancelButton())->click();
        });
        window.pickField("waren");
        EXPECT_FALSE(window.table().isEditing()) << "the article is stored";
        platform::Table articles(platform::Alias::Data, Tables::Articles);
        articles.open();
        EXPECT_EQ(articles.fieldByName("waren").asString(), c.waren);
    }
    window.close();
}

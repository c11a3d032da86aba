#include "orders/orderpicks.h"

#include "masterdata/articles.h"
#include "masterdata/countries.h"
#include "masterdata/customers.h"
#include "masterdata/forwarders.h"
#include "masterdata/keylookup.h"
#include "masterdata/languages.h"
#include "masterdata/masterdatatables.h"
#include "masterdata/paymentterms.h"
#include "masterdata/picklists.h"
#include "masterdata/preferenceclauses.h"
#include "masterdata/tfrmallgemein.h"
#include "platform/field.h"
#include "platform/table.h"

#include <QPushButton>

namespace orders {

using platform::Table;

namespace {

namespace Tables = masterdata::Tables;

QString text(platform::DataSet &record, const QString &field)
{
    return record.fieldByName(field).asString();
}

QStringList lines(platform::DataSet &record, const QString &prefix, int count)
{
    QStringList values;
    for (int i = 1; i <= count; ++i)
        values.append(text(record, prefix + QString::number(i)));
    return values;
}

// A master-data window in pick mode; the chosen record stays current in its table.
template <class Window> bool runPickWindow(Window &window)
{
    window.setPickMode(true);
    return window.exec() == QDialog::Accepted && !window.table().isEmpty();
}

template <class Window> bool runSelection(Window &window)
{
    return window.exec() == QDialog::Accepted && !window.table().isEmpty();
}

// The first record whose field holds the value, in a table of its own.
std::unique_ptr<Table> recordWhere(const QString &table, const QString &field, const QString &value)
{
    if (value.isEmpty())
        return nullptr;
    auto records = std::make_unique<Table>(platform::Alias::Data, table);
    records->open();
    if (!records->locate(field, { value }))
        return nullptr;
    return records;
}

CountryChoice countryOf(platform::DataSet &country)
{
    return { text(country, QStringLiteral("Lkz")), text(country, QStringLiteral("Bez")),
        text(country, QStringLiteral("Sprache")) };
}

GoodsNumberChoice goodsNumberOf(platform::DataSet &goods)
{
    return { text(goods, QStringLiteral("waren")), lines(goods, QStringLiteral("bez"), 8) };
}

PackageKindChoice packageKindOf(platform::DataSet &kind)
{
    return { text(kind, QStringLiteral("packart")), text(kind, QStringLiteral("bez")),
        kind.fieldByName(QStringLiteral("laenge")).asInteger(), kind.fieldByName(QStringLiteral("breite")).asInteger(),
        kind.fieldByName(QStringLiteral("hoehe")).asInteger() };
}

masterdata::TfrmArtikel::Language articleLanguage(const QString &key)
{
    const QString letter = key.toLower();
    if (letter == QLatin1String("e"))
        return masterdata::TfrmArtikel::English;
    if (letter == QLatin1String("f"))
        return masterdata::TfrmArtikel::French;
    if (letter == QLatin1String("p"))
        return masterdata::TfrmArtikel::Portuguese;
    if (letter == QLatin1String("s"))
        return masterdata::TfrmArtikel::Spanish;
    return masterdata::TfrmArtikel::German;
}

// A text window in the language of the key (German for an unknown key),
// its lines as it shows them.
std::optional<QStringList> pickLanguageText(masterdata::LanguageTextWindow &window, const QString &language)
{
    window.openTables();
    window.pressLanguageButton(std::max(1, masterdata::languageNumber(language)));
    if (!runPickWindow(window))
        return std::nullopt;
    return window.lineTexts();
}

// The type-ahead lookup on a table of its own: the row taken, or nothing.
template <class Choice>
std::optional<Choice> lookUp(const QString &table, const QString &field, const QString &notFound, const QString &typed,
    QWidget *parent, Choice (*choice)(platform::DataSet &))
{
    if (typed.isEmpty())
        return std::nullopt;
    Table records(platform::Alias::Data, table);
    records.open();
    const masterdata::KeyLookup lookup { field, masterdata::KeyMatch::Prefix, notFound };
    if (!masterdata::rowTaken(masterdata::lookUpTypedKey(records, lookup, typed, parent)))
        return std::nullopt;
    return choice(records);
}

} // namespace

std::optional<CustomerChoice> pickCustomer(QWidget *parent)
{
    masterdata::TfrmKunden window(parent);
    if (!runPickWindow(window))
        return std::nullopt;
    Table &customer = window.table();
    CustomerChoice choice;
    choice.lines = { text(customer, QStringLiteral("name1")), text(customer, QStringLiteral("name2")),
        text(customer, QStringLiteral("name3")), text(customer, QStringLiteral("strasse")),
        text(customer, QStringLiteral("ort")) };
    choice.vatId = text(customer, QStringLiteral("ustnr"));
    choice.language = text(customer, QStringLiteral("sprache"));
    // The names the customer window shows for its country and language.
    if (auto country = recordWhere(Tables::Countries, QStringLiteral("Land"), text(customer, QStringLiteral("land"))))
        choice.countryName = text(*country, QStringLiteral("Bez"));
    if (auto language = findLanguage(choice.language))
        choice.languageName = language->name;
    return choice;
}

std::optional<CountryChoice> pickCountry(QWidget *parent)
{
    masterdata::TfrmLnder_e window(parent);
    if (!runSelection(window))
        return std::nullopt;
    return countryOf(window.table());
}

std::optional<CountryChoice> findCountryByCode(const QString &code)
{
    if (auto country = recordWhere(Tables::Countries, QStringLiteral("Lkz"), code))
        return countryOf(*country);
    return std::nullopt;
}

std::optional<CountryChoice> findCountryByName(const QString &name)
{
    if (auto country = recordWhere(Tables::Countries, QStringLiteral("Bez"), name))
        return countryOf(*country);
    return std::nullopt;
}

std::optional<LanguageChoice> pickLanguage(QWidget *parent)
{
    Table languages(platform::Alias::Data, Tables::Languages);
    languages.open();
    masterdata::TfrmAllgemein window(parent);
    window.setDataSet(&languages);
    if (window.exec() != QDialog::Accepted || languages.isEmpty())
        return std::nullopt;
    return LanguageChoice { text(languages, QStringLiteral("Skz")), text(languages, QStringLiteral("Sprache")) };
}

std::optional<LanguageChoice> findLanguage(const QString &key)
{
    if (auto language = recordWhere(Tables::Languages, QStringLiteral("Skz"), key))
        return LanguageChoice { text(*language, QStringLiteral("Skz")), text(*language, QStringLiteral("Sprache")) };
    return std::nullopt;
}

std::optional<QStringList> pickShippingAddress(QWidget *parent)
{
    masterdata::TfrmVersand window(parent);
    if (!runPickWindow(window))
        return std::nullopt;
    return lines(window.table(), QStringLiteral("Name"), 5);
}

std::optional<QStringList> pickForwarder(QWidget *parent)
{
    masterdata::TfrmSpedit window(parent);
    if (!runPickWindow(window))
        return std::nullopt;
    return lines(window.table(), QStringLiteral("Name"), 5);
}

std::optional<QString> pickTransportMode(QWidget *parent, const QPoint &pos)
{
    masterdata::TfrmVerzw_e window(parent);
    window.move(pos);
    if (!runSelection(window))
        return std::nullopt;
    return text(window.table(), QStringLiteral("Bez2"));
}

std::optional<QStringList> pickInvoiceClause(QWidget *parent, const QString &language)
{
    masterdata::TfrmKlausel window(parent);
    return pickLanguageText(window, language);
}

std::optional<QStringList> pickPaymentTerm(QWidget *parent, const QString &language)
{
    masterdata::TfrmZahlung window(parent);
    return pickLanguageText(window, language);
}

std::optional<QStringList> pickPreferenceClause(QWidget *parent)
{
    masterdata::TfrmPraef window(parent);
    if (!runPickWindow(window))
        return std::nullopt;
    return lines(window.table(), QStringLiteral("text"), 6);
}

std::optional<ArticleChoice> pickArticle(QWidget *parent, const QString &language)
{
    masterdata::TfrmArtikel window(parent);
    window.openTables();
    // The descriptions as the window shows them in the order's language.
    window.languageButton(articleLanguage(language))->click();
    if (!runPickWindow(window))
        return std::nullopt;
    Table &article = window.table();
    ArticleChoice choice;
    choice.lines = window.descriptionLines();
    choice.price = article.fieldByName(QStringLiteral("preis")).asFloat();
    choice.net = article.fieldByName(QStringLiteral("netto")).asFloat();
    choice.goodsNumber = text(article, QStringLiteral("waren"));
    return choice;
}

std::optional<GoodsNumberChoice> pickGoodsNumber(QWidget *parent)
{
    masterdata::TfrmWare_e window(parent);
    if (!runSelection(window))
        return std::nullopt;
    return goodsNumberOf(window.table());
}

std::optional<GoodsNumberChoice> findGoodsNumber(const QString &number)
{
    if (auto goods = recordWhere(Tables::GoodsNumbers, QStringLiteral("waren"), number))
        return goodsNumberOf(*goods);
    return std::nullopt;
}

std::optional<PackageKindChoice> pickPackageKind(QWidget *parent)
{
    masterdata::TfrmPackst_e window(parent);
    if (!runSelection(window))
        return std::nullopt;
    return packageKindOf(window.table());
}

std::optional<GoodsNumberChoice> lookUpGoodsNumber(const QString &typed, QWidget *parent)
{
    return lookUp(
        Tables::GoodsNumbers, QStringLiteral("waren"), masterdata::NoGoodsNumberFound, typed, parent, goodsNumberOf);
}

std::optional<PackageKindChoice> lookUpPackageKind(const QString &typed, QWidget *parent)
{
    return lookUp(
        Tables::PackageKinds, QStringLiteral("packart"), masterdata::NoPackageKindFound, typed, parent, packageKindOf);
}

} // namespace orders

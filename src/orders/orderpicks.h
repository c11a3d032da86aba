#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace orders {

// What the order window and its dialogs take over from the master data.
// Each pick shows its master-data or "Auswahl" window modally in pick mode
// and gives the chosen record's values, or nothing when cancelled; the
// window is freed in every case.

struct CustomerChoice {
    QStringList lines; // Name1, Name2, Name3, Strasse, Ort
    QString vatId; // USTNR
    QString countryName; // as the customer window shows the country
    QString languageName; // as the customer window shows the language
    QString language; // the customer's language key
};
std::optional<CustomerChoice> pickCustomer(QWidget *parent);

struct CountryChoice {
    QString code; // Lkz
    QString name; // Bez
    QString language; // Sprache: the country's language key
};
std::optional<CountryChoice> pickCountry(QWidget *parent);
// The country with that alpha-2 code, or with that name.
std::optional<CountryChoice> findCountryByCode(const QString &code);
std::optional<CountryChoice> findCountryByName(const QString &name);

struct LanguageChoice {
    QString key; // Skz
    QString name; // Sprache
};
std::optional<LanguageChoice> pickLanguage(QWidget *parent);
std::optional<LanguageChoice> findLanguage(const QString &key);

// Five address lines (Name1 to Name5).
std::optional<QStringList> pickShippingAddress(QWidget *parent);
std::optional<QStringList> pickForwarder(QWidget *parent);
// The transport-mode text Bez2, the window placed at pos.
std::optional<QString> pickTransportMode(QWidget *parent, const QPoint &pos);
// The texts as the window shows them in the language of the key.
std::optional<QStringList> pickInvoiceClause(QWidget *parent, const QString &language); // ten lines
std::optional<QStringList> pickPaymentTerm(QWidget *parent, const QString &language); // five lines
std::optional<QStringList> pickPreferenceClause(QWidget *parent); // six lines

struct ArticleChoice {
    QStringList lines; // six description lines in the language asked for
    double price = 0.0;
    double net = 0.0;
    QString goodsNumber;
};
std::optional<ArticleChoice> pickArticle(QWidget *parent, const QString &language);

struct GoodsNumberChoice {
    QString number; // waren
    QStringList lines; // bez1 to bez8
};
std::optional<GoodsNumberChoice> pickGoodsNumber(QWidget *parent);
// The goods number exactly as given, without showing anything.
std::optional<GoodsNumberChoice> findGoodsNumber(const QString &number);

struct PackageKindChoice {
    QString code; // packart
    QString name; // bez
    int length = 0;
    int width = 0;
    int height = 0;
};
std::optional<PackageKindChoice> pickPackageKind(QWidget *parent);

// The type-ahead lookups of the position and package dialogs: the rows
// whose key starts with the text; none is reported with the German message,
// one is taken, several are offered in "Übernahme". Nothing for an empty
// text, no row or a cancelled choice.
std::optional<GoodsNumberChoice> lookUpGoodsNumber(const QString &text, QWidget *parent);
std::optional<PackageKindChoice> lookUpPackageKind(const QString &text, QWidget *parent);

} // namespace orders

#pragma once

#include <QString>
#include <QStringList>

namespace orders {

// The four tables of an order in the data directory: the head, its goods
// positions, its sum lines and its packages. The details are keyed by
// order number and line number.
namespace Tables {
inline const QString Orders = QStringLiteral("RECHNUNG.DB");
inline const QString Positions = QStringLiteral("ARTIKE.DB");
inline const QString SumLines = QStringLiteral("TEXTE.DB");
inline const QString Packages = QStringLiteral("PACK.DB");
}

// Declares the order tables in the schema registry, with the values a new
// record starts with (an ordinary order in "EUR"; a position and a package
// counted once, all prices, weights and sizes 0). The program and the tests
// call it before they open a data directory.
void registerOrderTables();

// The kinds of sum line (field ken), in the order the sum-line dialog offers them.
namespace SumLineKind {
inline const QString Subtotal = QStringLiteral("Zwischensumme");
inline const QString Vat = QStringLiteral("MWSt");
inline const QString Surcharge = QStringLiteral("Aufschlag");
inline const QString Discount = QStringLiteral("Abschlag");
inline const QString Total = QStringLiteral("Endsumme");
inline const QString Rule = QStringLiteral("Strich1");
inline const QString DoubleRule = QStringLiteral("Strich2");
}
QStringList sumLineKinds();

// The amounts the two rule lines show.
inline const QString RuleAmount = QStringLiteral("----------");
inline const QString DoubleRuleAmount = QStringLiteral("===========");

} // namespace orders

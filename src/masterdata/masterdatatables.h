#pragma once

#include <QString>

namespace platform {
class Database;
}

namespace masterdata {

// Declares the master tables of this library (customers, goods numbers,
// articles, countries, code tables, preference clauses, package kinds,
// forwarders, shipping addresses) in the schema registry. The program and
// the tests call it before they open a data directory.
void registerMasterdataTables();

// The file names of the tables, as the windows and other libraries open them.
namespace Tables {
inline const QString Customers = QStringLiteral("S_KUNDEN.DB");
inline const QString GoodsNumbers = QStringLiteral("S_WARENN.DB");
inline const QString Articles = QStringLiteral("S_ARTIST.DB");
inline const QString Countries = QStringLiteral("S_LANDBZ.DB");
inline const QString Languages = QStringLiteral("S_SPRACH.DB");
inline const QString OriginClauses = QStringLiteral("S_URZEUG.DB");
inline const QString TransportModes = QStringLiteral("S_VERKZG.DB");
inline const QString DeliveryTerms = QStringLiteral("S_LIEFER.DB");
inline const QString DeclarationProcedures = QStringLiteral("S_VERFAH.DB");
inline const QString Box37Procedures = QStringLiteral("S_EINH37.DB");
inline const QString BusinessTypes = QStringLiteral("S_GESART.DB");
inline const QString Ports = QStringLiteral("S_HAFEN.DB");
inline const QString CustomsOffices = QStringLiteral("S_ZOLLST.DB");
inline const QString FederalStates = QStringLiteral("S_INLAND.DB");
inline const QString ProcedureCodes1 = QStringLiteral("S_Einheit37_1.db");
inline const QString ProcedureCodes2 = QStringLiteral("S_Einheit37_2.db");
inline const QString PreferenceClauses = QStringLiteral("S_PRAEFZ.DB");
inline const QString PackageKinds = QStringLiteral("S_PACKST.DB");
inline const QString Forwarders = QStringLiteral("S_SPEDIT.DB");
inline const QString ShippingAddresses = QStringLiteral("S_VERSAN.DB");
inline const QString SupportingDocuments = QStringLiteral("S_Unterlagen.db");
inline const QString PaymentTerms = QStringLiteral("S_ZABEDG.DB");
inline const QString InvoiceClauses = QStringLiteral("S_REKLAU.DB");
inline const QString Translations = QStringLiteral("S_SP.DB");
}

} // namespace masterdata

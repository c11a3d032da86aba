#pragma once

#include "masterdata/listprint.h"
#include "masterdata/masterdatawindow.h"
#include "masterdata/pickrecords.h"

namespace masterdata {

// "Kundenverwaltung": the customers documents take their parties from,
// shown in the order stored under "Kunden" (never written by this window).
MasterDataDefinition customerDefinition();
// "Kunden Stammdaten", five customers a sheet, by name.
ListLayout customerListLayout();

// The number "Kunde hinzufügen" proposes: the highest in use plus one.
int proposeCustomerNumber();

class TfrmKunden : public MasterDataWindow
{
    Q_OBJECT
public:
    explicit TfrmKunden(QWidget *parent = nullptr);

    // The customer window with its pick buttons; on "Übernehmen" the chosen
    // customer's address goes into the record (the TIN's flag "1" for a
    // stored "J", the country as its alpha-2 code) and the result is true.
    // Cancelled, or nothing to choose: false, the record unchanged.
    static bool SelectCustomer(TPartyAddress &address, QWidget *parent = nullptr);
    // The first customer with that TIN, ignoring case, without showing
    // anything; false and the record unchanged when there is none.
    static bool LookupCustomerByTIN(const QString &tin, TPartyAddress &address);
    // The number of the chosen customer, -1 when cancelled.
    static int SelectCustomerNumber(QWidget *parent = nullptr);
};

} // namespace masterdata

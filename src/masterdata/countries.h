#pragma once

#include "masterdata/listprint.h"
#include "masterdata/masterdatawindow.h"
#include "masterdata/selectionwindow.h"

namespace masterdata {

// "Länderverwaltung": the country table, always shown by name; countries
// with single notification in red. The two "Verfahren" fields pick their
// default box-37 codes from the sub-field lists.
MasterDataDefinition countryDefinition();
// The country list "Länder", 17 countries a sheet.
ListLayout countryListLayout();

class TfrmLnder : public MasterDataWindow
{
    Q_OBJECT
public:
    explicit TfrmLnder(QWidget *parent = nullptr);
};

// "Auswahl: Ländertabelle", the pick list of countries.
SelectionDefinition countrySelectionDefinition();

class TfrmLnder_e : public SelectionWindow
{
    Q_OBJECT
public:
    explicit TfrmLnder_e(QWidget *parent = nullptr);

    // The list in the order of the key field on the country whose key
    // equals the start value (by name, on the first country, without one);
    // the key of the chosen country, or an empty text when cancelled.
    static QString SelectCountry(const QString &keyField, const QString &startValue, QWidget *parent = nullptr);
    // The name of the chosen country, or an empty text.
    static QString SelectCountryName(QWidget *parent = nullptr);
    // The name of the country with that key, without showing anything;
    // an empty text when there is none.
    static QString LookupCountryName(const QString &keyField, const QString &keyValue);
};

} // namespace masterdata
